# What `cmake --install` puts in place: both programs and, for the desktop, the application's
# entry, icon and metadata, all named by one application id.
include(GNUInstallDirs)

set(QB_APP_ID io.github.quillbarrow.Quillbarrow)
# The day the release named by the project's VERSION was made; the metadata lists it. Moves
# with the version.
set(QB_RELEASE_DATE 2026-12-09)

install(TARGETS quillbarrow-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(QB_BUILD_GUI)
  install(TARGETS quillbarrow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${QB_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/packaging/${QB_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QB_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QB_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${QB_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
