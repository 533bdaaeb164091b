# SPDX-License-Identifier: MIT
# The TGA decoder, and the game's texture path over it, under libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer.
add_executable(fuzz_tga FuzzTga.cpp)
target_link_libraries(fuzz_tga PRIVATE assets)
target_link_options(fuzz_tga PRIVATE -fsanitize=fuzzer)
# The texture path: a file read by readTextureImage as the game reads it, against the same bytes
# decoded whole.
add_executable(fuzz_texture FuzzTexture.cpp)
target_link_libraries(fuzz_texture PRIVATE assets)
target_link_options(fuzz_texture PRIVATE -fsanitize=fuzzer)
# Writes fuzz/seeds/texture/: make_texture_seeds fuzz/seeds/texture
add_executable(make_texture_seeds MakeTextureSeeds.cpp)
target_link_libraries(make_texture_seeds PRIVATE shipyard_writers)
