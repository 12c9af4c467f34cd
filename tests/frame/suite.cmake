# The frame's tests load the plug-in as a host does; the layout geometry is
# compiled in as well, to be checked as numbers.
qf_test_suite(frame_tests frame ${CMAKE_SOURCE_DIR}/frame/layoutcalc.cpp)
