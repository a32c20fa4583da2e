// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every address the game opens. The sites are chosen when the game is configured (the
// QUINTARA_*_SITE cache variables); by default the game opens the pages installed with it.
namespace quintara::links {

inline constexpr const char* kMakerName = "Orvella";
inline constexpr const char* kNewsPath = "/puzzleDepot/quintara-news.aspx";

// The address of a page given by its web path ("/w_orvella-quintara0-hlp0-EN.aspx"): the help
// site followed by the path, or the installed copy, whose file name ends in ".html".
QString HelpPageAddress(const QString& path);
// The news page: with a news host, host and path plus "?fid=" and the identifier, without a
// scheme; otherwise the installed copy as a file address.
QString NewsAddress();
// The maker's link: the maker's site, or the installed about page.
QString MakerAddress();
// What the maker's link reads: the site's host, or "About Quintara".
QString MakerLinkText();
// The window title: "Quintara Vers.1.3 - Orvella", and the maker's host when there is a site.
QString WindowTitle();
// The folder of the installed pages: beside the program as the build tree and an install lay
// them out.
QString PagesFolder();

}  // namespace quintara::links
