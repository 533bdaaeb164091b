// SPDX-License-Identifier: MIT
// The default ship set: six original low-poly designs, each with its texture.
#pragma once

#include "MeshBuilder.h"
#include "Painting.h"
#include "TgaWriter.h"

#include <string>

struct ShipAsset {
    std::string name; // the catalogue name; the files are models/NAME.ms3d and models/NAME.tga
    Ms3dModel model;
    Picture texture;
    TgaForm textureForm = TgaForm::Uncompressed;
};

// The game draws with a software rasteriser that pays for every triangle, seen or not, and for
// every 4x4 pixel block each triangle touches, so a slim or small triangle costs far more than
// its pixels. A ship fills only 100 to 200 pixels of the start view: its sections keep to the
// fewest sides that still read as round at that size.
ShipAsset MakeBrightfin();
ShipAsset MakeQuessal();
ShipAsset MakeMaradyne();
ShipAsset MakeUmbrek();
ShipAsset MakeTarvesh4();
ShipAsset MakeBullet();

// Every design of the set, in no particular order: each names its own type.
inline ShipAsset (*const DefaultShipDesigns[])() = {MakeBrightfin, MakeQuessal,  MakeMaradyne,
                                                    MakeUmbrek,    MakeTarvesh4, MakeBullet};

// Shared by the designs.

// The name a material gives its texture, as MilkShape writes it: ".\NAME.tga".
std::string TextureFileOf(const std::string& shipName);
// A material lit by its own colour: ambient and diffuse `colour`, with a specular highlight of
// `specular` grey and `glow` added as emission.
Ms3dMaterial Paint(const char* name, Colour colour, float specular, float shininess,
                   Colour glow = {}, const std::string& textureFile = "");
// Where a plan position (x, y) of the model lands on a canvas under a box projection.
Vector2 PlanPixel(const Canvas& c, const TextureMapping& m, float x, float y);
// Where a side position (x or y, and z) lands.
Vector2 SidePixel(const Canvas& c, const TextureMapping& m, float along, float z, bool alongX);
// A polygon given in plan positions, moved onto the canvas.
std::vector<Vector2> PlanPolygon(const Canvas& c, const TextureMapping& m,
                                 const std::vector<Vector2>& plan);
