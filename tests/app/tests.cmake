lumidex_add_test(tst_windowset SOURCES tst_windowset.cpp LIBS lumidex_testsupport)
lumidex_add_test(tst_application SOURCES tst_application.cpp LIBS lumidex_testsupport)

# Windows reach message boxes, file and print dialogs and the desktop only through
# the interaction; one direct call would hang a headless test waiting for a click.
add_test(NAME tst_interactionseam
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
          -P ${CMAKE_CURRENT_LIST_DIR}/check_interaction_seam.cmake)

# The libraries and test programs compile in batches: no two files of one of them
# may define the same file-local name.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME tst_filelocalnames
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/check_file_local_names.py
          ${PROJECT_BINARY_DIR}/batched-targets.txt ${PROJECT_SOURCE_DIR})

# Every word a user reads lives in src/core/texts: a literal with a letter in a
# window, toolkit or wiring file fails, unless it is a name, a style or a path.
add_test(NAME tst_words
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/check_words.py ${PROJECT_SOURCE_DIR}/src)
# The check itself, on a probe of what it must refuse (a word, one split over two
# literals) and what it must let pass (names, styles, paths, formats, comments).
add_test(NAME tst_wordsprobe
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/check_words.py ${CMAKE_CURRENT_LIST_DIR}/probes/words)
set_tests_properties(tst_wordsprobe PROPERTIES
  PASS_REGULAR_EXPRESSION "WordsProbe.cpp:6: .Salva la scheda...*WordsProbe.cpp:7: .Premere . .OK."
  FAIL_REGULAR_EXPRESSION "frmProva|Etichetta|QLabel|salva.svg|%1|dd/MM|Verdana|Parola")

# The wiring (main, the application, the window set) sits alone on top.
add_test(NAME tst_layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
          -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

# Every tracked source file is laid out as .clang-format says, but for the files
# still listed in clang_format_pending.txt.
add_test(NAME tst_clangformat
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DPENDING_LIST=${CMAKE_CURRENT_LIST_DIR}/clang_format_pending.txt
          -P ${CMAKE_CURRENT_LIST_DIR}/check_format.cmake)
set_tests_properties(tst_clangformat PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: clang-format is not installed")

# The program in a folder whose file system cannot lock.
lumidex_add_test(tst_unlockablefolder SOURCES tst_unlockablefolder.cpp LIBS lumidex_testsupport FAULT_SHIM)

# A core file that includes a widget header, or a window's header, does not
# compile: each probe is built as a core file and must fail for that reason.
foreach(probe IN ITEMS widget window)
  add_library(core_includes_${probe} OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/probes/core_includes_${probe}.cpp)
  lumidex_core_rules(core_includes_${probe} PRIVATE)
  add_test(NAME tst_coreincludes${probe}
    COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target core_includes_${probe})
  # Both build in this build folder; one at a time.
  set_tests_properties(tst_coreincludes${probe} PROPERTIES RESOURCE_LOCK build_folder)
endforeach()
set_tests_properties(tst_coreincludeswidget PROPERTIES
  PASS_REGULAR_EXPRESSION "The core \\(src/core\\) has no widgets")
set_tests_properties(tst_coreincludeswindow PROPERTIES
  PASS_REGULAR_EXPRESSION "gui/editor/CardEditor.h: No such file or directory")
