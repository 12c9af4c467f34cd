# numerics_bench: the FFT and filter objects, linked directly.
add_executable(numerics_bench ${CMAKE_CURRENT_SOURCE_DIR}/numerics_bench.cpp)
target_link_libraries(numerics_bench PRIVATE benchmark::benchmark platform QFFTGRPH QEEGFILT)
target_include_directories(numerics_bench PRIVATE ${CMAKE_SOURCE_DIR}/libs ${CMAKE_SOURCE_DIR}/libs/include)
qf_warnings(numerics_bench)
