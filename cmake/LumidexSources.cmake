# Each folder lists its own files in a sources.cmake, so that adding a window or a
# test never means editing a file shared by every subsystem. The folder decides
# the library: src/CMakeLists.txt sets LUMIDEX_LAYER before it includes the lists
# of a tree (src/core: lumidex_core; src/ui, src/gui, src/app: lumidex_ui).
#
#   lumidex_sources(<files...>)        files of the library of the folder's tree
#   lumidex_openers(<headers...>)      the headers of a window feature (src/gui/<feature>)
#                                      through which other features open its windows;
#                                      the layer check allows no other include across features
#   lumidex_add_test(<name> SOURCES <files...> [LIBS <libs...>])

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

function(lumidex_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(sources)
  foreach(file IN LISTS ARG_SOURCES)
    if(NOT IS_ABSOLUTE "${file}")
      set(file "${CMAKE_CURRENT_LIST_DIR}/${file}")
    endif()
    list(APPEND sources "${file}")
  endforeach()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=it_IT.UTF-8;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()

# Pulls in every sources.cmake below a folder, in a stable order.
macro(lumidex_include_all pattern)
  file(GLOB_RECURSE _lumidex_lists CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${pattern}")
  list(SORT _lumidex_lists)
  foreach(_list IN LISTS _lumidex_lists)
    include("${_list}")
  endforeach()
endmacro()
