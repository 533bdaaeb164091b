# TGA decoding speed beside stb_image; stb is compiled into this benchmark only.
add_executable(tga_bench TgaBench.cpp)
target_link_libraries(tga_bench PRIVATE assets benchmark::benchmark)
