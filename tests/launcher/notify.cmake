# The progress relay's tests.
if(TARGET notify)
  zelto_add_test(NAME tst_notify
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_notify.cpp
    LIBS notify Qt5::Core
    LABELS launcher
    TIMEOUT 60)
endif()
