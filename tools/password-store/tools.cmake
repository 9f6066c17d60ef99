# Lays the password store with the initial password into the program folder. A
# store already there is kept: it may hold a password the user has changed.
add_executable(lumidex_password_store ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(lumidex_password_store PRIVATE lumidex_core)

add_custom_target(lumidex_password_store_file ALL
  COMMAND lumidex_password_store "${LUMIDEX_PROGRAM_DIR}"
  COMMENT "Checking the password store in the program folder"
  VERBATIM)
add_dependencies(lumidex_password_store_file lumidex_password_store)
