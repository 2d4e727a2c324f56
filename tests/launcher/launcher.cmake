# The launch controller and its dialog, in-process with a scripted service.
if(TARGET launcher)
  zelto_add_test(NAME tst_launcher
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_launcher.cpp
    LIBS launcher
    LABELS launcher threads
    TIMEOUT 120)
endif()
