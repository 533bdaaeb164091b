// SPDX-License-Identifier: MIT
// Printing findings in the form compilers use, with repeats of one kind cut short.
#include "Findings.h"

#include "CatalogueFile.h"
#include "Printable.h"

#include <cstdio>

namespace {

std::string Counted(long n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// What the findings of a kind are, for the line that counts those left out.
std::string Plural(FindingKind kind) {
    switch (kind) {
    case FindingKind::NoCatalogue:
        return "unreadable catalogues";
    case FindingKind::MissingType:
        return "missing types";
    case FindingKind::TooManyTypes:
        return "catalogues of more types than the game loads";
    case FindingKind::UnreadableModel:
        return "models that cannot be read";
    case FindingKind::DuplicateName:
        return "later records under a name already used";
    case FindingKind::NotANumber:
        return "number fields that are not numbers";
    case FindingKind::NegativeNumber:
        return "negative numbers";
    case FindingKind::CutLine:
        return "lines cut at " + std::to_string(MaxCatalogueLine) + " characters";
    case FindingKind::LeftoverFields:
        return "left-over fields";
    case FindingKind::AlwaysVisible:
        return "always-visible turn rates";
    case FindingKind::UnusedType:
        return "types that nothing in the scenario uses";
    case FindingKind::BackslashPath:
        return "paths that open only with backslashes read as /";
    case FindingKind::UnreadableTexture:
        return "textures that cannot be opened";
    case FindingKind::RefusedTexture:
        return "textures refused";
    case FindingKind::TextureSize:
        return "texture sizes that GL may refuse";
    case FindingKind::TopLeftOrigin:
        return "textures stored top row first";
    case FindingKind::UnplayableSound:
        return "sounds that cannot be played";
    }
    return "findings";
}

} // namespace

bool IsError(FindingKind kind) {
    return kind == FindingKind::NoCatalogue || kind == FindingKind::MissingType ||
           kind == FindingKind::TooManyTypes || kind == FindingKind::UnreadableModel;
}

std::string CheckReport::Shown(const std::string& file) const {
    if (folder == "." || file.empty() || file[0] == '/')
        return file;
    return folder + (folder.back() == '/' ? "" : "/") + file;
}

void CheckReport::Add(const Finding& finding) {
    const bool error = IsError(finding.kind);
    ++(error ? errors : warnings);
    KindCount& kind = kinds[finding.kind];
    if (++kind.count > MostShownPerKind)
        return;
    if (kind.count == 1)
        kind.firstFile = finding.file;
    std::string where = Shown(finding.file);
    if (finding.line > 0)
        where += ":" + std::to_string(finding.line);
    std::printf("%s: %s: %s\n", Printable(where).c_str(), error ? "error" : "warning",
                Printable(finding.reason).c_str());
}

int CheckReport::Finish(long types, long models, long textures, bool strict) {
    for (const auto& [kind, k] : kinds)
        if (k.count > MostShownPerKind)
            std::printf("%s: note: %ld more %s not shown\n", Printable(Shown(k.firstFile)).c_str(),
                        k.count - MostShownPerKind, Plural(kind).c_str());
    const bool starts = errors == 0;
    const bool fails = !starts || (strict && warnings > 0);
    const std::string checked = Counted(types, "type") + ", " + Counted(models, "model") + ", " +
                                Counted(textures, "texture");
    std::printf("%s: %s: %s, %s; the game would %s%s\n", Printable(folder).c_str(), checked.c_str(),
                Counted(errors, "error").c_str(), Counted(warnings, "warning").c_str(),
                starts ? "start" : "not start",
                starts && fails ? ", but --strict counts the warnings" : "");
    return std::fflush(stdout) == 0 && !fails ? 0 : 1;
}
