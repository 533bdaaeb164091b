// SPDX-License-Identifier: MIT
// Entry point of GL test programs: opens the SDL GL window, then runs every test in it.
#include "GLTest.h"

#include <gtest/gtest.h>

#include <cstdio>

std::array<unsigned char, 3> ReadPixel(int x, int y) {
    std::array<unsigned char, 3> rgb{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

void ResetGLState() {
    glViewport(0, 0, GLTestWidth, GLTestHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("GL tests need a display: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(GLTestWidth, GLTestHeight, 32, SDL_OPENGL)) {
        std::printf("GL tests could not open a GL window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    ResetGLState();
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
