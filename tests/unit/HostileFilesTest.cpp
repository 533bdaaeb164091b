// SPDX-License-Identifier: MIT
// The readers against files made to hurt them: a texture too big for memory and a model padded
// with junk, each under an address-space limit; named pipes, folders and devices where files
// belong; a catalogue of ten million empty lines. Each runs in a child process, so that a limit,
// a hang or an abort ends only the child.
#include "Ms3dBuilder.h"

#include "CatalogueFile.h"
#include "LoadShipCatalogue.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "ShipCatalogue.h"
#include "Texture.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

// AddressSanitizer reserves terabytes of address space and ends the process when an allocation
// fails, so an address-space limit can only be tried without it.
#define SKIP_UNDER_ADDRESS_SANITIZER()                                                             \
    if (AddressSanitizer)                                                                          \
    GTEST_SKIP() << "an address-space limit needs a build without AddressSanitizer"

std::string Scratch(const std::string& name) {
    return testing::TempDir() + "hostile_" + std::to_string(getpid()) + "_" + name;
}

// Allows the calling process `extra` more bytes of address space than it has now.
void LimitAddressSpace(size_t extra) {
    size_t pages = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%zu", &pages) != 1)
        _exit(90);
    std::fclose(statm);
    const rlim_t limit = pages * size_t(sysconf(_SC_PAGESIZE)) + extra;
    const rlimit both{limit, limit};
    if (setrlimit(RLIMIT_AS, &both) != 0)
        _exit(91);
}

// Says `text` on standard error, where the death test reads it, and ends the child with `status`.
[[noreturn]] void Report(const std::string& text, int status) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    _exit(status);
}

constexpr size_t MiB = size_t(1) << 20;

// 65535x16384 pixels of 32 bits in runs of 128: 42 MB of file for 4 GiB of pixels.
std::string WriteHugeTexture() {
    const std::string path = Scratch("huge.tga");
    std::ofstream out(path, std::ios::binary);
    const Bytes header = Tga(RunLength, 65535, 16384, 32);
    out.write(reinterpret_cast<const char*>(header.data()), std::streamsize(header.size()));
    const size_t packets = size_t(65535) * 16384 / 128, perWrite = 65536;
    std::string runs;
    for (size_t i = 0; i < perWrite; ++i)
        runs += std::string("\xFF\x10\x20\x30\x40", 5);
    for (size_t done = 0; done < packets; done += perWrite)
        out.write(runs.data(), std::streamsize(std::min(perWrite, packets - done) * 5));
    return path;
}

TEST(HostileFiles, TextureLargerThanMemoryIsRefused) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    const std::string path = WriteHugeTexture();
    EXPECT_EXIT(
        {
            LimitAddressSpace(1024 * MiB);
            TextureImage image;
            std::string reason;
            const bool ok = readTextureImage(image, path.c_str(), reason);
            Report(reason, ok || !image.pixels.empty() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "out of memory for the pixels: 4294901760 bytes");
    std::remove(path.c_str());
}

TEST(HostileFiles, JunkAfterAModelIsNeverRead) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    Ms3dFile f;
    AddSquare(f, -1, -1, 1, 1, 0, 0xff);
    const std::string path = Scratch("padded.ms3d");
    const std::vector<unsigned char> bytes = WriteMs3dFile(f);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    // A gigabyte of zeros after the model, as a hole in the file: no disk is used.
    ASSERT_EQ(truncate(path.c_str(), off_t(1024 * MiB)), 0);
    EXPECT_EXIT(
        {
            LimitAddressSpace(256 * MiB);
            MilkshapeModel model;
            std::string reason;
            const bool ok = ReadMilkshapeFile(path, model, reason);
            Report(ok ? std::to_string(model.triangleCount) + " triangles" : reason, ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "2 triangles");
    std::remove(path.c_str());
}

// Each reader, over a named pipe with no writer, a folder and a device, must answer within a
// second (the alarm ends the child otherwise) with what it found there.
TEST(HostileFiles, PipesFoldersAndDevicesAreRefusedAtOnce) {
    const std::string pipe = Scratch("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string paths[] = {pipe, testing::TempDir(), "/dev/zero"};
    const std::string expected = "is a named pipe, not a regular file; is a directory, not a "
                                 "regular file; is a device, not a regular file";
    const std::function<bool(const std::string&, std::string&)> readers[] = {
        [](const std::string& path, std::string& reason) {
            TextureImage image;
            return readTextureImage(image, path.c_str(), reason);
        },
        [](const std::string& path, std::string& reason) {
            MilkshapeModel model;
            return ReadMilkshapeFile(path, model, reason);
        },
        [](const std::string& path, std::string& reason) {
            std::vector<CatalogueField> leftovers;
            return ReadCatalogueFile(
                path, [](const CatalogueRecord&) {}, leftovers, reason);
        },
    };
    for (const auto& read : readers)
        EXPECT_EXIT(
            {
                alarm(1);
                std::string said;
                for (const std::string& path : paths) {
                    std::string reason;
                    if (read(path, reason))
                        Report(path + " was read", 1);
                    said += (said.empty() ? "" : "; ") + reason;
                }
                Report(said, 0);
            },
            testing::ExitedWithCode(0), expected);
    std::remove(pipe.c_str());
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(HostileFiles, EmptyLinesInACatalogueCostNoMemory) {
    const std::string path = Scratch("alukset.txt");
    {
        std::ofstream out(path, std::ios::binary);
        out << "Bullet\nb.ms3d\n3\n90\n";
        const std::string empty(MiB, '\n');
        for (int i = 0; i < 10; ++i)
            out << empty;
        out << "Umbrek\r\n\r\nu.ms3d\n40\n30";
    }
    EXPECT_EXIT(
        {
            const long before = PeakKilobytes();
            int records = 0;
            std::vector<CatalogueField> leftovers;
            std::string reason;
            if (!ReadCatalogueFile(
                    path, [&](const CatalogueRecord&) { ++records; }, leftovers, reason))
                Report(reason, 1);
            const long extra = PeakKilobytes() - before;
            Report(std::to_string(records) + " records, " + std::to_string(extra) + " kB more",
                   extra < 50 * 1024 ? 0 : 2);
        },
        testing::ExitedWithCode(0), "2 records, [0-9]+ kB more");
    std::remove(path.c_str());
}

// The game loads up to MaxShipTypes types and refuses a catalogue of more whole, so that no demo
// it records lists more.
TEST(HostileFiles, ACatalogueOfMoreTypesThanTheGameLoadsIsRefused) {
    const struct {
        size_t types;
        const char* reason; // empty: read
    } cases[] = {
        {MaxShipTypes, ""},
        {MaxShipTypes + 1, "it names 65536 ship types, more than the 65535 the game loads"},
    };
    for (const auto& c : cases) {
        const std::string path = Scratch("many.txt");
        {
            std::ofstream out(path, std::ios::binary);
            for (size_t i = 0; i < c.types; ++i)
                out << 'T' << i << "\nt.ms3d\n1\n2\n";
        }
        std::string reason;
        EXPECT_EQ(ReadShipTypes(path, reason), !*c.reason) << c.types;
        EXPECT_EQ(reason, c.reason);
        shipCatalogue.Clear();
        std::remove(path.c_str());
    }
}

} // namespace
