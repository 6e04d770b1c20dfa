# The documentation beside the program: the pages' home-page link points at
# <program folder>/docs/index.html, so the build tree carries a copy like an installed program.
file(GLOB_RECURSE pictavue_doc_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*)
set(pictavue_docs_stamp ${CMAKE_BINARY_DIR}/docs.stamp)
add_custom_command(
  OUTPUT ${pictavue_docs_stamp}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/docs
          ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/docs
  COMMAND ${CMAKE_COMMAND} -E touch ${pictavue_docs_stamp}
  DEPENDS ${pictavue_doc_files}
  COMMENT "Copying the documentation beside the program")
add_custom_target(pictavue_docs ALL DEPENDS ${pictavue_docs_stamp})
