// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player who reads the desktop in a larger font plays the same game: with the font two
// points larger, every window of the game grows to fit, and no text of a label, a button or a
// box is cut.

#include "EveryWindow.h"
#include "ScriptedGame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The visible texts of `window` that do not fit the room they have.
QStringList cut(QWidget* window) {
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        QString text;
        QSize needed;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            text = label->text();
            needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                       : label->minimumSizeHint();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            text = button->text();
            needed = button->minimumSizeHint();
        } else {
            continue;
        }
        if (widget->width() < needed.width() || widget->height() < needed.height())
            found << u"%1 \"%2\" (%3x%4, needs %5x%6)"_s.arg(widget->objectName(), text.left(20))
                         .arg(widget->width())
                         .arg(widget->height())
                         .arg(needed.width())
                         .arg(needed.height());
    }
    return found;
}

class LargerFont : public ScriptedGame<> {
protected:
    LargerFont() {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() + 2);
        QApplication::setFont(font);
    }
    ~LargerFont() override { QApplication::setFont(normal_); }

private:
    QFont normal_ = QApplication::font();
};

} // namespace

TEST_F(LargerFont, EveryWindowGrowsToFitItsTexts) {
    expectNothingInAnyWindow(game, windows, cut);
}
