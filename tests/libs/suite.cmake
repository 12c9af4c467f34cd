# The companion libraries' tests; the graph's geometry is compiled in as
# well, to be checked as numbers. The drawing tests need GDI's drawing
# calls, which the Linux layer may not have yet (libs/CMakeLists.txt).
qf_test_suite(libs_tests libs ${CMAKE_SOURCE_DIR}/libs/fftgrph/graphgeom.cpp)
if(TARGET libs_tests AND NOT QF_DRAWS)
  get_target_property(srcs libs_tests SOURCES)
  list(FILTER srcs EXCLUDE REGEX "(canvas|draw_test)\\.cpp$")
  set_property(TARGET libs_tests PROPERTY SOURCES ${srcs})
endif()
