// SPDX-License-Identifier: MIT
// The built `shipyard check` over the generated default folder, clean, and with one small fault
// made in a copy of it per row: the exact line the fault must give, and the exit status. Then
// the command-line conventions all of shipyard keeps.
#include "Ms3dWriter.h"
#include "ShipyardRun.h"
#include "TgaWriter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string Scratch(const std::string& name) {
    return testing::TempDir() + "check_test_" + std::to_string(getpid()) + "_" + name;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Replaces the first `from` in the file by `to`; the row fails when there is none.
void Edit(const std::string& path, const std::string& from, const std::string& to) {
    std::string text = ReadWholeFile(path);
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " is not in " << path;
    WriteText(path, text.replace(at, from.size(), to));
}

// The generated catalogue, a field a line: brightfin from line 1, Tarvesh4 from 5, Quessal
// from 9, Maradyne from 13, Umbrek from 17, Bullet from 21.
void EditCatalogue(const std::string& dir, const std::string& from, const std::string& to) {
    Edit(dir + "/alukset.txt", from, to);
}

void AppendToCatalogue(const std::string& dir, const std::string& text) {
    std::ofstream(dir + "/alukset.txt", std::ios::app) << text;
}

// A good model of one triangle whose material names `texture`, as a file record to change
// before it is written; any vertices past the first three are unused.
Ms3dFile TriangleModel(const std::string& texture, size_t vertexCount = 3) {
    Ms3dModel m;
    m.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    m.vertices.resize(vertexCount);
    Ms3dTriangle t;
    t.vertexIndices[1] = 1, t.vertexIndices[2] = 2;
    m.triangles = {t};
    Ms3dMaterial material;
    material.textureFile = texture;
    m.materials = {material};
    m.groups = {{"hull", {0}, 0}};
    Ms3dFile file;
    EXPECT_TRUE(Ms3dFileOf(m, file));
    return file;
}

