// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shop's three columns stand still while its panels change their texts: the pointer over
// the meals, over every outfit of the clothes ladder and every car, the cars bought one after
// another, and satiety falling and rising while the shop is open.

#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "purchases/frmShop.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ShopLayout : public ScriptedGame<> {
protected:
    ShopLayout() {
        game.state.lblMoney = u"5000"_s;
        shop = game.open<frmShop>();
        settle();
    }

    // The event loop's turn: the layout follows the texts that changed.
    static void settle() { ScriptedPlatform::deliverPostedEvents(); }

    void hover(QWidget* control) {
        const QPointF at(control->width() / 2.0, control->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &move);
        settle();
    }

    // Each column's left edge and width, told by the button at its head: "11+233 ...".
    QString columns() const {
        QStringList found;
        for (const QPushButton* head : {shop->cmdBuyBrakfast, shop->cmdBuyClothes, shop->cmdCar})
            found << u"%1+%2"_s.arg(head->mapTo(shop, QPoint()).x()).arg(head->width());
        return found.join(u' ');
    }

    frmShop* shop = nullptr;
};

} // namespace

TEST_F(ShopLayout, TheColumnsKeepTheirPlacesWhateverThePanelsShow) {
    ASSERT_NE(shop, nullptr);
    const QString first = columns();
    const QSize size = shop->size();
    // Nothing is squeezed: the window has room for all the layout wants.
    EXPECT_GE(shop->width(), shop->sizeHint().width());
    const auto unchanged = [&](const QString& after) {
        SCOPED_TRACE(after.toStdString());
        EXPECT_EQ(columns().toStdString(), first.toStdString());
        EXPECT_EQ(shop->width(), size.width());
        EXPECT_EQ(shop->height(), size.height());
    };

    for (QPushButton* meal : {shop->cmdBuyBrakfast, shop->cmdBuyDinner, shop->cmdBuySupper}) {
        hover(meal);
        unchanged(meal->objectName());
    }
    for (const QString& outfit : Ladders::Clothes) {
        game.state.lblClothes = outfit;
        hover(shop->cmdBuyClothes);
        unchanged(u"the offer after "_s + outfit + u": "_s + shop->lblWhat->text());
        hover(shop);
        unchanged(u"the background"_s);
    }
    while (shop->cmdCar->isEnabled()) {
        hover(shop->cmdCar);
        unchanged(u"the offer of "_s + shop->lblCar->text());
        shop->cmdCar->click();
        settle();
        unchanged(u"bought "_s + shop->lblCurCar->text());
    }
    EXPECT_EQ(game.state.lblCar, u"Mercedes"_s);
    for (const QString& satiety : {u"-29.5"_s, u"108"_s, u"1000"_s}) {
        game.state.lblHungry = satiety;
        game.stateMayHaveChanged();
        settle();
        EXPECT_EQ(shop->lblHungr->text(), satiety);
        unchanged(u"satiety "_s + satiety);
    }
}
