// SPDX-License-Identifier: MIT
// The preview's GL: the game's state and light, the two views or the fitted icon, read back.
#include "ModelPreview.h"

#include "FixedState.h"
#include "Model.h"
#include "RenderFraming.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

// The game's fixed GL state, so the preview shades as the game does, with one light.
void SetGameState(const PreviewPicture& picture) {
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
    // The game's fixed light, pushed out with the view so that it falls at the same angle.
    const float s = float(view.lightScale);
    const GLfloat diffuse[4] = {FixedLightColour[0], FixedLightColour[1], FixedLightColour[2], 1};
    const GLfloat position[4] = {FixedLightPosition[0] * s, FixedLightPosition[1] * s,
                                 FixedLightPosition[2] * s, 1};
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
Viewport FitToDrawing(const PreviewPicture& picture, const Viewport& port) {
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

std::vector<unsigned char> ReadTopDown(const PreviewPicture& picture) {
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

} // namespace

std::vector<unsigned char> DrawModelPreview(const Model& model, const PreviewPicture& picture) {
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
    return ReadTopDown(picture);
}
