set(ZV_RESOURCES src/res/zolvane.rc)
# windres reads these too; rebuild the resources when one changes.
set_source_files_properties(src/res/zolvane.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/resource.h;${CMAKE_CURRENT_LIST_DIR}/zolvane.manifest;${CMAKE_CURRENT_LIST_DIR}/icons/program.ico;${CMAKE_CURRENT_LIST_DIR}/icons/other_settings.ico;${CMAKE_CURRENT_LIST_DIR}/icons/shortcut.ico;${CMAKE_CURRENT_LIST_DIR}/icons/dest_folder.ico;${CMAKE_CURRENT_LIST_DIR}/icons/end_of_copy.ico;${CMAKE_CURRENT_LIST_DIR}/icons/source_drive.ico")
