# The portable archive packed from this build into a folder of the test's own,
# unpacked under a awkward folder name, started offscreen, and its desktop entry
# installed for a user of the test's own.
lumidex_package_inputs(package_inputs)
add_test(NAME tst_package
  COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/tst_package.sh" "${PROJECT_SOURCE_DIR}" ${package_inputs})
set_tests_properties(tst_package PROPERTIES TIMEOUT 120)

# The program folder scripts/run installs into, outside the build tree.
add_test(NAME tst_installprogram
  COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/tst_installprogram.sh" "${PROJECT_SOURCE_DIR}"
    "$<TARGET_FILE:lumidex>" "$<TARGET_FILE:lumidex_password_store>" "${LUMIDEX_PROGRAM_DIR}/Guida.pdf")
