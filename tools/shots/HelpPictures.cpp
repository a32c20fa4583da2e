// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the help pages: the real window, driven as a player drives it, by its keys
// and the size choice, in each state a page describes.
#include "HelpPictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdio>
#include <functional>

#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara {
namespace {

constexpr QSize kDesignSize(1000, 767);

class Player {
  public:
    Player() {
        window.show();
        window.resize(kDesignSize);
        QApplication::processEvents();
    }

    // A key on the grid, unmodified, as the keyboard delivers it; the window previews it.
    void Press(int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.sg1, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.sg1, &release);
        QApplication::processEvents();
    }

    void Type(QChar symbol) { Press(symbol.unicode(), QString(symbol)); }

    // A 9 x 9 puzzle, the window at its design size.
    void Generate() {
        Press(Qt::Key_F10);
        window.resize(kDesignSize);
        QApplication::processEvents();
    }

    // Play, with the clock having run for the given time.
    void PlayFor(int seconds) {
        Press(Qt::Key_F5);
        services.now = services.now.addSecs(seconds);
    }

    // The hint's symbol for the selected cell; none on a given, where the hint says nothing.
    QChar Hint() {
        services.messages.clear();
        Press(Qt::Key_F4);
        const QString said = services.messages.value(0);
        return said.size() >= 3 ? said.at(said.size() - 3) : QChar();
    }

    // The next cell of the 9 x 9 board along its rows, snaking down; false after the last.
    bool Next() {
        const bool rightwards = row_ % 2 == 0;
        if ((rightwards && col_ == 8) || (!rightwards && col_ == 0)) {
            if (row_ == 8) {
                return false;
            }
            ++row_;
            Press(Qt::Key_Down);
        } else {
            col_ += rightwards ? 1 : -1;
            Press(rightwards ? Qt::Key_Right : Qt::Key_Left);
        }
        return true;
    }

    // Moves on to the next open cell and returns its solution symbol.
    QChar NextOpen() {
        for (QChar symbol; Next();) {
            if (!(symbol = Hint()).isNull()) {
                return symbol;
            }
        }
        return {};
    }

    QImage Picture() {
        QApplication::processEvents();
        window.Clock1->Refresh();
        return window.grab().toImage();
    }

    platform::RecordingServices services;
    TfrmSudoku window{services};

  private:
    int row_ = 0;
    int col_ = 0;
};

QImage Start() {
    Player player;
    return player.Picture();
}

QImage Puzzle() {
    Player player;
    player.Generate();
    return player.Picture();
}

QImage Solution() {
    Player player;
    player.Generate();
    player.Press(Qt::Key_F6);
    return player.Picture();
}

// Three right entries; the selection stays on the last.
QImage Play() {
    Player player;
    player.Generate();
    player.PlayFor(4 * 60 + 12);
    for (int n = 0; n < 3; ++n) {
        player.Type(player.NextOpen());
    }
    return player.Picture();
}

// One symbol entered twice in a row with the error view on: both marked.
QImage PlayErrors() {
    Player player;
    player.Generate();
    player.PlayFor(9 * 60 + 47);
    player.Press(Qt::Key_F8);
    const QChar symbol = player.NextOpen();
    player.Type(symbol);
    player.NextOpen();
    player.Type(symbol);
    return player.Picture();
}

// The news dialog with the print notice, as F7 shows it over a puzzle.
QImage PrintNotice() {
    Player player;
    player.Generate();
    QImage picture;
    player.services.on_modal = [&picture](QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        picture = dialog.grab().toImage();
        dialog.hide();
        return int{QDialog::Rejected};
    };
    player.Press(Qt::Key_F7);
    return picture;
}

}  // namespace

int WriteHelpPictures(const QDir& out) {
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"start.png", Start}, {"puzzle.png", Puzzle},          {"solution.png", Solution},
        {"play.png", Play},   {"play-errors.png", PlayErrors}, {"print-notice.png", PrintNotice},
    };
    return WritePictures(out, pictures);
}

}  // namespace quintara
