# The host's tests: its parts in-process (linked with the host's library)
# and the qfftana program end to end.
file(GLOB host_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(host_tests ${host_test_sources})
target_link_libraries(host_tests PRIVATE qfhost GTest::gtest GTest::gtest_main)
target_include_directories(host_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# End-to-end runs can produce a report only once the plug-in has its CSV
# writer; until then they check that the host says no report was written.
file(GLOB report_writer_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/export/*.cpp)
if(report_writer_sources)
  set(has_writer 1)
else()
  set(has_writer 0)
endif()
target_compile_definitions(host_tests PRIVATE
  QF_SHARED_DIR="${QF_SHARED_DIR}"
  QFFTANA_EXE="$<TARGET_FILE:qfftana>"
  QF_PLUGIN_WRITES_REPORTS=${has_writer})
add_dependencies(host_tests qfftana qfftana_templates)
qf_warnings(host_tests)
gtest_discover_tests(host_tests DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
