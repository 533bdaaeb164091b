// SPDX-License-Identifier: MIT
// shipyard check [DIR] [--strict]: reads a data folder as the game does at start-up, through the
// game's own catalogue, model and texture readers but with no window, and names every fault.
#include "Shipyard.h"

#include "CheckRules.h"
#include "DataFolder.h"
#include "DrawWindows.h"
#include "FileBytes.h"
#include "Findings.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "OffscreenGL.h"
#include "Printable.h"
#include "Scenario.h"
#include "SoundFile.h"
#include "Texture.h"
#include "TextureImage.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Textures are decoded to see that they decode, up to the largest side the machine's GL takes,
// as the game does. With no GL to ask, one larger than this on a side is not held in memory but
// named as too large to check.
constexpr uint32_t LargestTextureDecodedBlind = 8192;

struct TextureResult {
    bool opens = false;
    std::string reason; // why it does not open
};

struct Check {
    explicit Check(CheckReport& report) : report(report) {}

    CheckReport& report;
    std::map<std::string, KeptType> types;         // every one, as the game loads a model for each
    std::set<std::string> modelsRead;              // as written in the catalogue
    std::map<std::string, TextureResult> textures; // by the path opened
    uint32_t glTextureSide = 0;                    // GL_MAX_TEXTURE_SIZE; 0 with no GL
    std::string noGL;                              // why there is no GL to ask
    long modelCount = 0, textureCount = 0;

    void Add(const std::vector<Finding>& findings) {
        for (const Finding& f : findings)
            report.Add(f);
    }
};

void TakeRecord(Check& check, const CatalogueRecord& record) {
    std::vector<Finding> findings;
    auto kept = check.types.find(record.name);
    RecordFindings(record, kept == check.types.end() ? 0 : kept->second.nameLine, findings);
    check.Add(findings);
    if (kept != check.types.end())
        return;
    check.types[record.name] = {record.fields[NameField].line, record.modelFile,
                                record.fields[ModelFileField].line};
}

bool ReadCatalogue(Check& check) {
    std::vector<CatalogueField> leftovers;
    std::string reason;
    if (!ReadCatalogueFile(
            CatalogueFileName, [&](const CatalogueRecord& record) { TakeRecord(check, record); },
            leftovers, reason)) {
        check.report.Add({FindingKind::NoCatalogue, CatalogueFileName, 0,
                          reason + "; the game loads no ships and stops"});
        return false;
    }
    std::vector<Finding> findings;
    LeftoverFindings(leftovers, findings);
    TypeFindings(check.types, findings);
    check.Add(findings);
    return true;
}

// Whether the game's readers can open the file at all: what cannot be opened is reported where
// its name is written, what opens but is refused against the file itself.
bool Opens(const std::string& path, std::string& reason) {
    DataFile file;
    return OpenDataFile(path, file, reason);
}

// The sides a TGA file's header gives, read as the game's texture reader reads it.
bool TgaSides(const std::string& path, uint32_t& width, uint32_t& height) {
    DataFile file;
    std::vector<unsigned char> bytes;
    TextureImage image;
    std::string reason;
    if (!OpenDataFile(path, file, reason) ||
        !ReadTgaHeader(ReadAsNeeded(file, bytes), image, reason))
        return false;
    width = image.width;
    height = image.height;
    return true;
}

// Empty unless the texture was refused only because there is no GL to ask and it is larger
// than LargestTextureDecodedBlind; then what to say instead of "draws untextured".
std::string UncheckedReason(const Check& check, const std::string& path) {
    uint32_t width = 0, height = 0;
    if (check.glTextureSide || !TgaSides(path, width, height) ||
        std::max(width, height) <= LargestTextureDecodedBlind)
        return "";
    return std::to_string(width) + "x" + std::to_string(height) +
           " is too large to check here: no GL to ask for its largest texture (" + check.noGL + ")";
}

