// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Internet's windows where the scenarios cannot follow them. A new game chosen while the
// player is online: the menu cannot be reached past a modal site in play, so the scenarios
// cannot tell this; but the new game must not leave a site behind, still charging the hours of
// the game that was given up. And the language changed while they are open: the scenarios
// read the game in Russian only.

#include "InEnglish.h"
#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "internet/frmHakerstvo.h"
#include "internet/frmInterAnek.h"
#include "internet/frmInterComp.h"
#include "internet/frmInternet.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList loadedNames(const Game& game) {
    QStringList names;
    for (FormCore* form : game.windows())
        names << form->formName();
    return names;
}

} // namespace

TEST(OnlineNewGame, TheSiteGoesWithItsCharge) {
    for (const bool jokes : {false, true}) {
        SCOPED_TRACE(jokes ? "jokes site, downloading" : "computer site");
        ScriptedPlatform platform{QString()};
        platform.date = QDate(2002, 5, 5);
        const WindowCatalog windows = gameWindows();
        {
            Game game(platform, windows);
            game.start();
            game.state.lblVichod = u"Есть"_s;
            game.state.lblMoney = u"50"_s;
            game.state.HasDownloader = -1;
            auto* provider = game.open<frmInternet>();
            provider->cmdWalk->click();
            if (jokes) {
                platform.draws.push_back(0.1);
                provider->cmdAnek->click();
                auto* site = game.loaded<frmInterAnek>();
                ASSERT_NE(site, nullptr);
                site->cmdDownload->click();
            } else {
                provider->Command5->click();
            }
            ScriptedPlatform::deliverPostedEvents();
            platform.advance(1500, [] { return false; });
            EXPECT_EQ(game.state.lblMoney, u"45"_s);

            platform.answers.push_back(true);
            game.loaded<frmMain>()->NewGame->trigger();
            ScriptedPlatform::deliverPostedEvents();
            EXPECT_EQ(loadedNames(game), (QStringList{u"frmMain"_s, u"frmFirst"_s}));
            // The old game runs on behind the start window, but nobody is online in it.
            platform.advance(9000, [] { return false; });
            EXPECT_EQ(game.state.lblMoney, u"45"_s);
            EXPECT_EQ(game.state.JokesBaseLoaded, jokes ? 21 : 0);
            EXPECT_TRUE(platform.problem.isEmpty()) << platform.problem.toStdString();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The language changes while the Internet's windows are open: what each window drew itself as
// it ran (the connect button's word, the visitors' counter, the joke pages, the den's
// take-or-refuse button) is drawn again in the new language, and again in Russian once the
// player changes back.
using OnlineLanguage = ScriptedGame<>;

TEST_F(OnlineLanguage, OpenWindowsRetellWhatTheyDrew) {
    game.state.lblVichod = u"Есть"_s;
    auto* provider = game.open<frmInternet>();
    platform.draws.push_back(0.5);
    auto* jokes = game.open<frmInterAnek>();
    jokes->Command1->click();
    auto* den = game.open<frmHakerstvo>();
    platform.draws.push_back(0.1);
    den->cmdGet->click();
    ScriptedPlatform::deliverPostedEvents();
    ASSERT_EQ(jokes->lblSiteCounter->text(), u"Сегодня нас посетило :: 5000 человек"_s);
    {
        InEnglish english;
        EXPECT_EQ(provider->cmdPodkl->text(), u"You are connected to the Internet."_s);
        EXPECT_EQ(jokes->lblSiteCounter->text(), u"Visitors today :: 5000"_s);
        EXPECT_TRUE(jokes->an[0]->toPlainText().startsWith(u"A student calls home:"_s));
        EXPECT_EQ(den->cmdGet->text(), u"Refuse"_s);
    }
    EXPECT_EQ(provider->cmdPodkl->text(), u"Вы подключились к интернету."_s);
    EXPECT_EQ(jokes->lblSiteCounter->text(), u"Сегодня нас посетило :: 5000 человек"_s);
    EXPECT_TRUE(jokes->an[0]->toPlainText().startsWith(u"Студент звонит маме:"_s));
    EXPECT_EQ(den->cmdGet->text(), u"Отказаться"_s);
    EXPECT_TRUE(platform.problem.isEmpty()) << platform.problem.toStdString();
}
