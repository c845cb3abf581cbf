// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game on the scripted desktop, begun on the runner's usual date: where the window tests
// start. The desktop may be one of the test's own that acts while a message waits.

#include "app/GameWindows.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"

#include <QDate>
#include <QString>

#include <gtest/gtest.h>

template <class Desktop = ScriptedPlatform> class ScriptedGame : public ::testing::Test {
protected:
    ScriptedGame()
        : platform(QString())
        , windows(gameWindows())
        , game(platform, windows) {
        platform.date = QDate(2002, 5, 5);
        game.start();
    }
    // Windows let go of are deleted before the next test.
    ~ScriptedGame() override { ScriptedPlatform::deliverPostedEvents(); }

    Desktop platform;
    WindowCatalog windows;
    Game game;
};
