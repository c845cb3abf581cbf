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
    : LadderStore(game, Name, u"Компьютер"_s) {
    const auto text = [](const char16_t* before, const char16_t* after) {
        return [before, after](const QString& n) -> QString {
            return QString::fromUtf16(before) + n + QString::fromUtf16(after);
        };
    };
    addGoods({
        {"cmdBuyComp", u"Купить процессор", &GameState::Comp, &GameState::lblComp,
         text(u"Купить процессор ", u".")},
        {"cmdBuyRAM", u"Купить память RAM", &GameState::RAM, &GameState::lblRAM,
         text(u"Купить ", u" RAM.")},
        {"cmdBuyVinchester", u"Купить винчестер", &GameState::Vin, &GameState::lblVinchester,
         text(u"Купить винчестер емкостью ", u".")},
        {"cmdBuyCDRom", u"Купить CD-Rom", &GameState::CD, &GameState::lblCDROM,
         text(u"Купить CD-ROM ", u".")},
        {"cmdBuyVideoKarta", u"Купить видео карту", &GameState::Video, &GameState::lblVideoKarta,
         text(u"Купить видео карту ", u".")},
        {"cmdBuySvukKarta", u"Купить звуковую карту", &GameState::Sound, &GameState::lblSoundKarta,
         text(u"Купить звуковую карту ", u".")},
        {"cmdBuyMonitor", u"Купить монитор", &GameState::Mon, &GameState::lblMonitor,
         text(u"Купить монитор с диагональю ", u".")},
        {"cmdBuyPrinter", u"Купить принтер", &GameState::Prn, &GameState::lblPrinter,
         text(u"Купить ", u" принтер.")},
        {"cmdBuySkaner", u"Купить сканер", &GameState::Scan, &GameState::lblSkaner,
         text(u"Купить ", u" сканер.")},
        {"cmdBuyModem", u"Купить модем", &GameState::Modem, &GameState::lblModem,
         text(u"Купить модем ", u".")},
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

    onMouseMove(this, &frmComputer::Form_MouseMove);
}

void frmComputer::Form_MouseMove() {
    panel()->clear();
}
