// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Game.h"

// Every window the game has, by name.
WindowCatalog gameWindows();
