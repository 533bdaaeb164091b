// shipyard: decode, inspect, render and generate the game's assets with the game's own readers.
#include "Shipyard.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(int argc, char** argv);
};

const Command Commands[] = {
    {"texture", "texture IN OUT     decode a TGA image to raw RGB(A) pixels", TextureCommand},
    {"model", "model IN           print a MilkShape 3D model as JSON", ModelCommand},
    {"render",
     "render [--size N] IN OUT.png\n"
     "                     draw a model from above and at an angle; with --size,\n"
     "                     one N-pixel square view at the angle (an icon)",
     RenderCommand},
    {"generate", "generate DIR       write the default game data into DIR", GenerateCommand},
    {"replay",
     "replay [--data DIR] FILE\n"
     "                     play a demo to its end with no window and print how it ended",
     ReplayCommand},
};

int Usage() {
    std::fprintf(stderr, "usage: shipyard COMMAND ...\n");
    for (const Command& c : Commands)
        std::fprintf(stderr, "  shipyard %s\n", c.usage);
    return 2;
}

} // namespace

int Refuse(const char* subject, const char* reason) {
    std::fprintf(stderr, "shipyard: %s: %s\n", subject, reason);
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    for (const Command& c : Commands)
        if (std::strcmp(argv[1], c.name) == 0)
            try { // the readers refuse what memory cannot hold; this is the last line of defence
                return c.run(argc - 2, argv + 2);
            } catch (const std::bad_alloc&) {
                return Refuse(c.name, "out of memory");
            }
    return Usage();
}
