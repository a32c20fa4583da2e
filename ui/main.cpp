// SPDX-License-Identifier: GPL-3.0-or-later
// Quintara: the main window, which creates the news dialog after itself, then the event loop.
#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "ui/platform/QtServices.h"
#include "ui/resources/Resources.h"
#include "ui/window/Usudk0201.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara"));
    QApplication::setDesktopFileName(QStringLiteral("quintara"));
    quintara::PreloadStylePictures();

    quintara::platform::QtServices services;
    quintara::TfrmSudoku frmSudoku(services);

    // Opens maximized; restored, it stands centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frmSudoku.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                  frmSudoku.size(), screen->availableGeometry()));
    }
    frmSudoku.showMaximized();
    // The window's own icon, which it takes as it is shown, shared, so that message boxes without
    // a parent carry it too.
    QApplication::setWindowIcon(frmSudoku.windowIcon());
    return QApplication::exec();
}
