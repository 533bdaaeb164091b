// SPDX-License-Identifier: MIT
// The display's text: a font found through fontconfig, lines rendered by SDL_ttf into one RGBA
// picture, uploaded and drawn by the render layer when they change.
#include "Hud.h"

#include "HudGL.h"
#include "HudText.h"
#include "World.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

const char* const FontPattern = "DejaVu Sans:style=Bold";
const int FontPoints = 16;
const off_t LargestFont = 64 << 20;     // bytes
const uint32_t NoteMilliseconds = 1500; // how long a note stays, in SDL ticks
const uint32_t SplitMilliseconds = 4000; // how long a split's note stays
const std::chrono::seconds FontWait(2); // from start-up, for fontconfig to name the font
// At the end, for a look-up still under way to finish so that it is joined, not left running.
const std::chrono::milliseconds FontEndWait(1000);

using Clock = std::chrono::steady_clock;

// fontconfig's answer, found on a thread of its own: a font folder that hangs (a named pipe in
// it) stalls that thread, never the frame loop. The fields are the thread's until `done`; the
// thread owns a share of them, and nothing else it touches (fontconfig) is used by the game or
// closed while it may still run.
struct FontSearch {
    std::atomic<bool> done{false};
    bool fontconfigStarted = false; // FcInit succeeded: FcFini once the thread is joined
    std::string path, reason;
};

struct Hud {
    bool shown = false;
    bool unusable = false; // no font: the display stays hidden
    TTF_Font* font = nullptr;
    std::shared_ptr<FontSearch> search; // shared with the thread, which may outlive the game
    std::thread lookUp;                 // joined at the end once done, else detached
    Clock::time_point searchStarted;
    HudCount count;
    HudBlock corner;            // the display's own lines
    std::string note;           // shown below the lines, or alone while the display is hidden
    uint32_t noteUntilTick = 0; // SDL's tick at which the note goes
    std::vector<std::string> heldNotes; // for the next frame only
    HudBlock split;                     // the last split's note, below the corner, tinted
    std::string splitNote;
    int splitSign = 0; // below 0: ahead of the pace; above: behind
    uint32_t splitUntilTick = 0;
};

Hud hud;

bool FindFont(FontSearch& search) {
    std::string& path = search.path;
    std::string& reason = search.reason;
    search.fontconfigStarted = FcInit();
    if (!search.fontconfigStarted) {
        reason = "fontconfig cannot start";
        return false;
    }
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(FontPattern));
    if (!pattern) {
        reason = "fontconfig cannot read the pattern";
        return false;
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
        path = reinterpret_cast<const char*>(file);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    if (path.empty())
        reason = "fontconfig knows no font";
    return !path.empty();
}

void StartFontSearch() {
    hud.search = std::make_shared<FontSearch>();
    hud.searchStarted = Clock::now();
    hud.lookUp = std::thread([search = hud.search] {
        FindFont(*search);
        search->done.store(true, std::memory_order_release);
    });
}

// Ends the look-up: waits a little for it to finish and joins it, so that no thread of it is
// still running, or exiting, as the process ends; then closes fontconfig. A look-up still waiting
// on a font folder is left to end with the process: it holds its share of what it writes, and
// fontconfig stays open for it.
void EndFontSearch() {
    if (!hud.lookUp.joinable())
        return;
    const Clock::time_point until = Clock::now() + FontEndWait;
    while (!hud.search->done.load(std::memory_order_acquire) && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!hud.search->done.load(std::memory_order_acquire)) {
        hud.lookUp.detach();
        return;
    }
    hud.lookUp.join();
    if (hud.search->fontconfigStarted)
        FcFini();
}

// The font once fontconfig has named it. False with `waiting` set while it may still answer;
// false with the reason once it has no font or did not answer in time.
bool OpenFont(bool& waiting, std::string& reason) {
    waiting = false;
    if (!hud.search)
        StartFontSearch();
    if (!hud.search->done.load(std::memory_order_acquire)) {
        waiting = Clock::now() - hud.searchStarted < FontWait;
        reason = "fontconfig named no font within " + std::to_string(FontWait.count()) + " s";
        return false;
    }
    const std::string& path = hud.search->path;
    if (path.empty()) {
        reason = hud.search->reason;
        return false;
    }
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > LargestFont) {
        reason = path + ": not a font file of at most 64 MB";
        return false;
    }
    if (!TTF_WasInit() && TTF_Init() == -1) {
        reason = std::string("SDL_ttf cannot start: ") + TTF_GetError();
        return false;
    }
    hud.font = TTF_OpenFont(path.c_str(), FontPoints);
    if (!hud.font)
        reason = path + ": " + TTF_GetError();
    return hud.font != nullptr;
}

