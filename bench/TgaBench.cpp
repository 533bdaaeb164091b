// SPDX-License-Identifier: MIT
// Decoding 2048x2048 TGA images, uncompressed and run-length, with the game's decoder and
// stb_image.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb/stb_image.h>

#include "TextureImage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr unsigned Side = 2048;
constexpr size_t PixelCount = size_t(Side) * Side;

// Pixels as a painted texture has them: stretches of one colour (1 to 64 pixels) between
// stretches where every pixel differs, about half and half.
Bytes Picture(size_t bpp) {
    std::mt19937 random{unsigned(bpp)};
    Bytes pixels(PixelCount * bpp);
    unsigned char value[4] = {};
    for (size_t i = 0; i < PixelCount;) {
        const bool flat = random() % 2 == 0;
        const size_t length = 1 + random() % 64;
        for (size_t k = 0; k < length && i < PixelCount; ++k, ++i) {
            if (k == 0 || !flat)
                for (unsigned char& byte : value)
                    byte = static_cast<unsigned char>(random());
            std::memcpy(&pixels[i * bpp], value, bpp);
        }
    }
    return pixels;
}

bool SamePixel(const unsigned char* pixels, size_t bpp, size_t a, size_t b) {
    return std::memcmp(pixels + a * bpp, pixels + b * bpp, bpp) == 0;
}

// The usual encoder: a run packet for two or more equal pixels, raw packets between them;
// packets run on across rows.
Bytes RunLengthEncode(const Bytes& pixels, size_t bpp) {
    Bytes out;
    const unsigned char* p = pixels.data();
    for (size_t i = 0; i < PixelCount;) {
        size_t run = 1;
        while (run < 128 && i + run < PixelCount && SamePixel(p, bpp, i, i + run))
            ++run;
        if (run >= 2) {
            out.push_back(static_cast<unsigned char>(0x80 | (run - 1)));
            out.insert(out.end(), p + i * bpp, p + (i + 1) * bpp);
            i += run;
            continue;
        }
        const size_t start = i;
        while (i - start < 128 && i < PixelCount &&
               !(i + 1 < PixelCount && SamePixel(p, bpp, i, i + 1)))
            ++i;
        out.push_back(static_cast<unsigned char>(i - start - 1));
        out.insert(out.end(), p + start * bpp, p + i * bpp);
    }
    return out;
}

// A whole file; the descriptor says top-left origin so that stb_image keeps the rows in file
// order too and both decoders' results can be compared byte for byte.
Bytes TgaFile(unsigned bits, bool runLength) {
    const size_t bpp = bits / 8;
    const Bytes pixels = Picture(bpp);
    Bytes file = {0,
                  0,
                  static_cast<unsigned char>(runLength ? 10 : 2),
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  Side & 0xFF,
                  Side >> 8,
                  Side & 0xFF,
                  Side >> 8,
                  static_cast<unsigned char>(bits),
                  static_cast<unsigned char>(0x20 | (bits - 24))};
    const Bytes data = runLength ? RunLengthEncode(pixels, bpp) : pixels;
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

const Bytes& File(unsigned bits, bool runLength) {
    static std::map<std::pair<unsigned, bool>, Bytes> files;
    Bytes& file = files[{bits, runLength}];
    if (file.empty())
        file = TgaFile(bits, runLength);
    return file;
}

void Game(benchmark::State& state, unsigned bits, bool runLength) {
    const Bytes& file = File(bits, runLength);
    for (auto _ : state) {
        TextureImage image;
        std::string reason;
        if (!DecodeTextureImage(file.data(), file.size(), image, reason))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(image.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * PixelCount * bits / 8);
}

void Stb(benchmark::State& state, unsigned bits, bool runLength) {
    const Bytes& file = File(bits, runLength);
    for (auto _ : state) {
        int width = 0, height = 0, components = 0;
        unsigned char* pixels =
            stbi_load_from_memory(file.data(), int(file.size()), &width, &height, &components, 0);
        if (!pixels)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * PixelCount * bits / 8);
}

// Both decoders must agree on every image before their speeds mean anything.
bool DecodersAgree() {
    for (unsigned bits : {24u, 32u})
        for (bool runLength : {false, true}) {
            const Bytes& file = File(bits, runLength);
            TextureImage image;
            std::string reason;
            int width = 0, height = 0, components = 0;
            unsigned char* stb = stbi_load_from_memory(file.data(), int(file.size()), &width,
                                                       &height, &components, 0);
            const bool same = DecodeTextureImage(file.data(), file.size(), image, reason) && stb &&
                              std::memcmp(stb, image.pixels.data(), image.pixels.size()) == 0 &&
                              size_t(width) * height * components == image.pixels.size();
            stbi_image_free(stb);
            if (!same) {
                std::fprintf(stderr, "decoders disagree on %u bits %s\n", bits,
                             runLength ? "run-length" : "uncompressed");
                return false;
            }
        }
    return true;
}

} // namespace

BENCHMARK_CAPTURE(Game, uncompressed_24, 24, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, uncompressed_24, 24, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Game, uncompressed_32, 32, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, uncompressed_32, 32, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Game, run_length_24, 24, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, run_length_24, 24, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Game, run_length_32, 32, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stb, run_length_32, 32, true)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!DecodersAgree())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
