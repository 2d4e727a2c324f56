# Launcher, Worker, HandlerThread and ProcessingProgressDialog.
add_library(launcher STATIC
  ${CMAKE_CURRENT_LIST_DIR}/launcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher.h
  ${CMAKE_CURRENT_LIST_DIR}/processing-progress-dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/processing-progress-dialog.h)
target_include_directories(launcher PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(launcher PUBLIC notify service uitext pvk-qt zlog Qt5::Widgets)
