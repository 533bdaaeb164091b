// SPDX-License-Identifier: MIT
// The demo reader under libFuzzer: any bytes are refused with a reason, or read into a demo whose
// header writes back to exactly the bytes read and whose counted frames and restarts fill the rest
// (less an entry cut short); a header read a few bytes at a time reads the same.
#include "DemoFormat.h"
#include "FuzzPieces.h"
#include "HeldKeys.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Demo demo;
    std::string reason;
    if (!ParseDemo(data, size, demo, reason)) {
        Require(!reason.empty() && demo.frameCount == 0 && demo.shipTypes.empty());
        return 0;
    }
    std::vector<unsigned char> written;
    AppendDemoHeader(written, demo);
    Require(std::memcmp(written.data(), data, written.size()) == 0);
    // The header again, fetched as the parse reaches it, one exact piece at a time.
    std::vector<unsigned char> fetched;
    const MoreBytes more = ExactPieces(data, size, fetched);
    Demo pieces;
    ByteCursor in = ByteCursor::From(more, size);
    Require(ParseDemoHeader(in, pieces, reason) && in.at == written.size() &&
            fetched.size() == written.size() && pieces.shipTypes.size() == demo.shipTypes.size());
    // A cut restart leaves more than a frame's bytes; a file without restarts never does.
    const size_t longestCut = demo.version >= 3 ? DemoRestartBytes : DemoFrameBytes;
    Require(demo.partialFrameBytes < longestCut && !(demo.finished && demo.partialFrameBytes));
    Require(demo.version >= 3 || demo.restartCount == 0);
    Require(written.size() + DemoFrameBytes * (demo.frameCount + demo.finished) +
                DemoRestartBytes * demo.restartCount + demo.partialFrameBytes ==
            size);
    return 0;
}
