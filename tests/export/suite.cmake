# The CSV writer on records built by the tests, with the drive interface of
# the frame tests for the save dialog.
qf_test_suite(export_tests export
  ${CMAKE_SOURCE_DIR}/export/csvsave.cpp
  ${CMAKE_SOURCE_DIR}/export/csvtext.cpp
  ${CMAKE_SOURCE_DIR}/frame/textcopy.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frame/drive_headless.cpp)
if(TARGET export_tests)
  target_include_directories(export_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/frame)
endif()
