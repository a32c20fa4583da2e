// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's command line.
#include "Options.h"

#include <cstdio>
#include <cstdlib>

#include "Places.h"

namespace quintara::monkey {

namespace {

const char* const kUsage =
    "usage: quintara_monkey [--seed N]... [--seeds FIRST-LAST] [--fresh COUNT] [--events N]\n"
    "                       [--soak] [--minutes M] [--keep PLACES] [--no-shrink] [--shrink-seconds "
    "S]\n"
    "                       [--look-every N] [--quiet] [--list]\n"
    "  --seed N          play seed N (replays a failure the monkey printed)\n"
    "  --seeds A-B       play seeds A to B\n"
    "  --fresh COUNT     play COUNT new seeds, printed as they start\n"
    "  --events N        events a seed plays (default 5000)\n"
    "  --soak            play new seeds until stopped (Ctrl-C), with memory figures\n"
    "  --minutes M       soak for M minutes\n"
    "  --keep PLACES     play only these events of the seed's stream, e.g. 3,17,40-52\n"
    "  --no-shrink       report a failure without shrinking it\n"
    "  --list            print the seed's events (those --keep names) instead of playing\n";

bool ToNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long long n = 0;
        unsigned long long last = 0;
        bool takes_value = true;
        bool ok = value != nullptr;
        if (arg == "--seed") {
            ok = ok && ToNumber(value, n) && n <= UINT32_MAX;
            o.seeds.push_back(static_cast<uint32_t>(n));
        } else if (arg == "--seeds") {
            ok = ok && std::sscanf(value, "%llu-%llu", &n, &last) == 2 && n <= last &&
                 last <= UINT32_MAX;
            for (unsigned long long s = n; ok && s <= last; ++s) {
                o.seeds.push_back(static_cast<uint32_t>(s));
            }
        } else if (arg == "--fresh") {
            ok = ok && ToNumber(value, n);
            o.fresh = n;
        } else if (arg == "--events") {
            ok = ok && ToNumber(value, n) && n > 0;
            o.events = n;
        } else if (arg == "--minutes") {
            o.minutes = ok ? std::strtod(value, nullptr) : 0;
            ok = ok && o.minutes > 0 && o.minutes < 1e6;
            o.soak = true;
        } else if (arg == "--keep") {
            o.keep = ok ? ParsePlaces(value) : std::nullopt;
            ok = o.keep.has_value() && !o.keep->empty();
        } else if (arg == "--shrink-seconds") {
            o.shrink_seconds = ok ? std::strtod(value, nullptr) : 0;
        } else if (arg == "--look-every") {
            ok = ok && ToNumber(value, n) && n > 0;
            o.look_every = n;
        } else if (arg == "--report-fd") {
            ok = ok && ToNumber(value, n);
            o.report_fd = static_cast<int>(n);
        } else {
            takes_value = false;
            ok = true;
            if (arg == "--no-shrink") {
                o.shrink = false;
            } else if (arg == "--list") {
                o.list = true;
            } else if (arg == "--soak") {
                o.soak = true;
            } else if (arg == "--quiet") {
                o.quiet = true;
            } else if (arg == "--worker") {
                o.worker = true;
            } else {
                ok = false;
            }
        }
        if (!ok) {
            std::fputs(kUsage, stderr);
            return std::nullopt;
        }
        if (arg != "--worker" && arg != "--report-fd") {
            o.arguments.push_back(arg);
            if (takes_value) {
                o.arguments.emplace_back(value);
            }
        }
        i += takes_value ? 1 : 0;
    }
    if ((o.keep || o.list) && o.seeds.size() != 1) {
        std::fputs("quintara_monkey: --keep and --list need exactly one --seed\n", stderr);
        return std::nullopt;
    }
    if (o.seeds.empty() && o.fresh == 0 && !o.soak) {
        o.fresh = 1;
    }
    return o;
}

}  // namespace quintara::monkey
