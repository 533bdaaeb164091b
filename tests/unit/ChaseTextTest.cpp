// SPDX-License-Identifier: MIT
// What the chase shows: the banner's lines, the keys panel's lines and when it shows, and when
// the window counts as left.
#include "ChaseText.h"

#include "Actions.h"
#include "HudText.h"

#include <SDL/SDL_active.h>

#include <gtest/gtest.h>

TEST(ChaseText, BannerTable) {
    const std::string press = "R: chase again \u00b7 Escape: quit";
    const std::vector<KeyHint> offers = {{"R", "chase again"}, {"Escape", "quit"}};
    const struct {
        const char* what;
        ChaseClock chase;
        BestTime best;
        std::vector<KeyHint> offers;
        std::vector<std::string> lines;
        Split last = {};
    } rows[] = {
        {"no record yet, none kept", {67449, true}, {}, offers,
         {"All 12 chasers down in 67.449 s", press}},
        {"the record stands", {67449, true}, {true, 61299, false}, offers,
         {"All 12 chasers down in 67.449 s", "Best 61.299 s", press}},
        {"beaten", {59000, true}, {true, 61299, true}, offers,
         {"All 12 chasers down in 59.000 s", "New best", press}},
        {"the first record kept", {110299, true}, {false, 0, true}, offers,
         {"All 12 chasers down in 110.299 s", "New best", press}},
        {"the keys the player bound", {67449, true}, {}, {{"Q", "quit"}},
         {"All 12 chasers down in 67.449 s", "Q: quit"}},
        {"no key on offer", {67449, true}, {}, {}, {"All 12 chasers down in 67.449 s"}},
        {"raced against the ghost, behind it", {67449, true}, {true, 61299, false}, offers,
         {"All 12 chasers down in 67.449 s", "Best 61.299 s", "+6.150 on the ghost", press},
         {12, 67449, true, 6150}},
        {"the last break-up not compared: the ghost had fewer", {67449, true}, {}, {},
         {"All 12 chasers down in 67.449 s"}, {12, 67449, false, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BannerLines(row.chase, row.best, row.last, "the ghost", row.offers), row.lines)
            << row.what;
}

// Each break-up against the pace's of the same count: the difference, its sign and colour, and
// the corner's words.
TEST(ChaseText, SplitsAgainstThePace) {
    const std::vector<uint64_t> pace = {1000, 1000, 12345, 61299};
    const struct {
        size_t down;
        uint64_t milliseconds;
        const char* text;
        int side;
    } rows[] = {
        {1, 812, "1 down 0.812 s, -0.188", -1},
        {2, 1000, "2 down 1.000 s, 0.000", 0},
        {3, 12345 + 812, "3 down 13.157 s, +0.812", 1},
        {3, 11533, "3 down 11.533 s, -0.812", -1},
        {4, 61299 + 3600000, "4 down 3661.299 s, +3600.000", 1},
        {5, 70000, "5 down 70.000 s", 0}, // the pace had fewer
        {0, 10, "0 down 0.010 s", 0},      // never counted: no break-up 0
    };
    for (const auto& row : rows) {
        const Split split = SplitAt(row.down, row.milliseconds, pace);
        EXPECT_EQ(SplitText(split), row.text) << row.text;
        EXPECT_EQ(SideOf(split), row.side) << row.text;
    }
    EXPECT_FALSE(SplitAt(1, 500, {}).compared);
    EXPECT_EQ(SignedSecondsText(-1), "-0.001");
    EXPECT_EQ(SignedSecondsText(INT64_MIN), "-9223372036854775.808");
}

TEST(ChaseText, KeysPanelShowsAtTheStartUntilAKeyOrTenSeconds) {
    const struct {
        const char* what;
        bool hints;                   // the start's showing asked for
        std::vector<uint32_t> frames; // milliseconds
        bool keyPressed, asked, shown;
    } rows[] = {
        {"at the start", true, {}, false, false, true},
        {"just before ten seconds", true, {9000, 999}, false, false, true},
        {"at ten seconds", true, {9000, 1000}, false, false, false},
        {"after a key", true, {16}, true, false, false},
        {"asked for again after a key", true, {16}, true, true, true},
        {"turned off at the start", false, {}, false, false, false},
        {"turned off, asked for", false, {20000}, false, true, true},
    };
    for (const auto& row : rows) {
        KeysPanel panel;
        panel.atStart = row.hints;
        for (uint32_t ms : row.frames)
            CountPanelFrame(panel, ms);
        if (row.keyPressed)
            PanelKeyPressed(panel);
        EXPECT_EQ(KeysPanelShown(panel, row.asked), row.shown) << row.what;
    }
}

namespace {

// DejaVu Sans Bold at the display's 16 points: about 9 pixels a character, and 19 a line.
constexpr int CharacterPixels = 9, LinePixels = 19;

int Pixels(const std::string& text) {
    int count = 0;
    for (unsigned char c : text)
        count += (c & 0xc0) != 0x80;
    return count * CharacterPixels;
}

// The text with its blanks and the hints' separators left out.
std::string Letters(std::string text) {
    for (const std::string& gap : {HintSeparator, std::string(" ")})
        for (size_t at; (at = text.find(gap)) != std::string::npos;)
            text.erase(at, gap.size());
    return text;
}

} // namespace

// The default keys' panel in windows from F2's up: every line within the margins, nothing lost or
// reordered, and the panel below the corner's display of three lines and a note.
TEST(ChaseText, KeysPanelFitsEveryWindowWidth) {
    std::vector<KeyHint> hints;
    for (const ActionRow& row : Actions)
        hints.push_back({KeyLabel(row.key), ActionHelp(row)});
    const std::string line = HintsLine(hints);
    const int margin = 12; // the panel's, on each side
    for (const WindowSize window : {SmallWindowSize, WindowSize{800, 600}, FullScreenSize,
                                    WindowSize{1920, 1080}}) {
        SCOPED_TRACE(window.width);
        const int room = window.width - 2 * margin - 1;
        const std::vector<std::string> lines = FitLines({line}, room, Pixels);
        std::string joined;
        for (const std::string& fitted : lines) {
            EXPECT_LE(Pixels(fitted), room) << fitted;
            joined += fitted;
        }
        EXPECT_EQ(Letters(joined), Letters(line));
        EXPECT_LE(int(lines.size()) * LinePixels + 2 * margin, window.height - 8 - 4 * LinePixels);
    }
}

TEST(ChaseText, WindowLeftTable) {
    struct Event {
        bool gain;
        uint8_t state;
    };
    const struct {
        const char* what;
        std::vector<Event> events;
        bool left;
    } rows[] = {
        {"as it starts", {}, false},
        {"focus lost", {{false, SDL_APPINPUTFOCUS}}, true},
        {"focus back", {{false, SDL_APPINPUTFOCUS}, {true, SDL_APPINPUTFOCUS}}, false},
        {"iconified", {{false, SDL_APPACTIVE}}, true},
        {"the mouse left: not heeded", {{false, SDL_APPMOUSEFOCUS}}, false},
        {"iconified and unfocused at once, focus back first",
         {{false, SDL_APPACTIVE | SDL_APPINPUTFOCUS}, {true, SDL_APPINPUTFOCUS}},
         true},
        {"then shown again",
         {{false, SDL_APPACTIVE | SDL_APPINPUTFOCUS},
          {true, SDL_APPINPUTFOCUS},
          {true, SDL_APPACTIVE}},
         false},
    };
    for (const auto& row : rows) {
        WindowPresence presence;
        for (const Event& e : row.events)
            TakeActiveEvent(presence, e.gain, e.state);
        EXPECT_EQ(WindowLeft(presence), row.left) << row.what;
    }
}
