# The frame's tests load the plug-in as a host does; the layout geometry is
# compiled in as well, to be checked as numbers.
qf_test_suite(frame_tests frame ${CMAKE_SOURCE_DIR}/frame/layoutcalc.cpp)
# cairo reads back the pictures of picture_test.cpp.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QF_FRAME_CAIRO REQUIRED IMPORTED_TARGET cairo)
target_link_libraries(frame_tests PRIVATE PkgConfig::QF_FRAME_CAIRO)
