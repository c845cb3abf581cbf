// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shop: the canteen's meals, the clothes ladder and the car dealer. Each kind of goods has
// its own test of the cash: meals and clothes only want money above zero, cars want whole
// dollars covering the price, and meals are refused to a player already full.
//
// The clothes and car offers follow the last pointer move, not the click: the clothes button
// buys exactly what the panel shows, so clicking twice without moving buys the same outfit
// twice.

#include "rules/Shop.h"
#include "ui/Form.h"

#include <QCoreApplication>

class InfoPanel;
class Picture;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmShop : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmShop)

public:
    static constexpr QStringView Name = u"frmShop";
    explicit frmShop(Game& game);

    void Form_Load() override;

    QLabel *Label5, *Label6, *Label7, *Label4, *Label8, *Label11;
    QLabel *lblHungr, *lblShCost, *lblShHungr, *lblWhat, *lblCurCar, *lblCar;
    QPlainTextEdit* txtSpec;
    QPushButton *cmdBuyBrakfast, *cmdBuyDinner, *cmdBuySupper, *cmdBuyClothes, *cmdCar, *cmdBack;
    Picture *imgShop, *imgCCar, *imgCarShop;
    Picture* imgCar[5];

protected:
    void retranslateUi() override;

private:
    // The copy of satiety: the life update lowers it while the shop is open, and it follows.
    void Form_MouseMove();
    void meal_MouseMove(int price);
    void meal_Click(int price);
    void cmdBuyClothes_MouseMove();
    void cmdBuyClothes_Click();
    void cmdCar_MouseMove();
    void cmdCar_Click();

    // Draws the panels: the price and gain, the outfit and the car on offer, the player's car,
    // and the buttons closed for the visit. (Hides QWidget::show, which the game never calls
    // on a place: the platform shows windows as dialogs.)
    void show();
    // Each figure that changes keeps the width of its widest text.
    void reserveWidths();

    Shop::Counter counter_;
};
