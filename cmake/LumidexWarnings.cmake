# One set of warnings for every target the project builds: the libraries, the
# program, the tools, the tests and their helpers, the benchmarks. The CI preset
# turns them into errors (CMAKE_COMPILE_WARNING_AS_ERROR).
add_library(lumidex_warnings INTERFACE)
target_compile_options(lumidex_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)

# Links lumidex_warnings into every target compiled below `dir`; called once, at
# the end of the top-level list, so that no target can be left out.
function(lumidex_warn_everywhere dir)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE lumidex_warnings)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    lumidex_warn_everywhere("${subdirectory}")
  endforeach()
endfunction()
