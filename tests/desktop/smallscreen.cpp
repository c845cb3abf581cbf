// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-smallscreen: the game's windows on a small screen (run it under an 800x600 Xvfb).
// Every window must fit the screen: one larger than the screen scrolls its content, so that
// nothing is cut off and its back button can still be reached; one that fits is left alone.
// Prints one line per failed check and closes with "N passed, N failed".

#include "DesktopGame.h"
#include "app/Application.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "state/Hall.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Language.h"
#include "ui/QtPlatform.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using Checks::check;
using Checks::settle;

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    Checks::useHome(home);
    QApplication app(argc, argv);
    setUpApplication(app, u"ru"_s);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    check(screen.width() <= 800 && screen.height() <= 600, u"the screen is a small one"_s,
          u"%1x%2"_s.arg(screen.width()).arg(screen.height()));

    Checks::DesktopGame started;
    Game& game = started.game;
    frmMain* main = started.main;
    if (!main)
        return 1;

    const auto fits = [&](QWidget* window, const QString& name) {
        const QRect shown = window->geometry();
        check(shown.width() <= screen.width() && shown.height() <= screen.height(),
              name + u" fits the screen"_s, u"%1x%2"_s.arg(shown.width()).arg(shown.height()));
        // What does not fit scrolls: the content keeps its size inside a scroll area.
        const QSize least = window->minimumSizeHint();
        if (auto* scroll = window->findChild<QScrollArea*>(u"scrFit"_s)) {
            const QWidget* content = scroll->widget();
            check(content && content->width() >= content->minimumWidth() &&
                      content->height() >= content->minimumHeight(),
                  name + u" keeps its content whole in its scroll area"_s);
        } else {
            check(least.width() <= screen.width() && least.height() <= screen.height(),
                  name + u" needs no scrolling"_s,
                  u"%1x%2"_s.arg(least.width()).arg(least.height()));
        }
    };
    // The hall of fame at its fullest: ten rows of the longest texts a life leaves.
    Hall::Rows hall;
    for (int i = 0; i < Hall::Size; ++i)
        hall.push_back({u"2026-12-11T12:00:0%1"_s.arg(i), u"2026-12-11T13:00:00"_s, u"05/05/02"_s,
                        u"30/12/99"_s, 35000 + i, 35000 + i, u"Стал компьютерным президентом"_s,
                        u"ком.през."_s, 99999999});
    QDir().mkpath(game.platform.dataFolder());
    check(!Hall::save(Hall::pathIn(game.platform.dataFolder()), hall), u"a hall is written"_s);
    // Every window in Russian, then again in English, whose texts are often longer.
    for (const Language language : {Language::Russian, Language::English}) {
        useLanguage(language);
        settle();
        const QString in = u" ("_s + languageCode(language) + u")"_s;
        fits(main, u"frmMain"_s + in);
        for (const QString& name :
             {u"frmFlat"_s, u"frmShop"_s, u"frmComputer"_s, u"frmPrograms"_s, u"frmStudy"_s,
              u"frmWork"_s, u"frmBank"_s, u"frmParty"_s, u"frmHobby"_s, u"frmInternet"_s,
              u"frmHelp"_s, u"frmHistory"_s, u"frmHakerstvo"_s, u"frmHall"_s, u"frmLife"_s}) {
            FormCore* window = game.open(name);
            settle();
            if (!window) {
                check(false, name + in + u" opens"_s);
                continue;
            }
            fits(window->window(), name + in);
            game.unload(window);
            settle();
        }
    }
    return Checks::finish();
}
