# The setup panel, the setup dialogs and the channel table, driven as a user
# would through the frame tests' host, fixture and drive interface.
set(QF_FRAME_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/frame)
qf_test_suite(settings_tests settings
  ${QF_FRAME_TEST_DIR}/fixture.cpp
  ${QF_FRAME_TEST_DIR}/testhost.cpp
  ${QF_FRAME_TEST_DIR}/drive_headless.cpp)
if(TARGET settings_tests)
  target_include_directories(settings_tests PRIVATE ${QF_FRAME_TEST_DIR})
endif()
