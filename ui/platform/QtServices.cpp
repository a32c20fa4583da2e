// SPDX-License-Identifier: GPL-3.0-or-later
// Qt implementation of the operating-system services.
#include "ui/platform/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

namespace quintara::platform {

namespace {

QWidget* ActiveOwner() {
    QWidget* owner = QApplication::activeModalWidget();
    return owner != nullptr ? owner : QApplication::activeWindow();
}

}  // namespace

void QtServices::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    ActiveOwner());
    box.exec();
}

DialogAnswer QtServices::MessageDlg(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ActiveOwner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return DialogAnswer::Yes;
        case QMessageBox::No:
            return DialogAnswer::No;
        default:
            return DialogAnswer::Cancel;
    }
}

int QtServices::ShowModal(QDialog& dialog) {
    return dialog.exec();
}

void QtServices::ShellExecuteA(QWidget* owner, const QString& verb, const QString& address) {
    Q_UNUSED(owner);
    if (verb != QLatin1String("open")) {
        return;
    }
    const QUrl url(address);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        // The player sees nothing, as with any failed open; a terminal shows why.
        std::fprintf(stderr, "quintara: cannot open %s: the page is not installed\n",
                     qPrintable(address));
    } else if (!QDesktopServices::openUrl(url)) {
        std::fprintf(stderr,
                     "quintara: cannot open %s: no program to open it was found or could be "
                     "started (is xdg-open installed?)\n",
                     qPrintable(address));
    }
}

QDateTime QtServices::Now() {
    return QDateTime::currentDateTime();
}

}  // namespace quintara::platform
