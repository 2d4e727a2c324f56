# The installation service's tests: tst_service drives Service and
# LinuxService against real folders; tst_service_helper plays the client
# and runs installations that the tests kill.
if(TARGET service)
  add_executable(tst_service_helper service-helper.cpp service-paths.h)
  target_link_libraries(tst_service_helper PRIVATE service Qt5::Core ${CMAKE_DL_LIBS})

  zelto_add_test(NAME tst_service
    SOURCES tst_service.cpp service-paths.h
    LIBS service fileop zlog keyvalue pvk-qt testsupport Qt5::Core ${CMAKE_DL_LIBS}
    LABELS service
    TIMEOUT 300)
  add_dependencies(tst_service tst_service_helper)
  target_compile_definitions(tst_service PRIVATE
    SERVICE_HELPER="$<TARGET_FILE:tst_service_helper>")
endif()
