# The views' tests: views on their own with a record of the test's, and the
# coherence window driven through the host protocol with the frame tests'
# host, fixture and drive interface and the engine tests' analysis helpers.
# Drawing needs a layer that draws, pictures and the menu one with
# metafiles, menus and clipboard (frame/CMakeLists.txt), and the menu the
# headless drive's menu calls, which come with the layer's menu automation.
# Until then the tests that need them are not built here.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/frame/drive_headless.cpp QF_DRIVE_MENUS REGEX "DriveOnNextMenu")
if(NOT QF_VIEWS_DRAW)
  set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/views/bargraph_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/views/viewtest.cpp PROPERTIES HEADER_FILE_ONLY ON)
endif()
if(NOT QF_VIEWS_DRAW OR NOT QF_VIEWS_EXPORT OR NOT QF_DRIVE_MENUS)
  set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/views/export_test.cpp
    PROPERTIES HEADER_FILE_ONLY ON)
endif()
set(QF_FRAME_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/frame)
qf_test_suite(views_tests views
  ${QF_FRAME_TEST_DIR}/fixture.cpp
  ${QF_FRAME_TEST_DIR}/testhost.cpp
  ${QF_FRAME_TEST_DIR}/drive_headless.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/engine/analysis.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/libs/refdata.cpp)
if(TARGET views_tests)
  target_include_directories(views_tests PRIVATE ${QF_FRAME_TEST_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/engine)
endif()
