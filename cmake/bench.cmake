# Benchmarks: `make bench` builds these optimised and runs them.
find_package(benchmark REQUIRED)
add_executable(bench_values ${CMAKE_SOURCE_DIR}/bench/values_bench.cpp)
target_link_libraries(bench_values PRIVATE ohmbench_core benchmark::benchmark)

add_executable(ohmbench_startup_probe ${CMAKE_SOURCE_DIR}/bench/startup_probe.cpp)
target_link_libraries(ohmbench_startup_probe PRIVATE ohmbench_drive)
add_executable(bench_startup ${CMAKE_SOURCE_DIR}/bench/startup_bench.cpp)
target_link_libraries(bench_startup PRIVATE benchmark::benchmark)
add_dependencies(bench_startup ohmbench_startup_probe)

add_executable(bench_handlers ${CMAKE_SOURCE_DIR}/bench/handlers_bench.cpp)
target_link_libraries(bench_handlers PRIVATE ohmbench_drive benchmark::benchmark Qt6::Test)
