# The companion libraries' tests; the graph's geometry is compiled in as
# well, to be checked as numbers.
qf_test_suite(libs_tests libs ${CMAKE_SOURCE_DIR}/libs/fftgrph/graphgeom.cpp)
