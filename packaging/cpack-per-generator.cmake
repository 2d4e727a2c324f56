# Read by CPack for each generator (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "RPM")
  # Debian's lintian overrides have no place in an RPM.
  set(CPACK_COMPONENTS_ALL Unspecified system)
  # The .deb moves the debug symbols to its -dbgsym package after the
  # installation; the RPM ships its programs stripped by ship-tree.cmake (a
  # -debuginfo package needs the distribution's find-debuginfo).
  set(ENV{ZELTO_SHIP_STRIPPED} 1)
else()
  unset(ENV{ZELTO_SHIP_STRIPPED})
endif()
