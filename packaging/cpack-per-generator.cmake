# Read by CPack for each generator (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "RPM")
  # Debian's lintian overrides have no place in an RPM.
  set(CPACK_COMPONENTS_ALL Unspecified system)
  # The .deb moves the debug symbols to its -dbgsym package; the RPM ships
  # its programs stripped (a -debuginfo package needs the distribution's
  # find-debuginfo, which a Debian builder lacks).
  set(CPACK_STRIP_FILES ON)
endif()
