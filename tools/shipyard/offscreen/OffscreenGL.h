// SPDX-License-Identifier: MIT
// A GL context that draws into an offscreen buffer, with no window and no display server.
#pragma once

#include <cstdint>
#include <string>

// Makes a compatibility-profile GL context current on a width x height pbuffer with 8-bit RGBA,
// a 24-bit depth buffer and, where the driver offers it, 4x multisampling. Works with no X
// server (Mesa's surfaceless platform). False, with the reason in `error`, when it cannot.
bool OpenOffscreenGL(int width, int height, std::string& error);

// Releases the context and the buffer.
void CloseOffscreenGL();

// The largest texture side this machine's GL takes (GL_MAX_TEXTURE_SIZE), asked of a small
// offscreen context opened and closed for the purpose; 0, with the reason in `error`, when no
// context can be had.
uint32_t OffscreenTextureSideLimit(std::string& error);
