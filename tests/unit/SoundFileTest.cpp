// SPDX-License-Identifier: MIT
// The one reader of sound files, over the layouts WAV writers really produce and the ways a file
// can be wrong; and the sounds' table as the player reads it: every sound file is named where
// README and the manual pages list the game's files.
#include "SoundFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// As a manual page writes a file name: every '-' as "\-".
std::string InManualPage(const std::string& name) {
    std::string written;
    for (char c : name)
        written += c == '-' ? std::string("\\-") : std::string(1, c);
    return written;
}

using Bytes = std::vector<unsigned char>;

void Put(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

// A chunk: its tag, its size (the body's unless given) and its body, with the pad byte after an
// odd body.
Bytes Chunk(const char* tag, const Bytes& body, int64_t size = -1) {
    Bytes out(tag, tag + 4);
    Put(out, uint32_t(size < 0 ? body.size() : size), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2)
        out.push_back(0);
    return out;
}

struct Format {
    uint32_t format = 1, channels = 1, rate = 22050, bits = 16;
    int64_t blockAlign = -1; // channels x bytes a sample unless given
};

Bytes Fmt(const Format& f, uint32_t size = 16) {
    Bytes body;
    Put(body, f.format, 2);
    Put(body, f.channels, 2);
    Put(body, f.rate, 4);
    Put(body, f.rate * f.channels * f.bits / 8, 4);
    Put(body, uint32_t(f.blockAlign < 0 ? f.channels * f.bits / 8 : f.blockAlign), 2);
    Put(body, f.bits, 2);
    body.resize(size);
    return Chunk("fmt ", body);
}

Bytes Samples16(std::initializer_list<int16_t> samples) {
    Bytes out;
    for (int16_t s : samples)
        Put(out, uint16_t(s), 2);
    return out;
}

Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes out{'R', 'I', 'F', 'F'};
    Put(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

const Bytes ThreeSamples = Samples16({0, 1000, -32768});

} // namespace

TEST(SoundFile, DecodesWhatWritersWriteAndRefusesWhatCannotPlay) {
    Bytes riffSizeZero = Riff({Fmt({}), Chunk("data", ThreeSamples)});
    riffSizeZero[4] = 0;
    Bytes cutShort = Riff({Fmt({}), Chunk("data", ThreeSamples)});
    cutShort.pop_back();
    const struct {
        const char* what;
        Bytes bytes;
        const char* refused; // null when the sound decodes
        int rate = 0, channels = 0;
        std::vector<int16_t> samples = {};
    } rows[] = {
        {"plain",
         Riff({Fmt({}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"JUNK before fmt",
         Riff({Chunk("JUNK", Bytes(28)), Fmt({}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"bext before fmt",
         Riff({Chunk("bext", Bytes(602)), Fmt({}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"odd LIST, padded",
         Riff({Fmt({}), Chunk("LIST", {'I', 'N', 'F', 'O', 'x'}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"empty LIST",
         Riff({Fmt({}), Chunk("LIST", {}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"block alignment 0",
         Riff({Fmt({1, 1, 22050, 16, 0}), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"RIFF size 0", riffSizeZero, nullptr, 22050, 1, {0, 1000, -32768}},
        {"fmt of 18 bytes",
         Riff({Fmt({}, 18), Chunk("data", ThreeSamples)}),
         nullptr,
         22050,
         1,
         {0, 1000, -32768}},
        {"8-bit stereo",
         Riff({Fmt({1, 2, 8000, 8}), Chunk("data", {0x80, 0xFF, 0x00, 0x81})}),
         nullptr,
         8000,
         2,
         {0, 32512, -32768, 256}},
        {"a partial frame at the end",
         Riff({Fmt({}), Chunk("data", {1, 0, 2, 0, 3})}),
         nullptr,
         22050,
         1,
         {1, 2}},
        {"60 s", Riff({Fmt({1, 1, 4000, 8}), Chunk("data", Bytes(240000, 0x80))}), nullptr, 4000, 1,
         std::vector<int16_t>(240000)},
        {"60 s and a frame", Riff({Fmt({1, 1, 4000, 8}), Chunk("data", Bytes(240001, 0x80))}),
         "60 s of sound, over the 60 a sound may last"},
        {"no samples", Riff({Fmt({}), Chunk("data", {})}), "data chunk holds no samples"},
        {"one frame at 59663 Hz: none left at 22050",
         Riff({Fmt({1, 1, 59663, 8}), Chunk("data", {7})}),
         "1 frame at 59663 Hz: too short to play at 22050 Hz"},
        {"half a sample", Riff({Fmt({}), Chunk("data", {7})}), "data chunk holds no samples"},
        {"half a stereo frame", Riff({Fmt({1, 2}), Chunk("data", {1, 0})}),
         "data chunk holds no samples"},
        {"floats", Riff({Fmt({3, 1, 22050, 32}), Chunk("data", ThreeSamples)}),
         "format 3 is not PCM (1)"},
        {"three channels", Riff({Fmt({1, 3}), Chunk("data", ThreeSamples)}),
         "3 channels: only 1 or 2"},
        {"24 bits", Riff({Fmt({1, 1, 22050, 24}), Chunk("data", ThreeSamples)}),
         "24 bits a sample: only 8 or 16"},
        {"3999 Hz", Riff({Fmt({1, 1, 3999}), Chunk("data", ThreeSamples)}),
         "sample rate 3999 Hz: only 4000 to 192000"},
        {"192001 Hz", Riff({Fmt({1, 1, 192001}), Chunk("data", ThreeSamples)}),
         "sample rate 192001 Hz: only 4000 to 192000"},
        {"fmt of 14 bytes", Riff({Fmt({}, 14), Chunk("data", ThreeSamples)}),
         "fmt chunk of 14 bytes, under 16"},
        {"data before fmt", Riff({Chunk("data", ThreeSamples), Fmt({})}),
         "data chunk before any fmt chunk"},
        {"no data", Riff({Fmt({}), Chunk("LIST", {})}), "no data chunk"},
        {"nothing but data", Riff({}), "no fmt chunk"},
        {"data cut short", cutShort, "data chunk cut short: 6 bytes announced, 5 there"},
        {"a chunk past the end", Riff({Chunk("JUNK", {}, 100), Fmt({})}),
         "a chunk cut short: 100 bytes announced, 24 there"},
        {"not RIFF",
         {'O', 'g', 'g', 'S', 0, 0, 0, 0, 'W', 'A', 'V', 'E'},
         "no RIFF WAVE header: not a WAV file"},
        {"RIFF but not WAVE",
         {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '},
         "no RIFF WAVE header: not a WAV file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        SoundSamples sound;
        sound.rate = -1;
        std::string reason;
        const bool decoded = DecodeWav(row.bytes, sound, reason);
        EXPECT_EQ(decoded, row.refused == nullptr) << reason;
        if (row.refused) {
            EXPECT_EQ(reason, row.refused);
            EXPECT_EQ(sound.rate, -1); // left as it was
            continue;
        }
        EXPECT_EQ(sound.rate, row.rate);
        EXPECT_EQ(sound.channels, row.channels);
        EXPECT_EQ(sound.samples, row.samples);
    }
}

// README's list is written by hand; the manual pages' are made by the build from the table, and
// the pages as built carry every row's file.
TEST(SoundFile, EveryFileIsNamedInTheTextsThePlayerReads) {
    const std::string readme = ReadText("../README.md");
    ASSERT_FALSE(readme.empty()) << "README not found";
    for (const SoundFileRow& row : SoundFiles)
        EXPECT_NE(readme.find("`" + SoundPath(row.sound) + "`"), std::string::npos) << row.name;

    const struct {
        const char* page;
        std::string list;
    } pages[] = {
        {STARCHASE_MANUAL_PAGE, SoundFilesManual()},
        {STARCHASE_TOOL_PAGE, SoundFileNamesManual()},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.page);
        const std::string text = ReadText(page.page);
        ASSERT_FALSE(text.empty()) << "page not built";
        EXPECT_NE(text.find(page.list), std::string::npos);
        EXPECT_EQ(text.find("@STARCHASE"), std::string::npos);
        for (const SoundFileRow& row : SoundFiles)
            EXPECT_NE(text.find(" " + InManualPage(row.name)), std::string::npos) << row.name;
    }
}
