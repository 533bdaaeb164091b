// SPDX-License-Identifier: MIT
// shipyard render [--size N] IN OUT.png: draws a model through the game's own load and display
// list in an offscreen GL context (no display needed), from above as the game shows it and at an
// oblique angle, and saves both views side by side as a PNG; with --size, one N-pixel square
// view at the angle on a transparent background, as an icon.
#include "Shipyard.h"

#include "MilkshapeParse.h"
#include "Model.h"
#include "ModelPreview.h"
#include "OffscreenGL.h"
#include "PngWriter.h"
#include "Printable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int PreviewSize = 512; // pixels a side of each view of the two-view preview
constexpr int LargestIcon = 2048;

// Missing textures do not stop the game; the modder is told, and the model is drawn plain.
void ReportMissingTextures(const char* path, const Model& model) {
    for (const ModelMaterial& material : model.materials)
        if (!material.textureFile.empty() && material.texture == 0)
            std::fprintf(stderr, "shipyard: %s: texture %s could not be read; drawn untextured\n",
                         path, Printable(material.textureFile).c_str());
}

int Render(const char* in, const char* out, const PreviewPicture& picture) {
    MilkshapeModel model;
    if (!model.load(in))
        return Refuse(in, "the game could not load the model");
    ReportMissingTextures(in, model);
    model.buildDisplayList();
    std::string reason;
    if (!WritePng(out, picture.width, picture.height, picture.Channels(),
                  DrawModelPreview(model, picture), reason))
        return Refuse(out, reason);
    return 0;
}

// "--size N" before the files; anything else there is a usage error.
bool ReadPictureOption(int& argc, char**& argv, PreviewPicture& picture) {
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
    PreviewPicture picture;
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
