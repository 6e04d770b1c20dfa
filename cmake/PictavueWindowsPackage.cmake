# The Windows packages: a zip of the portable program, and an installer made with NSIS that puts
# the same files into the program-files folder (where the program keeps its settings in the
# user's application-data folder instead of beside itself).

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright.txt DESTINATION ${PICTAVUE_INSTALL_DOCDIR})

set(CPACK_GENERATOR "ZIP;NSIS64")
set(CPACK_PACKAGE_FILE_NAME pictavue-${PICTAVUE_PACKAGE_VERSION}-windows-x64)

set(CPACK_PACKAGE_INSTALL_DIRECTORY Pictavue)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for a 64-bit program: it also runs where only 64-bit programs can (wine64).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME "Pictavue ${PICTAVUE_PACKAGE_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Pictavue ${PICTAVUE_PACKAGE_VERSION}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright.txt)
# A program without its window has nothing to offer from the Start menu.
if(PICTAVUE_GUI)
  set(CPACK_PACKAGE_EXECUTABLES pictavue Pictavue)
endif()
