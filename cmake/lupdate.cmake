# Runs lupdate over the sources and the help file's texts (cmake -P; PictavueTranslations.cmake
# passes the variables). MODE=update writes TS_FILE; MODE=check works on a copy and fails when
# lupdate would change TS_FILE (a text new, changed or gone) or when a translation in it is
# unfinished.
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${HELP_TEXTS} ${SOURCE_DIR}/resources/pictavue.hlp ${WORK_DIR}/help_texts.cpp
  COMMAND_ERROR_IS_FATAL ANY)

if(MODE STREQUAL "update")
  set(target ${TS_FILE})
else()
  set(target ${WORK_DIR}/pictavue_en.ts)
  file(COPY_FILE ${TS_FILE} ${target})
endif()

# PICTAVUE_TEXT marks the core's texts; no locations, so moving code changes nothing here.
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete
          -source-language ja -target-language en
          -tr-function-alias QT_TRANSLATE_NOOP+=PICTAVUE_TEXT
          ${SOURCE_DIR}/src ${WORK_DIR}/help_texts.cpp -ts ${target}
  COMMAND_ERROR_IS_FATAL ANY)

if(MODE STREQUAL "check")
  file(READ ${TS_FILE} committed)
  file(READ ${target} updated)
  if(NOT committed STREQUAL updated)
    execute_process(COMMAND diff -u ${TS_FILE} ${target})
    message(FATAL_ERROR "lupdate finds texts that pictavue_en.ts lacks or no longer needs: "
                        "build the target update_translations and translate what it marks")
  endif()
  if(committed MATCHES "type=\"unfinished\"")
    message(FATAL_ERROR "pictavue_en.ts holds an unfinished translation: finish it (Qt Linguist "
                        "shows which) and mark it done")
  endif()
endif()
