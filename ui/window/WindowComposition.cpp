// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets, their places and their wiring.
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/help/Links.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/Actions.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/KeyPreview.h"
#include "ui/platform/LinkLabel.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/Services.h"
#include "ui/resources/Resources.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TVirtualKey;

namespace {

constexpr int kDesignWidth = 1000;
constexpr int kDesignHeight = 767;

QFont Verdana(int pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFrame* Panel(QWidget* parent) {
    return new QFrame(parent);
}

void Fill(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A band of placed controls is at least as wide as they reach, so the window's minimum size, which
// the layout takes from its bands, cuts none of them.
void KeepControlsWhole(QWidget* band) {
    band->setMinimumWidth(band->childrenRect().right() + 1);
}

// How close a control that slides left comes to the control before it, and how much room a
// panel of the right column keeps under its lowest control.
constexpr int kSlideGap = 16;
constexpr int kPanelMargin = 8;

// Keeps the last control of a band at its design place while the band is wide enough, and slides
// it left towards the control before it when the band is narrower, so that the window can be
// narrower than its design without cutting it. The band is never narrower than the slid control
// needs, whatever size the control takes later (the link fits its text, which may change).
class SlideLeft : public QObject {
  public:
    SlideLeft(const QWidget* before, QWidget* control)
        : QObject(control), before_(before), control_(control), design_x_(control->x()) {
        control->parentWidget()->installEventFilter(this);
        control->installEventFilter(this);
        Fit();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            Fit();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Fit() {
        QWidget* band = control_->parentWidget();
        const int nearest = before_->geometry().right() + 1 + kSlideGap;
        band->setMinimumWidth(nearest + control_->width());
        const int x = std::max(nearest, std::min(design_x_, band->width() - control_->width()));
        control_->move(x, control_->y());
    }

    const QWidget* before_;
    QWidget* control_;
    int design_x_;
};

// A panel of the right column: its design height while the window has room, down to a margin
// under its lowest control when the window is shorter than its design.
class ColumnPanel : public QFrame {
  public:
    ColumnPanel(QWidget* parent, int height) : QFrame(parent), height_(height) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setMaximumHeight(height);
    }

    QSize sizeHint() const override { return {QFrame::sizeHint().width(), height_}; }

    void KeepControlsWhole() {
        setMinimumHeight(std::min(height_, childrenRect().bottom() + 1 + kPanelMargin));
    }

  private:
    int height_;
};

template <typename Widget>
Widget* Place(Widget* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, width, height);
    return widget;
}

QPushButton* Button(QWidget* parent, const QFont& font) {
    auto* button = new QPushButton(parent);
    button->setFont(font);
    return button;
}

QCheckBox* CheckBox(QWidget* parent, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setFont(Verdana(15));
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(palette);
    return box;
}

QLabel* WhiteText(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

}  // namespace

TfrmSudoku::TfrmSudoku(platform::Services& services, PuzzleSource puzzles, QWidget* parent)
    : QWidget(parent), services_(services), game_(services, std::move(puzzles), *this) {
    setWindowTitle(links::WindowTitle());
    QFont window_font(QStringLiteral("MS Sans Serif"));
    window_font.setPixelSize(11);
    setFont(window_font);
    resize(kDesignWidth, kDesignHeight);

    CreateActions();
    CreateCommandKeys();
    CreateTopBand();
    CreateRightColumn();
    CreateBottomBand();
    CreateGridPanel();
    ComposeWindow();

    new platform::TKeyPreview(
        this, keyboard_layout_,
        [this](QObject* sender, TVirtualKey& key, platform::TShiftState shift) {
            FormKeyDown(sender, key, shift);
        },
        [this](TVirtualKey key) { return IsCommandKey(key); });

    frmShowUpgrade = new TfrmShowUpgrade(services_, this);
}

TfrmSudoku::~TfrmSudoku() = default;

void TfrmSudoku::CreateActions() {
    const auto action = [this](const char* caption, void (TfrmSudoku::*handler)(QObject*)) {
        auto* act = new QAction(QString::fromUtf8(caption), this);
        connect(act, &QAction::triggered, this, [this, act, handler] { (this->*handler)(act); });
        return act;
    };
    ActPrint = action("Stampa [F7]", &TfrmSudoku::ActPrintExecute);
    ActGenera = action("Genera [F10]", &TfrmSudoku::ActGeneraExecute);
    ActToggleView = action("Visualizza soluzione", &TfrmSudoku::ActToggleViewExecute);
    ActPlay = action("Gioca", &TfrmSudoku::ActPlayExecute);
    ActSuggerisci = action("Suggerimento! [F4]", &TfrmSudoku::ActSuggerisciExecute);
    ActHelp = action("Guida [F1]", &TfrmSudoku::ActHelpExecute);
}

void TfrmSudoku::CreateTopBand() {
    pnlTopMain = Panel(this);
    pnlTopMain->setFixedHeight(129);

    Panel1 = Panel(pnlTopMain);
    Fill(Panel1, QColor(0x80, 0x00, 0x00));
    auto* picture = Place(new QLabel(Panel1), 1, 1, 152, 58);
    picture->setPixmap(Picture(QStringLiteral("logo.png"))
                           .scaled(152, 58, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    StaticText1 = Place(WhiteText(Panel1, QStringLiteral("Quintara"), Verdana(32, false, true)),
                        184, 8, 282, 42);
    StaticText2 =
        Place(WhiteText(Panel1, QStringLiteral("Vers.1.3"), Verdana(19)), 712, 24, 84, 27);

    auto* pnlTopControlsClient = Panel(pnlTopMain);
    btnGenera = Place(Button(pnlTopControlsClient, Verdana(15)), 8, 10, 185, 47);
    platform::BindButton(ActGenera, btnGenera);
    cbg1 = Place(new platform::TRadioGroup(3, pnlTopControlsClient), 216, 2, 217, 55);
    cbg1->setFont(Verdana(15));
    cbg1->setTitle(QStringLiteral("Dimensione "));
    cbg1->setItems({QStringLiteral("3x3"), QStringLiteral("4x4"), QStringLiteral("5x5")});
    cbg1->setItemIndex(0);
    cbgLivello = Place(new platform::TRadioGroup(3, pnlTopControlsClient), 448, 2, 345, 55);
    cbgLivello->setFont(Verdana(15));
    cbgLivello->setTitle(QString::fromUtf8("Livello di difficoltà "));
    cbgLivello->setItems(
        {QStringLiteral("Semplice    "), QStringLiteral("Medio"), QStringLiteral("Alto")});
    cbgLivello->hide();

    auto* band = new QVBoxLayout(pnlTopMain);
    band->setContentsMargins(0, 0, 0, 0);
    band->setSpacing(0);
    Panel1->setFixedHeight(60);
    pnlTopControlsClient->setFixedHeight(67);
    new SlideLeft(StaticText1, StaticText2);
    KeepControlsWhole(pnlTopControlsClient);
    band->addWidget(Panel1);
    band->addWidget(pnlTopControlsClient);
    band->addStretch();
}

void TfrmSudoku::CreateRightColumn() {
    pnlRight = Panel(this);
    pnlRight->setFixedWidth(225);

    auto* buttons = new ColumnPanel(pnlRight, 144);
    pnlButtons = buttons;
    btnPlay = Place(Button(pnlButtons, Verdana(15)), 18, 8, 191, 33);
    platform::BindButton(ActPlay, btnPlay);
    btnToggleView = Place(Button(pnlButtons, Verdana(15)), 18, 48, 191, 33);
    platform::BindButton(ActToggleView, btnToggleView);
    btnPrint = Place(Button(pnlButtons, Verdana(15)), 18, 88, 191, 33);
    platform::BindButton(ActPrint, btnPrint);
    btnPrint->hide();  // Print is reached by F7 alone

    auto* game_on = new ColumnPanel(pnlRight, 184);
    pnlGameOn = game_on;
    cbxHideTimer =
        Place(CheckBox(pnlGameOn, QStringLiteral("Nascondi timer [F9]")), 18, 10, 182, 17);
    Clock1 = Place(new platform::TDigitalClock(services_, pnlGameOn), 18, 32, 156, 32);
    Clock1->setFont(Verdana(19, true));
    // Reached with Tab, so a screen reader can read the time; a click leaves the focus alone.
    Clock1->setFocusPolicy(Qt::TabFocus);
    cbxControllo =
        Place(CheckBox(pnlGameOn, QStringLiteral("Controllo attivo [F8]")), 18, 88, 190, 17);
    cxButton1 = Place(Button(pnlGameOn, Verdana(15)), 18, 112, 190, 33);
    platform::BindButton(ActSuggerisci, cxButton1);
    connect(cbxHideTimer, &QCheckBox::toggled, this, [this] { cbxHideTimerClick(); });
    connect(cbxControllo, &QCheckBox::toggled, this, [this] { cbxControlloClick(); });

    auto* layout = new ColumnPanel(pnlRight, 159);
    pnlLayout = layout;
    StaticText3 = Place(new QLabel(QStringLiteral("Dimensione +/-"), pnlLayout), 16, 12, 121, 22);
    StaticText3->setFont(Verdana(15));
    StaticText4 = Place(new QLabel(QStringLiteral("dei caratteri e della griglia"), pnlLayout), 16,
                        36, 191, 22);
    StaticText4->setFont(Verdana(15));
    btnFontPiu = Place(Button(pnlLayout, Verdana(15)), 18, 63, 87, 33);
    btnFontPiu->setText(QStringLiteral("+"));
    btnFontMeno = Place(Button(pnlLayout, Verdana(15)), 120, 63, 87, 33);
    btnFontMeno->setText(QStringLiteral("-"));
    connect(btnFontPiu, &QPushButton::clicked, this, [this] { btnFontPiuClick(); });
    connect(btnFontMeno, &QPushButton::clicked, this, [this] { btnFontMenoClick(); });

    auto* column = new QVBoxLayout(pnlRight);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlButtons);
    column->addWidget(pnlGameOn);
    column->addStretch();
    column->addWidget(pnlLayout);
    // Room for the game panel, also while it is hidden, so that entering play never grows the
    // window.
    int least = 0;
    for (ColumnPanel* panel : {buttons, game_on, layout}) {
        panel->KeepControlsWhole();
        least += panel->minimumHeight();
    }
    pnlRight->setMinimumHeight(least);
}

void TfrmSudoku::CreateBottomBand() {
    Panel3 = Panel(this);
    Panel3->setFixedHeight(55);
    btnHelp = Place(Button(Panel3, Verdana(11)), 3, 1, 126, 40);
    platform::BindButton(ActHelp, btnHelp);
    btnHelp->setText(QStringLiteral("Guida \r\n[F1]"));
    btnHelp->setIcon(QIcon(Picture(QStringLiteral("help.png"))));
    btnHelp->setCursor(Qt::PointingHandCursor);
    cxLabel3 = Place(
        new QLabel(QString::fromUtf8("© %1").arg(QString::fromUtf8(links::kMakerName)), Panel3),
        224, 9, 283, 29);
    cxLabel3->setFont(Verdana(19, true));
    cxHyperLinkEdit2 = Place(new platform::TLinkLabel(Panel3), 556, 13, 245, 22);
    cxHyperLinkEdit2->setLink(links::MakerAddress(), links::MakerLinkText());
    new SlideLeft(cxLabel3, cxHyperLinkEdit2);
    connect(cxHyperLinkEdit2, &platform::TLinkLabel::linkActivated, this,
            [this](const QString& address) {
                services_.ShellExecuteA(this, QStringLiteral("open"), address);
            });
}

void TfrmSudoku::CreateGridPanel() {
    pnlGrid = Panel(this);
    Fill(pnlGrid, Qt::white);
    sg1Scroller = new QScrollArea(pnlGrid);
    sg1Scroller->setFrameStyle(QFrame::NoFrame);
    sg1Scroller->setWidgetResizable(true);
    Fill(sg1Scroller->viewport(), Qt::white);
    sg1 = new platform::TDrawGrid(keyboard_layout_);
    sg1->setRowCount(25);
    sg1->setColCount(25);
    sg1->setDefaultColWidth(25);
    sg1->setDefaultRowHeight(22);
    sg1->setOptions(platform::goFixedVertLine | platform::goFixedHorzLine | platform::goVertLine |
                    platform::goHorzLine);
    sg1Scroller->setWidget(sg1);
    sg1->setAccessibleName(QStringLiteral("Board"));
    sg1->OnCellText = [this](int col, int row) { return CellDescription(col, row); };
    sg1->OnDrawCell = [this](QObject* sender, int col, int row, platform::TRect rect,
                             platform::TGridDrawState state) {
        sg1DrawCell(sender, col, row, rect, state);
    };
    sg1->OnKeyDown = [this](QObject* sender, TVirtualKey& key, platform::TShiftState shift) {
        sg1KeyDown(sender, key, shift);
    };
    sg1->OnMouseDown = [this](QObject* sender, platform::TMouseButton button,
                              platform::TShiftState shift, int x,
                              int y) { sg1MouseDown(sender, button, shift, x, y); };
    connect(sg1, &platform::TDrawGrid::CurrentCellMoved, this, [this](const QRect& cell) {
        sg1Scroller->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 4,
                                   cell.height() / 2 + 4);
    });
    // A hidden grid leaves an empty white panel, without scroll bars.
    connect(sg1, &platform::TDrawGrid::VisibilityChanged, this, [this](bool visible) {
        const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        sg1Scroller->setHorizontalScrollBarPolicy(policy);
        sg1Scroller->setVerticalScrollBarPolicy(policy);
    });
    popm1 = new platform::TPopupMenu(sg1);
    popm1->AddItem(QStringLiteral("1"), 0, [this](QAction* item) { N11Click(item); });
    popm1->AddItem(QStringLiteral("2"), 0, [this](QAction*) { N21Click(); });

    auto* fill = new QVBoxLayout(pnlGrid);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(sg1Scroller);
}

void TfrmSudoku::ComposeWindow() {
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(pnlGrid, 1);
    middle->addWidget(pnlRight);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(pnlTopMain);
    window->addLayout(middle, 1);
    window->addWidget(Panel3);
}

}  // namespace quintara
