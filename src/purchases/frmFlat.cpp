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
    : LadderStore(game, Name, QT_TR_NOOP("Квартира")) {
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
        {"cmdBuyFlat", QT_TR_NOOP("Купить новую квартиру и продать старую"), &GameState::Flat,
         &GameState::lblRoom,
         [](const QString& n) { return tr("Купить квартиру с \"%1\" комнатами.").arg(n); },
         imgFlat},
        {"cmdBuyMebel", QT_TR_NOOP("Закупка мебели"), &GameState::Mebel, &GameState::lblMebel,
         [](const QString& n) { return tr("%1 мебель. Купить.").arg(n); }, imgMebel},
        {"cmdBuyKitchen", QT_TR_NOOP("Купить кухню"), &GameState::Kitchen, &GameState::lblKitchen,
         [](const QString& n) { return tr("%1 кухня. Купить.").arg(n); }, imgKitchen},
        {"cmdBuyBath", QT_TR_NOOP("Купить ванную"), &GameState::Bath, &GameState::lblBath,
         [](const QString& n) { return tr("%1. Купить.").arg(n); }, imgBath},
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

    onMouseMove(this, &frmFlat::lookAway);
    lookAway(); // the window opens showing the flat as a whole
}

void frmFlat::showNothing() {
    showOnly(imgMainFlat);
    panel()->clear(tr("Покупайте и обустраивайте вашу квартиру"));
}
