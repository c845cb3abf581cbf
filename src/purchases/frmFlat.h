// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The flat: more rooms, furniture, a kitchen and a bath, each bought one step at a time.

#include "purchases/LadderStore.h"

#include <QCoreApplication>

class Picture;

class frmFlat : public LadderStore {
    Q_DECLARE_TR_FUNCTIONS(frmFlat)

public:
    static constexpr QStringView Name = u"frmFlat";
    explicit frmFlat(Game& game);

    QPushButton *cmdBuyFlat, *cmdBuyMebel, *cmdBuyKitchen, *cmdBuyBath;
    Picture *imgMainFlat, *imgFlat, *imgMebel, *imgKitchen, *imgBath;

protected:
    void showNothing() override;
};
