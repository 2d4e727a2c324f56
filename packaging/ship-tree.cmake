# cmake -DROOT=<installed prefix> -DDATE=<seconds since 1970> -P ship-tree.cmake
#
# Readies the installed tree for the Debian package, as the system
# component's last step, before CPack strips the programs:
#   - the .comment sections (the compilers' version strings, which nothing
#     reads) come off every ELF file, as Debian's own packages have them;
#   - every client package archive is packed again from its folder with the
#     client as the package will ship it (pack-archive.cmake, AS_SHIPPED).
#
# With ZELTO_SHIP_STRIPPED set in the environment (the RPM, which has no
# debug symbol package), every program is stripped here instead, and the
# archives are packed from the stripped folders as they are.

# Run as a script, which knows no policies unless told: a recursive glob
# would follow links into folders, and the tree links lib/plugins to the
# system's Qt plug-ins, which must never be read as the package's own.
cmake_policy(SET CMP0009 NEW)

if(NOT IS_DIRECTORY "${ROOT}")
  message(FATAL_ERROR "ship-tree.cmake: no tree at '${ROOT}'")
endif()
find_program(_objcopy NAMES objcopy REQUIRED)

file(GLOB_RECURSE _files LIST_DIRECTORIES false "${ROOT}/*")
foreach(f IN LISTS _files)
  if(IS_SYMLINK "${f}")
    continue()
  endif()
  file(READ "${f}" _magic LIMIT 4 HEX)
  if(_magic STREQUAL "7f454c46")
    set(_strip)
    if("$ENV{ZELTO_SHIP_STRIPPED}")
      set(_strip --strip-unneeded)
    endif()
    execute_process(COMMAND ${_objcopy} ${_strip} --remove-section=.comment "${f}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "objcopy ${_strip} --remove-section=.comment ${f}: ${rc}")
    endif()
  endif()
endforeach()

file(GLOB _archives "${ROOT}/package/*.qpk")
foreach(archive IN LISTS _archives)
  string(REGEX REPLACE "\\.qpk$" "" folder "${archive}")
  message(STATUS "Installing: ${archive}, with the client as shipped")
  set(_as_shipped ON)
  if("$ENV{ZELTO_SHIP_STRIPPED}")
    set(_as_shipped OFF)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DARCHIVE=${archive} -DDATE=${DATE} -DAS_SHIPPED=${_as_shipped}
                          -P ${CMAKE_CURRENT_LIST_DIR}/pack-archive.cmake
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "packing ${archive} failed")
  endif()
endforeach()
