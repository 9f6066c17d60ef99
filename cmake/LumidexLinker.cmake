# The debug programs carry a lot of debug information, and the default linker
# took seconds for each test program and the program itself; lld links the same
# objects in a fraction of that. Used where it is installed (scripts/install-deps
# installs it); without it the compiler's default linker links as before.
option(LUMIDEX_USE_LLD "Link with lld where it is installed" ON)
if(LUMIDEX_USE_LLD)
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-fuse-ld=lld" LUMIDEX_LLD_WORKS)
  if(LUMIDEX_LLD_WORKS)
    add_link_options(-fuse-ld=lld)
  endif()
endif()
