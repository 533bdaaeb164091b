// shipyard generate DIR: writes the game's default data, the catalogue and one model and
// texture per ship type, the same bytes on every run.
#include "Handling.h"
#include "ShipDesigns.h"
#include "Shipyard.h"

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>

namespace {

// Models live one folder down so that their ".\NAME.tga" textures resolve next to them.
const char* const ModelFolder = "models";

bool WriteFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

// Four lines per type: name, model path, thrust and turn rate. Only the number lines carry a
// comment, which the number reading ignores in any case.
std::string CatalogueEntry(const Handling& h) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "%g; thrust, units/s^2: %s\n%g; turn rate, degrees/s\n",
                  double(h.thrust), h.note, double(h.turnRate));
    return std::string(h.name) + "\n" + ModelFolder + "/" + h.name + ".ms3d\n" + numbers;
}

bool WriteShip(const std::filesystem::path& folder, const ShipAsset& a, std::string& failed) {
    std::vector<unsigned char> model, texture;
    if (!EncodeMs3d(a.model, model) || !EncodeTga(a.texture, a.textureForm, texture)) {
        failed = a.name + ": the design does not fit its file format";
        return false;
    }
    for (auto [bytes, extension] : {std::pair{&model, ".ms3d"}, std::pair{&texture, ".tga"}}) {
        std::filesystem::path path = folder / (a.name + extension);
        if (!WriteFile(path, *bytes)) {
            failed = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

} // namespace

int GenerateCommand(int argc, char** argv) {
    if (argc != 1)
        return Refuse("generate", "usage: shipyard generate DIR");
    std::filesystem::path root = argv[0], folder = root / ModelFolder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Refuse(folder.string().c_str(), error.message().c_str());

    // In the order of the handling table, which is the order the scenario places them.
    ShipAsset (*const makers[])() = {MakeBrightfin, MakeTarvesh4, MakeQuessal,
                                     MakeMaradyne,  MakeUmbrek,   MakeBullet};
    std::string catalogue;
    for (size_t i = 0; i < std::size(makers); ++i) {
        ShipAsset a = makers[i]();
        std::string failed;
        if (a.name != DefaultHandling[i].name || !WriteShip(folder, a, failed))
            return Refuse("generate",
                          failed.empty() ? "designs and handling disagree" : failed.c_str());
        catalogue += CatalogueEntry(DefaultHandling[i]);
    }
    std::filesystem::path list = root / "alukset.txt";
    if (!WriteFile(list, std::vector<unsigned char>(catalogue.begin(), catalogue.end())))
        return Refuse("generate", ("cannot write " + list.string()).c_str());
    return 0;
}
