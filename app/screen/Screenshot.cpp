// SPDX-License-Identifier: MIT
// Saving the drawn frame: glReadPixels, libpng, a new file that never replaces one.
#include "Screenshot.h"

#include "PlayerFolders.h"
#include "PngCodec.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool screenshotAsked = false;

// The back buffer as RGB rows from top to bottom.
std::vector<unsigned char> ReadFrame(int width, int height) {
    std::vector<unsigned char> bottomUp(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> topDown(bottomUp.size());
    size_t row = size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(&topDown[size_t(y) * row], &bottomUp[size_t(height - 1 - y) * row], row);
    return topDown;
}

// Creates the first of NAME.png, NAME-2.png ... that does not exist yet.
int CreateNewFile(const std::string& folder, std::string& path, std::string& reason) {
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", std::localtime(&now));
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        path = folder + "/starchase-" + stamp + (attempt > 1 ? "-" + std::to_string(attempt) : "") +
               ".png";
        int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            if (descriptor < 0)
                reason = path + ": " + std::strerror(errno);
            return descriptor;
        }
    }
    reason = folder + ": too many screenshots taken this second";
    return -1;
}

bool WriteAll(int descriptor, const std::vector<unsigned char>& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        ssize_t wrote = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += size_t(wrote);
    }
    return true;
}

bool SaveScreenshot(std::string& path, std::string& reason) {
    const SDL_Surface* screen = SDL_GetVideoSurface();
    std::string folder = ScreenshotFolder();
    if (!screen || folder.empty()) {
        reason = screen ? "neither XDG_DATA_HOME nor HOME is set" : "no window";
        return false;
    }
    std::vector<unsigned char> png;
    if (!EncodePng(screen->w, screen->h, 3, ReadFrame(screen->w, screen->h), png, reason) ||
        !MakeFolders(folder, reason))
        return false;
    int descriptor = CreateNewFile(folder, path, reason);
    if (descriptor < 0)
        return false;
    bool written = WriteAll(descriptor, png);
    int error = errno;
    if (close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        reason = path + ": " + std::strerror(error);
        unlink(path.c_str());
    }
    return written;
}

} // namespace

std::string ScreenshotFolder() {
    std::string data = PlayerDataFolder();
    return data.empty() ? data : data + "/screenshots";
}

void AskForScreenshot() {
    screenshotAsked = true;
}

bool TakeAskedScreenshot(std::string& name) {
    name.clear();
    if (!screenshotAsked)
        return false;
    screenshotAsked = false;
    std::string path, reason;
    if (SaveScreenshot(path, reason)) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
        name = path.substr(path.rfind('/') + 1);
    } else {
        std::fprintf(stderr, "starchase: screenshot not saved: %s\n", reason.c_str());
    }
    return true;
}