// Lays the surface's alpha over `alpha` at (x, y), as the largest of the two.
void PutCoverage(SDL_Surface* surface, std::vector<unsigned char>& alpha, int width, int height,
                 int x, int y) {
    SDL_LockSurface(surface);
    for (int row = 0; row < surface->h && y + row < height; ++row) {
        const Uint8* line = static_cast<const Uint8*>(surface->pixels) + row * surface->pitch;
        for (int column = 0; column < surface->w && x + column < width; ++column) {
            Uint32 pixel;
            std::memcpy(&pixel, line + column * 4, 4);
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, surface->format, &r, &g, &b, &a);
            unsigned char& out = alpha[size_t(y + row) * size_t(width) + size_t(x + column)];
            out = std::max(out, a);
        }
    }
    SDL_UnlockSurface(surface);
}

// The lines in white with a dark shadow one pixel down and right, as RGBA rows from the top, on a
// black backdrop `backdrop` opaque (0 to 1) that reaches `pad` pixels beyond the text.
bool RenderLines(const std::vector<std::string>& lines, int pad, float backdrop, int& width,
                 int& height, std::vector<unsigned char>& rgba, std::string& reason) {
    std::vector<SDL_Surface*> surfaces;
    const SDL_Color white = {255, 255, 255, 0};
    int skip = TTF_FontLineSkip(hud.font);
    for (const std::string& line : lines) {
        if (line.empty()) { // a blank line: SDL_ttf draws no empty text
            surfaces.push_back(nullptr);
            continue;
        }
        SDL_Surface* surface = TTF_RenderUTF8_Blended(hud.font, line.c_str(), white);
        if (!surface || surface->format->BytesPerPixel != 4) {
            reason = surface ? "not 32-bit text" : TTF_GetError();
            SDL_FreeSurface(surface);
            break;
        }
        surfaces.push_back(surface);
        width = std::max(width, surface->w + 1);
    }
    bool whole = surfaces.size() == lines.size() && width > 1 && skip > 0;
    width += 2 * pad;
    height = skip * int(lines.size()) + 1 + 2 * pad;
    std::vector<unsigned char> text, shadow;
    if (whole) {
        text.assign(size_t(width) * size_t(height), 0);
        shadow = text;
        for (size_t i = 0; i < surfaces.size(); ++i) {
            if (!surfaces[i])
                continue;
            const int top = pad + int(i) * skip;
            PutCoverage(surfaces[i], text, width, height, pad, top);
            PutCoverage(surfaces[i], shadow, width, height, pad + 1, top + 1);
        }
    }
    for (SDL_Surface* surface : surfaces)
        SDL_FreeSurface(surface);
    if (!whole) {
        if (reason.empty())
            reason = "the font draws no text";
        return false;
    }
    rgba = TextPicture(text, shadow, (unsigned char)(backdrop * 255 + 0.5f));
    return true;
}

// A line's width in the display's font; a line SDL_ttf cannot measure counts as too wide.
int MeasureText(const std::string& line) {
    int width = 0, height = 0;
    return TTF_SizeUTF8(hud.font, line.c_str(), &width, &height) == 0 ? width : INT_MAX;
}

// The split's note below the corner's `above` pixels of lines, in its side's colour.
void DrawSplit(int above) {
    HudPlacement place;
    place.down = above;
    if (hud.splitSign < 0)
        place.red = 0.4f, place.blue = 0.4f;
    else if (hud.splitSign > 0)
        place.green = 0.45f, place.blue = 0.4f;
    DrawHudBlock(hud.split, {hud.splitNote}, place);
}

