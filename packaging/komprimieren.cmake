# CPack runs this on the staging tree before it builds the .deb: manual pages and the changelog are
# compressed as Debian policy asks (gzip -9, no name or time stamp, so the package is reproducible).
file(GLOB_RECURSE bda_handbuchseiten "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man*/*.[1-9]")
file(GLOB_RECURSE bda_changelogs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
foreach(datei IN LISTS bda_handbuchseiten bda_changelogs)
    execute_process(COMMAND gzip -9nf "${datei}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT bda_handbuchseiten OR NOT bda_changelogs)
    message(FATAL_ERROR "Keine Handbuchseiten oder kein changelog unter ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