// Once per texture file: whether it opens and decodes, and what is wrong with it if it does.
const TextureResult& CheckTexture(Check& check, const std::string& opened) {
    auto known = check.textures.find(opened);
    if (known != check.textures.end())
        return known->second;
    TextureResult& result = check.textures[opened];
    if (!Opens(opened, result.reason))
        return result;
    result.opens = true;
    ++check.textureCount;
    TextureImage image;
    std::string reason;
    std::vector<Finding> findings;
    const uint32_t side = check.glTextureSide ? check.glTextureSide : LargestTextureDecodedBlind;
    if (readTextureImage(image, opened.c_str(), reason, side)) {
        TextureImageFindings(opened, image.width, image.height, image.topLeftOrigin, findings);
    } else {
        const std::string unchecked = UncheckedReason(check, opened);
        findings.push_back(
            {FindingKind::RefusedTexture, opened, 0,
             unchecked.empty() ? reason + "; the material draws untextured" : unchecked});
    }
    check.Add(findings);
    return result;
}

// A path with backslashes is tried a second time with each read as '/'.
std::string AlsoTried(const std::string& path) {
    std::string slashes = path;
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    return slashes == path ? "" : " (also tried as " + slashes + ")";
}

void CheckTextures(Check& check, const std::string& modelFile, const Model& model) {
    std::set<std::string> reported;
    for (size_t i = 0; i < model.materials.size(); ++i) {
        const std::string& file = model.materials[i].textureFile;
        if (file.empty() || !reported.insert(file).second)
            continue;
        const std::string opened = DataFilePath(file);
        const std::string material = "material " + std::to_string(i) + ": texture " + file;
        if (opened != file && HasOwnBackslash(modelFile, file))
            check.report.Add(
                {FindingKind::BackslashPath, modelFile, 0,
                 material + " opens only as " + opened + ", with backslashes read as /"});
        const TextureResult& texture = CheckTexture(check, opened);
        if (!texture.opens)
            check.report.Add({FindingKind::UnreadableTexture, modelFile, 0,
                              material + AlsoTried(file) + " cannot be opened: " + texture.reason +
                                  "; the material draws untextured"});
    }
}

// In name order, as the game's model pass goes; the game stops at the first model that fails,
// the check goes on to name every one.
void CheckModels(Check& check) {
    for (const auto& [name, type] : check.types) {
        const std::string& file = type.modelFile;
        const std::string opened = DataFilePath(file);
        if (opened != file)
            check.report.Add({FindingKind::BackslashPath, CatalogueFileName, type.modelLine,
                              "model file " + file + " opens only as " + opened +
                                  ", with backslashes read as /"});
        if (!check.modelsRead.insert(file).second)
            continue;
        std::string reason;
        if (!Opens(file, reason)) {
            check.report.Add({FindingKind::UnreadableModel, CatalogueFileName, type.modelLine,
                              "model file " + file + AlsoTried(file) + " of type " + name +
                                  " cannot be opened: " + reason});
            continue;
        }
        MilkshapeModel model; // read without GL: its textures are checked here instead
        if (!ReadMilkshapeFile(file, model, reason)) {
            check.report.Add(
                {FindingKind::UnreadableModel, opened, 0,
                 reason + "; the game stops with \"ERROR: loading a model file " + file + "\""});
            continue;
        }
        ++check.modelCount;
        CheckTextures(check, file, model);
    }
}

// Each of the game's sounds, read as the game reads it.
void CheckSounds(Check& check) {
    for (int i = 0; i < GameSoundCount; ++i) {
        SoundSamples sound;
        std::string reason;
        std::vector<Finding> findings;
        if (!ReadSoundFile(SoundPath(GameSound(i)), sound, reason))
            SoundFindings(GameSound(i), reason, findings);
        check.Add(findings);
    }
}

