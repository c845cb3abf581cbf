// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game as the player starts it, for the programs that look at it under a real window
// system: its settings in a folder of the test's own (never the player's), its main window
// shown, and its clocks stopped while it is looked at.

#include "Checks.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "ui/Game.h"
#include "ui/QtPlatform.h"
#include "ui/Timer.h"

#include <QTemporaryDir>

namespace Checks {

// Points the settings and the game's own files at `home`; before the application is made.
inline void useHome(const QTemporaryDir& home) {
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
}

struct DesktopGame {
    QtPlatform platform;
    WindowCatalog windows = gameWindows();
    Game game{platform, windows};
    frmMain* main = nullptr;

    DesktopGame() {
        game.start();
        main = game.loaded<frmMain>();
        check(main && main->isVisible(), QStringLiteral("the main window is shown"));
        if (!main)
            return;
        main->tmrTime->setInterval(0);
        main->Timer1->setInterval(0);
        settle();
    }
};

} // namespace Checks
