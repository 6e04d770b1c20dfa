# The Linux side of the install rules: the manual page, the desktop entry, the icons and the
# AppStream file, the Debian package's own files; and the Debian package itself.

set(PICTAVUE_DEBIAN_REVISION 1)
set(pictavue_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(pictavue_made ${CMAKE_BINARY_DIR}/packaging)

# Debian compresses manual pages and change logs with gzip -9n: no name, no time stamp.
function(pictavue_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${source} ${target}
    DEPENDS ${source} VERBATIM)
endfunction()

pictavue_gzip(${pictavue_packaging}/linux/pictavue.1 ${pictavue_made}/pictavue.1.gz)
configure_file(${pictavue_packaging}/linux/changelog.Debian.in ${pictavue_made}/changelog.Debian
  @ONLY)
pictavue_gzip(${pictavue_made}/changelog.Debian ${pictavue_made}/changelog.Debian.gz)
set(pictavue_made_files ${pictavue_made}/pictavue.1.gz ${pictavue_made}/changelog.Debian.gz)

install(FILES ${pictavue_made}/pictavue.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pictavue_made}/changelog.Debian.gz DESTINATION ${PICTAVUE_INSTALL_DOCDIR})
install(FILES ${pictavue_packaging}/copyright.txt DESTINATION ${PICTAVUE_INSTALL_DOCDIR}
  RENAME copyright)

# The desktop's view of the program: only a program with a window has one.
if(PICTAVUE_GUI)
  configure_file(${pictavue_packaging}/linux/pictavue.desktop.in
    ${pictavue_made}/${PICTAVUE_APP_ID}.desktop COPYONLY)
  set(metainfo ${pictavue_made}/${PICTAVUE_APP_ID}.metainfo.xml)
  add_custom_command(OUTPUT ${metainfo}
    COMMAND ${CMAKE_COMMAND} -DIN=${pictavue_packaging}/linux/pictavue.metainfo.xml.in
      -DOUT=${metainfo} -DPICTAVUE_APP_ID=${PICTAVUE_APP_ID}
      -DPICTAVUE_PUBLIC_URL=${PICTAVUE_PUBLIC_URL}
      -DPICTAVUE_PACKAGE_VERSION=${PICTAVUE_PACKAGE_VERSION}
      -DPICTAVUE_RELEASE_DATE=${PICTAVUE_RELEASE_DATE}
      -P ${pictavue_packaging}/linux/metainfo.cmake
    DEPENDS ${pictavue_packaging}/linux/pictavue.metainfo.xml.in
      ${pictavue_packaging}/linux/metainfo.cmake
    VERBATIM)
  list(APPEND pictavue_made_files ${metainfo})
  set(icons ${pictavue_made}/icons/hicolor)
  add_custom_command(OUTPUT ${icons}/48x48/apps/pictavue.png
    COMMAND pictavue_write_icon_files ${icons}
    DEPENDS pictavue_write_icon_files ${PROJECT_SOURCE_DIR}/resources/pictavue.svg
    COMMENT "Drawing the desktop's icon files")
  list(APPEND pictavue_made_files ${icons}/48x48/apps/pictavue.png)

  install(FILES ${pictavue_made}/${PICTAVUE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/pictavue.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()
add_custom_target(pictavue_packaging_files ALL DEPENDS ${pictavue_made_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PICTAVUE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PICTAVUE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION [[
Pictavue turns a folder of pictures (GIF, JPEG, PNG, BMP, WMF, EMF) into a
small static web gallery: numbered index pages of thumbnails, Back and Next
links, folder headings, an optional slide show, colour buttons, pictures
opened in sized sub-windows and a frame set with a page menu. The thumbnails
are the pictures themselves, scaled by the pages.
.
The window's texts are Japanese. Batch mode (pictavue --batch) makes the
same gallery without a window or a display.]])
# Opening the gallery goes through xdg-open; the window's texts need a font with Japanese
# glyphs, and Qt's own texts (choosers, context menus) its Japanese translations. The window
# needs Qt's platform plug-ins, which no library links to.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n")
if(PICTAVUE_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
