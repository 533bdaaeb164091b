// SPDX-License-Identifier: MIT
// Forking the child, reading its verdict a piece at a time, and reaping it.
#include "ChildVerdict.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The verdict as the child writes it: one of these marks, then what it said. Nothing at all means
// the child died first.
constexpr char YesMark = 'Y', NoMark = 'V';

// The child's niceness: the most a process may be given.
constexpr int ChildNiceness = 19;

void WriteAll(int fd, const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        const ssize_t written = write(fd, text.data() + at, text.size() - at);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        at += size_t(written);
    }
}

void Close(ChildVerdict& verdict) {
    if (verdict.pipe >= 0)
        close(verdict.pipe);
    verdict = ChildVerdict();
}

std::string HowItEnded(int status) {
    if (WIFSIGNALED(status))
        return std::string("the proof was ended by signal ") + strsignal(WTERMSIG(status));
    return "the proof ended without a verdict (status " + std::to_string(WEXITSTATUS(status)) + ")";
}

} // namespace

bool StartChildVerdict(ChildVerdict& verdict, const std::function<bool(std::string& said)>& judge,
                       std::string& why) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        why = std::string("no pipe for the proof: ") + std::strerror(errno);
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        // Behind the game's frames for the processor: on a machine of few cores the proof waits
        // rather than the frame loop.
        if (setpriority(PRIO_PROCESS, 0, ChildNiceness) != 0) {
        }
        std::string said;
        const bool yes = judge(said);
        WriteAll(ends[1], (yes ? YesMark : NoMark) + said);
        _exit(0);
    }
    close(ends[1]);
    if (child < 0) {
        why = std::string("no process for the proof: ") + std::strerror(errno);
        close(ends[0]);
        return false;
    }
    fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    verdict = ChildVerdict{child, ends[0], ""};
    return true;
}

bool TakeChildVerdict(ChildVerdict& verdict, bool& yes, std::string& said) {
    if (verdict.child <= 0)
        return false;
    char piece[4096];
    ssize_t got;
    while ((got = read(verdict.pipe, piece, sizeof piece)) > 0)
        verdict.read.append(piece, size_t(got));
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return false;
    int status = 0;
    while (waitpid(verdict.child, &status, 0) < 0 && errno == EINTR) {
    }
    const char mark = verdict.read.empty() ? 0 : verdict.read[0];
    yes = mark == YesMark;
    said = mark == YesMark || mark == NoMark ? verdict.read.substr(1) : HowItEnded(status);
    Close(verdict);
    return true;
}

void StopChildVerdict(ChildVerdict& verdict) {
    if (verdict.child <= 0)
        return;
    kill(verdict.child, SIGKILL);
    while (waitpid(verdict.child, nullptr, 0) < 0 && errno == EINTR) {
    }
    Close(verdict);
}
