# engine_bench: the plug-in loaded as a host loads it, driven by messages.
add_executable(engine_bench ${CMAKE_CURRENT_SOURCE_DIR}/engine_bench.cpp)
target_link_libraries(engine_bench PRIVATE benchmark::benchmark platform)
target_include_directories(engine_bench PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/libs
  ${CMAKE_SOURCE_DIR}/libs/include)
add_dependencies(engine_bench QFFTANA)
qf_warnings(engine_bench)
