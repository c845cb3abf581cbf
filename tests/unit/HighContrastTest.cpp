// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player who reads the desktop in a high-contrast palette (white on black, the selection in
// yellow) reads every text of the game: no label keeps a colour of its own that vanishes on the
// black window, and the keyboard focus still shows.

#include "EveryWindow.h"
#include "ScriptedGame.h"
#include "ui/Kit.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The colour a widget's text is drawn on: that of the nearest widget that fills its own
// background, or else of the window.
QColor background(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return {};
}

// The visible labels of `window` drawn on the palette's window colour whose text does not read
// on it. A label on a panel of the game's own colours (the job board, the virus's plate) keeps
// the colours it was drawn in under every palette.
QStringList unreadable(QWidget* window) {
    QStringList found;
    const QColor windowColour = QApplication::palette().color(QPalette::Window);
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull() ||
            background(label) != windowColour)
            continue;
        const QColor text = label->palette().color(label->foregroundRole());
        const double ratio = contrast(text, background(label));
        if (ratio < ReadableContrast)
            found << u"%1 \"%2\" (%3 on %4)"_s.arg(label->objectName(), label->text().left(20),
                                                   text.name(), background(label).name());
    }
    return found;
}

// The pixels of the focus frame (those drawn only while `button` has the focus) that stand out
// from what the button is drawn on. A default button (the one Enter presses in the start and
// end windows) is marked as one whether or not it has the focus: its frame is measured against
// the button as a plain one.
int focusFramePixels(QPushButton* button) {
    const bool isDefault = button->isDefault();
    button->setFocus(Qt::TabFocusReason);
    const QImage focused = button->grab().toImage();
    button->clearFocus();
    button->setDefault(false);
    const QImage plain = button->grab().toImage();
    button->setDefault(isDefault);
    button->setFocus(Qt::TabFocusReason);
    const QColor under = background(button);
    int standingOut = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            const QColor pixel = focused.pixelColor(x, y);
            if (pixel != plain.pixelColor(x, y) && contrast(pixel, under) >= 3)
                ++standingOut;
        }
    return standingOut;
}

QPalette highContrast() {
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                     QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::BrightText, QPalette::ToolTipText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

class HighContrast : public ScriptedGame<> {
protected:
    HighContrast() { QApplication::setPalette(highContrast()); }
    ~HighContrast() override { QApplication::setPalette(normal_); }

private:
    QPalette normal_ = QApplication::palette();
};

} // namespace

TEST(Contrast, RunsFromTheSameColourToBlackOnWhite) {
    EXPECT_DOUBLE_EQ(contrast(Qt::black, Qt::white), 21);
    EXPECT_DOUBLE_EQ(contrast(Qt::white, Qt::black), 21);
    EXPECT_DOUBLE_EQ(contrast(Qt::yellow, Qt::yellow), 1);
    // The figures' dark blue reads on a light window, not on a black one.
    const QColor figureBlue(0x1d, 0x3f, 0x72);
    EXPECT_GE(contrast(figureBlue, QColor(0xef, 0xef, 0xef)), ReadableContrast);
    EXPECT_LT(contrast(figureBlue, Qt::black), ReadableContrast);
}

TEST_F(HighContrast, EveryLabelReadsOnTheDarkWindow) {
    expectNothingInAnyWindow(game, windows, unreadable);
}

TEST_F(HighContrast, TheFocusFrameShows) {
    forEveryWindow(game, windows, [](const QString& name, QWidget* window) {
        QApplication::setActiveWindow(window);
        ScriptedPlatform::deliverPostedEvents();
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!button || button->window() != window)
            return;
        SCOPED_TRACE(name.toStdString() + " " + button->objectName().toStdString());
        // At least half of a frame round the button.
        EXPECT_GE(focusFramePixels(button), button->width() + button->height());
    });
}
