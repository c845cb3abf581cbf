// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Amount.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Amount {

bool acceptsKey(QChar key, Effects& effects) {
    if (key == u'\b' || (key >= u'0' && key <= u'9'))
        return true;
    const QString notANumber = QCoreApplication::translate("Game", "Это не число!");
    effects.say(notANumber, notANumber, MsgIcon::Exclamation);
    return false;
}

} // namespace Amount
