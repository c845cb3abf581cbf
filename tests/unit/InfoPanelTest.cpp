// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The information panel of the windows that sell by the piece: what it shows at first, what an
// offer fills in, and what clearing it leaves.

#include "ui/InfoPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(InfoPanel, GoodsPanelOffersAndClears) {
    QWidget window;
    InfoPanel* panel = InfoPanel::forGoods(&window);
    QLabel* what = panel->value("lblWhat");
    QLabel* price = panel->value("lblM");
    ASSERT_NE(what, nullptr);
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(what->text(), u"------------"_s);
    EXPECT_EQ(price->text(), u"0"_s);
    EXPECT_EQ(panel->txtSpec->toPlainText(), QString());
    EXPECT_EQ(window.findChild<QLabel*>(u"lblZen"_s)->text(), u"Цена:"_s);
    EXPECT_EQ(window.findChild<QLabel*>(u"Label2"_s)->text(), u"Кратко:"_s);

    panel->offer(u"Pentium 200"_s, u"250"_s, u"Процессор"_s);
    EXPECT_EQ(what->text(), u"Pentium 200"_s);
    EXPECT_EQ(price->text(), u"250"_s);
    EXPECT_EQ(panel->txtSpec->toPlainText(), u"Процессор"_s);

    panel->clear();
    EXPECT_EQ(what->text(), u"------------"_s);
    EXPECT_EQ(price->text(), u"0"_s);
    EXPECT_EQ(panel->txtSpec->toPlainText(), QString());

    // A window may say something of its own over nothing.
    panel->offer(u"Pentium 200"_s, u"250"_s, u"Процессор"_s);
    panel->clear(u"Покупайте и обустраивайте вашу квартиру"_s);
    EXPECT_EQ(what->text(), InfoPanel::Nothing);
    EXPECT_EQ(price->text(), u"0"_s);
    EXPECT_EQ(panel->txtSpec->toPlainText(), u"Покупайте и обустраивайте вашу квартиру"_s);
}
