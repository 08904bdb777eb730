# Benchmarks (Google Benchmark): scripts/bench builds them in Release and
# prints their figures as one table. They are not tests: ctest never runs
# them.
add_library(vrenk_benchsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/MidLevel.cpp ${CMAKE_CURRENT_LIST_DIR}/Setup.cpp)
target_include_directories(vrenk_benchsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vrenk_benchsupport PUBLIC vrenk_replay vrenk_testsupport benchmark::benchmark)

# Headless: the simulation step, level loading, the checkpoint copy, the
# archive stream.
add_executable(bench_simulation ${CMAKE_CURRENT_LIST_DIR}/SimulationBench.cpp)
target_link_libraries(bench_simulation PRIVATE vrenk_benchsupport vrenk_app)
add_dependencies(bench_simulation content)

# Under X: whole frames of every level and of the main menu.
add_executable(bench_frames ${CMAKE_CURRENT_LIST_DIR}/FrameBench.cpp)
target_link_libraries(bench_frames PRIVATE vrenk_benchsupport vrenk_shell)
add_dependencies(bench_frames content)

# Under X: the real binary from its start to its first picture.
add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp)
target_link_libraries(bench_startup PRIVATE vrenk_benchsupport)
add_dependencies(bench_startup VrenkII content)
