// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Linked into the tests that run without an application object: the process locale as the
// application has it, taken from the environment (QCoreApplication does so on Unix), so that
// a run under a Turkish locale meets its case rules as users do.
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

const bool localeTaken = [] {
    if (std::setlocale(LC_ALL, "") || !std::getenv("RUSKET_LOCALE_REQUIRED"))
        return true;
    std::fprintf(stderr, "the locale the environment names cannot be set (LANG=%s)\n", std::getenv("LANG"));
    std::exit(1);
}();

} // namespace
