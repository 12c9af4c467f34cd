# draw_bench: the spectrum graphs and custom controls painting, and the
# host's picture writer; needs the platform layer's drawing.
if(QF_DRAWS AND TARGET qfhost)
  add_executable(draw_bench ${CMAKE_CURRENT_SOURCE_DIR}/draw_bench.cpp)
  target_link_libraries(draw_bench PRIVATE benchmark::benchmark qfhost QFFTGRPH QCUSTOM QWINTOOL)
  target_include_directories(draw_bench PRIVATE ${CMAKE_SOURCE_DIR}/libs ${CMAKE_SOURCE_DIR}/libs/include)
  qf_warnings(draw_bench)
endif()
