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
set(_zelto_rpm_files)

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
# The window that stays is the client's, a program of its own: a hidden
# entry names its window class (and, as its file name, its Wayland
# application id), so that task bars show it as "Quenmark Zelto" with the
# menu entry's icon, and a pinned window starts the launcher, not the bare
# client. The menu entry keeps the dialog's class.
set(ZELTO_CLIENT_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/menu/${ZELTO_CLIENT_DESKTOP_ID}.desktop)
configure_file(${ZELTO_CLIENT_DESKTOP_ID}.desktop.in ${ZELTO_CLIENT_ENTRY} @ONLY)
install(FILES ${ZELTO_CLIENT_ENTRY} DESTINATION /usr/share/applications COMPONENT system EXCLUDE_FROM_ALL)
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
    # File by file: the theme's folders are not the package's.
    install(FILES ${_zelto_png} DESTINATION /usr/share/icons/hicolor/${size}x${size}/apps
            COMPONENT system EXCLUDE_FROM_ALL)
    list(APPEND _zelto_rpm_files /usr/share/icons/hicolor/${size}x${size}/apps/${ZELTO_ICON_NAME}.png)
  endforeach()
else()
  message(WARNING "rsvg-convert not found (package librsvg2-bin): the Debian package gets no PNG icons")
endif()

# The manual page, from its scdoc source.
find_program(ZELTO_SCDOC scdoc)
if(ZELTO_SCDOC)
  set(ZELTO_MANPAGE ${_zelto_gen}/zelto-launcher.1)
  add_custom_command(OUTPUT ${ZELTO_MANPAGE} ${ZELTO_MANPAGE}.gz
    # scdoc dates the page SOURCE_DATE_EPOCH rather than today.
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZELTO_SOURCE_DATE_EPOCH}
            ${CMAKE_COMMAND} -DTOOL=${ZELTO_SCDOC} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/man/zelto-launcher.1.scd
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
        COMPONENT debian EXCLUDE_FROM_ALL)
add_custom_target(system_files ALL DEPENDS ${_zelto_system_files})

# lib/plugins as a link to the Qt build's own plug-in folder, and the
# launcher on the command search path.
get_target_property(_zelto_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_zelto_qmake} -query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE ZELTO_QT_PLUGIN_DIR OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _zelto_rc)
if(NOT _zelto_rc EQUAL 0 OR NOT IS_DIRECTORY "${ZELTO_QT_PLUGIN_DIR}/platforms")
  message(FATAL_ERROR "${_zelto_qmake} -query QT_INSTALL_PLUGINS gave no plug-in folder: '${ZELTO_QT_PLUGIN_DIR}'")
