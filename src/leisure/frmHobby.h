// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hobby: a fishing-tackle shop and the way to the lake "MAD FISH". The big picture and the
// help text follow the pointer over the goods; the rod and the tackle are sold once, bait by
// the packet.

#include "ui/Form.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>

class Picture;
class QLabel;
class QPushButton;

namespace Fishing {
struct Goods;
}

class frmHobby : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHobby)

public:
    static constexpr QStringView Name = u"frmHobby";
    explicit frmHobby(Game& game);

    void Form_Load() override;
    // The shop at rest: its own picture, no price, the word on fishing.
    void MoveMouseNezavisimo();

    Picture *imgF, *imgShop, *imgPrikormka, *imgSnasti, *imgYdochka;
    QLabel *Label12, *Label10, *Label1, *Label11, *Label2, *lblHelp, *lblCost, *lblYdochka,
        *lblSnasti, *lblPrikormka, *lblNFish;
    QPushButton *cmdBPrikormka, *cmdBSnasti, *cmdBYdochka, *cmdGoFishing, *cmdBack;

protected:
    void retranslateUi() override;

private:
    void goods_MouseMove(const Fishing::Goods& goods);
    void goods_Click(const Fishing::Goods& goods);
    void cmdGoFishing_MouseMove();
    void cmdGoFishing_Click();

    // The goods the player has for good can no longer be bought.
    void showOwned(const Fishing::Goods& goods);
    // The tackle box says what the player has.
    void showBox();
    // The help text tells of what the pointer is on, until it moves on.
    void help(std::function<QString()> text);
    void showGoods();

    // The goods' button and picture, in the order of the shop's table.
    std::array<QPushButton*, 3> buttons_{};
    std::array<Picture*, 3> pictures_{};
    std::function<QString()> help_;
};
