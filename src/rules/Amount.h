// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The boxes where the player types a sum of dollars (the bank's amounts, the roulette's number
// and stake) take digits only.

#include "rules/Effects.h"

#include <QChar>

namespace Amount {

// The key filter: Backspace and the digits 0 to 9 pass; any other key is refused, and the
// player is told so.
bool acceptsKey(QChar key, Effects& effects);

} // namespace Amount
