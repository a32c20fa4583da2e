// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quintara {

// Registers the images under ":/quintara/": logo.png, help.png, news.png and the application icon
// icon-48.png, icon-128.png, icon-256.png and quintara.svg. They live in a static library, whose
// resources a program does not register by itself: call this before loading one. Calling it
// again is harmless.
void InitResources();

// One of the PNG pictures above, by its name, read without an image-format plugin.
QPixmap Picture(const QString& name);

// Qt's Fusion style draws each group box's frame from a PNG it names by file alone, and an image
// read that way makes Qt load every image-format plugin first, to ask whether one of them reads
// it. Call once at start: the frame is read here without them, into the cache the style looks in.
void PreloadStylePictures();

// The application icon: the bitmaps drawn for 48, 128 and 256 pixels, and the scalable drawing for
// any other size. It names 48 and 128 as its sizes, the ones a window system takes.
QIcon AppIcon();

}  // namespace quintara
