// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QAction;

namespace quintara::platform {

// Binds a button to an action the way the Windows framework does: a click runs the action, the
// button follows the action's enabling, and it takes a later caption change of the action only
// while its text still equals the action's previous caption (a button given a text of its own
// keeps it). The binding lives as long as the button.
class TButtonBinding : public QObject {
    Q_OBJECT

  public:
    TButtonBinding(QAction* action, QAbstractButton* button);

  private:
    void ActionChanged();

    QAction* action_;
    QAbstractButton* button_;
    QString previous_caption_;
};

// Creates the binding; the button starts with the action's caption and enabling.
void BindButton(QAction* action, QAbstractButton* button);

}  // namespace quintara::platform
