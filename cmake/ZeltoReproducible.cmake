# Two builds of the same commit give the same bytes, wherever they are made
# and whoever makes them:
#
#   - every time stamp the build writes (generated resources, the changelog,
#     the release date of the metainfo, the packages' file times) is
#     SOURCE_DATE_EPOCH, which defaults to the date of the last commit;
#   - the source and build folders are mapped to fixed names in the debug
#     information and in __FILE__, so the build ids do not depend on them;
#   - folders made by the installation get 0755 whatever the umask.
#
# Sets ZELTO_SOURCE_DATE_EPOCH and writes it to <build>/source-date-epoch
# for the package checks.

set(ZELTO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(ZELTO_SOURCE_DATE_EPOCH STREQUAL "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE ZELTO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _zelto_rc ERROR_QUIET)
    if(NOT _zelto_rc EQUAL 0)
      set(ZELTO_SOURCE_DATE_EPOCH "")
    else()
      # A new commit moves the date: configure again when HEAD moves.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
                      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                      OUTPUT_VARIABLE _zelto_head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(_zelto_head_log AND EXISTS "${_zelto_head_log}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_zelto_head_log}")
      endif()
    endif()
  endif()
endif()
if(NOT ZELTO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "No build date: set SOURCE_DATE_EPOCH (seconds since 1970) when building "
                      "outside a git checkout")
endif()
# string(TIMESTAMP) and the tools started at configure time read it there.
set(ENV{SOURCE_DATE_EPOCH} ${ZELTO_SOURCE_DATE_EPOCH})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/source-date-epoch CONTENT "${ZELTO_SOURCE_DATE_EPOCH}\n")
message(STATUS "Build date (SOURCE_DATE_EPOCH): ${ZELTO_SOURCE_DATE_EPOCH}")

# The last matching map wins: the build folder may lie inside the sources.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
