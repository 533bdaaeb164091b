// SPDX-License-Identifier: MIT
// The offscreen GL context through EGL on Mesa's surfaceless platform: no window, no X server.
#include "OffscreenGL.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>

namespace {

EGLDisplay display = EGL_NO_DISPLAY;
EGLSurface surface = EGL_NO_SURFACE;
EGLContext context = EGL_NO_CONTEXT;

EGLDisplay SurfacelessDisplay() {
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

// The first config that fits, multisampled when `samples` > 0.
bool ChooseConfig(int samples, EGLConfig& config) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE,
                                 EGL_PBUFFER_BIT,
                                 EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT,
                                 EGL_RED_SIZE,
                                 8,
                                 EGL_GREEN_SIZE,
                                 8,
                                 EGL_BLUE_SIZE,
                                 8,
                                 EGL_ALPHA_SIZE,
                                 8,
                                 EGL_DEPTH_SIZE,
                                 24,
                                 EGL_SAMPLE_BUFFERS,
                                 samples > 0 ? 1 : 0,
                                 EGL_SAMPLES,
                                 samples,
                                 EGL_NONE};
    EGLint count = 0;
    return eglChooseConfig(display, attributes, &config, 1, &count) && count == 1;
}

bool Fail(const char* step, std::string& error) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%04x", unsigned(eglGetError()));
    error = std::string(step) + " failed (EGL error " + code + ")";
    CloseOffscreenGL();
    return false;
}

} // namespace

bool OpenOffscreenGL(int width, int height, std::string& error) {
    display = SurfacelessDisplay();
    if (display == EGL_NO_DISPLAY)
        return Fail("opening Mesa's surfaceless EGL display", error);
    if (!eglInitialize(display, nullptr, nullptr))
        return Fail("eglInitialize", error);
    if (!eglBindAPI(EGL_OPENGL_API))
        return Fail("binding desktop OpenGL", error);
    EGLConfig config;
    if (!ChooseConfig(4, config) && !ChooseConfig(0, config))
        return Fail("finding an RGBA pbuffer config with depth", error);
    const EGLint size[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    surface = eglCreatePbufferSurface(display, config, size);
    if (surface == EGL_NO_SURFACE)
        return Fail("creating the pbuffer", error);
    const EGLint profile[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                              EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, profile);
    if (context == EGL_NO_CONTEXT)
        return Fail("creating a compatibility-profile context", error);
    if (!eglMakeCurrent(display, surface, surface, context))
        return Fail("making the context current", error);
    return true;
}

void CloseOffscreenGL() {
    if (display == EGL_NO_DISPLAY)
        return;
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context != EGL_NO_CONTEXT)
        eglDestroyContext(display, context);
    if (surface != EGL_NO_SURFACE)
        eglDestroySurface(display, surface);
    eglTerminate(display);
    display = EGL_NO_DISPLAY;
    surface = EGL_NO_SURFACE;
    context = EGL_NO_CONTEXT;
}

uint32_t OffscreenTextureSideLimit(std::string& error) {
    if (!OpenOffscreenGL(1, 1, error))
        return 0;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    CloseOffscreenGL();
    if (largest <= 0)
        error = "GL gave no largest texture side";
    return largest > 0 ? uint32_t(largest) : 0;
}
