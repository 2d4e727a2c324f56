# Desktop entry and the Debian package.
#
# The installed tree carries its own desktop entry in share/applications,
# written at install time so that it names the prefix the tree really landed
# in. The Debian package installs the tree under /opt/quenmark-zelto and adds
# the entry to /usr/share/applications, where application menus look; that
# copy is its own component, left out of a plain `cmake --install`, which must
# not write outside its prefix.

set(ZELTO_DEB_PREFIX /opt/quenmark-zelto)
set(ZELTO_DESKTOP_FILE quenmark-zelto.desktop)

install(CODE "
  set(ZELTO_DESKTOP_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(_zelto_desktop \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${ZELTO_DESKTOP_FILE}\")
  message(STATUS \"Installing: \${_zelto_desktop}\")
  configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/quenmark-zelto.desktop.in\" \"\${_zelto_desktop}\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_zelto_desktop}\")
")

set(ZELTO_DESKTOP_PREFIX ${ZELTO_DEB_PREFIX})
set(ZELTO_MENU_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/menu/${ZELTO_DESKTOP_FILE})
configure_file(quenmark-zelto.desktop.in ${ZELTO_MENU_ENTRY} @ONLY)
install(FILES ${ZELTO_MENU_ENTRY}
  DESTINATION /usr/share/applications
  COMPONENT menu EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME quenmark-zelto)
set(CPACK_PACKAGE_VENDOR "Quenmark")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quenmark Zelto Client launcher")
set(CPACK_PACKAGE_DESCRIPTION
  "Starts the Quenmark Zelto file-synchronisation client for the user and keeps\n the user's private copy of the client up to date with the installed package.")
set(CPACK_PACKAGE_CONTACT "Quenmark Zelto maintainers <zelto@quenmark.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZELTO_DEB_PREFIX})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
set(CPACK_STRIP_FILES OFF)

# One package holding every component, the menu entry included.
get_cmake_property(CPACK_COMPONENTS_ALL COMPONENTS)
list(APPEND CPACK_COMPONENTS_ALL Unspecified menu)
list(REMOVE_DUPLICATES CPACK_COMPONENTS_ALL)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git/")
include(CPack)
