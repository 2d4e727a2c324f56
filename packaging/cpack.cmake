# Desktop integration and the Debian package.
#
# What is installed falls into three components:
#
#   (default)   the tree the launcher runs in: bin/, lib/, images/, log/,
#               INFO and package/ below the prefix;
#   standalone  what a tree needs to run without the system's help, for a
#               plain `cmake --install` (./run.sh, the end-to-end tests):
#               copies of the Qt platform plug-ins in lib/plugins, and a menu
#               entry in share/applications naming the prefix it landed in;
#   system      left out of a plain `cmake --install`, which must not write
#               outside its prefix: what the Debian package adds outside
#               /opt/quenmark-zelto (menu and autostart entries, icons,
#               AppStream metainfo, manual page, copyright and changelog),
#               and lib/plugins as a link to the system's Qt plug-ins, so
#               that the dialog gets the Wayland and platform-theme plug-ins
#               of the system and the package is not tied to one Qt build.
#
# The Debian package is the default and the system components, installed
# under /opt/quenmark-zelto.

set(ZELTO_DEB_PREFIX /opt/quenmark-zelto)
set(ZELTO_APP_NAME quenmark-zelto)  # desktop entries, icon, doc folder
set(ZELTO_DESKTOP_FILE ${ZELTO_APP_NAME}.desktop)
set(ZELTO_ICON_NAME ${ZELTO_APP_NAME})
set(ZELTO_APPSTREAM_ID com.quenmark.zelto)
set(ZELTO_MAINTAINER "Quenmark Zelto maintainers <zelto@quenmark.example>")

# The package version names the client package it carries, so that a newer
# client package is an upgrade for apt even when the launcher is unchanged.
set(ZELTO_DEB_UPSTREAM_VERSION ${PROJECT_VERSION})
if(WITH_SAMPLE_PACKAGE)
  string(APPEND ZELTO_DEB_UPSTREAM_VERSION "+${SAMPLE_PACKAGE_MAJOR}.${SAMPLE_PACKAGE_MINOR}.${SAMPLE_PACKAGE_BUILD}")
endif()
set(ZELTO_DEB_RELEASE 1)
set(ZELTO_DEB_VERSION ${ZELTO_DEB_UPSTREAM_VERSION}-${ZELTO_DEB_RELEASE})
# Honours SOURCE_DATE_EPOCH.
string(TIMESTAMP ZELTO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP ZELTO_RELEASE_DATE "%Y-%m-%d" UTC)

set(_zelto_gen ${CMAKE_CURRENT_BINARY_DIR}/system)
set(_zelto_filter ${CMAKE_CURRENT_SOURCE_DIR}/filter.cmake)
set(_zelto_system_files)

