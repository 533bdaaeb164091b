// SPDX-License-Identifier: MIT
// Drawing a model as the game does into the offscreen context: the two-view preview and the icon.
#pragma once

#include <vector>

class Model;

// What to draw: two views side by side in RGB, or one square icon in RGBA.
struct PreviewPicture {
    int width, height, viewSize;
    bool icon;
    int Channels() const { return icon ? 4 : 3; }
};

// Draws `model` (loaded, its display list built) with the game's fixed GL state and light: the
// view from above and the oblique view side by side, or for an icon the oblique view zoomed to
// fill the square on a transparent background. Returns the picture's pixels, top row first, with
// colours not premultiplied. Needs the current offscreen context of the picture's size.
std::vector<unsigned char> DrawModelPreview(const Model& model, const PreviewPicture& picture);
