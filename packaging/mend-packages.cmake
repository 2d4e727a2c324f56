# Run by CPack after it made the packages (CPACK_POST_BUILD_SCRIPTS).
#
# Every package is taken apart and built again by dpkg-deb, so that two
# builds of the same commit give the same bytes: every file and folder is
# dated SOURCE_DATE_EPOCH (CPack keeps the times of the build and of its own
# stripping), and dpkg-deb dates the archive members with it too. The
# modes stay what the installation gave them.
#
# CPack's -dbgsym package also lists its files in md5sums under their
# absolute staging paths, which dpkg --verify and lintian read as missing
# files, and its debug files are executable. It gets a true md5sums, plain
# file modes, and the documentation folder that Debian's debug packages
# have: a link to the main package's, whose copyright covers them.

# Run as a script, which knows no policies unless told: a recursive glob
# would follow links into folders, and the tree links lib/plugins to the
# system's Qt plug-ins, which must never be read as the package's own.
cmake_policy(SET CMP0009 NEW)

find_program(_dpkg_deb NAMES dpkg-deb REQUIRED)
find_program(_touch NAMES touch REQUIRED)
if(NOT CPACK_ZELTO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "CPACK_ZELTO_SOURCE_DATE_EPOCH is not set")
endif()
set(date ${CPACK_ZELTO_SOURCE_DATE_EPOCH})

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.d?deb$")
    continue()
  endif()
  set(work "${package}.mend")
  file(REMOVE_RECURSE "${work}")
  execute_process(COMMAND ${_dpkg_deb} -R "${package}" "${work}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -R ${package}: ${rc}")
  endif()

  if(package MATCHES "\\.ddeb$")
    execute_process(COMMAND ${_dpkg_deb} -f "${package}" Package OUTPUT_VARIABLE name
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT name MATCHES "^(.+)-dbgsym$")
      message(FATAL_ERROR "${package}: '${name}' is not a -dbgsym package")
    endif()
    set(main "${CMAKE_MATCH_1}")

    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${work}" "${work}/usr/*")
    list(SORT files)
    set(md5sums "")
    foreach(f IN LISTS files)
      file(CHMOD "${work}/${f}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
      file(MD5 "${work}/${f}" sum)
      string(APPEND md5sums "${sum}  ${f}\n")
    endforeach()
    file(WRITE "${work}/DEBIAN/md5sums" "${md5sums}")
    file(CHMOD "${work}/DEBIAN/md5sums" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MAKE_DIRECTORY "${work}/usr/share/doc")
    file(CREATE_LINK "${main}" "${work}/usr/share/doc/${main}-dbgsym" SYMBOLIC)
  endif()

  # Folders CPack made for the staging tree carry the builder's umask.
  file(GLOB_RECURSE entries LIST_DIRECTORIES true "${work}/*")
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
      file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
  execute_process(COMMAND find "${work}" -exec ${_touch} -h -d "@${date}" {} +
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dating ${work}: ${rc}")
  endif()

  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${date}
                          ${_dpkg_deb} --root-owner-group -b "${work}" "${package}"
                  OUTPUT_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -b ${package}: ${rc}")
  endif()
  file(REMOVE_RECURSE "${work}")

  # /opt is no package's (base-files makes it): a package that lists it
  # has dpkg take it away with its last file. Its entry leaves the data
  # archive; every folder below it stays the package's.
  if(package MATCHES "\\.deb$")
    set(parts "${package}.parts")
    file(REMOVE_RECURSE "${parts}")
    file(MAKE_DIRECTORY "${parts}")
    execute_process(COMMAND ar x "${package}" WORKING_DIRECTORY "${parts}" RESULT_VARIABLE rc)
    file(GLOB data RELATIVE "${parts}" "${parts}/data.tar.*")
    if(NOT rc EQUAL 0 OR NOT data STREQUAL "data.tar.xz")
      message(FATAL_ERROR "${package}: no data.tar.xz to take /opt out of (${rc}, ${data})")
    endif()
    execute_process(COMMAND xz -dc data.tar.xz OUTPUT_FILE data.tar WORKING_DIRECTORY "${parts}" RESULT_VARIABLE rc1)
    execute_process(COMMAND tar --delete --no-recursion -f data.tar ./opt/ WORKING_DIRECTORY "${parts}"
                    RESULT_VARIABLE rc2 ERROR_QUIET)
    execute_process(COMMAND xz -6 -T1 -c data.tar OUTPUT_FILE data.tar.xz WORKING_DIRECTORY "${parts}"
                    RESULT_VARIABLE rc3)
    file(REMOVE "${package}")
    execute_process(COMMAND ar rcD "${package}" debian-binary control.tar.xz data.tar.xz
                    WORKING_DIRECTORY "${parts}" RESULT_VARIABLE rc4)
    if(NOT rc1 EQUAL 0 OR NOT rc3 EQUAL 0 OR NOT rc4 EQUAL 0)
      message(FATAL_ERROR "${package}: taking /opt out failed (${rc1} ${rc2} ${rc3} ${rc4})")
    endif()
    file(REMOVE_RECURSE "${parts}")
  endif()
endforeach()
