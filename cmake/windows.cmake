# What zimo.exe needs beyond the shared sources: the window's subsystem (no console window
# opens beside it), the icons and version information, and Qt's Latvian texts inside it,
# since a static Qt has no translations folder on the learner's computer.
set(ZIMO_WINDOWS_DATA ${PROJECT_SOURCE_DIR}/data/windows)
# Windows wants four numbers: 0.1 becomes 0,1,0,0.
string(REPLACE "." ";" _zimo_version_parts "${PROJECT_VERSION}.0.0.0")
list(SUBLIST _zimo_version_parts 0 4 _zimo_version_parts)
list(JOIN _zimo_version_parts "," ZIMO_RC_VERSION)
configure_file(${ZIMO_WINDOWS_DATA}/zimo.rc.in ${PROJECT_BINARY_DIR}/zimo.rc @ONLY)

set_target_properties(zimo PROPERTIES WIN32_EXECUTABLE ON)
target_sources(zimo PRIVATE ${PROJECT_BINARY_DIR}/zimo.rc)
# CommandLineToArgvW for file names with any letters.
target_link_libraries(zimo_startup PRIVATE shell32)

# The host's Latvian catalogue of Qt's own texts (Debian qt6-translations-l10n); the
# catalogue is the same on every system.
find_file(ZIMO_QTBASE_LV qtbase_lv.qm
  PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set_source_files_properties(${ZIMO_QTBASE_LV} PROPERTIES
  QT_RESOURCE_ALIAS translations/qtbase_lv.qm)
set_source_files_properties(${ZIMO_WINDOWS_DATA}/qt.conf PROPERTIES QT_RESOURCE_ALIAS etc/qt.conf)
qt_add_resources(zimo zimo_windows_qt PREFIX /qt
  FILES ${ZIMO_WINDOWS_DATA}/qt.conf ${ZIMO_QTBASE_LV})
