// SPDX-License-Identifier: MIT
// The heads-up display (--hud, H): chasers left, time played and frames per second in the top
// left corner, text drawn with SDL_ttf in a font found through fontconfig.
#pragma once

// After start-up: whether the display starts shown. Nothing is loaded until it is first shown.
void StartHud(bool shown);

// The H key: shows or hides the display.
void ToggleHud();

// Once a frame, after the scene is drawn: counts the frame of `milliseconds` in and, when shown,
// draws the display over the scene. Without a usable font the display stays hidden, after one
// line on standard error.
void ShowHud(double milliseconds);

// Before SDL and the GL context go: the font and the texture.
void StopHud();
