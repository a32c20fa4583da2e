// SPDX-License-Identifier: GPL-3.0-or-later
// Qt implementation of the operating-system services.
#include "ui/platform/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

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
    if (verb == QLatin1String("open")) {
        QDesktopServices::openUrl(QUrl(address));
    }
}

QDateTime QtServices::Now() {
    return QDateTime::currentDateTime();
}

}  // namespace quintara::platform
