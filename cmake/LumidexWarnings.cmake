# One set of warnings for every target the project builds: the libraries, the
# program, the tools, the tests and their helpers, the benchmarks. The CI preset
# turns them into errors (CMAKE_COMPILE_WARNING_AS_ERROR).
add_library(lumidex_warnings INTERFACE)
target_compile_options(lumidex_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)

# The stricter rules the strictest Qt programs build with: no C casts, no cast
# that drops a const, no hidden overload of a virtual, no path that reads through
# a null pointer the compiler can see; no text made from bytes without saying
# their encoding (QT_NO_CAST_FROM_ASCII and its siblings: a literal is
# QStringLiteral, u"..." or QLatin1String), no web address made from a bare text,
# and nothing Qt deprecated up to the oldest version the program builds with.
# Qt 6.4 reads QT_DISABLE_DEPRECATED_BEFORE, later versions QT_DISABLE_DEPRECATED_UP_TO
# (QT_STRICT_ITERATORS is read again by the versions that have the strict kind).
add_library(lumidex_strict INTERFACE)
target_compile_options(lumidex_strict INTERFACE
  -Woverloaded-virtual -Wold-style-cast -Wcast-qual -Wnull-dereference)
target_compile_definitions(lumidex_strict INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
  QT_STRICT_ITERATORS QT_DISABLE_DEPRECATED_UP_TO=0x060400 QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# The window library (src/ui, src/gui, src/app) and the program take the strict
# rules too; the switch is there to build a branch that predates them.
option(LUMIDEX_STRICT_UI "Build the window library and the program with the strict rules too" ON)
set(LUMIDEX_NOT_YET_STRICT)
if(NOT LUMIDEX_STRICT_UI)
  list(APPEND LUMIDEX_NOT_YET_STRICT lumidex_ui lumidex lumidex_resources)
endif()
# The two test programs, until their literals are made texts the strict way.
option(LUMIDEX_STRICT_TESTS "Build the test programs with the strict rules too" OFF)
if(NOT LUMIDEX_STRICT_TESTS)
  list(APPEND LUMIDEX_NOT_YET_STRICT lumidex_core_tests lumidex_window_tests)
endif()

# Links lumidex_warnings, and lumidex_strict where it applies, into every target
# compiled below `dir`; called once, at the end of the top-level list, so that no
# target can be left out.
function(lumidex_warn_everywhere dir)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE lumidex_warnings)
      if(NOT target IN_LIST LUMIDEX_NOT_YET_STRICT)
        target_link_libraries(${target} PRIVATE lumidex_strict)
      endif()
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    lumidex_warn_everywhere("${subdirectory}")
  endforeach()
endfunction()
