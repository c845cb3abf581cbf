// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A player who reads the desktop in a larger font plays the same game: with the font two
// points larger, every window of the game grows to fit, and no text of a label, a button or a
// box is cut.

#include "EveryWindow.h"
#include "InEnglish.h"
#include "ScriptedGame.h"
#include "internet/frmInternet.h"
#include "ui/LineControl.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
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

// The provider's two sites show only once the player walks out onto the Internet, so the look
// over every window never sees them. Shown, each site's button fits its text, whole within the
// window, and the lines from the walk button still meet the buttons' centres; also when the
// language changes to one with longer addresses while they are shown.
TEST_F(LargerFont, TheProvidersSitesFitTheirTextsAndTheirLines) {
    game.state.lblVichod = u"Есть"_s;
    auto* provider = game.open<frmInternet>();
    ASSERT_NE(provider, nullptr);
    provider->cmdWalk->click();
    ScriptedPlatform::deliverPostedEvents();
    const auto expectSitesFit = [provider] {
        EXPECT_EQ(cut(provider).join(u"; "_s).toStdString(), "");
        const auto pixels = [](int twips) {
            return twips / Twips::PerPixel;
        };
        const QWidget* map = provider->cmdAnek->parentWidget();
        const int walk = provider->cmdWalk->mapTo(provider, provider->cmdWalk->rect().center()).x();
        EXPECT_NEAR(map->mapTo(provider, QPoint(pixels(provider->Line1->x1()), 0)).x(), walk, 1);
        for (const auto& [site, line] : {std::pair{provider->cmdAnek, provider->Line2},
                                         std::pair{provider->Command5, provider->Line3}}) {
            SCOPED_TRACE(site->objectName().toStdString());
            EXPECT_TRUE(site->isVisibleTo(provider));
            EXPECT_TRUE(
                provider->rect().contains(QRect(site->mapTo(provider, QPoint()), site->size())));
            EXPECT_EQ(line->x1(), provider->Line1->x2());
            EXPECT_EQ(line->y1(), provider->Line1->y2());
            EXPECT_NEAR(pixels(line->x2()), site->x() + site->width() / 2, 1);
            EXPECT_EQ(pixels(line->y2()), site->y());
        }
        EXPECT_LE(provider->cmdAnek->geometry().right(), provider->Command5->x());
    };
    {
        SCOPED_TRACE("in Russian");
        expectSitesFit();
    }
    InEnglish english;
    SCOPED_TRACE("switched to English");
    EXPECT_EQ(provider->Command5->text(), u"Computer: www.computer-world.tim"_s);
    expectSitesFit();
}
