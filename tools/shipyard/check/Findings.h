// SPDX-License-Identifier: MIT
// What `shipyard check` finds, and the report that prints each finding in the form compilers
// use ("FILE:LINE: error: REASON") and sums them up.
#pragma once

#include <map>
#include <string>

// Errors stop the game at start-up; warnings name what it would take quietly.
enum class FindingKind {
    NoCatalogue,     // error: alukset.txt cannot be read
    MissingType,     // error: a type the scenario needs is not in the catalogue
    TooManyTypes,    // error: more types than the game loads
    UnreadableModel, // error: a model file cannot be opened or is refused
    DuplicateName,
    NotANumber,
    NegativeNumber,
    CutLine,
    LeftoverFields,
    AlwaysVisible,
    UnusedType,
    BackslashPath,
    UnreadableTexture,
    RefusedTexture,
    TextureSize,
    TopLeftOrigin,
    UnplayableSound,
};

bool IsError(FindingKind kind);

struct Finding {
    FindingKind kind;
    std::string file; // as the game opens it, relative to the folder checked
    int line = 0;     // 1-based; 0 when the finding is about the file as a whole
    std::string reason;
};

// At most this many findings of one kind are printed; the rest are only counted.
constexpr long MostShownPerKind = 20;

class CheckReport {
  public:
    // `folder` is put before every relative file name printed ("." puts nothing).
    explicit CheckReport(const std::string& folder) : folder(folder) {}

    // Prints the finding on standard output, unless its kind has been shown enough already.
    void Add(const Finding& finding);
    // Prints one line for each kind that had findings left out, then the summary line "FOLDER:
    // T types, M models, X textures: N errors, W warnings; the game would (not) start".
    // `strict`: warnings count as errors. Returns the exit status: 0 when nothing counts against
    // the folder.
    int Finish(long types, long models, long textures, bool strict);

    long errors = 0, warnings = 0;

  private:
    std::string Shown(const std::string& file) const;

    std::string folder;
    struct KindCount {
        long count = 0;
        std::string firstFile; // where the "more not shown" line points
    };
    std::map<FindingKind, KindCount> kinds;
};
