# What `cmake --install` puts where (the folders are PictavueLayout's), and the packages CPack
# makes of it: a Debian package (cpack -G DEB) from a Linux build, a zip and an installer
# (cpack -G "ZIP;NSIS64") from the Windows build.

set(PICTAVUE_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(PICTAVUE_RELEASE_DATE 2026-12-07)
set(PICTAVUE_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")
set(PICTAVUE_APP_ID org.pictavue.Pictavue CACHE STRING
  "The desktop's and AppStream's name of the program (reverse DNS)")
set(PICTAVUE_PUBLIC_URL "" CACHE STRING
  "The web address where docs/ is published; AppStream then names it and the screenshots")
set(PICTAVUE_PACKAGE_MAINTAINER "The Pictavue developers <pictavue@users.noreply.invalid>"
  CACHE STRING "The Maintainer of the Debian package")

install(TARGETS pictavue RUNTIME DESTINATION ${PICTAVUE_INSTALL_BINDIR})
set(pictavue_libraries ifjpeg ifpng ifwmf)
if(PICTAVUE_GUI)
  list(APPEND pictavue_libraries pictavue_window)
endif()
install(TARGETS ${pictavue_libraries} LIBRARY DESTINATION ${PICTAVUE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictavue.hlp DESTINATION ${PICTAVUE_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${PICTAVUE_INSTALL_DOCDIR})

if(WIN32)
  include(PictavueWindowsPackage)
else()
  include(PictavueLinuxPackage)
endif()

set(CPACK_PACKAGE_NAME pictavue)
set(CPACK_PACKAGE_VENDOR "The Pictavue developers")
set(CPACK_PACKAGE_VERSION ${PICTAVUE_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make a web gallery of the pictures in a folder")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
include(CPack)
