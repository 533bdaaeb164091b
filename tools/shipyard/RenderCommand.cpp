// shipyard render IN OUT.png: draws a model through the game's own load and display list in a
// real GL window, from above as the game shows it and at an oblique angle, and saves both views
// side by side as a PNG.
#include "Shipyard.h"

#include "FixedState.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "PngWriter.h"
#include "RenderFraming.h"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int ViewSize = 512;
constexpr int Width = 2 * ViewSize;
constexpr int Height = ViewSize;

// The game's fixed GL state, so the preview shades as the game does, with one light.
void SetGameState() {
    SetFixedGLState();
    glClearColor(0.05f, 0.06f, 0.09f, 1); // not quite the game's black, to show dark hulls
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void DrawView(const Model& model, const ViewSetup& view, int left) {
    glViewport(left, 0, ViewSize, ViewSize);
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

std::vector<unsigned char> ReadTopDown() {
    std::vector<unsigned char> rgb(size_t(Width) * Height * 3);
    std::vector<unsigned char> bottomUp(rgb.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    size_t row = size_t(Width) * 3;
    for (int y = 0; y < Height; ++y)
        std::copy_n(&bottomUp[size_t(Height - 1 - y) * row], row, &rgb[size_t(y) * row]);
    return rgb;
}

bool OpenWindow(std::string& error) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_WM_SetCaption("shipyard render", "shipyard render");
    if (!SDL_SetVideoMode(Width, Height, 32, SDL_OPENGL)) {
        error = SDL_GetError();
        SDL_Quit();
        return false;
    }
    return true;
}

// Missing textures do not stop the game; the modder is told, and the model is drawn plain.
void ReportMissingTextures(const char* path, const Model& model) {
    for (const ModelMaterial& material : model.materials)
        if (!material.textureFile.empty() && material.texture == 0)
            std::fprintf(stderr, "shipyard: %s: texture %s could not be read; drawn untextured\n",
                         path, material.textureFile.c_str());
}

int Render(const char* in, const char* out) {
    MilkshapeModel model;
    if (!model.load(in))
        return Refuse(in, "the game could not load the model");
    ReportMissingTextures(in, model);
    model.buildDisplayList();
    SetGameState();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawView(model, TopView(model), 0);
    DrawView(model, ObliqueView(model), ViewSize);
    glFinish();
    if (!WritePng(out, Width, Height, ReadTopDown()))
        return Refuse(out, "cannot write the PNG file");
    SDL_GL_SwapBuffers();
    return 0;
}

} // namespace

int RenderCommand(int argc, char** argv) {
    if (argc != 2)
        return Refuse("render", "usage: shipyard render IN OUT.png");
    const char* in = argv[0];
    // A bad file is refused with its reason before any window is opened.
    MilkshapeModel parsed;
    std::string reason;
    if (!ReadMilkshapeFile(in, parsed, reason))
        return Refuse(in, reason.c_str());
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return Refuse("render", "no display: set DISPLAY to an X server (e.g. an Xvfb)");
    std::string error;
    if (!OpenWindow(error))
        return Refuse("render", ("cannot open a GL window: " + error).c_str());
    int status = Render(in, argv[1]);
    SDL_Quit();
    return status;
}
