# The libraries and test programs compile their sources in batches: one compiler
# run reads the headers, loads the precompiled ones and instantiates the QtTest and
# container templates once for several files instead of once a file, which took
# most of a clean build. A batch is a generated file that includes its sources one
# after another (a unity build), so two files of a target must not define the same
# file-local name, whichever batch they fall into as files come and go:
# tst_filelocalnames reads the sources of every batched target for such names. The
# sanitizer build compiles every file alone and without the precompiled headers,
# so a file that leans on an include of its neighbour still fails there.
option(LUMIDEX_UNITY_BUILD "Compile the sources of the libraries and test programs in batches" ON)
set(LUMIDEX_UNITY_BATCH_SIZE 8 CACHE STRING "Sources in one batch of a unity build")

function(lumidex_compile_in_batches target)
  set_property(GLOBAL APPEND PROPERTY LUMIDEX_BATCHED_TARGETS ${target})
  if(LUMIDEX_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES
      UNITY_BUILD ON
      UNITY_BUILD_BATCH_SIZE ${LUMIDEX_UNITY_BATCH_SIZE})
    # In a batch every source is an included file, and GCC takes a lambda or
    # class of a source that captures a file-local type for a header's type
    # that would differ between files. The unbatched build keeps the warning
    # for the real headers.
    target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  endif()
endfunction()

# Writes each batched target, the folder its relative sources start from, its
# sources and those of them compiled alone (SKIP_UNITY_BUILD_INCLUSION), one line
# a target, for the check of file-local names (tests/app/check_file_local_names.py);
# called once, at the end of the top-level list. The check runs whether or not
# this build batches.
function(lumidex_write_batched_targets file)
  get_property(targets GLOBAL PROPERTY LUMIDEX_BATCHED_TARGETS)
  set(content "")
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(alone "")
    foreach(source IN LISTS sources)
      get_source_file_property(skip "${source}" TARGET_DIRECTORY ${target} SKIP_UNITY_BUILD_INCLUSION)
      if(skip)
        list(APPEND alone "${source}")
      endif()
    endforeach()
    string(APPEND content "${target}\t${dir}\t${sources}\t${alone}\n")
  endforeach()
  file(WRITE "${file}.new" "${content}")
  file(COPY_FILE "${file}.new" "${file}" ONLY_IF_DIFFERENT)
  file(REMOVE "${file}.new")
endfunction()
