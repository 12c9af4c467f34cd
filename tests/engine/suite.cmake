# The engine's tests drive the plug-in through the host protocol with the
# frame tests' host, fixture and drive interface.
set(QF_FRAME_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/frame)
qf_test_suite(engine_tests engine
  ${QF_FRAME_TEST_DIR}/fixture.cpp
  ${QF_FRAME_TEST_DIR}/testhost.cpp
  ${QF_FRAME_TEST_DIR}/drive_headless.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/libs/refdata.cpp)
if(TARGET engine_tests)
  target_include_directories(engine_tests PRIVATE ${QF_FRAME_TEST_DIR})
endif()
