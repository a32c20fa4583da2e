// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quintara {

// One of the pictures packed at build time, by its file name: logo.png, help.png, news.png, the
// application icon's bitmaps icon-48.png, icon-128.png and icon-256.png, and Fusion's
// fusion_groupbox.png where this Qt has it. Null for any other.
QPixmap Picture(const QString& name);

// Qt's Fusion style draws each group box's frame from a PNG it names by file alone, and an image
// read that way makes Qt load every image-format plugin first, to ask whether one of them reads
// it. Call once at start: the frame, packed at build time, goes into the cache the style looks in.
void PreloadStylePictures();

// The application icon: the bitmaps drawn for 48, 128 and 256 pixels, and the scalable drawing for
// any other size. It names the three bitmap sizes, which an X11 window carries as they are.
QIcon AppIcon();

}  // namespace quintara
