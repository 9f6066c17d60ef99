# Each folder lists its own files in a sources.cmake, so that adding a window or a
# test never means editing a file shared by every subsystem. The folder decides
# the library: src/CMakeLists.txt sets LUMIDEX_LAYER before it includes the lists
# of a tree (src/core: lumidex_core; src/ui, src/gui, src/app: lumidex_ui).
#
#   lumidex_sources(<files...>)        files of the library of the folder's tree
#   lumidex_openers(<headers...>)      the headers of a window feature (src/gui/<feature>)
#                                      through which other features open its windows;
#                                      the layer check allows no other include across features
#   lumidex_add_test(<name> SOURCES <files...> [LIBS <libs...>] [DEFINES <defs...>] [DEPENDS <targets...>]
#                    [FAULT_SHIM])
#   lumidex_add_test_programs()        once, after every test is added

function(lumidex_sources)
  if(NOT LUMIDEX_LAYER)
    message(FATAL_ERROR "lumidex_sources() outside a tree of src/")
  endif()
  foreach(file IN LISTS ARGN)
    if(NOT IS_ABSOLUTE "${file}")
      set(file "${CMAKE_CURRENT_LIST_DIR}/${file}")
    endif()
    set_property(GLOBAL APPEND PROPERTY LUMIDEX_${LUMIDEX_LAYER}_SOURCES "${file}")
  endforeach()
endfunction()

function(lumidex_openers)
  # Read by the layer check (tests/app/check_layers.cmake); nothing to build.
endfunction()

# The tests are compiled into two programs, one for the core tests and one for the
# window tests, instead of one program each: a test links the same large libraries
# as its neighbours, and linking them sixty times cost more than compiling the
# tests. Each test is still run by CTest as a process of its own, under its own
# name ("lumidex_core_tests tst_layouts"), so no test sees another's state; the
# test's QTEST_MAIN becomes a function named after its test class
# (tests/support/TestProgramEntry.h), which the program's first argument picks.
# A build target of the test's name builds its program (`--target tst_layouts`).
#
#   DEFINES   compile definitions of the test's own sources
#   DEPENDS   targets the test runs (a worker, a tool) that must be built first
#   FAULT_SHIM  the test runs with the fault shim preloaded (tests/support/NoLockShim.cpp,
#             SyncFaultShim.cpp), and so do the programs it starts: it can make the
#             locks or the syncs of its folder fail, as some disks and shares do
function(lumidex_add_test name)
  cmake_parse_arguments(ARG "FAULT_SHIM" "" "SOURCES;LIBS;DEFINES;DEPENDS" ${ARGN})
  set(program lumidex_core_tests)
  foreach(lib IN LISTS ARG_LIBS)
    if(NOT lib MATCHES "^(lumidex_core|lumidex_testcore|PkgConfig::EXIV2)$")
      set(program lumidex_window_tests)
    endif()
  endforeach()
  foreach(file IN LISTS ARG_SOURCES)
    if(NOT IS_ABSOLUTE "${file}")
      set(file "${CMAKE_CURRENT_LIST_DIR}/${file}")
    endif()
    if(file MATCHES "\\.cpp$")
      file(STRINGS "${file}" entry REGEX "^QTEST_[A-Z_]*MAIN[A-Z_]*\\(")
      if(entry MATCHES "^QTEST_[A-Z_]*MAIN[A-Z_]*\\(([A-Za-z0-9_]+)[,)]")
        set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_ENTRIES "${name}:${CMAKE_MATCH_1}")
      endif()
    endif()
    if(ARG_DEFINES)
      set_property(SOURCE "${file}" APPEND PROPERTY COMPILE_DEFINITIONS ${ARG_DEFINES})
    endif()
    set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_SOURCES "${file}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_LIBS ${ARG_LIBS})
  set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_DEPENDS ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_NAMES ${name})
  add_custom_target(${name} DEPENDS ${program})
  add_test(NAME ${name} COMMAND ${program} ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=it_IT.UTF-8;LC_ALL=C.UTF-8"
    TIMEOUT 300)
  if(ARG_FAULT_SHIM)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "LD_PRELOAD=$<TARGET_FILE:lumidex_faultshim>")
    set_property(GLOBAL APPEND PROPERTY LUMIDEX_TESTS_${program}_DEPENDS lumidex_faultshim)
  endif()
endfunction()