bool GiveUp(const std::string& reason) {
    std::fprintf(stderr, "starchase: no heads-up display: %s\n", reason.c_str());
    hud.unusable = true;
    hud.shown = false;
    return false;
}

} // namespace

bool DrawHudBlock(HudBlock& block, const std::vector<std::string>& lines, HudPlacement place,
                  float backdrop) {
    std::string reason;
    if (hud.unusable)
        return false;
    if (lines.empty()) // nothing to draw is no fault of the font's
        return true;
    bool waiting = false;
    if (!hud.font && !OpenFont(waiting, reason))
        return waiting ? false : GiveUp(reason);
    // A backdrop is part of the texture, so that the block is drawn in one pass: it fills the
    // margin, and the texture goes to the viewport's edge.
    const int pad = backdrop > 0 ? place.margin : 0;
    int viewportWidth, viewportHeight;
    ViewportSize(viewportWidth, viewportHeight);
    if (lines != block.lines || viewportWidth != block.fittedTo || block.texture == 0) {
        // The text, its shadow's pixel and the margins on both sides within the viewport.
        const int room = viewportWidth - 2 * place.margin - 1;
        std::vector<unsigned char> rgba;
        block.width = block.leastWidth + 1; // the text's shadow takes a pixel more
        if (!RenderLines(block.wrap ? FitLines(lines, room, MeasureText) : lines, pad, backdrop,
                         block.width, block.height, rgba, reason))
            return GiveUp(reason);
        block.texture = UploadHudTexture(block.texture, block.width, block.height, rgba);
        if (block.texture == 0)
            return GiveUp("the text cannot be made a texture");
        block.lines = lines;
        block.fittedTo = viewportWidth;
    }
    // Too large for the viewport within the margins: drawn smaller to fit it whole.
    place.scale = FitScale(block.width - 2 * pad, block.height - 2 * pad, viewportWidth,
                           viewportHeight, place.margin);
    place.margin -= int(float(pad) * place.scale);
    DrawHudTexture(block.texture, block.width, block.height, place);
    return true;
}

void FreeHudBlock(HudBlock& block) {
    DeleteHudTexture(block.texture);
    block = HudBlock{};
}

void StartHud(bool shown) {
    hud.shown = shown;
    if (!hud.search)
        StartFontSearch();
}

void ApplyDisplaySettings(const Settings& settings) {
    hud.shown = settings.hud && !hud.unusable;
}

void ShowHud(const ChaseClock& chase) {
    CountHudFrame(hud.count, SDL_GetTicks());
    const bool noteShowing = !hud.note.empty() && int32_t(hud.noteUntilTick - SDL_GetTicks()) > 0;
    std::vector<std::string> lines;
    if (hud.shown)
        lines = HudLines(hud.count, chase, ChasersLeft(world));
    if (noteShowing)
        lines.push_back(hud.note);
    lines.insert(lines.end(), hud.heldNotes.begin(), hud.heldNotes.end());
    hud.heldNotes.clear();
    if (!lines.empty())
        DrawHudBlock(hud.corner, lines, HudPlacement{});
    if (!hud.splitNote.empty() && int32_t(hud.splitUntilTick - SDL_GetTicks()) > 0)
        DrawSplit(lines.empty() ? 0 : hud.corner.height);
}

void ShowHudSplit(const std::string& note, int sign) {
    hud.splitNote = note;
    hud.splitSign = sign;
    hud.splitUntilTick = SDL_GetTicks() + SplitMilliseconds;
}

void ShowHudNote(const std::string& note) {
    hud.note = note;
    hud.noteUntilTick = SDL_GetTicks() + NoteMilliseconds;
}

void HoldHudNote(const std::string& note) {
    hud.heldNotes.push_back(note);
}

void StopHud() {
    FreeHudBlock(hud.corner);
    FreeHudBlock(hud.split);
    if (hud.font)
        TTF_CloseFont(hud.font);
    if (TTF_WasInit())
        TTF_Quit();
    EndFontSearch();
    hud = Hud{};
}

bool HudShown() {
    return hud.shown;
}

int HudLineSkip() {
    return hud.font ? TTF_FontLineSkip(hud.font) : 0;
}

int HudTextWidth(const std::string& line) {
    return hud.font ? MeasureText(line) : 0;
}
