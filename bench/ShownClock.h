#pragma once

#include <chrono>
#include <cstdio>

// What the start-up probes print once their window has been painted: the monotonic clock in
// nanoseconds, which bench/startup_time.py subtracts from the moment it started the process.
inline void printShownClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}
