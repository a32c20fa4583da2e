// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace quintara {

// Registers the images under ":/quintara/": logo.png, help.png, news.png and the application icon
// icon-48.png, icon-128.png, icon-256.png and quintara.svg. They live in a static library, whose
// resources a program does not register by itself: call this before loading one. Calling it
// again is harmless.
void InitResources();

// The application icon: the scalable drawing, with the bitmaps drawn for 48, 128 and 256 pixels.
QIcon AppIcon();

}  // namespace quintara
