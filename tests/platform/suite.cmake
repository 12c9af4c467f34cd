# The platform tests: one program from tests/platform/*.cpp that carries its
# own resource script (strings and dialog templates to test against) and
# links rcgen's parser to feed it scripts directly.
qf_test_suite(platform_tests platform)
qf_resources(platform_tests ${CMAKE_CURRENT_SOURCE_DIR}/platform/testres.rc)
target_link_libraries(platform_tests PRIVATE rcscript)
