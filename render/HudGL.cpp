// SPDX-License-Identifier: MIT
// An orthographic pass in window pixels after the scene, between a push and a pop of the state.
#include "HudGL.h"

#include <GL/gl.h>

#include <cstddef>

unsigned UploadHudTexture(unsigned texture, int width, int height,
                          const std::vector<unsigned char>& rgba) {
    if (width <= 0 || height <= 0 || rgba.size() != std::size_t(width) * std::size_t(height) * 4)
        return 0;
    while (glGetError() != GL_NO_ERROR) {
    } // only this upload's errors count below
    GLuint name = texture;
    if (name == 0 || !glIsTexture(name))
        glGenTextures(1, &name);
    glPushAttrib(GL_TEXTURE_BIT);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR); // drawn smaller: smoothed
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    glPopAttrib();
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return 0;
    }
    return name;
}

namespace {

void DrawQuad(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(x0, y0);
    glTexCoord2f(0, 1);
    glVertex2f(x0, y1);
    glTexCoord2f(1, 1);
    glVertex2f(x1, y1);
    glTexCoord2f(1, 0);
    glVertex2f(x1, y0);
    glEnd();
}

// The texture's left or top edge along a viewport side of `side` pixels: whole pixels, so that
// one texel stays one pixel.
int Edge(float align, int side, int size, int margin) {
    return margin + int(align * float(side - 2 * margin - size));
}

// Drawing in window pixels (y downward) over the scene, blended, with no lighting, depth or
// culling; `viewport` gets the window's width and height. Every state it changes is saved.
void BeginWindowPixels(int viewport[2]) {
    GLint whole[4];
    glGetIntegerv(GL_VIEWPORT, whole);
    viewport[0] = whole[2];
    viewport[1] = whole[3];
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, whole[2], whole[3], 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

// Back to the scene's matrices and state.
void EndWindowPixels() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib(); // the matrix mode and the colour too
}

} // namespace

void DrawHudTexture(unsigned texture, int width, int height, const HudPlacement& place) {
    int viewport[2];
    BeginWindowPixels(viewport);
    const int drawnWidth = int(float(width) * place.scale + 0.5f);
    const int drawnHeight = int(float(height) * place.scale + 0.5f);
    float x0 = float(Edge(place.alignX, viewport[0], drawnWidth, place.margin));
    float y0 = float(Edge(place.alignY, viewport[1], drawnHeight, place.margin) + place.down);
    float x1 = x0 + float(drawnWidth), y1 = y0 + float(drawnHeight);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(place.red, place.green, place.blue, 1);
    DrawQuad(x0, y0, x1, y1);
    EndWindowPixels();
}

namespace {

// An arrowhead `length` long and `width` wide, its tip at `x`, `y`, pointing along `dirX`, `dirY`.
void DrawArrowhead(float x, float y, float dirX, float dirY, float length, float width) {
    const float backX = x - dirX * length, backY = y - dirY * length;
    const float sideX = -dirY * width / 2, sideY = dirX * width / 2;
    glBegin(GL_TRIANGLES);
    glVertex2f(x, y);
    glVertex2f(backX + sideX, backY + sideY);
    glVertex2f(backX - sideX, backY - sideY);
    glEnd();
}

} // namespace

void DrawEdgeMark(const EdgeMark& mark, const EdgeMarkLook& look) {
    int viewport[2];
    BeginWindowPixels(viewport);
    glDisable(GL_TEXTURE_2D);
    if (look.rim > 0) { // the same head grown by the rim on every side, behind it
        const float grow = look.rim * 2.5f; // its sides are about twice as long as its base
        glColor4f(0, 0, 0, look.colour[3]);
        DrawArrowhead(mark.x + mark.dirX * look.rim, mark.y + mark.dirY * look.rim, mark.dirX,
                      mark.dirY, look.length + grow, look.width + grow);
    }
    glColor4fv(look.colour);
    DrawArrowhead(mark.x, mark.y, mark.dirX, mark.dirY, look.length, look.width);
    EndWindowPixels();
}

void DeleteHudTexture(unsigned texture) {
    GLuint name = texture;
    if (name != 0)
        glDeleteTextures(1, &name);
}

void ViewportSize(int& width, int& height) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2];
    height = viewport[3];
}
