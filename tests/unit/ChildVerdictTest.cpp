// SPDX-License-Identifier: MIT
// A verdict worked out in a child process: it comes back whole however long, the parent never
// waits for it, and a child that dies or is stopped says so.
#include "ChildVerdict.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

// Asks for the verdict until it comes, a millisecond apart; false after 10 s.
bool Await(ChildVerdict& verdict, bool& yes, std::string& why) {
    for (int tries = 0; tries < 10000; ++tries) {
        if (TakeChildVerdict(verdict, yes, why))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

} // namespace

TEST(ChildVerdict, ComesBackFromTheChildAndNeverKeepsTheParentWaiting) {
    int inParent = 1;
    const std::string long_(100000, 'x'); // more than a pipe holds at once
    const struct {
        const char* what;
        std::function<bool(std::string&)> judge;
        bool yes;
        std::string why;
    } cases[] = {
        {"yes", [](std::string&) { return true; }, true, ""},
        {"yes, with what it found",
         [](std::string& said) {
             said = "1 2 3";
             return true;
         },
         true, "1 2 3"},
        {"an empty no", [](std::string&) { return false; }, false, ""},
        {"a reason longer than the pipe",
         [&](std::string& said) {
             said = long_;
             return false;
         },
         false, long_},
        {"the child's own copy changed",
         [&](std::string& said) {
             inParent = 2;
             said = std::to_string(inParent);
             return false;
         },
         false, "2"},
        {"dead before its verdict",
         [](std::string& said) {
             raise(SIGKILL);
             said = "never";
             return true;
         },
         false, "the proof was ended by signal Killed"},
    };
    for (const auto& c : cases) {
        ChildVerdict verdict;
        std::string why = "unchanged";
        bool yes = !c.yes;
        ASSERT_TRUE(StartChildVerdict(verdict, c.judge, why)) << why;
        EXPECT_EQ(why, "unchanged") << c.what;
        ASSERT_TRUE(Await(verdict, yes, why)) << c.what;
        EXPECT_EQ(yes, c.yes) << c.what;
        EXPECT_EQ(why, c.why) << c.what;
        EXPECT_EQ(verdict.child, -1) << c.what;
        EXPECT_FALSE(TakeChildVerdict(verdict, yes, why)) << c.what << ": taken twice";
    }
    EXPECT_EQ(inParent, 1);

    // A child that works on: not waited for, and ended when asked.
    ChildVerdict verdict;
    std::string why;
    bool yes = false;
    ASSERT_TRUE(StartChildVerdict(
        verdict,
        [](std::string&) {
            sleep(60);
            return true;
        },
        why));
    EXPECT_FALSE(TakeChildVerdict(verdict, yes, why));
    const pid_t child = verdict.child;
    StopChildVerdict(verdict);
    EXPECT_EQ(verdict.child, -1);
    EXPECT_EQ(kill(child, 0), -1) << "the child was reaped";
}
