// SPDX-License-Identifier: MIT
// The heads-up display (--hud, H): chasers left, time played and frames per second in the top
// left corner, text drawn with SDL_ttf in a font found through fontconfig.
#pragma once

#include "ChaseClock.h"
#include "HudGL.h"
#include "SettingsText.h"

#include <string>
#include <vector>

// After start-up, before the frame loop: whether the display starts shown. fontconfig looks for
// the font on a thread of its own; the display shows once it has (within 2 s, or never, after
// one line on standard error). The font is loaded when the display is first shown.
void StartHud(bool shown);

// The settings the display follows: shown or not (`hud`; never while its font cannot be had).
void ApplyDisplaySettings(const Settings& settings);

// Shows `note` ("Volume 70%") in the display's corner for a moment, below the display's lines or
// alone while the display is hidden.
void ShowHudNote(const std::string& note);

// Shows a split's note ("3 down 12.345 s, -0.812") for a few seconds below the corner's lines,
// green ahead of the pace (`sign` below 0), red behind it (above 0), white level (0).
void ShowHudSplit(const std::string& note, int sign);

// Shows `note` ("Paused") below the display's lines, the note of the moment and the notes held
// before it, in the next frame only: a state that lasts is held frame by frame.
void HoldHudNote(const std::string& note);

// Once a frame, after the scene is drawn: counts the frame in and, when shown, draws the display
// over the scene, its time the chase's. Without a usable font the display stays hidden, after one
// line on standard error.
void ShowHud(const ChaseClock& chase);

// Lines of text in the display's font, kept as one texture while they and the viewport's width
// stay the same.
struct HudBlock {
    // How it is laid out: lines wider than the viewport broken to fit it, or kept whole (`wrap`
    // false); at least `leastWidth` pixels wide, so that it keeps its place as its lines change.
    bool wrap = true;
    int leastWidth = 0;
    std::vector<std::string> lines; // the text the texture holds, as it was given
    int fittedTo = 0;               // the viewport's width it was laid out for, in pixels
    unsigned texture = 0;
    int width = 0, height = 0; // of the texture, in pixels
};

// Draws `lines` at `place` over the scene, on a black backdrop `backdrop` opaque (0: none) that
// reaches the margin beyond the text on every side. Lines wider than the viewport within the
// margins are broken to fit it (FitLines) unless the block keeps them whole, and a block that is
// still larger than the viewport within the margins is drawn smaller to fit it, so no text is
// cut at the window's edges. The block's
// texture is remade when the lines or the viewport's width changed; no lines draw nothing. False
// when there is no usable font (the display's one line on standard error says why, once).
bool DrawHudBlock(HudBlock& block, const std::vector<std::string>& lines, HudPlacement place,
                  float backdrop = 0);

// Deletes the block's texture (needs the GL context).
void FreeHudBlock(HudBlock& block);

// Before SDL and the GL context go: the font and the texture, and the font's look-up, joined when
// it ends within a second (a look-up stalled on a font folder is left to end with the process,
// touching nothing the game closes). Every start of the display has its stop.
void StopHud();

// Whether the display is shown.
bool HudShown();

// The height of a line of the display's font in pixels; 0 until the font is loaded.
int HudLineSkip();

// The width of `line` in the display's font in pixels; 0 until the font is loaded.
int HudTextWidth(const std::string& line);
