# The installed program is one folder the user can write, because the program keeps its
# lists and projects beside its executable:
#   lexidrill, lexidrill.png            the executable and its icon
#   Lists/, Projects/                   sample data, only where the folder is absent
#   share/                              desktop entry, AppStream metainfo and hicolor icons,
#                                       laid out as under the XDG data home
#   desktop-entry                       registers those with the desktop for one user
# The same folder, packed by CPack, is the portable archive.
install(TARGETS lexidrill RUNTIME DESTINATION .)
install(FILES resources/icons/lexidrill-256.png DESTINATION . RENAME lexidrill.png)
install(PROGRAMS scripts/desktop-entry DESTINATION .)
install(FILES resources/org.lexidrill.lexidrill.desktop DESTINATION share/applications)
install(FILES resources/org.lexidrill.lexidrill.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 256)
  install(FILES resources/icons/lexidrill-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME lexidrill.png)
endforeach()

# An install never touches a user's files: the samples go only where no folder is yet.
install(CODE "
  set(SRC \"${CMAKE_SOURCE_DIR}/data\")
  set(DST \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/CopySampleData.cmake\")
")

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME lexidrill)
set(CPACK_PACKAGE_FILE_NAME lexidrill-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
