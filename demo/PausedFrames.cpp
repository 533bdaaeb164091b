// SPDX-License-Identifier: MIT
// Holding a pause as one frame, and the bound on a best demo's paused frames.
#include "PausedFrames.h"

#include "ByteReader.h"
#include "HeldKeys.h"

namespace {

bool Paused(DemoFrame frame) {
    return KeyHeld(HeldKeys{frame.keys}, ActionPause);
}

} // namespace

void AppendChaseFrame(ChaseCut& cut, std::vector<unsigned char>& bytes, DemoFrame frame) {
    const bool updates = FrameUpdates(cut.clock, frame.milliseconds);
    if (Paused(frame) && cut.joinable && bytes.size() >= DemoFrameBytes) {
        unsigned char* last = bytes.data() + bytes.size() - DemoFrameBytes;
        const uint64_t joined = uint64_t(LittleU32(last)) + frame.milliseconds;
        if (joined <= MaxDemoFrameMilliseconds) {
            for (int i = 0; i < 4; ++i)
                last[i] = uint8_t(joined >> (8 * i));
            return;
        }
    }
    AppendDemoFrame(bytes, frame);
    cut.joinable = Paused(frame) && updates;
}

bool CountPausedFrame(PausedFrames& count, DemoFrame frame, std::string& reason) {
    const bool paused = Paused(frame);
    count.held += paused && count.lastPaused;
    count.lastPaused = paused;
    if (count.held <= MostHeldPausedFrames)
        return true;
    reason = "the demo holds more than " + std::to_string(MostHeldPausedFrames) +
             " paused frames after the first of their pause; a best demo holds a pause as one "
             "frame";
    return false;
}
