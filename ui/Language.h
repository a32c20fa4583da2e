// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace quintara {

// The process-wide language setting: "IT" or "EN". Texts are Italian exactly when it equals "IT".
inline std::string Language = "IT";

inline bool IsItalian() {
    return Language == "IT";
}

// Picks the text of the current language; the sources are UTF-8.
inline QString Pick(const char* italian, const char* english) {
    return QString::fromUtf8(IsItalian() ? italian : english);
}

}  // namespace quintara
