// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window tests that look over every window of the game, one after another.

#include "app/GameWindows.h"
#include "runner/ScriptedPlatform.h"
#include "ui/FormCore.h"
#include "ui/Game.h"

#include <QString>
#include <QWidget>

// Opens each window of the game in turn (the main window is open already; the tests' own
// fixture window is left out), hands it to `look` with its name, and unloads it again.
template <class Look> void forEveryWindow(Game& game, const WindowCatalog& windows, Look look) {
    for (const QString& name : windows.names()) {
        if (name == u"frmFixture")
            continue;
        FormCore* form = game.loaded(name) ? game.loaded(name) : game.open(name);
        if (!form)
            continue;
        ScriptedPlatform::deliverPostedEvents();
        look(name, form->window());
        if (name != u"frmMain")
            game.unload(form);
        ScriptedPlatform::deliverPostedEvents();
    }
}
