// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/Usudk02_upgrade.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/help/Links.h"
#include "ui/platform/Services.h"
#include "ui/resources/Resources.h"

namespace quintara {

const char* const kPrintNotice =
    "  In  questa  versione non e' supportata la stampa !\r\n"
    "  Se vuoi sudoku da stampare, chiudi questo messaggio e\r\n"
    "  scaricali da PuzzleDepot con il pulsante in basso \r\n"
    "  [Scarica e stampa..].";

namespace {

constexpr int kClientWidth = 437;
constexpr int kClientHeight = 169;
constexpr int kMessageHeight = 81;
constexpr int kCloseBandHeight = 47;
constexpr int kNewsButtonWidth = 438;
constexpr int kNewsButtonHeight = 40;

QFont Verdana(int pixels) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixels);
    return font;
}

// A plain panel of the dialog with a solid background.
QWidget* Panel(QWidget* parent, const QColor& colour) {
    auto* panel = new QWidget(parent);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

}  // namespace

TfrmShowUpgrade::TfrmShowUpgrade(platform::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), services_(services) {
    setWindowTitle(QStringLiteral("Nuove versioni ?"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createMessageBand());
    layout->addWidget(createNewsBand(), 1);
    layout->addWidget(createCloseBand());
}

// White band on top with the message, in lines as the message breaks them.
QWidget* TfrmShowUpgrade::createMessageBand() {
    QWidget* band = Panel(this, Qt::white);
    band->setFixedHeight(kMessageHeight);
    lblMsg = new QLabel(band);
    lblMsg->setGeometry(0, 0, kClientWidth, kMessageHeight);
    lblMsg->setTextFormat(Qt::PlainText);
    lblMsg->setWordWrap(false);
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = Verdana(13);
    font.setBold(true);
    font.setItalic(true);
    lblMsg->setFont(font);
    QPalette palette = lblMsg->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    lblMsg->setPalette(palette);
    return band;
}

// Silver band with the button to the news page.
QWidget* TfrmShowUpgrade::createNewsBand() {
    QWidget* band = Panel(this, QColor(0xC0, 0xC0, 0xC0));
    btnPuzzleDepotNews = new QPushButton(
        QIcon(Picture(QStringLiteral("news.png"))),
        QStringLiteral("Verifica se ci sono aggiornamenti, novita' o nuove versioni  !"), band);
    btnPuzzleDepotNews->setGeometry(0, 0, kNewsButtonWidth, kNewsButtonHeight);
    btnPuzzleDepotNews->setFont(Verdana(11));
    btnPuzzleDepotNews->setIconSize(QSize(32, 32));
    // Enter belongs to "Chiudi" even while the news button has the focus.
    btnPuzzleDepotNews->setAutoDefault(false);
    connect(btnPuzzleDepotNews, &QPushButton::clicked, this,
            &TfrmShowUpgrade::btnPuzzleDepotNewsClick);
    return band;
}

// Bottom band with "Chiudi", the default button, which closes with Cancel.
QWidget* TfrmShowUpgrade::createCloseBand() {
    QWidget* band = Panel(this, palette().color(QPalette::Window));
    band->setFixedHeight(kCloseBandHeight);
    btnClose = new QPushButton(QStringLiteral("Chiudi"), band);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QHBoxLayout(band);
    layout->addStretch();
    layout->addWidget(btnClose);
    layout->addStretch();
    return band;
}

void TfrmShowUpgrade::ShowNews(const QString& message) {
    lblMsg->setText(message);
    centerOnScreen();
    btnClose->setFocus();
    services_.ShowModal(*this);
}

QString TfrmShowUpgrade::NewsAddress() {
    const QString address = links::NewsAddress();
    // A web address without a scheme would be taken for a local file; Windows' shell completes it.
    return QUrl(address).isLocalFile() ? address : QStringLiteral("https://") + address;
}

void TfrmShowUpgrade::btnPuzzleDepotNewsClick() {
    services_.ShellExecuteA(this, QStringLiteral("open"), NewsAddress());
}

void TfrmShowUpgrade::centerOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame(QPoint(0, 0), frameSize());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace quintara
