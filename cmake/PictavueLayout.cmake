# Where the install rules put the program's files, and where the program looks for them: the
# program knows the folders relative to its own, so an installed tree works wherever it is moved.
# Translations go into ${PICTAVUE_INSTALL_DATADIR}/translations.

include(GNUInstallDirs)
if(WIN32)
  # A Windows program keeps its files in its own folder, installed or unpacked.
  set(PICTAVUE_INSTALL_BINDIR .)
  set(PICTAVUE_INSTALL_LIBDIR .)
  set(PICTAVUE_INSTALL_DATADIR .)
  set(PICTAVUE_INSTALL_DOCDIR docs)
else()
  set(PICTAVUE_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  # The plug-ins and the window's library belong to the machine's architecture: in Debian's
  # multiarch folder (lib/x86_64-linux-gnu) whatever the prefix, unless LIBDIR names another.
  set(PICTAVUE_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/pictavue)
  if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
    set(PICTAVUE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/pictavue)
  endif()
  set(PICTAVUE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/pictavue)
  set(PICTAVUE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/pictavue)
endif()

foreach(folder IN ITEMS BINDIR LIBDIR DATADIR DOCDIR)
  if(IS_ABSOLUTE "${PICTAVUE_INSTALL_${folder}}")
    message(FATAL_ERROR "The install folders must be relative to the prefix, so that the installed "
                        "program finds its files wherever it lies: ${PICTAVUE_INSTALL_${folder}}")
  endif()
endforeach()

# From the program's folder to the other three, "../lib/pictavue" and so on.
foreach(folder IN ITEMS LIBDIR DATADIR DOCDIR)
  file(RELATIVE_PATH relative /prefix/${PICTAVUE_INSTALL_BINDIR}
       /prefix/${PICTAVUE_INSTALL_${folder}})
  set(PICTAVUE_FROM_BINDIR_TO_${folder} "${relative}")
endforeach()
