// SPDX-License-Identifier: MIT
// shipyard generate DIR: writes the game's default data, the catalogue and one model and
// texture per ship type, the same bytes on every run.
#include "CatalogueFile.h"
#include "LoadShipCatalogue.h"
#include "Scenario.h"
#include "ShipDesigns.h"
#include "Shipyard.h"
#include "SoundDesigns.h"
#include "WholeFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Models live one folder down so that their ".\NAME.tga" textures resolve next to them.
const char* const ModelFolder = "models";

using Output = std::pair<fs::path, std::vector<unsigned char>>;

// A type's record with its default handling, its note in the first number's comment.
std::string CatalogueEntry(const ScenarioType& h) {
    CatalogueRecord record;
    record.name = h.name;
    record.modelFile = std::string(ModelFolder) + "/" + h.name + ".ms3d";
    record.thrust = h.thrust;
    record.turnRate = h.turnRate;
    return CatalogueRecordText(record, h.note);
}

// Every default design, made once, under the name it gives itself.
std::map<std::string, ShipAsset> MakeDesigns() {
    std::map<std::string, ShipAsset> designs;
    for (ShipAsset (*make)() : DefaultShipDesigns) {
        ShipAsset a = make();
        designs[a.name] = std::move(a);
    }
    return designs;
}

// Every file of the data set, made in memory before anything is written, type by type in the
// scenario's order. False, with `failed`, when a design does not fit its file format.
bool MakeOutputs(const fs::path& root, std::vector<Output>& outputs, std::string& failed) {
    std::map<std::string, ShipAsset> designs = MakeDesigns();
    std::string catalogue;
    for (const ScenarioType& type : ScenarioTypes) {
        auto design = designs.find(type.name);
        if (design == designs.end()) {
            failed = "designs and handling disagree";
            return false;
        }
        const ShipAsset& a = design->second;
        std::vector<unsigned char> model, texture;
        if (!EncodeMs3d(a.model, model) || !EncodeTga(a.texture, a.textureForm, texture)) {
            failed = a.name + ": the design does not fit its file format";
            return false;
        }
        outputs.push_back({root / ModelFolder / (a.name + ".ms3d"), std::move(model)});
        outputs.push_back({root / ModelFolder / (a.name + ".tga"), std::move(texture)});
        catalogue += CatalogueEntry(type);
    }
    for (int i = 0; i < GameSoundCount; ++i)
        outputs.push_back({root / SoundPath(GameSound(i)), EncodeWav(MakeSound(GameSound(i)))});
    outputs.push_back({root / CatalogueFileName, {catalogue.begin(), catalogue.end()}});
    return true;
}

int RunGenerate(int argc, char** argv) {
    bool force = false;
    std::vector<const char*> folders;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--force") == 0)
            force = true;
        else if (argv[i][0] == '-')
            return UsageError(GenerateCommand, std::string("no option ") + argv[i]);
        else
            folders.push_back(argv[i]);
    }
    if (folders.size() != 1)
        return UsageError(GenerateCommand, folders.empty() ? "no folder given" : "one folder only");
    const fs::path root = folders[0];
    std::vector<Output> outputs;
    std::string failed;
    if (!MakeOutputs(root, outputs, failed))
        return Refuse(root.string(), failed);
    // A modder's own ships are never written over by accident: nothing is written when any of
    // the files is there already. The catalogue, made last, is looked for first.
    std::error_code error;
    for (auto o = outputs.rbegin(); !force && o != outputs.rend(); ++o)
        if (fs::exists(fs::symlink_status(o->first, error)))
            return Refuse(o->first.string(), "exists already; give --force to write over it");
    for (const Output& o : outputs) {
        fs::create_directories(o.first.parent_path(), error);
        if (error)
            return Refuse(o.first.parent_path().string(), error.message());
    }
    for (const Output& o : outputs)
        if (!WriteWholeFile(o.first.string(), o.second, failed))
            return Refuse(o.first.string(), failed);
    return 0;
}

} // namespace

const ShipyardCommand GenerateCommand = {
    "generate", "DIR [--force]", "write the default game data into DIR",
    "Writes DIR/alukset.txt and, for each of the six ship types the game needs, its model and\n"
    "texture in DIR/models, and the game's sounds in DIR/" +
        std::string(SoundFolder) + ":\n" + SoundFileNames() +
        ".\n"
        "The same bytes on every run. Writes nothing when any of these files exists already,\n"
        "unless given --force. Each file is written under a temporary name and renamed when\n"
        "complete, so a failure never leaves a half-written file.\n",
    RunGenerate};
