// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/Language.h"

namespace quintara::testing {

// Sets the process-wide Language for the life of the scope and puts the earlier value back at
// its end, also when a failing check leaves the test early.
class LanguageScope {
  public:
    explicit LanguageScope(const std::string& language) : saved_(Language) { Language = language; }
    ~LanguageScope() { Language = saved_; }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

    // Switches the language inside the scope; the end of the scope still restores the first one.
    void Set(const std::string& language) { Language = language; }

  private:
    std::string saved_;
};

}  // namespace quintara::testing
