# The launch controller and its dialog, in-process with a scripted service.
if(TARGET launcher)
  zelto_add_test(NAME tst_launcher
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_launcher.cpp
    LIBS launcher
    LABELS launcher threads
    TIMEOUT 120)
  if(SANITIZE MATCHES "thread")
    # The distribution's Qt is not instrumented: its hand-offs (posted
    # events, futex mutexes) are invisible to the checker and would be
    # reported as races on Qt's own objects. Accesses made inside such
    # libraries are left out; their pthread synchronisation and every
    # access of our own code are still checked.
    set_property(TEST tst_launcher APPEND PROPERTY ENVIRONMENT
      "TSAN_OPTIONS=ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1:suppressions=${CMAKE_CURRENT_LIST_DIR}/tsan.supp")
  endif()
endif()