// A good texture of one grey, as a file record to change before it is written.
TgaFile Texture(uint32_t width, uint32_t height) {
    Picture picture{width, height, 3, std::vector<uint8_t>(size_t(width) * height * 3, 90)};
    TgaFile file;
    EXPECT_TRUE(TgaFileOf(picture, TgaForm::Uncompressed, file));
    return file;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct CheckCommand : testing::Test {
    static void SetUpTestSuite() {
        fs::remove_all(generated);
        const ShipyardRun run = RunShipyard("generate " + ShellQuoted(generated));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    static void TearDownTestSuite() { fs::remove_all(generated); }

    // A copy of the generated folder, changed by `change`, checked.
    static ShipyardRun CheckChanged(const std::string& name,
                                    const std::function<void(const std::string&)>& change,
                                    const std::string& options, std::string& dir,
                                    const std::string& prefix = "") {
        dir = Scratch(name);
        fs::remove_all(dir);
        fs::copy(generated, dir, fs::copy_options::recursive);
        change(dir);
        const ShipyardRun run = RunShipyard("check " + ShellQuoted(dir) + options, prefix);
        fs::remove_all(dir);
        return run;
    }

    static std::string generated;
};
std::string CheckCommand::generated = Scratch("generated");

TEST_F(CheckCommand, TheGeneratedFolderIsClean) {
    const ShipyardRun run = RunShipyard("check " + ShellQuoted(generated) + " --strict");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, generated +
                           ": 6 types, 6 models, 6 textures: 0 errors, 0 warnings; the game would "
                           "start\n");
}

// One row per kind of finding. `line` is the finding as printed, after the folder and a slash.
TEST_F(CheckCommand, EachFaultGivesItsLine) {
    const std::string untextured = "; the material draws untextured";
    const struct {
        const char* what;
        std::function<void(const std::string&)> change;
        std::string line;
        int status;
        const char* options = "";
        const char* prefix = "";
    } rows[] = {
        // Errors: the game would not start.
        {"no catalogue", [](auto& d) { fs::remove(d + "/alukset.txt"); },
         "alukset.txt: error: No such file or directory; the game loads no ships and stops", 1},
        {"catalogue is a folder",
         [](auto& d) { fs::remove(d + "/alukset.txt"), fs::create_directory(d + "/alukset.txt"); },
         "alukset.txt: error: is a directory, not a regular file; the game loads no ships and "
         "stops",
         1},
        {"type in the wrong case", [](auto& d) { EditCatalogue(d, "Umbrek\n", "umbrek\n"); },
         "alukset.txt: error: no type Umbrek, which the game needs; line 17 names umbrek, but "
         "names must match in case",
         1},
        {"model missing", [](auto& d) { fs::remove(d + "/models/Maradyne.ms3d"); },
         "alukset.txt:14: error: model file models/Maradyne.ms3d of type Maradyne cannot be "
         "opened: No such file or directory",
         1},
        {"model cut short", [](auto& d) { fs::resize_file(d + "/models/Umbrek.ms3d", 1000); },
         "models/Umbrek.ms3d: error: file ends inside the vertices: 4950 bytes needed, 984 left; "
         "the game stops with "
         "\"ERROR: loading a model file models/Umbrek.ms3d\"",
         1},
        {"65535 vertices announced, 3 there",
         [](auto& d) {
             Ms3dFile model = TriangleModel("");
             model.counts.vertices = 65535;
             WriteBytes(d + "/models/Bullet.ms3d", WriteMs3dFile(model));
         },
         "models/Bullet.ms3d: error: file ends inside the vertices: 983025 bytes needed, 534 left; "
         "the game stops with "
         "\"ERROR: loading a model file models/Bullet.ms3d\"",
         1},
        {"65535 vertices, all there",
         [](auto& d) {
             WriteBytes(d + "/models/Bullet.ms3d",
                        WriteMs3dFile(TriangleModel(".\\Bullet.tga", 65535)));
         },
         ": 6 types, 6 models, 6 textures: 0 errors, 0 warnings; the game would start", 0},
        // Warnings: the game starts.
        {"name used again",
         [](auto& d) { AppendToCatalogue(d, "Quessal\nmodels/Maradyne.ms3d\n1\n1\n"); },
         "alukset.txt:25: warning: type Quessal is already defined at line 9; the game ignores "
         "this record",
         0},
        {"thrust not a number", [](auto& d) { EditCatalogue(d, "9; thrust", "fast; thrust"); },
         "alukset.txt:11: warning: thrust \"fast\" is not a number; the game reads it as 0", 0},
        {"turn rate infinite", [](auto& d) { EditCatalogue(d, "150; turn", "inf; turn"); },
         "alukset.txt:12: warning: turn rate \"inf\" is not a finite number; the game reads it "
         "as 0",
         0},
        {"negative turn rate", [](auto& d) { EditCatalogue(d, "100; turn", "-100; turn"); },
         "alukset.txt:16: warning: turn rate -100 is negative", 0},
        {"line of 300 characters",
         [](auto& d) { EditCatalogue(d, "150; turn rate", "150; " + std::string(300, 'x')); },
         "alukset.txt:12: warning: line is longer than 255 characters; the game keeps only its "
         "start",
         0},
        {"fields left over", [](auto& d) { AppendToCatalogue(d, "Frigate\nmodels/F.ms3d\n"); },
         "alukset.txt:25: warning: 2 fields are left over at the end (a record takes 4); the "
         "game drops them",
         0},
        {"turn rate 30", [](auto& d) { EditCatalogue(d, "120; turn", "30; turn"); },
         "alukset.txt:20: warning: turn rate is exactly 30, which marks every Umbrek ship as "
         "always visible: it is drawn wherever it is",
         0},
        {"type nothing uses",
         [](auto& d) { AppendToCatalogue(d, "Frigate\nmodels/Quessal.ms3d\n5\n50\n"); },
         "alukset.txt:25: warning: type Frigate is used by nothing in the scenario; the game "
         "still loads its model",
         0},
        {"model path in backslashes",
         [](auto& d) { EditCatalogue(d, "models/Quessal.ms3d", "models\\Quessal.ms3d"); },
         "alukset.txt:10: warning: model file models\\Quessal.ms3d opens only as "
         "models/Quessal.ms3d, with backslashes read as /",
         0},
        {"texture name in backslashes",
         [](auto& d) {
             fs::create_directory(d + "/models/skins");
             fs::rename(d + "/models/Bullet.tga", d + "/models/skins/Bullet.tga");
             WriteBytes(d + "/models/Bullet.ms3d",
                        WriteMs3dFile(TriangleModel(".\\skins\\Bullet.tga")));
         },
         "models/Bullet.ms3d: warning: material 0: texture models\\skins\\Bullet.tga opens only "
         "as models/skins/Bullet.tga, with backslashes read as /",
         0},
        {"texture missing", [](auto& d) { fs::remove(d + "/models/Umbrek.tga"); },
         "models/Umbrek.ms3d: warning: material 0: texture models\\Umbrek.tga (also tried as "
         "models/Umbrek.tga) cannot be opened: No such file or directory" +
             untextured,
         0},
        {"texture a named pipe",
         [](auto& d) {
             fs::remove(d + "/models/Quessal.tga");
             ASSERT_EQ(mkfifo((d + "/models/Quessal.tga").c_str(), 0644), 0);
         },
         "models/Quessal.ms3d: warning: material 0: texture models\\Quessal.tga (also tried as "
         "models/Quessal.tga) cannot be opened: is a named pipe, not a regular file" +
             untextured,
         0},
        {"texture refused",
         [](auto& d) {
             TgaFile tga = Texture(64, 16);
             tga.header.imageType = 1; // colour-mapped
             WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(tga));
         },
         "models/Bullet.tga: warning: image type 1 (colour-mapped) is not supported: only 2 and "
         "10" +
             untextured,
         0},
        {"texture sides not powers of two",
         [](auto& d) { WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(Texture(48, 16))); },
         "models/Bullet.tga: warning: 48x16: a side that is not a power of two needs OpenGL "
         "2.0; older GL draws the material untextured",
         0},
        {"texture larger than GL guarantees",
         [](auto& d) { WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(Texture(2048, 1))); },
         "models/Bullet.tga: warning: 2048x1: a side above 1024 is more than OpenGL 3.0 "
         "guarantees; a GL that cannot take it draws the material untextured",
         0},
        {"texture above the old fixed limit, within GL's 16384",
         [](auto& d) { WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(Texture(8200, 2))); },
         "models/Bullet.tga: warning: 8200x2: a side above 1024 is more than OpenGL 3.0 "
         "guarantees; a GL that cannot take it draws the material untextured",
         0},
        {"texture too large to check with no GL",
         [](auto& d) { WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(Texture(8200, 2))); },
         "models/Bullet.tga: warning: 8200x2 is too large to check here: no GL to ask for its "
         "largest texture (opening Mesa's surfaceless EGL display failed (EGL error 0x300c))",
         0, "", "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent"},
        {"texture stored top row first",
         [](auto& d) {
             TgaFile tga = Texture(64, 16);
             tga.header.descriptor |= 0x20; // origin at the top
             WriteBytes(d + "/models/Bullet.tga", WriteTgaFile(tga));
         },
         "models/Bullet.tga: warning: origin bits say top-left: rows are read in file order and "
         "will show upside down",
         0},
        {"sound missing", [](auto& d) { fs::remove(d + "/sounds/hit.wav"); },
         "sounds/hit.wav: warning: cannot be played: No such file or directory; a hit on a chaser "
         "will be silent",
         0},
        {"sound a folder",
         [](auto& d) {
             fs::remove(d + "/sounds/engine.wav"), fs::create_directory(d + "/sounds/engine.wav");
         },
         "sounds/engine.wav: warning: cannot be played: is a directory, not a regular file; the "
         "engine will be silent",
         0},
        {"sound cut short", [](auto& d) { fs::resize_file(d + "/sounds/shot.wav", 1000); },
         "sounds/shot.wav: warning: cannot be played: data chunk cut short: 8820 bytes announced, "
         "956 there; the player's shot will be silent",
         0},
        {"sound enormous", [](auto& d) { fs::resize_file(d + "/sounds/breakup.wav", 5 << 20); },
         "sounds/breakup.wav: warning: cannot be played: 5242880 bytes, over the 4194304 a sound "
         "may hold; a chaser breaking up will be silent",
         0},
        {"sound of no samples: the game would not play it either",
         [](auto& d) {
             std::string wav = ReadWholeFile(d + "/sounds/hit.wav").substr(0, 44);
             wav.replace(40, 4, std::string(4, '\0')); // the data chunk's size
             WriteText(d + "/sounds/hit.wav", wav);
         },
         "sounds/hit.wav: warning: cannot be played: data chunk holds no samples; a hit on a "
         "chaser will be silent",
         0},
        {"sound not a WAV", [](auto& d) { WriteText(d + "/sounds/chaser-shot.wav", "OggS"); },
         "sounds/chaser-shot.wav: warning: cannot be played: no RIFF WAVE header: not a WAV file; "
         "a chaser's shot will be silent",
         0},
        {"the last of 100006 types has no model",
         [](auto& d) {
             std::string more;
             for (int i = 0; i < 100000; ++i)
                 more += "T" + std::to_string(i) + "\nmodels/Bullet.ms3d\n1\n1\n";
             AppendToCatalogue(d, more + "Z\nmissing.ms3d\n1\n1\n");
         },
         "alukset.txt:400026: error: model file missing.ms3d of type Z cannot be opened: No such "
         "file or directory",
         1},
        // The summary and the exit status.
        {"warnings with --strict", [](auto& d) { EditCatalogue(d, "9; thrust", "-9; thrust"); },
         ": 6 types, 6 models, 6 textures: 0 errors, 1 warning; the game would start, but "
         "--strict counts the warnings",
         1, " --strict"},
        {"many of a kind",
         [](auto& d) {
             for (int i = 0; i < 25; ++i)
                 AppendToCatalogue(d, "Bullet\nmodels/Bullet.ms3d\n0\n0\n");
         },
         "alukset.txt: note: 5 more later records under a name already used not shown", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::string dir;
        const ShipyardRun run = CheckChanged("row", row.change, row.options, dir, row.prefix);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.err, "");
        const std::string want = dir + (row.line[0] == ':' ? "" : "/") + row.line;
        const std::vector<std::string> lines = Lines(run.out);
        EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end())
            << "want: " << want << "\ngot:\n"
            << run.out;
    }
}

