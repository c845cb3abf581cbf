// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmFlat.h"

#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmFlat::frmFlat(Game& game)
    : LadderStore(game, Name, u"Квартира"_s) {
    auto picture = [this](const char* name, const char* art) {
        auto* p = named<Picture>(name, QString::fromLatin1(art), this);
        p->setFixedSize(240, 180);
        return p;
    };
    imgMainFlat = picture("imgMainFlat", "flat/main");
    imgFlat = picture("imgFlat", "flat/rooms");
    imgMebel = picture("imgMebel", "flat/mebel");
    imgKitchen = picture("imgKitchen", "flat/kitchen");
    imgBath = picture("imgBath", "flat/bath");

    addGoods({
        {"cmdBuyFlat", u"Купить новую квартиру и продать старую", &GameState::Flat,
         &GameState::lblRoom,
         [](const QString& n) -> QString {
             return u"Купить квартиру с \""_s + n + u"\" комнатами."_s;
         },
         imgFlat},
        {"cmdBuyMebel", u"Закупка мебели", &GameState::Mebel, &GameState::lblMebel,
         [](const QString& n) -> QString { return n + u" мебель. Купить."_s; }, imgMebel},
        {"cmdBuyKitchen", u"Купить кухню", &GameState::Kitchen, &GameState::lblKitchen,
         [](const QString& n) -> QString { return n + u" кухня. Купить."_s; }, imgKitchen},
        {"cmdBuyBath", u"Купить ванную", &GameState::Bath, &GameState::lblBath,
         [](const QString& n) -> QString { return n + u". Купить."_s; }, imgBath},
    });
    cmdBuyFlat = button(0);
    cmdBuyMebel = button(1);
    cmdBuyKitchen = button(2);
    cmdBuyBath = button(3);

    // The five pictures share one place; one shows at a time.
    auto* pictures = new QGridLayout;
    for (Picture* p : {imgMainFlat, imgFlat, imgMebel, imgKitchen, imgBath})
        pictures->addWidget(p, 0, 0, Qt::AlignCenter);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdBuyFlat, cmdBuyMebel, cmdBuyKitchen, cmdBuyBath}) {
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(pictures);
    top->addLayout(buttons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(panel());
    cmdBack = addBackButton(layout);
    setMinimumWidth(600);

    onMouseMove(this, &frmFlat::Form_MouseMove);
    Form_MouseMove(); // the window opens showing the flat as a whole
}

void frmFlat::Form_MouseMove() {
    showOnly(imgMainFlat);
    panel()->clear(u"Покупайте и обустраивайте вашу квартиру"_s);
}
