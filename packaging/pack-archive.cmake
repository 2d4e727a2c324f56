# cmake -DFOLDER=<package folder> -DARCHIVE=<file> -DDATE=<seconds since 1970>
#       [-DAS_SHIPPED=ON] -P pack-archive.cmake
#
# Packs the content of the client package folder (INFO, bin, package) into a
# tar.gz archive, replaced whole. The same content always gives the same
# archive, whoever builds it when and under which umask: the entries are
# sorted, owned by root, dated DATE, with 0755 for folders and programs and
# 0644 for the rest; the gzip header carries no time stamp.
#
# AS_SHIPPED: the Debian package strips its programs after installation and
# moves their debug symbols to the -dbgsym package (objcopy --only-keep-debug,
# --strip-unneeded, --add-gnu-debuglink, on every unstripped ELF file), which
# would leave the archive holding other bytes than the folder beside it.
# The same three steps are done here on a copy, so that the archive holds the
# client exactly as the package will ship it.

# Run as a script, which knows no policies unless told: a recursive glob
# would follow a link to a folder out of the client's folder.
cmake_policy(SET CMP0009 NEW)

foreach(var FOLDER ARCHIVE DATE)
  if(NOT ${var})
    message(FATAL_ERROR "pack-archive.cmake: ${var} is not set")
  endif()
endforeach()

set(_source "${FOLDER}")
set(_scratch "${ARCHIVE}.work")
file(REMOVE_RECURSE "${_scratch}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command}: ${rc}\n${out}${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

if(AS_SHIPPED)
  find_program(_file NAMES file REQUIRED)
  find_program(_objcopy NAMES objcopy REQUIRED)
  find_program(_readelf NAMES readelf REQUIRED)
  file(MAKE_DIRECTORY "${_scratch}/debug")
  file(COPY "${FOLDER}/" DESTINATION "${_scratch}/tree")
  set(_source "${_scratch}/tree")
  file(GLOB_RECURSE _files LIST_DIRECTORIES false "${_source}/*")
  foreach(f IN LISTS _files)
    if(IS_SYMLINK "${f}")
      continue()
    endif()
    run(env LC_ALL=C ${_file} -b "${f}")
    if(NOT run_output MATCHES "ELF.*not stripped")
      continue()
    endif()
    run(env LC_ALL=C ${_readelf} -n "${f}")
    if(NOT run_output MATCHES "Build ID: [0-9a-fA-F][0-9a-fA-F]([0-9a-fA-F]+)")
      message(FATAL_ERROR "${f} has no build id")
    endif()
    set(_debug "${_scratch}/debug/${CMAKE_MATCH_1}.debug")
    run(${_objcopy} --only-keep-debug "${f}" "${_debug}")
    run(${_objcopy} --strip-unneeded "${f}")
    run(${_objcopy} "--add-gnu-debuglink=${_debug}" "${f}")
  endforeach()
endif()

find_program(_tar NAMES tar gtar REQUIRED)
run(${_tar} --create --file "${_scratch}.tar" --format=gnu --sort=name "--mtime=@${DATE}"
    --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX -C "${_source}" -- INFO bin package)
execute_process(COMMAND gzip -9 -n -c INPUT_FILE "${_scratch}.tar" OUTPUT_FILE "${ARCHIVE}.part"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip of ${ARCHIVE}: ${rc}")
endif()
file(CHMOD "${ARCHIVE}.part" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(RENAME "${ARCHIVE}.part" "${ARCHIVE}")
file(REMOVE_RECURSE "${_scratch}" "${_scratch}.tar")
