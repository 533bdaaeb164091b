// SPDX-License-Identifier: MIT
// The built `shipyard texture` over every sample file: exit status, output lines and pixel file.
#include "ShipyardRun.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

#include <unistd.h>

namespace {

// Scratch files of this process: other test programs may run side by side.
std::string Scratch(const std::string& name) {
    return testing::TempDir() + std::to_string(getpid()) + "_" + name;
}

// The game's reader gives each sample file its verdict, seen through the tool's output.
TEST(ShipyardTexture, EverySampleFile) {
    namespace fs = std::filesystem;
    const auto files = std::count_if(fs::recursive_directory_iterator(TgaSampleDir()), {},
                                     [](const auto& e) { return e.path().extension() == ".tga"; });
    EXPECT_EQ(size_t(files), std::size(TgaSamples)) << "the table must name every sample file";
    const std::string pixels = Scratch("shipyard_texture_pixels.raw");
    for (const TgaSample& sample : TgaSamples) {
        SCOPED_TRACE(sample.file);
        const std::string in = TgaSamplePath(sample);
        std::remove(pixels.c_str());
        const ShipyardRun run =
            RunShipyard("texture " + ShellQuoted(in) + " " + ShellQuoted(pixels));
        if (sample.reason) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "shipyard: " + in + ": " + sample.reason + "\n");
            EXPECT_FALSE(fs::exists(pixels));
            continue;
        }
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::to_string(sample.width) + "x" + std::to_string(sample.height) +
                               " " + std::to_string(sample.bits) + "\n");
        const std::string written = ReadWholeFile(pixels);
        ASSERT_EQ(written.size(), size_t(sample.width) * sample.height * sample.bits / 8);
        EXPECT_EQ(Fnv1a64(reinterpret_cast<const unsigned char*>(written.data()), written.size()),
                  sample.pixelHash);
    }
}

// A PNG holds the raw pixels' colour, row for row in the same order (the file's first row on
// top); a 32-bit image loses its alpha. ImageMagick reads the PNG back.
TEST(ShipyardTexture, PngHoldsTheRowsAsUploaded) {
    const std::string in = TgaSampleDir() + "pillow/tga__common__200x32_rgba_bl_raw.tga";
    const std::string raw = Scratch("shipyard_texture_rows.raw");
    const std::string png = Scratch("shipyard_texture_rows.png");
    const std::string back = Scratch("shipyard_texture_rows.rgb");
    for (const std::string& out : {raw, png}) {
        const ShipyardRun run = RunShipyard("texture " + ShellQuoted(in) + " " + ShellQuoted(out));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "200x32 32\n");
    }
    const std::string convert =
        "/usr/bin/convert " + ShellQuoted(png) + " -depth 8 rgb:" + ShellQuoted(back);
    ASSERT_EQ(std::system(convert.c_str()), 0);
    std::string rgba = ReadWholeFile(raw), colour;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
        colour.append(rgba, i, 3);
    EXPECT_EQ(ReadWholeFile(back), colour);
}

TEST(ShipyardTexture, FilesThatCannotBeReadOrWritten) {
    const std::string good = TgaSamplePath(TgaSamples[1]), scratch = testing::TempDir();
    const std::string missing = scratch + "shipyard_texture_missing.tga";
    const std::string out = scratch + "shipyard_texture_out.raw";
    const std::string noFolder = scratch + "no_such_folder/pixels.raw";
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } cases[] = {
        {ShellQuoted(missing) + " " + ShellQuoted(out), 1,
         "shipyard: " + missing + ": No such file or directory\n"},
        {ShellQuoted(good) + " " + ShellQuoted(noFolder), 1,
         "shipyard: " + noFolder + ": No such file or directory\n"},
        {ShellQuoted(good), 2,
         "shipyard texture: too few arguments\nusage: shipyard texture IN OUT\n"},
    };
    for (const auto& c : cases) {
        const ShipyardRun run = RunShipyard("texture " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
