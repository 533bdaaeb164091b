// The demo reader under libFuzzer: any bytes are refused with a reason, or read into a demo that
// writes back to exactly the bytes read (less a frame cut short), every frame one a game plays.
#include "DemoFormat.h"
#include "HeldKeys.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Demo demo;
    std::string reason;
    if (!ParseDemo(data, size, demo, reason)) {
        Require(!reason.empty() && demo.frames.empty() && demo.shipTypes.empty());
        return 0;
    }
    std::vector<unsigned char> written;
    AppendDemoHeader(written, demo);
    for (const DemoFrame& frame : demo.frames) {
        Require(frame.milliseconds >= 1 && frame.milliseconds <= MaxDemoFrameMilliseconds);
        Require((frame.keys & ~AllGameKeys) == 0);
        AppendDemoFrame(written, frame);
    }
    if (demo.finished)
        AppendDemoEnd(written);
    Require(demo.partialFrameBytes < DemoFrameBytes && !(demo.finished && demo.partialFrameBytes));
    Require(written.size() + demo.partialFrameBytes == size);
    Require(std::memcmp(written.data(), data, written.size()) == 0);
    return 0;
}
