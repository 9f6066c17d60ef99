# Builds the manual "Guida.pdf" in the program folder from the help pages. The
# writer links the pages, so a change of wording relinks it and the manual is
# written again.
add_executable(lumidex_manual_writer
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ManualWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/ManualWriter.cpp)
target_link_libraries(lumidex_manual_writer PRIVATE lumidex_core)

set(LUMIDEX_MANUAL_FILE "${LUMIDEX_PROGRAM_DIR}/Guida.pdf")
add_custom_command(OUTPUT "${LUMIDEX_MANUAL_FILE}"
  COMMAND lumidex_manual_writer "${LUMIDEX_MANUAL_FILE}"
  DEPENDS lumidex_manual_writer
  COMMENT "Writing the manual Guida.pdf"
  VERBATIM)
add_custom_target(lumidex_manual ALL DEPENDS "${LUMIDEX_MANUAL_FILE}")