endif()
# --- standalone: beside the xcb and offscreen copies (src/main), the Wayland
# platforms and the plug-in folders they load their shell, decorations and
# buffer integration from, so that a tree of its own shows itself under a
# Wayland compositor without Xwayland.
file(GLOB _zelto_wayland_platforms ${ZELTO_QT_PLUGIN_DIR}/platforms/libqwayland-*.so)
if(_zelto_wayland_platforms)
  install(FILES ${_zelto_wayland_platforms} DESTINATION lib/plugins/platforms COMPONENT standalone)
  foreach(dir wayland-shell-integration wayland-decoration-client wayland-graphics-integration-client)
    if(IS_DIRECTORY ${ZELTO_QT_PLUGIN_DIR}/${dir})
      install(DIRECTORY ${ZELTO_QT_PLUGIN_DIR}/${dir} DESTINATION lib/plugins COMPONENT standalone
              FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
  endforeach()
else()
  message(WARNING "No Wayland platform plug-in in ${ZELTO_QT_PLUGIN_DIR} (package qtwayland5): "
                  "an installed tree runs offscreen under a Wayland compositor without Xwayland")
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
                          -DDATE=${ZELTO_SOURCE_DATE_EPOCH}
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
set(CPACK_COMPONENTS_ALL Unspecified system debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/mend-packages.cmake)
set(CPACK_ZELTO_SOURCE_DATE_EPOCH ${ZELTO_SOURCE_DATE_EPOCH})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZELTO_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quenmark.example/zelto")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt5gui5 carries the xcb and offscreen platforms; the Wayland platform
# and the desktops' themes come in their own packages.
#
# libarchive is loaded at run time (src/main/lazy-archive.cpp), so
# dpkg-shlibdeps cannot see it; it is declared by hand, as the shlibs file
# of the library's package words it. Recommends, not Depends: a launch
# copies the package folder and never opens an archive, so the launcher does
# all its work without the library; only unpacking a package archive needs
# it, and fails with a logged error without it.
set(ZELTO_LIBARCHIVE_SONAME libarchive.so.13)
set(ZELTO_DEB_LIBARCHIVE libarchive13)
find_program(_zelto_dpkg_query dpkg-query)
get_filename_component(_zelto_libarchive "${LibArchive_LIBRARIES}" REALPATH)
if(_zelto_dpkg_query)
  execute_process(COMMAND ${_zelto_dpkg_query} -S "${_zelto_libarchive}"
                  OUTPUT_VARIABLE _zelto_owner OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(_zelto_owner MATCHES "^([^:,]+)")
    set(_zelto_owner ${CMAKE_MATCH_1})
    execute_process(COMMAND ${_zelto_dpkg_query} --control-show ${_zelto_owner} shlibs
                    OUTPUT_VARIABLE _zelto_shlibs ERROR_QUIET)
    if(_zelto_shlibs MATCHES "(^|\n)libarchive 13 ([^\n]+)")
      set(ZELTO_DEB_LIBARCHIVE "${CMAKE_MATCH_2}")
    endif()
  endif()
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${ZELTO_DEB_LIBARCHIVE}, qtwayland5, qt5-gtk-platformtheme | plasma-integration")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_zelto_gen}/conffiles ${CMAKE_CURRENT_SOURCE_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The RPM: the same tree, entries, metainfo, manual page and documentation
# (without Debian's lintian overrides), with the requirements rpm finds by
# the libraries' names (libQt5Widgets.so.5()(64bit) ...), which every RPM
# distribution provides under its own package names. rpmbuild strips the
# programs. No scriptlets: the menu, icon and AppStream caches are kept by
# the distributions' file triggers, /opt belongs to their filesystem
# package, and the debug switch file an administrator creates is declared
# as the package's (%ghost), so that erasing the package takes it along.
set(CPACK_RPM_PACKAGE_RELEASE ${ZELTO_DEB_RELEASE})
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE "LicenseRef-Quenmark-proprietary")
set(CPACK_RPM_PACKAGE_DESCRIPTION
  "Starts the Quenmark Zelto file-synchronisation client for the user and keeps
the user's private copy of the client up to date with the installed package.")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Internet")
set(CPACK_RPM_PACKAGE_URL "${CPACK_DEBIAN_PACKAGE_HOMEPAGE}")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_AUTOPROV ON)
set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_RPM_DEFAULT_DIR_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Folders the system's filesystem package owns.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /opt /etc/xdg /etc/xdg/autostart /usr/share/applications /usr/share/metainfo
    /usr/share/man /usr/share/man/man1 /usr/share/icons /usr/share/icons/hicolor
    /usr/share/icons/hicolor/scalable /usr/share/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256 512)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
       /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
# CPack marks every file with an absolute destination %config: only the
# autostart entry is one. (An entry of this list needs a prefix: %attr.)
set(CPACK_RPM_USER_FILELIST
    "%config(noreplace) /etc/xdg/autostart/${ZELTO_DESKTOP_FILE}"
    "%license /usr/share/doc/${ZELTO_APP_NAME}/copyright"
    "%doc /usr/share/doc/${ZELTO_APP_NAME}/changelog.Debian.gz"
    "%ghost %attr(0644,root,root) ${ZELTO_DEB_PREFIX}/log/launcher.debug"
    # RPM distributions want shared libraries executable, Debian does not.
    "%attr(0755,root,root) ${ZELTO_DEB_PREFIX}/lib/libpvk-qt.so.1"
)
list(APPEND _zelto_rpm_files
    /usr/share/applications/${ZELTO_DESKTOP_FILE}
    /usr/share/applications/${ZELTO_CLIENT_DESKTOP_ID}.desktop
    /usr/share/metainfo/${ZELTO_APPSTREAM_ID}.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/${ZELTO_ICON_NAME}.svg)
if(ZELTO_MANPAGE)
  list(APPEND _zelto_rpm_files /usr/share/man/man1/zelto-launcher.1.gz)
endif()
list(TRANSFORM _zelto_rpm_files PREPEND "%attr(0644,root,root) ")
list(APPEND CPACK_RPM_USER_FILELIST ${_zelto_rpm_files})
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_zelto_rpm_soname_mark "(64bit)")
endif()
# The private support library is no one else's to require; libarchive is
# loaded at run time, so rpm cannot see it (see Recommends above).
set(CPACK_RPM_SPEC_MORE_DEFINE
"%global __provides_exclude_from ^${ZELTO_DEB_PREFIX}/.*$
%global __requires_exclude ^libpvk-qt[.]so.*$
Packager: ${ZELTO_MAINTAINER}
Recommends: ${ZELTO_LIBARCHIVE_SONAME}()${_zelto_rpm_soname_mark}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack-per-generator.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git/")
include(CPack)
