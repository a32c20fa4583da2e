// SPDX-License-Identifier: GPL-3.0-or-later
// Crash reports that survive the crash: the line is written ahead, and the handler only writes it
// out with write(2), which is safe in a signal handler.
#include "Crash.h"

#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define QUINTARA_SANITIZERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define QUINTARA_SANITIZERS 1
#endif
#endif

namespace quintara::monkey {

namespace {

// Signal handlers take no context: the prepared line and the descriptor live here.
std::array<char, 96> g_line{};
size_t g_length = 0;
int g_report_fd = -1;

void WriteLine() {
    if (g_length == 0) {
        return;
    }
    (void)!write(STDERR_FILENO, g_line.data(), g_length);
    if (g_report_fd >= 0) {
        (void)!write(g_report_fd, g_line.data(), g_length);
    }
}

void OnSignal(int signal) {
    WriteLine();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void InstallCrashReport(int report_fd) {
    g_report_fd = report_fd;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        std::signal(signal, &OnSignal);
    }
#ifdef QUINTARA_SANITIZERS
    __sanitizer_set_death_callback(&WriteLine);
#endif
}

void MarkPosition(uint32_t seed, size_t index) {
    const int length = std::snprintf(g_line.data(), g_line.size(),
                                     "monkey: CRASH seed=%u event=%zu\n", seed, index);
    g_length = length > 0 ? static_cast<size_t>(length) : 0;
}

}  // namespace quintara::monkey

#ifdef QUINTARA_SANITIZERS
// UndefinedBehaviorSanitizer ends a run through abort(), so the crash report above names the
// event; left to itself it would exit without a word of where.
extern "C" const char* __ubsan_default_options() {
    return "abort_on_error=1:print_stacktrace=1";
}
#endif
