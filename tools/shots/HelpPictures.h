// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>
#include <functional>
#include <span>
#include <utility>

namespace quintara {

using Picture = std::pair<const char*, std::function<QImage()>>;

// Takes each picture and saves it under its name in `out`; returns the number that failed.
int WritePictures(const QDir& out, std::span<const Picture> pictures);

// The pictures of the help pages (help/images); returns the number that failed.
int WriteHelpPictures(const QDir& out);

}  // namespace quintara