int RunCheck(int argc, char** argv) {
    bool strict = false;
    std::vector<std::string> folders;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--strict") == 0)
            strict = true;
        else if (argv[i][0] == '-' && argv[i][1] != '\0')
            return UsageError(CheckCommand, std::string("no option ") + argv[i]);
        else
            folders.push_back(argv[i]);
    }
    if (folders.size() > 1)
        return UsageError(CheckCommand, "one folder at a time");
    std::string folder = folders.empty() ? "." : folders[0];
    // The game opens every file relative to its working folder; started where there is no
    // catalogue, it plays the installed ships.
    if (chdir(folder.c_str()) != 0)
        return Refuse(folder, std::strerror(errno));
    const std::string played = ChooseDataFolder("", InstalledDataFolder());
    if (!played.empty()) {
        std::printf("%s: note: no %s here: the game started here plays the installed ships in "
                    "%s; checking those\n",
                    Printable(folder).c_str(), CatalogueFileName, Printable(played).c_str());
        if (chdir(played.c_str()) != 0)
            return Refuse(played, std::strerror(errno));
        folder = played;
    }
    CheckReport report(folder);
    Check check(report);
    if (ReadCatalogue(check)) {
        check.glTextureSide = OffscreenTextureSideLimit(check.noGL);
        CheckModels(check);
    }
    CheckSounds(check);
    return report.Finish(long(check.types.size()), check.modelCount, check.textureCount, strict);
}

// "brightfin, Tarvesh4, ...": the types the scenario needs, in its order, for the details.
std::string ScenarioTypeNames() {
    std::string names;
    for (const ScenarioType& type : ScenarioTypes)
        names += (names.empty() ? "" : ", ") + std::string(type.name);
    return names;
}

// The always-visible turn rate as the game has it, for the details.
std::string Figure(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}

} // namespace

const ShipyardCommand CheckCommand = {
    "check", "[DIR] [--strict]", "read a data folder as the game would; name every fault",
    "Reads DIR (the current folder when none is given) as the game started there does: the\n"
    "catalogue alukset.txt (when DIR has none, the game plays its installed ships, and those are\n"
    "checked, after a note naming their folder), then the model of every type in name order and "
    "the textures the\n"
    "models name, with the game's own readers but without a window. Prints one line per\n"
    "finding, FILE:LINE: error: REASON or FILE: warning: REASON, then a summary line.\n"
    "\n"
    "Errors stop the game at start-up: no readable alukset.txt, a type the game needs\n"
    "(" +
        ScenarioTypeNames() +
        "; case matters) missing, a model\n"
        "that cannot be read. The game stops at the first model that fails; the check reads every\n"
        "model and names each one's problems.\n"
        "\n"
        "Warnings name what the game takes quietly: a later record under a name already used\n"
        "(ignored), a number that is not a finite number (read as 0) or is negative, a line cut "
        "at\n" +
        std::to_string(MaxCatalogueLine) +
        " characters, fields left over at the end (dropped), a chaser's turn rate of exactly " +
        Figure(AlwaysVisibleTurnRate) +
        "\n"
        "(the ship is then always drawn), a texture that is missing or refused (the material "
        "draws\n"
        "untextured; its sides are held against the largest texture this machine's GL takes, or\n"
        "named too large to check with no GL to ask), a texture whose sides are not powers of two "
        "or\n"
        "exceed 1024 (more than OpenGL 3.0 guarantees), a path that opens only with its "
        "backslashes\n"
        "read as /, a type nothing in the scenario uses, a sound file that is missing or that the\n"
        "game would not play, read with the game's own reader (a 16- or 8-bit PCM WAV, 4000 to\n"
        "192000 Hz, of at most 4 MiB and 60 s, with two frames at " +
        std::to_string(SoundSampleRate) + " Hz; that event is then silent): in " +
        std::string(SoundFolder) + ",\n" + SoundFileNames() +
        ".\n"
        "\n"
        "A file that cannot be opened is reported where its name is written (the catalogue line "
        "or\n"
        "the model); a file that opens but is refused is reported against itself. Of each kind of\n"
        "finding at most 20 are shown, and the rest counted.\n"
        "\n"
        "Exit status 0 when the game would start, 1 when it would not; with --strict warnings "
        "count\n"
        "as errors too.\n",
    RunCheck};
