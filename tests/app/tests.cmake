lumidex_add_test(tst_windowset SOURCES tst_windowset.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_application SOURCES tst_application.cpp LIBS lumidex_testsupport)

# Windows reach message boxes, file and print dialogs and the desktop only through
# the interaction; one direct call would hang a headless test waiting for a click.
add_test(NAME tst_interactionseam
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
          -P ${CMAKE_CURRENT_LIST_DIR}/check_interaction_seam.cmake)

# The wiring (main, the application, the window set) sits alone on top.
add_test(NAME tst_layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
          -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

# The program in a folder whose file system cannot lock.
lumidex_add_test(tst_unlockablefolder SOURCES tst_unlockablefolder.cpp LIBS lumidex_testsupport)
set_property(TEST tst_unlockablefolder APPEND PROPERTY ENVIRONMENT "LD_PRELOAD=$<TARGET_FILE:lumidex_nolockshim>")
add_dependencies(tst_unlockablefolder lumidex_nolockshim)
