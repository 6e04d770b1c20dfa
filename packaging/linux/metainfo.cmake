# Writes the AppStream file: cmake -DIN=... -DOUT=... -DPICTAVUE_APP_ID=... [-DPICTAVUE_PUBLIC_URL=...]
#   -DPICTAVUE_PACKAGE_VERSION=... -DPICTAVUE_RELEASE_DATE=... -P metainfo.cmake
# AppStream takes screenshots by web address only: they are named when the address where docs/
# is published is known (its screenshots/ folder), and left out otherwise.
set(PICTAVUE_METAINFO_WEB "")
if(PICTAVUE_PUBLIC_URL)
  string(REGEX REPLACE "/+$" "" base "${PICTAVUE_PUBLIC_URL}")
  string(APPEND PICTAVUE_METAINFO_WEB "\n  <url type=\"homepage\">${base}/</url>\n  <screenshots>")
  foreach(shot IN ITEMS
      "main-tab1:The main window: file name, output folder, pictures per page, thumbnail size"
      "main-tab3:Colour buttons, sub-windows, slide show and folder headings"
      "progress:The progress window")
    string(REPLACE ":" ";" parts "${shot}")
    list(GET parts 0 name)
    list(GET parts 1 caption)
    set(kind "")
    if(name STREQUAL "main-tab1")
      set(kind " type=\"default\"")
    endif()
    string(APPEND PICTAVUE_METAINFO_WEB "\n    <screenshot${kind}>\n      <caption>${caption}</caption>"
           "\n      <image>${base}/screenshots/${name}.png</image>\n    </screenshot>")
  endforeach()
  string(APPEND PICTAVUE_METAINFO_WEB "\n  </screenshots>")
endif()
configure_file(${IN} ${OUT} @ONLY)
