#pragma once

// How the end-to-end drivers report: one line per check, and an exit code that says whether
// any of them failed.

#include <cstdio>

namespace e2e {

inline int& FailedChecks() {
    static int count = 0;
    return count;
}

inline void check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    std::fflush(stdout);
    if (!ok)
        ++FailedChecks();
}

inline int ExitCode() {
    return FailedChecks() == 0 ? 0 : 1;
}

} // namespace e2e
