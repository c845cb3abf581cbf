// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window tests that look over every window of the game, one after another.

#include "InEnglish.h"
#include "app/GameWindows.h"
#include "runner/ScriptedPlatform.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Language.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

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

// `found(window)` lists what is wrong in a window: nothing, in every window of the game, each
// opened in turn as the player would open it (with money enough for every offer), in Russian
// and again in English.
template <class Check>
void expectNothingInAnyWindow(Game& game, const WindowCatalog& windows, Check found) {
    game.state.lblMoney = QStringLiteral("30000");
    for (const Language language : {Language::English, Language::Russian}) {
        speak(language);
        const std::string in = " in " + languageCode(language).toStdString();
        forEveryWindow(game, windows, [&found, &in](const QString& name, QWidget* window) {
            EXPECT_EQ(found(window).join(QStringLiteral("; ")).toStdString(), "")
                << name.toStdString() << in;
        });
    }
}