# --- standalone: the tree's own menu entry, written at install time so that
# it names the prefix the tree really landed in.
install(CODE "
  set(ZELTO_DESKTOP_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(ZELTO_DESKTOP_ICON \"\${CMAKE_INSTALL_PREFIX}/images/ico_72_orvilex.png\")
  set(_zelto_desktop \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${ZELTO_DESKTOP_FILE}\")
  message(STATUS \"Installing: \${_zelto_desktop}\")
  configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/${ZELTO_DESKTOP_FILE}.in\" \"\${_zelto_desktop}\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_zelto_desktop}\")
" COMPONENT standalone)

# --- system: menu entry, and the same entry to start the launcher at log-in.
# TryExec keeps a removed but not purged package's autostart entry quiet.
set(ZELTO_DESKTOP_PREFIX ${ZELTO_DEB_PREFIX})
set(ZELTO_DESKTOP_ICON ${ZELTO_ICON_NAME})
set(ZELTO_MENU_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/menu/${ZELTO_DESKTOP_FILE})
set(ZELTO_AUTOSTART_ENTRY ${_zelto_gen}/autostart/${ZELTO_DESKTOP_FILE})
configure_file(${ZELTO_DESKTOP_FILE}.in ${ZELTO_MENU_ENTRY} @ONLY)
file(READ ${ZELTO_MENU_ENTRY} _zelto_entry)
file(WRITE ${ZELTO_AUTOSTART_ENTRY} "${_zelto_entry}X-GNOME-Autostart-enabled=true\n")
install(FILES ${ZELTO_MENU_ENTRY} DESTINATION /usr/share/applications COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${ZELTO_AUTOSTART_ENTRY} DESTINATION /etc/xdg/autostart COMPONENT system EXCLUDE_FROM_ALL)
file(WRITE ${_zelto_gen}/conffiles "/etc/xdg/autostart/${ZELTO_DESKTOP_FILE}\n")

set(ZELTO_METAINFO ${_zelto_gen}/${ZELTO_APPSTREAM_ID}.metainfo.xml)
configure_file(${ZELTO_APP_NAME}.metainfo.xml.in ${ZELTO_METAINFO} @ONLY)
install(FILES ${ZELTO_METAINFO} DESTINATION /usr/share/metainfo COMPONENT system EXCLUDE_FROM_ALL)

# Icons of the hicolor theme, drawn from the one scalable source.
find_program(ZELTO_RSVG_CONVERT rsvg-convert)
set(_zelto_icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/icons/${ZELTO_ICON_NAME}.svg)
install(FILES ${_zelto_icon_svg} DESTINATION /usr/share/icons/hicolor/scalable/apps
        COMPONENT system EXCLUDE_FROM_ALL)
if(ZELTO_RSVG_CONVERT)
  foreach(size 16 22 24 32 48 64 128 256 512)
    set(_zelto_png ${_zelto_gen}/icons/${size}x${size}/apps/${ZELTO_ICON_NAME}.png)
    add_custom_command(OUTPUT ${_zelto_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_zelto_gen}/icons/${size}x${size}/apps
      COMMAND ${ZELTO_RSVG_CONVERT} -w ${size} -h ${size} -o ${_zelto_png} ${_zelto_icon_svg}
      DEPENDS ${_zelto_icon_svg}
      VERBATIM)
    list(APPEND _zelto_system_files ${_zelto_png})
  endforeach()
  install(DIRECTORY ${_zelto_gen}/icons/ DESTINATION /usr/share/icons/hicolor
          COMPONENT system EXCLUDE_FROM_ALL)
else()
  message(WARNING "rsvg-convert not found (package librsvg2-bin): the Debian package gets no PNG icons")
endif()

# The manual page, from its scdoc source.
find_program(ZELTO_SCDOC scdoc)
if(ZELTO_SCDOC)
  set(ZELTO_MANPAGE ${_zelto_gen}/zelto-launcher.1)
  add_custom_command(OUTPUT ${ZELTO_MANPAGE} ${ZELTO_MANPAGE}.gz
    COMMAND ${CMAKE_COMMAND} -DTOOL=${ZELTO_SCDOC} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/man/zelto-launcher.1.scd
            -DOUTPUT=${ZELTO_MANPAGE} -P ${_zelto_filter}
    COMMAND ${CMAKE_COMMAND} -DTOOL=gzip -DARGS=-9n -DINPUT=${ZELTO_MANPAGE} -DOUTPUT=${ZELTO_MANPAGE}.gz
            -P ${_zelto_filter}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/man/zelto-launcher.1.scd ${_zelto_filter}
    VERBATIM)
  list(APPEND _zelto_system_files ${ZELTO_MANPAGE}.gz)
  install(FILES ${ZELTO_MANPAGE}.gz DESTINATION /usr/share/man/man1 COMPONENT system EXCLUDE_FROM_ALL)
else()
  message(WARNING "scdoc not found (package scdoc): the Debian package gets no manual page")
endif()

# Copyright, changelog and the reasons for what lintian is told to accept.
set(_zelto_changelog ${_zelto_gen}/changelog.Debian)
configure_file(debian/changelog.in ${_zelto_changelog} @ONLY)
add_custom_command(OUTPUT ${_zelto_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -DTOOL=gzip -DARGS=-9n -DINPUT=${_zelto_changelog} -DOUTPUT=${_zelto_changelog}.gz
          -P ${_zelto_filter}
  DEPENDS ${_zelto_changelog} ${_zelto_filter}
  VERBATIM)
list(APPEND _zelto_system_files ${_zelto_changelog}.gz)
install(FILES debian/copyright ${_zelto_changelog}.gz DESTINATION /usr/share/doc/${ZELTO_APP_NAME}
        COMPONENT system EXCLUDE_FROM_ALL)
install(FILES debian/lintian-overrides DESTINATION /usr/share/lintian/overrides RENAME ${ZELTO_APP_NAME}
        COMPONENT system EXCLUDE_FROM_ALL)
add_custom_target(system_files ALL DEPENDS ${_zelto_system_files})

# lib/plugins as a link to the Qt build's own plug-in folder, and the
# launcher on the command search path.
get_target_property(_zelto_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_zelto_qmake} -query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE ZELTO_QT_PLUGIN_DIR OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _zelto_rc)
if(NOT _zelto_rc EQUAL 0 OR NOT IS_DIRECTORY "${ZELTO_QT_PLUGIN_DIR}/platforms")
  message(FATAL_ERROR "${_zelto_qmake} -query QT_INSTALL_PLUGINS gave no plug-in folder: '${ZELTO_QT_PLUGIN_DIR}'")
endif()
install(CODE "
  function(zelto_link name target)
    get_filename_component(dir \"\${name}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${dir}\")
    file(REMOVE \"\${name}\")
    message(STATUS \"Installing: \${name} -> \${target}\")
    file(CREATE_LINK \"\${target}\" \"\${name}\" SYMBOLIC)
  endfunction()
  zelto_link(\"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/plugins\" \"${ZELTO_QT_PLUGIN_DIR}\")
  zelto_link(\"\$ENV{DESTDIR}/usr/bin/zelto-launcher\" \"\${CMAKE_INSTALL_PREFIX}/bin/zelto-launcher\")
" COMPONENT system EXCLUDE_FROM_ALL)

# Last, as the tree is complete: see ship-tree.cmake.
install(CODE "
  execute_process(COMMAND \"${CMAKE_COMMAND}\" \"-DROOT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
                          -P \"${CMAKE_CURRENT_SOURCE_DIR}/ship-tree.cmake\"
                  RESULT_VARIABLE _zelto_rc)
  if(NOT _zelto_rc EQUAL 0)
    message(FATAL_ERROR \"readying the tree for the Debian package failed\")
  endif()
" COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME ${ZELTO_APP_NAME})
set(CPACK_PACKAGE_VENDOR "Quenmark")
set(CPACK_PACKAGE_VERSION ${ZELTO_DEB_UPSTREAM_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quenmark Zelto Client launcher")
set(CPACK_PACKAGE_DESCRIPTION
  "Starts the Quenmark Zelto file-synchronisation client for the user and keeps\n the user's private copy of the client up to date with the installed package.")
set(CPACK_PACKAGE_CONTACT "${ZELTO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZELTO_DEB_PREFIX})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")

# One package of the tree and the system component, installed in that
# order: the system component readies the whole tree. CPack strips the
# programs itself and moves their debug symbols to the -dbgsym package.
set(CPACK_COMPONENTS_ALL Unspecified system)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/mend-dbgsym.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZELTO_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quenmark.example/zelto")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt5gui5 carries the xcb and offscreen platforms; the Wayland platform
# and the desktops' themes come in their own packages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qtwayland5, qt5-gtk-platformtheme | plasma-integration")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_zelto_gen}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git/")
include(CPack)