// The conventions every command keeps: help on standard output with status 0, usage errors on
// standard error with status 2, refusals "shipyard: PATH: REASON" with status 1.
// A folder with no catalogue is played, by the game started there, with the ships installed
// beside it: the check says so and checks those, as an installed copy of the tool.
TEST_F(CheckCommand, AFolderWithoutACatalogueChecksTheShipsTheGameWouldPlay) {
    const std::string prefix = Scratch("prefix"), installed = prefix + "/share/starchase";
    const std::string here = Scratch("here");
    const std::string copy = prefix + "/bin/shipyard";
    const std::string note = here +
                             ": note: no alukset.txt here: the game started here plays the "
                             "installed ships in " +
                             installed + "; checking those\n";
    const struct {
        const char* what;
        bool installs;          // the data is installed beside the tool
        bool folderNamedLikeIt; // `here` holds a folder named alukset.txt
        int status;
        std::string out;
    } cases[] = {
        {"installed ships", true, false, 0,
         note + installed +
             ": 6 types, 6 models, 6 textures: 0 errors, 0 warnings; the game "
             "would start\n"},
        {"nothing installed", false, false, 1,
         here + "/alukset.txt: error: No such file or directory; the game loads no ships and "
                "stops\n"},
        {"something named alukset.txt here", true, true, 1,
         here + "/alukset.txt: error: is a directory, not a regular file; the game loads no "
                "ships and stops\n"},
    };
    const std::string built = std::getenv("SHIPYARD");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(prefix);
        fs::remove_all(here);
        fs::create_directories(prefix + "/bin");
        fs::copy_file(built, copy);
        if (c.installs) {
            fs::create_directories(prefix + "/share");
            fs::copy(generated, installed, fs::copy_options::recursive);
        }
        fs::create_directories(c.folderNamedLikeIt ? here + "/alukset.txt" : here);
        setenv("SHIPYARD", copy.c_str(), 1);
        const ShipyardRun run = RunShipyard("check " + ShellQuoted(here));
        setenv("SHIPYARD", built.c_str(), 1);
        EXPECT_EQ(run.status, c.status);
        // The sounds are checked after the catalogue; only the catalogue's lines are compared.
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << run.out;
    }
    fs::remove_all(prefix);
    fs::remove_all(here);
}

