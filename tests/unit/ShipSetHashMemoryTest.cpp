// SPDX-License-Identifier: MIT
// The ship set's hash reads each file once, a piece at a time: a set whose catalogue, model and
// texture are each many times the memory it may take hashes within it, to the same value as its
// files' bytes folded whole. Every allocation of this program is counted to know its peak.
#include "ShipSetHash.h"

#include "Ms3dBuilder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> liveBytes{0}, peakBytes{0};

// Each block carries its size in front of it, kept to the strictest alignment.
constexpr size_t SizeField = alignof(std::max_align_t);

void* Take(size_t size) {
    unsigned char* block = static_cast<unsigned char*>(std::malloc(size + SizeField));
    if (!block)
        std::abort(); // out of memory ends the test program
    *reinterpret_cast<size_t*>(block) = size;
    const size_t live = liveBytes += size;
    size_t peak = peakBytes;
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block + SizeField;
}

void Give(void* pointer) {
    if (!pointer)
        return;
    unsigned char* block = static_cast<unsigned char*>(pointer) - SizeField;
    liveBytes -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

} // namespace

// The array forms come to these.
void* operator new(size_t size) {
    return Take(size);
}
void operator delete(void* pointer) noexcept {
    Give(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
    Give(pointer);
}

namespace {

// Far more than a piece and a record, far less than any of the files.
constexpr size_t MostTaken = 1 << 20;
constexpr size_t FileBytes = 8 << 20;

TEST(ShipSetHashMemory, LargeFilesHashInAPiecesMemoryToTheirWholeBytesHash) {
    // A catalogue padded with blank lines, a model with bytes after its materials and a texture,
    // each of more than FileBytes.
    const std::string text = "big\nbig.ms3d\n10\n90\n";
    std::vector<unsigned char> catalogue(text.begin(), text.end());
    catalogue.resize(catalogue.size() + FileBytes, '\n');
    Ms3dFile model;
    AddSquare(model, 0, 0, 1, 1, 0, 0);
    model.materials.resize(1);
    model.materials[0].texture = ".\\big.tga";
    std::vector<unsigned char> modelBytes = WriteMs3dFile(model), texture(FileBytes + 3);
    modelBytes.resize(modelBytes.size() + FileBytes, 0x5A);
    for (size_t i = 0; i < texture.size(); ++i)
        texture[i] = uint8_t(i * 131 + (i >> 16));
    mkdir((testing::TempDir() + "memory-set").c_str(), 0777);
    WriteScratchFile("memory-set/alukset.txt", catalogue);
    WriteScratchFile("memory-set/big.ms3d", modelBytes);
    WriteScratchFile("memory-set/big.tga", texture);
    uint64_t whole = AddToShipSetHash(EmptyShipSetHash, "alukset.txt", true, catalogue);
    whole = AddToShipSetHash(whole, "big.ms3d", true, modelBytes);
    whole = AddToShipSetHash(whole, "big.tga", true, texture);
    catalogue = modelBytes = texture = {};

    const size_t before = liveBytes;
    peakBytes = before;
    uint64_t set = 0;
    std::string reason;
    const bool hashed = HashShipSet(testing::TempDir() + "memory-set", set, reason);
    const size_t taken = peakBytes - before;
    ASSERT_TRUE(hashed) << reason;
    EXPECT_EQ(set, whole);
    EXPECT_LT(taken, MostTaken) << "a file was held whole: " << taken << " bytes taken";
    EXPECT_GT(taken, 0u) << "nothing counted: the allocation hook is not in use";
}

} // namespace
