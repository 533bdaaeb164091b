# SPDX-License-Identifier: MIT
# MilkShape 3D parsing beside assimp's importer (linked into this benchmark only). For medians:
#   ms3d_bench --benchmark_repetitions=7 --benchmark_report_aggregates_only=true
find_package(assimp QUIET)
if(NOT assimp_FOUND)
    message(STATUS "MilkShape 3D benchmark skipped: assimp not found")
    return()
endif()
add_executable(ms3d_bench Ms3dBench.cpp)
target_include_directories(ms3d_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_compile_definitions(ms3d_bench PRIVATE STARCHASE_SAMPLES="${PROJECT_SOURCE_DIR}/tests/samples")
target_link_libraries(ms3d_bench PRIVATE assets shipyard_writers assimp::assimp
                                         benchmark::benchmark)
