# The program's words in English, kept with Qt Linguist's tools (Debian: qt6-l10n-tools) in
# resources/translations/pictavue_en.ts. The Japanese texts in the sources are the source texts.
#
# - lrelease makes translations/pictavue_en.qm in the program's data folder, beside the program
#   in the build tree as in any portable copy (share/pictavue/ when installed). The window reads
#   it with Qt, batch mode with the core's own reader.
# - The target update_translations runs lupdate over src/ and the help file's texts: new texts
#   come into the .ts unfinished, for a translator (Qt Linguist, or an editor).
# - The test translations_current fails while lupdate would change the .ts (a text new, changed
#   or gone), or while it holds an unfinished translation.
find_program(PICTAVUE_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin)
find_program(PICTAVUE_LUPDATE NAMES lupdate lupdate-qt6 HINTS /usr/lib/qt6/bin)
set(PICTAVUE_TS_FILE ${PROJECT_SOURCE_DIR}/resources/translations/pictavue_en.ts)

if(PICTAVUE_LRELEASE)
  set(pictavue_qm_file ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/pictavue_en.qm)
  add_custom_command(OUTPUT ${pictavue_qm_file}
    COMMAND ${PICTAVUE_LRELEASE} -silent ${PICTAVUE_TS_FILE} -qm ${pictavue_qm_file}
    DEPENDS ${PICTAVUE_TS_FILE}
    COMMENT "Releasing the English translation beside the program")
  add_custom_target(pictavue_translations ALL DEPENDS ${pictavue_qm_file})
  add_dependencies(pictavue pictavue_translations)
  install(FILES ${pictavue_qm_file} DESTINATION ${PICTAVUE_INSTALL_DATADIR}/translations)
else()
  message(WARNING "lrelease not found (Debian: qt6-l10n-tools): the program will speak Japanese only")
endif()

# Host tools only: a cross build has no help texts program to run.
if(PICTAVUE_LUPDATE AND NOT CMAKE_CROSSCOMPILING)
  set(pictavue_lupdate_arguments
    -DLUPDATE=${PICTAVUE_LUPDATE}
    -DHELP_TEXTS=$<TARGET_FILE:pictavue_help_texts>
    -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
    -DTS_FILE=${PICTAVUE_TS_FILE}
    -DWORK_DIR=${CMAKE_BINARY_DIR}/lupdate)
  add_custom_target(update_translations
    COMMAND ${CMAKE_COMMAND} ${pictavue_lupdate_arguments} -DMODE=update
            -P ${PROJECT_SOURCE_DIR}/cmake/lupdate.cmake
    DEPENDS pictavue_help_texts
    COMMENT "Bringing resources/translations/pictavue_en.ts up to date"
    VERBATIM)
  if(PICTAVUE_TESTS)
    add_test(NAME translations_current
      COMMAND ${CMAKE_COMMAND} ${pictavue_lupdate_arguments} -DMODE=check
              -P ${PROJECT_SOURCE_DIR}/cmake/lupdate.cmake)
  endif()
endif()
