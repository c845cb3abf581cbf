// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmComputer.h"

#include "ui/InfoPanel.h"
#include "ui/Kit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmComputer::frmComputer(Game& game)
    : LadderStore(game, Name, QT_TR_NOOP("Компьютер")) {
    const auto text = [](const char* sentence) {
        return [sentence](const QString& n) {
            return tr(sentence).arg(n);
        };
    };
    addGoods({
        {"cmdBuyComp", QT_TR_NOOP("Купить процессор"), &GameState::Comp, &GameState::lblComp,
         text(QT_TR_NOOP("Купить процессор %1."))},
        {"cmdBuyRAM", QT_TR_NOOP("Купить память RAM"), &GameState::RAM, &GameState::lblRAM,
         text(QT_TR_NOOP("Купить %1 RAM."))},
        {"cmdBuyVinchester", QT_TR_NOOP("Купить винчестер"), &GameState::Vin,
         &GameState::lblVinchester, text(QT_TR_NOOP("Купить винчестер емкостью %1."))},
        {"cmdBuyCDRom", QT_TR_NOOP("Купить CD-Rom"), &GameState::CD, &GameState::lblCDROM,
         text(QT_TR_NOOP("Купить CD-ROM %1."))},
        {"cmdBuyVideoKarta", QT_TR_NOOP("Купить видео карту"), &GameState::Video,
         &GameState::lblVideoKarta, text(QT_TR_NOOP("Купить видео карту %1."))},
        {"cmdBuySvukKarta", QT_TR_NOOP("Купить звуковую карту"), &GameState::Sound,
         &GameState::lblSoundKarta, text(QT_TR_NOOP("Купить звуковую карту %1."))},
        {"cmdBuyMonitor", QT_TR_NOOP("Купить монитор"), &GameState::Mon, &GameState::lblMonitor,
         text(QT_TR_NOOP("Купить монитор с диагональю %1."))},
        {"cmdBuyPrinter", QT_TR_NOOP("Купить принтер"), &GameState::Prn, &GameState::lblPrinter,
         text(QT_TR_NOOP("Купить %1 принтер."))},
        {"cmdBuySkaner", QT_TR_NOOP("Купить сканер"), &GameState::Scan, &GameState::lblSkaner,
         text(QT_TR_NOOP("Купить %1 сканер."))},
        {"cmdBuyModem", QT_TR_NOOP("Купить модем"), &GameState::Modem, &GameState::lblModem,
         text(QT_TR_NOOP("Купить модем %1."))},
    });
    QPushButton** members[] = {
        &cmdBuyComp,      &cmdBuyRAM,     &cmdBuyVinchester, &cmdBuyCDRom,  &cmdBuyVideoKarta,
        &cmdBuySvukKarta, &cmdBuyMonitor, &cmdBuyPrinter,    &cmdBuySkaner, &cmdBuyModem};
    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    for (size_t i = 0; i < std::size(members); ++i) {
        *members[i] = button(i);
        button(i)->setMinimumHeight(32);
        buttons->addWidget(button(i), int(i % 5), int(i / 5));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(panel());
    cmdBack = addBackButton(layout);
    setMinimumWidth(520);

    onMouseMove(this, &frmComputer::lookAway);
}

void frmComputer::showNothing() {
    panel()->clear();
}