TEST(ShipyardCommandLine, HelpUsageErrorsAndRefusals) {
    const std::string missing = Scratch("missing");
    // A demo recorded with no ship types (mark, format 2, rules 1, star seed, no types, no
    // frames, end mark), and a folder whose catalogue holds none either: they agree, but the game
    // cannot set up its scenario.
    const std::string noShips = Scratch("no_ships"), noShipsDemo = Scratch("no_ships.demo");
    std::vector<unsigned char> demo = {'S', 'T', 'A', 'R', 'D', 'E', 'M', 'O', 2, 0, 1, 0};
    demo.resize(demo.size() + 624 * 4 + 4 + 6);
    WriteBytes(noShipsDemo, demo);
    fs::create_directory(noShips);
    WriteText(noShips + "/alukset.txt", "");
    const struct {
        std::string arguments;
        int status;
        const char* out; // the first line of standard output
        std::string err; // all of standard error
    } rows[] = {
        {"--help", 0, "usage: shipyard COMMAND [ARGUMENTS]", ""},
        {"help", 0, "usage: shipyard COMMAND [ARGUMENTS]", ""},
        {"--version", 0, "shipyard " STARCHASE_VERSION, ""},
        {"help check", 0, "usage: shipyard check [DIR] [--strict]", ""},
        {"generate --help", 0, "usage: shipyard generate DIR [--force]", ""},
        {"help fly", 2, "", "shipyard help: no such command\nusage: shipyard help [COMMAND]\n"},
        {"check --fast", 2, "",
         "shipyard check: no option --fast\nusage: shipyard check [DIR] [--strict]\n"},
        {"model", 2, "", "shipyard model: no model given\nusage: shipyard model IN\n"},
        {"render a", 2, "",
         "shipyard render: too few arguments\nusage: shipyard render [--size N] IN OUT.png\n"},
        {"check " + ShellQuoted(missing), 1, "",
         "shipyard: " + missing + ": No such file or directory\n"},
        {"replay --data " + ShellQuoted(noShips) + " " + ShellQuoted(noShipsDemo), 1, "",
         "shipyard: " + noShipsDemo +
             ": the recorded ship types have no brightfin, which the game needs\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        const ShipyardRun run = RunShipyard(row.arguments);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out.substr(0, run.out.find('\n')), row.out);
        EXPECT_EQ(run.err, row.err);
    }
    fs::remove_all(noShips);
    fs::remove(noShipsDemo);
    for (const char* unknown : {"", "fly"}) {
        const ShipyardRun run = RunShipyard(unknown);
        EXPECT_EQ(run.status, 2) << unknown;
        EXPECT_EQ(run.out, "") << unknown;
        EXPECT_NE(run.err.find("usage: shipyard COMMAND"), std::string::npos) << unknown;
    }
}

} // namespace
