target_sources(lumidex_testsupport PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ScriptedInteraction.h
  ${CMAKE_CURRENT_LIST_DIR}/ScriptedInteraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestHelpers.h
  ${CMAKE_CURRENT_LIST_DIR}/TestHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PdfReadBack.h
  ${CMAKE_CURRENT_LIST_DIR}/PdfReadBack.cpp
)
