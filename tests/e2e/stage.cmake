# cmake -DBUILD_DIR=<build> -DSTAGE=<prefix> -P stage.cmake
# A fresh install of the build, so that nothing of an earlier layout stays.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${STAGE} failed: ${result}")
endif()
