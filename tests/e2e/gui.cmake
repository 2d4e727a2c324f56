# The dialog in a real X window: Xvfb, a screenshot during an upgrade, kept
# as ${CMAKE_BINARY_DIR}/screenshots/dialog.png. Skips when Xvfb is absent.
zelto_add_test(NAME tst_gui SOURCES tst_gui.cpp e2e-support.h LIBS testsupport Qt5::Widgets LABELS gui TIMEOUT 300)
add_dependencies(tst_gui zelto-launcher)
set_tests_properties(tst_gui PROPERTIES FIXTURES_REQUIRED e2e_stage)
set_property(TEST tst_gui APPEND PROPERTY ENVIRONMENT ZELTO_E2E_STAGE=${ZELTO_E2E_STAGE})
