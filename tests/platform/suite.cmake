# The platform tests: one program from tests/platform/*.cpp that carries its
# own resource script (strings and dialog templates to test against) and
# links rcgen's parser to feed it scripts directly.
qf_test_suite(platform_tests platform)
qf_resources(platform_tests ${CMAKE_CURRENT_SOURCE_DIR}/platform/testres.rc)
target_link_libraries(platform_tests PRIVATE rcscript)
# cairo reads back the pictures the automation API writes.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QF_TESTS_CAIRO REQUIRED IMPORTED_TARGET cairo)
target_link_libraries(platform_tests PRIVATE PkgConfig::QF_TESTS_CAIRO)

# RCTESTMOD: a module that holds nothing but resources, loaded and freed by
# the tests to check that its tables come and go with it.
add_library(RCTESTMOD SHARED)
set_target_properties(RCTESTMOD PROPERTIES PREFIX "" SUFFIX ".so")
target_link_libraries(RCTESTMOD PRIVATE platform)
qf_resources(RCTESTMOD ${CMAKE_CURRENT_SOURCE_DIR}/platform/rcmodule/rcmodule.rc)
add_dependencies(platform_tests RCTESTMOD)
