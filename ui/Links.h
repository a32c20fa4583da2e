// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every web address of the game lives here.
namespace quintara::links {

inline constexpr const char* kMakerName = "Orvella";
// The maker's web site (help pages, bottom-band link, window title). A reserved domain until the
// maker owns one.
inline constexpr const char* kMakerHost = "www.orvella.example";
inline constexpr const char* kMakerSite = "https://www.orvella.example";
// The online puzzle service's news page: host and path, without a scheme, plus its identifier.
inline constexpr const char* kNewsHost = "news.puzzledepot.example";
inline constexpr const char* kNewsPath = "/puzzleDepot/quintara-news.aspx";
inline constexpr const char* kNewsId = "QNT13W0001";

}  // namespace quintara::links
