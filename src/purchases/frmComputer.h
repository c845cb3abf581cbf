// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Computer hardware: ten components, each bought one model at a time.

#include "purchases/LadderStore.h"

#include <QCoreApplication>

class frmComputer : public LadderStore {
    Q_DECLARE_TR_FUNCTIONS(frmComputer)

public:
    static constexpr QStringView Name = u"frmComputer";
    explicit frmComputer(Game& game);

    QPushButton *cmdBuyComp, *cmdBuyRAM, *cmdBuyVinchester, *cmdBuyCDRom, *cmdBuyVideoKarta,
        *cmdBuySvukKarta, *cmdBuyMonitor, *cmdBuyPrinter, *cmdBuySkaner, *cmdBuyModem;

protected:
    void showNothing() override;
};
