// The built `shipyard texture` over every sample file: exit status, output lines and pixel file.
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct ShipyardRun {
    int status;
    std::string out, err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

std::string Scratch(const char* name) {
    return testing::TempDir() + "shipyard_texture_" + name;
}

// Runs the shipyard named by $SHIPYARD with `arguments` (already quoted for the shell).
ShipyardRun Shipyard(const std::string& arguments) {
    const char* shipyard = std::getenv("SHIPYARD");
    EXPECT_NE(shipyard, nullptr) << "SHIPYARD must name the built shipyard";
    const std::string out = Scratch("stdout"), err = Scratch("stderr");
    const std::string command = std::string("'") + (shipyard ? shipyard : "shipyard") + "' " +
                                arguments + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    ShipyardRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

} // namespace

TEST(ShipyardTexture, EverySampleFile) {
    const std::string pixels = Scratch("pixels.raw");
    for (const TgaSample& sample : TgaSamples) {
        SCOPED_TRACE(sample.file);
        const std::string in = TgaSamplePath(sample);
        std::remove(pixels.c_str());
        const ShipyardRun run = Shipyard("texture " + Quoted(in) + " " + Quoted(pixels));
        if (sample.reason) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "shipyard: " + in + ": " + sample.reason + "\n");
            EXPECT_FALSE(Exists(pixels));
            continue;
        }
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::to_string(sample.width) + "x" + std::to_string(sample.height) +
                               " " + std::to_string(sample.bits) + "\n");
        const std::string written = ReadAll(pixels);
        ASSERT_EQ(written.size(), size_t(sample.width) * sample.height * sample.bits / 8);
        EXPECT_EQ(Fnv1a64(reinterpret_cast<const unsigned char*>(written.data()), written.size()),
                  sample.pixelHash);
    }
    std::remove(pixels.c_str());
}

TEST(ShipyardTexture, FilesThatCannotBeReadOrWritten) {
    const std::string good = TgaSamplePath(TgaSamples[1]);
    const std::string missing = Scratch("missing.tga");
    const std::string noFolder = Scratch("no_such_folder/pixels.raw");
    struct {
        const char* what;
        std::string arguments;
        int status;
        std::string err;
    } cases[] = {
        {"missing input", "texture " + Quoted(missing) + " " + Quoted(Scratch("out.raw")), 1,
         "shipyard: " + missing + ": cannot read the file\n"},
        {"output in a missing folder", "texture " + Quoted(good) + " " + Quoted(noFolder), 1,
         "shipyard: " + noFolder + ": cannot write the file\n"},
        {"no output named", "texture " + Quoted(good), 2, "usage: shipyard texture IN OUT\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ShipyardRun run = Shipyard(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_FALSE(Exists(Scratch("out.raw")));
}
