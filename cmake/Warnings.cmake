# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours takes the same warning set; third-party headers come in as SYSTEM.
function(quintara_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()
