# Service, LinuxService, the tree copy and the legacy folder.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/cloud-service.cpp)
  add_library(service STATIC
    cloud-service.cpp cloud-service.h
    linux/linux-service.cpp linux/linux-service.h)
  target_include_directories(service PUBLIC
    ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/linux)
  target_link_libraries(service PUBLIC keyvalue zlog fileop extractor pvk-qt Qt5::Core)
endif()
