// A GL context that draws into an offscreen buffer, with no window and no display server.
#pragma once

#include <string>

// Makes a compatibility-profile GL context current on a width x height pbuffer with 8-bit RGBA,
// a 24-bit depth buffer and, where the driver offers it, 4x multisampling. Works with no X
// server (Mesa's surfaceless platform). False, with the reason in `error`, when it cannot.
bool OpenOffscreenGL(int width, int height, std::string& error);

// Releases the context and the buffer.
void CloseOffscreenGL();
