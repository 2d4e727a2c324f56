# The sanitizers' settings for every test and the processes it starts:
# reports fail the test; the system's uninstrumented Qt is left out of the
# thread checker and its exit-time objects out of the leak checker.
set(ZELTO_SANITIZER_ENV
  "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
  "TSAN_OPTIONS=ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1:suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp")

# zelto_add_test(NAME <tst_x> SOURCES ... LIBS ... [LABELS ...] [TIMEOUT s])
# One QtTest program per module, registered with CTest, run offscreen.
function(zelto_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${T_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZELTO_BUILD_DIR=${CMAKE_BINARY_DIR};ZELTO_SOURCE_DIR=${CMAKE_SOURCE_DIR};${ZELTO_SANITIZER_ENV}")
endfunction()
