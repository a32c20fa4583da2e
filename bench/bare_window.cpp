// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the start-up benchmark measures the game against: the least a Qt program shows, one
// label, in a window as large as the game's and opened as it is, maximized, so that both draw
// into a pixel buffer of the same size.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Quintara"));
    label.resize(1000, 767);
    label.showMaximized();
    return QApplication::exec();
}
