# The views' tests: views on their own with a record of the test's, and the
# coherence window driven through the host protocol with the frame tests'
# host, fixture and drive interface and the engine tests' analysis helpers;
# the frame's geometry, which draws nothing, is compiled in for its own test.
set(QF_FRAME_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/frame)
qf_test_suite(views_tests views
  ${QF_FRAME_TEST_DIR}/fixture.cpp
  ${QF_FRAME_TEST_DIR}/testhost.cpp
  ${QF_FRAME_TEST_DIR}/drive_headless.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/analysis.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/libs/refdata.cpp
  ${CMAKE_SOURCE_DIR}/views/viewframe.cpp)
if(TARGET views_tests)
  target_include_directories(views_tests PRIVATE ${QF_FRAME_TEST_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/engine)
endif()