# Makes the test programs out of what lumidex_add_test() collected; called once,
# after every tests.cmake, in the folder where the tests were added (the sources'
# properties belong to it).
function(lumidex_add_test_programs)
  foreach(program IN ITEMS lumidex_core_tests lumidex_window_tests)
    get_property(sources GLOBAL PROPERTY LUMIDEX_TESTS_${program}_SOURCES)
    get_property(libs GLOBAL PROPERTY LUMIDEX_TESTS_${program}_LIBS)
    get_property(depends GLOBAL PROPERTY LUMIDEX_TESTS_${program}_DEPENDS)
    get_property(names GLOBAL PROPERTY LUMIDEX_TESTS_${program}_NAMES)
    get_property(entries GLOBAL PROPERTY LUMIDEX_TESTS_${program}_ENTRIES)
    if(NOT names)
      continue()
    endif()
    list(LENGTH names tests)
    list(LENGTH entries found)
    if(NOT tests EQUAL found)
      message(FATAL_ERROR "${program}: every test needs one QTEST_MAIN (QTEST_GUILESS_MAIN, QTEST_MAIN_WRAPPER) at the start of a line; tests ${names}, entries ${entries}")
    endif()
    list(REMOVE_DUPLICATES sources)
    list(REMOVE_DUPLICATES libs)
    set(declarations "")
    set(table "")
    foreach(entry IN LISTS entries)
      string(REPLACE ":" ";" entry "${entry}")
      list(GET entry 0 test)
      list(GET entry 1 class)
      string(APPEND declarations "int lumidex_test_${class}(int argc, char *argv[]);\n")
      string(APPEND table "    {\"${test}\", lumidex_test_${class}},\n")
    endforeach()
    set(runner "${CMAKE_CURRENT_BINARY_DIR}/${program}_main.cpp")
    set(entries "${table}")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/TestProgramMain.cpp.in" "${runner}" @ONLY)
    add_executable(${program} ${sources} ${runner})
    target_link_libraries(${program} PRIVATE Qt6::Test ${libs})
    lumidex_moc_test_sources(${program} ${sources})
    lumidex_compile_in_batches(${program})
    if(depends)
      add_dependencies(${program} ${depends})
    endif()
    # The entry header must come first; with precompiled headers it is their last.
    set(entry_header "${PROJECT_SOURCE_DIR}/tests/support/TestProgramEntry.h")
    if(CMAKE_DISABLE_PRECOMPILE_HEADERS)
      target_compile_options(${program} PRIVATE -include "${entry_header}")
    elseif(program STREQUAL lumidex_window_tests)
      target_precompile_headers(${program} PRIVATE ${LUMIDEX_UI_PRECOMPILED_HEADERS} "${entry_header}")
    else()
      target_precompile_headers(${program} PRIVATE ${LUMIDEX_CORE_PRECOMPILED_HEADERS} "${entry_header}")
    endif()
  endforeach()
endfunction()

# The test classes are declared in their .cpp files, which end with an include of
# their moc output ("tst_layouts.moc"). Each is made by an edge of its own instead
# of the program's AUTOMOC, which ran moc on all of them in one step that every
# test object waited for; and moc is given the project's headers but not Qt's or
# the standard library's: it reads every header it can find for the macros it
# might need, a test class needs none of them, and reading <QtTest> and what it
# pulls in took seconds a file for the same output.
function(lumidex_moc_test_sources program)
  set_target_properties(${program} PROPERTIES AUTOMOC OFF)
  set(moc_dir "${CMAKE_CURRENT_BINARY_DIR}/${program}_moc")
  target_include_directories(${program} PRIVATE "${moc_dir}")
  set(moc_includes -I${PROJECT_SOURCE_DIR}/tests -I${PROJECT_SOURCE_DIR}/src -I${PROJECT_SOURCE_DIR}/src/core)
  foreach(file IN LISTS ARGN)
    if(NOT file MATCHES "\\.cpp$")
      continue()
    endif()
    file(STRINGS "${file}" moc_include REGEX "^#include \"[A-Za-z0-9_]+\\.moc\"")
    file(STRINGS "${file}" declares_class REGEX "^[ \t]*Q_OBJECT")
    if(NOT moc_include)
      if(declares_class)
        message(FATAL_ERROR "${file} declares a Q_OBJECT class: it must end with #include \"<its name>.moc\"")
      endif()
      continue()
    endif()
    string(REGEX REPLACE "^#include \"([A-Za-z0-9_]+\\.moc)\".*" "\\1" moc_name "${moc_include}")
    set(output "${moc_dir}/${moc_name}")
    add_custom_command(OUTPUT "${output}"
      COMMAND Qt6::moc ${moc_includes} "${file}" -o "${output}" --output-dep-file --dep-file-path "${output}.d"
      DEPENDS "${file}"
      DEPFILE "${output}.d"
      COMMENT "Running moc on ${moc_name}"
      VERBATIM)
    # A source of the program, so every object of it waits for the moc outputs the
    # first time; afterwards the compiler's own dependencies tie each to its file.
    target_sources(${program} PRIVATE "${output}")
    set_source_files_properties("${output}" PROPERTIES HEADER_FILE_ONLY ON)
  endforeach()
endfunction()

# Pulls in every sources.cmake below a folder, in a stable order.
macro(lumidex_include_all pattern)
  file(GLOB_RECURSE _lumidex_lists CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${pattern}")
  list(SORT _lumidex_lists)
  foreach(_list IN LISTS _lumidex_lists)
    include("${_list}")
  endforeach()
endmacro()
