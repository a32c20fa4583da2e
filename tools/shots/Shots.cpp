// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game window offscreen in each game state to PNG files, for the README and for
// looking at the window without a display; with --pages, the pictures of the help pages. Run
// with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <functional>

#include "HelpPictures.h"

#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara {
namespace {

// The window's design size; larger grids get what they need to show whole.
constexpr QSize kDesignSize(1000, 767);
constexpr int kRightColumn = 225;
constexpr int kBands = 129 + 55;
constexpr int kSlack = 8;

// One window with its news dialog and a clock the scene sets; the services answer Yes.
class Scene {
  public:
    Scene() {
        window.show();
        QApplication::processEvents();
    }

    void Generate(int box_size) {
        window.cbg1->setItemIndex(SizeItemOf(box_size));
        window.ActGeneraExecute(nullptr);
        const QSize grid = window.sg1->sizeHint();
        window.resize(kDesignSize.expandedTo(grid + QSize(kRightColumn + kSlack, kBands + kSlack)));
    }

    // Play starts at the services' time; the clock shows what has passed since.
    void PlayFor(int seconds) {
        window.ActPlayExecute(nullptr);
        services.now = services.now.addSecs(seconds);
    }

    // Types a symbol into a cell as a player does: select it, press the key.
    void Enter(QPoint cell, char symbol) {
        window.sg1->setSelection({cell.x(), cell.y(), cell.x(), cell.y()});
        platform::TVirtualKey key = static_cast<platform::TVirtualKey>(symbol);
        window.sg1KeyDown(window.sg1, key, 0);
    }

    // The n-th open cell, row by row; (-1, -1) past the last.
    QPoint OpenCell(int n) const {
        const int side = window.sg1->ColCount();
        for (int row = 0; row < side; ++row) {
            for (int col = 0; col < side; ++col) {
                if (window.game().GivenGrid()[row][col] == ' ' && n-- == 0) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }

    // The given symbol of a row; a space when the row has none.
    char GivenOfRow(int row) const {
        for (int col = 0; col < window.sg1->ColCount(); ++col) {
            if (window.game().GivenGrid()[row][col] != ' ') {
                return window.game().GivenGrid()[row][col];
            }
        }
        return ' ';
    }

    // The first open cell after the n-th whose row holds a given, with that given's symbol:
    // entered there, it clashes.
    std::pair<QPoint, char> ClashingEntry(int n) const {
        for (QPoint cell = OpenCell(++n); cell.x() >= 0; cell = OpenCell(++n)) {
            if (const char given = GivenOfRow(cell.y()); given != ' ') {
                return {cell, given};
            }
        }
        return {QPoint(0, 0), ' '};
    }

    QImage Picture() {
        window.sg1->SetFocus();
        QApplication::processEvents();
        window.Clock1->Refresh();
        return window.grab().toImage();
    }

    platform::RecordingServices services;
    TfrmSudoku window{services};
    TfrmShowUpgrade& news = *window.frmShowUpgrade;
};

QImage Start() {
    Scene scene;
    scene.window.resize(kDesignSize);
    return scene.Picture();
}

QImage Puzzle9() {
    Scene scene;
    scene.Generate(3);
    return scene.Picture();
}

QImage PlayWithEntry() {
    Scene scene;
    scene.Generate(3);
    scene.PlayFor(4 * 60 + 12);
    const QPoint cell = scene.OpenCell(2);
    scene.Enter(cell, scene.window.game().SolutionGrid()[cell.y()][cell.x()]);
    return scene.Picture();
}

QImage Clash() {
    Scene scene;
    scene.Generate(3);
    scene.PlayFor(9 * 60 + 47);
    scene.window.cbxControllo->setChecked(true);
    const QPoint right = scene.OpenCell(0);
    scene.Enter(right, scene.window.game().SolutionGrid()[right.y()][right.x()]);
    const auto [wrong, symbol] = scene.ClashingEntry(4);
    scene.Enter(wrong, symbol);
    return scene.Picture();
}

QImage Solution() {
    Scene scene;
    scene.Generate(3);
    scene.window.ActToggleViewExecute(nullptr);
    return scene.Picture();
}

QImage Play(int box_size) {
    Scene scene;
    scene.Generate(box_size);
    scene.PlayFor(21 * 60 + 5);
    for (int n = 0; n < 3; ++n) {
        const QPoint cell = scene.OpenCell(n * 7);
        scene.Enter(cell, scene.window.game().SolutionGrid()[cell.y()][cell.x()]);
    }
    return scene.Picture();
}

// The print notice in the news dialog, over the game being played.
QImage News() {
    Scene scene;
    scene.Generate(3);
    scene.PlayFor(60);
    QImage picture;
    scene.services.on_modal = [&](QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        picture = dialog.grab().toImage();
        dialog.hide();
        return int{QDialog::Rejected};
    };
    scene.window.ActPrintExecute(nullptr);
    return picture;
}

}  // namespace
}  // namespace quintara

int quintara::WritePictures(const QDir& out, std::span<const Picture> pictures) {
    int failures = 0;
    for (const auto& [name, take] : pictures) {
        const QString path = out.filePath(QString::fromLatin1(name));
        const QImage picture = take();
        if (picture.isNull() || !picture.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return failures;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara"));
    const bool pages = argc == 3 && QByteArray(argv[1]) == "--pages";
    if (argc != 2 && !pages) {
        std::fprintf(stderr, "usage: quintara_shots [--pages] OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[argc - 1]);
        return 1;
    }
    if (pages) {
        return quintara::WriteHelpPictures(out) == 0 ? 0 : 1;
    }
    using quintara::Play;
    const quintara::Picture shots[] = {
        {"01-start.png", quintara::Start},
        {"02-puzzle-9x9.png", quintara::Puzzle9},
        {"03-play-entry.png", quintara::PlayWithEntry},
        {"04-clash.png", quintara::Clash},
        {"05-solution.png", quintara::Solution},
        {"06-play-16x16.png", [] { return Play(4); }},
        {"07-play-25x25.png", [] { return Play(5); }},
        {"08-news.png", quintara::News},
    };
    return quintara::WritePictures(out, shots) == 0 ? 0 : 1;
}
