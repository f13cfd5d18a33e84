// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/backgroundchild.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <initializer_list>
#include <sys/wait.h>
#include <unistd.h>

namespace BackgroundChild {
namespace {

int toParent = -1; // the child's end of the pipe the parent waits on

// The parent's wait: the status byte the child sends, or, when the child ends without sending
// one (a usage error, a crash), the way it ended.
[[noreturn]] void waitForChild(pid_t child, int fromChild)
{
    unsigned char status = 0;
    ssize_t got;
    do
        got = ::read(fromChild, &status, 1);
    while (got < 0 && errno == EINTR);
    if (got == 1)
        std::_Exit(status);
    int ended = 0;
    while (::waitpid(child, &ended, 0) < 0 && errno == EINTR) { }
    std::_Exit(WIFEXITED(ended) ? WEXITSTATUS(ended) : WIFSIGNALED(ended) ? 128 + WTERMSIG(ended) : 1);
}

} // namespace

void fork()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    if (child > 0) {
        ::close(ends[1]);
        waitForChild(child, ends[0]);
    }
    ::close(ends[0]);
    toParent = ends[1];
}

void release(int status)
{
    if (toParent < 0)
        return;
    std::fflush(nullptr);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (null >= 0)
            ::dup2(null, stream);
    }
    if (null > STDERR_FILENO)
        ::close(null);
    const unsigned char byte = static_cast<unsigned char>(status);
    while (::write(toParent, &byte, 1) < 0 && errno == EINTR) { }
    ::close(toParent);
    toParent = -1;
    ::setsid();
}

} // namespace BackgroundChild
