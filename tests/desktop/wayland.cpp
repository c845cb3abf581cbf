// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-wayland: the game under a Wayland compositor (tests/desktop/wayland.sh starts a
// headless weston for it). A Wayland compositor knows only what a program tells it: the place
// windows must name the window they open over as their parent, or a tiling compositor puts
// them beside the main window and a floating one may bury them under it; and no window place
// is kept, since Wayland reports none and every place would read as the screen's corner.
// Prints one line per failed check and closes with "N passed, N failed".

#include "DesktopGame.h"
#include "app/Application.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/QtPlatform.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

using namespace Qt::StringLiterals;

using Checks::check;
using Checks::settle;

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    Checks::useHome(home);
    QApplication app(argc, argv);
    setUpApplication(app, u"ru"_s);
    check(QGuiApplication::platformName() == u"wayland", u"the game runs on Wayland"_s,
          QGuiApplication::platformName());

    {
        Checks::DesktopGame started;
        Game& game = started.game;
        frmMain* main = started.main;
        if (!main)
            return 1;
        check(QGuiApplication::desktopFileName().endsWith(u".Timburia"),
              u"the game names its desktop file, the app id the compositor shows"_s,
              QGuiApplication::desktopFileName());

        // A place opened from the main window, and one opened from a place.
        FormCore* party = game.open(u"frmParty"_s);
        settle();
        check(party->window()->windowHandle()->transientParent() == main->windowHandle(),
              u"the party belongs to the main window"_s);
        FormCore* help = game.open(u"frmHelp"_s);
        settle();
        check(help->window()->windowHandle()->transientParent() == party->window()->windowHandle(),
              u"the help opened over the party belongs to the party"_s);
        game.unload(help);
        game.unload(party);
        settle();
        // Hidden, as at the game's end: under X this keeps the main window's place.
        main->hide();
        settle();
    }
    check(!QSettings().contains(u"MainWindow/Place"_s), u"no window place is kept"_s,
          QSettings().value(u"MainWindow/Place"_s).toString());

    return Checks::finish();
}
