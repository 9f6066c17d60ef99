# The portable archive of the program folder, built by scripts/package through the
# target lumidex_package into the build folder's "package" folder.
#
# lumidex_package_inputs(<var>) gives what the packer takes after its output
# folder: the version, this build's executable, password store tool and manual,
# the icon and the strip program. The package test packs the same inputs into a
# folder of its own.
set(LUMIDEX_PACKER "${CMAKE_CURRENT_LIST_DIR}/pack-program-folder.sh" CACHE INTERNAL "")

function(lumidex_package_inputs var)
  set(${var}
    "${PROJECT_VERSION}" "$<TARGET_FILE:lumidex>" "$<TARGET_FILE:lumidex_password_store>"
    "${LUMIDEX_PROGRAM_DIR}/Guida.pdf" "${PROJECT_SOURCE_DIR}/src/resources/pictures/icona-lumidex.svg"
    "${CMAKE_STRIP}"
    PARENT_SCOPE)
endfunction()

lumidex_package_inputs(package_inputs)
add_custom_target(lumidex_package
  COMMAND bash "${LUMIDEX_PACKER}" "${CMAKE_BINARY_DIR}/package" ${package_inputs}
  COMMENT "Packing the program folder"
  VERBATIM)
add_dependencies(lumidex_package lumidex lumidex_password_store lumidex_manual)
