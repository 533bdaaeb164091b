// SPDX-License-Identifier: MIT
// shipyard render [--size N] IN OUT.png: draws a model through the game's own load and display
// list in an offscreen GL context (no display needed), from above as the game shows it and at an
// oblique angle, and saves both views side by side as a PNG; with --size, one N-pixel square
// view at the angle on a transparent background, as an icon.
#include "Shipyard.h"

#include "FixedState.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "OffscreenGL.h"
#include "PngWriter.h"
#include "RenderFraming.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int PreviewSize = 512; // pixels a side of each view of the two-view preview
constexpr int LargestIcon = 2048;

// What to draw: two views side by side in RGB, or one square icon in RGBA.
struct Picture {
    int width, height, viewSize;
    bool icon;
    int Channels() const { return icon ? 4 : 3; }
};

// The game's fixed GL state, so the preview shades as the game does, with one light.
void SetGameState(const Picture& picture) {
    SetFixedGLState();
    if (picture.icon)
        glClearColor(0, 0, 0, 0);
    else
        glClearColor(0.05f, 0.06f, 0.09f, 1); // not quite the game's black, to show dark hulls
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

// A square viewport: its lower left corner and side, in pixels.
struct Viewport {
    double left, bottom, size;
};

void DrawView(const Model& model, const ViewSetup& view, const Viewport& port) {
    glViewport(GLint(port.left), GLint(port.bottom), GLsizei(port.size), GLsizei(port.size));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(view.fieldOfView, 1.0, view.nearPlane, view.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The game's fixed light: grey-white, toward the top right and behind the viewer, given in
    // eye coordinates; pushed out with the view so that it falls at the same angle.
    const float s = float(view.lightScale);
    const GLfloat diffuse[4] = {0.7f, 0.7f, 0.7f, 1};
    const GLfloat position[4] = {500 * s, 500 * s, 1000 * s, 1};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.centre[0], view.centre[1], view.centre[2],
              view.up[0], view.up[1], view.up[2]);
    model.draw();
}

// Multisampled edges over the transparent background come back premultiplied by their
// coverage; PNG wants the colour itself beside its alpha.
void UndoPremultipliedAlpha(std::vector<unsigned char>& rgba) {
    for (size_t i = 0; i < rgba.size(); i += 4) {
        unsigned alpha = rgba[i + 3];
        if (alpha > 0 && alpha < 255)
            for (size_t c = i; c < i + 3; ++c)
                rgba[c] = (unsigned char)std::min(255u, (rgba[c] * 255u + alpha / 2) / alpha);
    }
}

// The icon's view zoomed so that what `port` showed fills the square but for a small margin:
// the same perspective, only scaled and moved, found from the pixels the first drawing covered.
Viewport FitToDrawing(const Picture& picture, const Viewport& port) {
    const int n = picture.width;
    std::vector<unsigned char> rgba(size_t(n) * n * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, n, n, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int left = n, bottom = n, right = -1, top = -1; // drawn pixels, inclusive
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (rgba[(size_t(y) * n + x) * 4 + 3] != 0) {
                left = std::min(left, x), right = std::max(right, x);
                bottom = std::min(bottom, y), top = std::max(top, y);
            }
    if (right < 0)
        return port;
    // The oblique view already frames the model's box, so a few times is as far as it needs to
    // zoom; more would only blow up a model that drew a few stray pixels.
    double scale = std::min(4.0, 0.94 * n / (std::max(right - left, top - bottom) + 1));
    double centreX = (left + right + 1) / 2.0, centreY = (bottom + top + 1) / 2.0;
    return {n / 2.0 - centreX * scale, n / 2.0 - centreY * scale, port.size * scale};
}

std::vector<unsigned char> ReadTopDown(const Picture& picture) {
    const size_t row = size_t(picture.width) * picture.Channels();
    std::vector<unsigned char> pixels(row * picture.height), bottomUp(pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, picture.icon ? GL_RGBA : GL_RGB,
                 GL_UNSIGNED_BYTE, bottomUp.data());
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(&bottomUp[size_t(picture.height - 1 - y) * row], row, &pixels[size_t(y) * row]);
    if (picture.icon)
        UndoPremultipliedAlpha(pixels);
    return pixels;
}

// Missing textures do not stop the game; the modder is told, and the model is drawn plain.
void ReportMissingTextures(const char* path, const Model& model) {
    for (const ModelMaterial& material : model.materials)
        if (!material.textureFile.empty() && material.texture == 0)
            std::fprintf(stderr, "shipyard: %s: texture %s could not be read; drawn untextured\n",
                         path, material.textureFile.c_str());
}

int Render(const char* in, const char* out, const Picture& picture) {
    MilkshapeModel model;
    if (!model.load(in))
        return Refuse(in, "the game could not load the model");
    ReportMissingTextures(in, model);
    model.buildDisplayList();
    SetGameState(picture);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const double size = picture.viewSize;
    if (picture.icon) {
        DrawView(model, ObliqueView(model), {0, 0, size});
        Viewport fitted = FitToDrawing(picture, {0, 0, size});
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawView(model, ObliqueView(model), fitted);
    } else {
        DrawView(model, TopView(model), {0, 0, size});
        DrawView(model, ObliqueView(model), {size, 0, size});
    }
    glFinish();
    std::string reason;
    if (!WritePng(out, picture.width, picture.height, picture.Channels(), ReadTopDown(picture),
                  reason))
        return Refuse(out, reason);
    return 0;
}

// "--size N" before the files; anything else there is a usage error.
bool ReadPictureOption(int& argc, char**& argv, Picture& picture) {
    picture = {2 * PreviewSize, PreviewSize, PreviewSize, false};
    if (argc < 1 || std::strcmp(argv[0], "--size") != 0)
        return true;
    if (argc < 2)
        return false;
    char* end = nullptr;
    long size = std::strtol(argv[1], &end, 10);
    if (*argv[1] == '\0' || *end != '\0' || size < 1 || size > LargestIcon)
        return false;
    picture = {int(size), int(size), int(size), true};
    argc -= 2;
    argv += 2;
    return true;
}

int RunRender(int argc, char** argv) {
    Picture picture;
    if (!ReadPictureOption(argc, argv, picture))
        return UsageError(RenderCommand, "--size takes a number of pixels from 1 to 2048");
    if (argc != 2)
        return UsageError(RenderCommand, argc < 2 ? "too few arguments" : "too many arguments");
    const char* in = argv[0];
    // A bad file is refused with its reason before any GL is set up.
    MilkshapeModel parsed;
    std::string reason;
    if (!ReadMilkshapeFile(in, parsed, reason))
        return Refuse(in, reason.c_str());
    std::string error;
    if (!OpenOffscreenGL(picture.width, picture.height, error))
        return Refuse(in, ("cannot draw offscreen: " + error).c_str());
    int status = Render(in, argv[1], picture);
    CloseOffscreenGL();
    return status;
}

} // namespace

const ShipyardCommand RenderCommand = {
    "render", "[--size N] IN OUT.png", "draw a model as the game does",
    "Loads IN with the game's own model and texture code in an offscreen GL context (no display\n"
    "needed) and writes to OUT.png the view from above, as the game shows it, and an oblique\n"
    "view, side by side, 1024x512. With --size N (1 to 2048) it writes one N-pixel square view\n"
    "at the angle on a transparent background instead, as an icon.\n",
    RunRender};
