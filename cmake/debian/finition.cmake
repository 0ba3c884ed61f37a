# Run by CPack in the package's staging directory before the .deb is made
# (CPACK_PRE_BUILD_SCRIPTS): adds what only the package carries, so that a
# plain installation does not get it. Today: lintian's overrides.
set(rep "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides")
file(MAKE_DIRECTORY "${rep}")
file(COPY_FILE "${CPACK_VSE_SURCHARGES_LINTIAN}" "${rep}/${CPACK_PACKAGE_NAME}")
file(CHMOD "${rep}/${CPACK_PACKAGE_NAME}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
