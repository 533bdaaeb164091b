// SPDX-License-Identifier: MIT
// What counts as a fault in a data folder, and how each is put to the modder.
#include "CheckRules.h"

#include "DrawWindows.h"
#include "ModelPath.h"
#include "Scenario.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// The types the scenario makes computer-controlled ships of: only these are ever hidden outside
// the window round the player, so only their always-visible turn rate changes anything.
bool MakesComputerShips(const std::string& name) {
    for (const ScenarioType& entry : ScenarioTypes)
        if (entry.role == ScenarioRole::Chaser && name == entry.name)
            return true;
    return false;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

void NumberFindings(const CatalogueField& field, const char* what, std::vector<Finding>& out) {
    if (!IsCatalogueNumber(field.text)) {
        char* end = nullptr;
        std::strtod(field.text.c_str(), &end);
        const bool nonFinite = end != field.text.c_str(); // "nan", "inf", "1e39"
        out.push_back({FindingKind::NotANumber, CatalogueFileName, field.line,
                       std::string(what) + " \"" + field.text + "\" is not a " +
                           (nonFinite ? "finite " : "") + "number; the game reads it as 0"});
    } else if (double value = std::strtod(field.text.c_str(), nullptr); value < 0)
        out.push_back({FindingKind::NegativeNumber, CatalogueFileName, field.line,
                       std::string(what) + " " + Number(value) + " is negative"});
}

void CutLineFinding(const CatalogueField& field, std::vector<Finding>& out) {
    if (field.cut)
        out.push_back({FindingKind::CutLine, CatalogueFileName, field.line,
                       "line is longer than " + std::to_string(MaxCatalogueLine) +
                           " characters; the game keeps only its start"});
}

std::string Folded(std::string name) {
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

void MissingTypeFinding(const std::string& name, const std::map<std::string, KeptType>& types,
                        std::vector<Finding>& out) {
    std::string reason = "no type " + name + ", which the game needs";
    for (const auto& [other, type] : types)
        if (Folded(other) == Folded(name)) {
            reason += "; line " + std::to_string(type.nameLine) + " names " + other +
                      ", but names must match in case";
            break;
        }
    out.push_back({FindingKind::MissingType, CatalogueFileName, 0, reason});
}

} // namespace

bool IsScenarioType(const std::string& name) {
    for (const ScenarioType& entry : ScenarioTypes)
        if (name == entry.name)
            return true;
    return false;
}

void RecordFindings(const CatalogueRecord& record, int firstLine, std::vector<Finding>& out) {
    for (const CatalogueField& field : record.fields)
        CutLineFinding(field, out);
    const int line = record.fields[NameField].line;
    if (firstLine > 0) {
        out.push_back({FindingKind::DuplicateName, CatalogueFileName, line,
                       "type " + record.name + " is already defined at line " +
                           std::to_string(firstLine) + "; the game ignores this record"});
        return;
    }
    for (const CatalogueFieldRow& row : CatalogueFields)
        if (row.number)
            NumberFindings(record.fields[row.index], row.name, out);
    if (record.turnRate == AlwaysVisibleTurnRate && MakesComputerShips(record.name))
        out.push_back(
            {FindingKind::AlwaysVisible, CatalogueFileName, record.fields[TurnRateField].line,
             "turn rate is exactly " + Number(AlwaysVisibleTurnRate) + ", which marks every " +
                 record.name + " ship as always visible: it is drawn wherever it is"});
}

void LeftoverFindings(const std::vector<CatalogueField>& leftovers, std::vector<Finding>& out) {
    for (const CatalogueField& field : leftovers)
        CutLineFinding(field, out);
    if (leftovers.empty())
        return;
    const size_t n = leftovers.size();
    out.push_back({FindingKind::LeftoverFields, CatalogueFileName, leftovers[0].line,
                   std::to_string(n) + (n == 1 ? " field is" : " fields are") +
                       " left over at the end (a record takes 4); the game drops " +
                       (n == 1 ? "it" : "them")});
}

void TypeFindings(const std::map<std::string, KeptType>& types, std::vector<Finding>& out) {
    if (types.size() > MaxShipTypes)
        out.push_back({FindingKind::TooManyTypes, CatalogueFileName, 0,
                       std::to_string(types.size()) + " ship types, more than the " +
                           std::to_string(MaxShipTypes) + " the game loads; it loads none"});
    for (const ScenarioType& entry : ScenarioTypes)
        if (types.count(entry.name) == 0)
            MissingTypeFinding(entry.name, types, out);
    for (const auto& [name, type] : types)
        if (!IsScenarioType(name))
            out.push_back({FindingKind::UnusedType, CatalogueFileName, type.nameLine,
                           "type " + name +
                               " is used by nothing in the scenario; the game still loads its "
                               "model"});
}

bool HasOwnBackslash(const std::string& modelPath, const std::string& textureFile) {
    std::string prefix;
    std::string own = textureFile;
    if (DirectoryPrefix(modelPath, prefix) &&
        textureFile.compare(0, prefix.size() + 1, prefix + "\\") == 0)
        own = textureFile.substr(prefix.size() + 1);
    return own.find('\\') != std::string::npos;
}

void TextureImageFindings(const std::string& file, uint32_t width, uint32_t height, bool topLeft,
                          std::vector<Finding>& out) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    auto powerOfTwo = [](uint32_t side) { return (side & (side - 1)) == 0; };
    if (!powerOfTwo(width) || !powerOfTwo(height))
        out.push_back({FindingKind::TextureSize, file, 0,
                       size + ": a side that is not a power of two needs OpenGL 2.0; older GL "
                              "draws the material untextured"});
    if (std::max(width, height) > GuaranteedTextureSide)
        out.push_back({FindingKind::TextureSize, file, 0,
                       size + ": a side above " + std::to_string(GuaranteedTextureSide) +
                           " is more than OpenGL 3.0 guarantees; a GL that cannot take it draws "
                           "the material untextured"});
    if (topLeft)
        out.push_back({FindingKind::TopLeftOrigin, file, 0,
                       "origin bits say top-left: rows are read in file order and will show "
                       "upside down"});
}

void SoundFindings(GameSound which, const std::string& reason, std::vector<Finding>& out) {
    out.push_back(
        {FindingKind::UnplayableSound, SoundPath(which), 0, SilentSoundText(which, reason)});
}
