// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Being online and hacking, by tables: the provider's connection, the sites' hours, the jokes
// download, and the hacking runs with their hidden outcomes.

#include "rules/Online.h"
#include "rules/Hacking.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "unit/ScriptedEffects.h"

#include "unit/NewGame.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The draw that Int(Rnd * count + lowest) turns into `value`: the middle of its slice.
float drawFor(int value, int count, int lowest) {
    return float((value - lowest + 0.5) / count);
}

// A whole run of assignment n with this hidden outcome: how it ends and at what percentage.
std::pair<Hacking::Step, int> run(qint16 outcome) {
    for (qint16 progress = 1; progress <= 200; ++progress) {
        const Hacking::Step step = Hacking::step(outcome, progress);
        if (step != Hacking::Step::Going)
            return {step, progress};
    }
    return {Hacking::Step::Going, 200};
}

} // namespace

TEST(Online, Connecting) {
    struct Row {
        const char* what;
        qint16 modem, browser, dialer;
        bool connects;
    };
    const Row table[] = {
        {"everything", 1, -1, -1, true},
        {"a better modem", 4, -1, -1, true},
        {"no modem", 0, -1, -1, false},
        {"no dialer", 1, -1, 0, false},
        {"no browser", 1, 0, -1, false},
        // A flag counts only when it holds exactly true.
        {"a browser flag that is not -1", 1, 1, -1, false},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblMoney = u"10"_s;
        state.Modem.Level = row.modem;
        state.HasBrowser = row.browser;
        state.HasDialer = row.dialer;
        ScriptedEffects<> effects;
        EXPECT_EQ(Online::connect(state, effects), row.connects) << row.what;
        ASSERT_EQ(effects.titles.size(), 1) << row.what;
        EXPECT_EQ(effects.titles[0],
                  row.connects ? u"Подключение произошло."_s : u"Подключение не  произошло."_s)
            << row.what;
        // Into debt if need be; a refusal changes nothing.
        EXPECT_EQ(state.lblMoney, row.connects ? u"-20"_s : u"10"_s) << row.what;
        EXPECT_EQ(state.lblVichod, row.connects ? u"Есть"_s : u"Пока нет"_s) << row.what;
        EXPECT_EQ(Online::connected(state), row.connects) << row.what;
    }
}

TEST(Online, HoursOnline) {
    GameState state = newGame();
    state.lblMoney = u"7"_s;
    QString hours = u"0"_s;
    Online::hour(state, hours, Online::Site::Computer);
    Online::hour(state, hours, Online::Site::Computer);
    EXPECT_EQ(hours, u"2"_s);
    EXPECT_EQ(state.lblMoney, u"-3"_s);
    EXPECT_EQ(state.lblHappyness, u"30"_s) << "the computer site does not amuse";
    Online::hour(state, hours, Online::Site::Jokes);
    EXPECT_EQ(hours, u"3"_s);
    EXPECT_EQ(state.lblMoney, u"-8"_s);
    EXPECT_EQ(state.lblHappyness, u"31"_s);

    // Thrown off below zero only, and never in the middle of a download.
    const std::tuple<const char16_t*, bool, bool> cases[] = {
        {u"0", false, false},   {u"-1", false, true}, {u"-1", true, false},
        {u"-0.5", false, true}, {u"4", false, false},
    };
    for (auto [cash, downloading, off] : cases) {
        state.lblMoney = QString::fromUtf16(cash);
        EXPECT_EQ(Online::mustDisconnect(state, downloading), off) << state.lblMoney.toStdString();
    }
}

TEST(Online, StartingTheDownload) {
    struct Row {
        const char* what;
        const char16_t* cash;
        qint16 downloader;
        const char16_t* refusal; // nullptr: it starts
    };
    const Row table[] = {
        {"exactly the deposit", u"25", -1, nullptr},
        {"a cent short", u"24.99", -1, u"Скачивание невозможно (мало денег)"},
        // The money is asked about first.
        {"short and no downloader", u"3", 0, u"Скачивание невозможно (мало денег)"},
        {"no downloader", u"100", 0, u"Требуется Downloader"},
        {"a downloader flag that is not -1", u"100", 1, u"Требуется Downloader"},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblMoney = QString::fromUtf16(row.cash);
        state.HasDownloader = row.downloader;
        state.JokesBaseLoaded = 37; // an earlier download that stopped half way
        ScriptedEffects<> effects;
        const bool started = Online::startDownload(state, effects);
        EXPECT_EQ(started, row.refusal == nullptr) << row.what;
        if (row.refusal)
            EXPECT_EQ(effects.titles, QStringList{QString::fromUtf16(row.refusal)}) << row.what;
        else
            EXPECT_TRUE(effects.titles.isEmpty()) << row.what;
        // A new download starts again from nothing and costs nothing by itself.
        EXPECT_EQ(state.JokesBaseLoaded, started ? 0 : 37) << row.what;
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cash)) << row.what;
    }
}

TEST(Online, DownloadSteps) {
    GameState state = newGame();
    state.JokesBaseLoaded = 0;
    int steps = 0;
    while (!Online::downloadStep(state))
        ASSERT_LT(++steps, 100);
    EXPECT_EQ(steps + 1, 100);
    EXPECT_EQ(state.JokesBaseLoaded, 100);
    EXPECT_EQ(Online::downloadText(1), u":: Скачивание ( 1%) ::"_s);
    EXPECT_EQ(Online::downloadText(100), u":: Скачивание ( 100%) ::"_s);
}

TEST(Hacking, OnlyAHackerOrAboveGetsIn) {
    struct Row {
        const char16_t* status;
        bool admitted;
    };
    const Row rows[] = {
        {u"Чайник", false},
        {u"Почти хакер", false},
        {u"Хакер", true},
        {u"Администратор", true},
        {u"Сверх профессионал", true},
        // A status the ladder does not know (a hand-edited game) is not held against the player.
        {u"хакер", true},
        {u"", true},
    };
    for (const Row& row : rows) {
        GameState state = newGame();
        state.lblStatus = QString::fromUtf16(row.status);
        ScriptedEffects<> effects;
        EXPECT_EQ(Hacking::admits(state, effects), row.admitted) << state.lblStatus.toStdString();
        EXPECT_EQ(effects.texts,
                  row.admitted ? QStringList{} : QStringList{u"Ваш статус должен быть хакер."_s});
        EXPECT_EQ(effects.titles,
                  row.admitted ? QStringList{} : QStringList{u"Вы должны быть хакер."_s});
        EXPECT_EQ(effects.icons,
                  row.admitted ? std::vector<MsgIcon>{} : std::vector<MsgIcon>{MsgIcon::None});
    }
}

TEST(Hacking, Assignments) {
    for (qint16 n = 1; n <= Hacking::Assignments; ++n) {
        EXPECT_TRUE(Hacking::assignment(n).endsWith(u"Плата за выполнение %1$."_s.arg(n + 3))) << n;
        ScriptedEffects<> effects({}, {drawFor(n, 9, 1)});
        EXPECT_EQ(Hacking::take(effects), n);
    }
    ScriptedEffects<> lowest({}, {0.0f}), highest({}, {0.99999f});
    EXPECT_EQ(Hacking::take(lowest), 1);
    EXPECT_EQ(Hacking::take(highest), 9);
    ScriptedEffects<> quick({}, {0.0f}), slow({}, {0.99999f});
    EXPECT_EQ(Hacking::stepInterval(quick), 20);
    EXPECT_EQ(Hacking::stepInterval(slow), 69);
}

TEST(Hacking, OutcomeDraws) {
    // First draw: 1..9; in the group's redraw set a second draw of 19..117 follows.
    const std::tuple<qint16, qint16, bool> table[] = {
        {1, 2, true}, {3, 4, true}, {1, 5, false}, {3, 1, false}, {3, 9, false},
        {4, 5, true}, {6, 2, true}, {6, 1, false}, {6, 9, false}, {5, 3, false},
        {7, 1, true}, {9, 9, true}, {8, 5, true},  {9, 3, false}, {7, 6, false},
    };
    for (auto [n, first, redraw] : table) {
        if (redraw) {
            ScriptedEffects<> effects({}, {drawFor(first, 9, 1), drawFor(57, 99, 19)});
            EXPECT_EQ(Hacking::outcome(n, effects), 57) << n << " " << first;
        } else {
            ScriptedEffects<> effects({}, {drawFor(first, 9, 1)});
            EXPECT_EQ(Hacking::outcome(n, effects), first) << n << " " << first;
        }
    }
    ScriptedEffects<> lowest({}, {drawFor(2, 9, 1), 0.0f}),
        highest({}, {drawFor(2, 9, 1), 0.99999f});
    EXPECT_EQ(Hacking::outcome(1, lowest), 19);
    EXPECT_EQ(Hacking::outcome(1, highest), 117);
}

TEST(Hacking, RunsEndWhereTheOutcomeSays) {
    const std::tuple<qint16, Hacking::Step, int> table[] = {
        {1, Hacking::Step::Success, 100},   {9, Hacking::Step::Success, 100},
        {19, Hacking::Step::Failure, 19},   {57, Hacking::Step::Failure, 57},
        {100, Hacking::Step::Failure, 100}, {101, Hacking::Step::Success, 100},
        {117, Hacking::Step::Success, 100},
    };
    for (auto [outcome, end, at] : table)
        EXPECT_EQ(run(outcome), std::make_pair(end, at)) << outcome;
}

TEST(Hacking, FailureChancesGrowWithTheAssignment) {
    // Every pair of draws, each value equally likely: failures out of 9 x 99.
    for (qint16 n = 1; n <= Hacking::Assignments; ++n) {
        int failures = 0;
        for (int first = 1; first <= 9; ++first) {
            for (int second = 19; second <= 117; ++second) {
                ScriptedEffects<> effects({}, {drawFor(first, 9, 1), drawFor(second, 99, 19)});
                const qint16 outcome = Hacking::outcome(n, effects);
                if (outcome <= 9) // no redraw: the second draw is never made
                    effects.draws.clear();
                failures += run(outcome).first == Hacking::Step::Failure;
            }
        }
        const int redraws = n <= 3 ? 2 : n <= 6 ? 3 : 5;
        EXPECT_EQ(failures, redraws * 82) << n;
    }
}

TEST(Hacking, PayAndFines) {
    const std::tuple<qint16, const char16_t*, const char16_t*> table[] = {
        {1, u"Ура! Задание выполнено.\nВы получаете  4$.",
         u"Boom! Задание провалено.\nПришлось заплатить штраф в размере  1"},
        {9, u"Ура! Задание выполнено.\nВы получаете  12$.",
         u"Boom! Задание провалено.\nПришлось заплатить штраф в размере  9"},
    };
    for (auto [n, won, lost] : table) {
        GameState state = newGame();
        state.lblMoney = u"3"_s;
        ScriptedEffects<> effects;
        Hacking::succeed(state, n, effects);
        EXPECT_EQ(effects.texts, QStringList{QString::fromUtf16(won)});
        EXPECT_EQ(state.lblMoney, Num(3 + n + 3));
        EXPECT_EQ(state.lblHappyness, u"31"_s);
        EXPECT_EQ(state.lblHungry, u"31"_s);
        state.lblMoney = u"3"_s;
        Hacking::fail(state, n, effects);
        EXPECT_EQ(effects.texts.last(), QString::fromUtf16(lost));
        EXPECT_EQ(effects.titles.last(), u"Booooom!!!"_s);
        EXPECT_EQ(state.lblMoney, Num(3 - n));
    }
    GameState state = newGame();
    state.lblMoney = u"3"_s;
    ScriptedEffects<> effects;
    Hacking::Den den;
    den.phase = Hacking::Den::Phase::Taken;
    den.assignment = 4;
    Hacking::refuse(den, state, effects);
    EXPECT_EQ(den.phase, Hacking::Den::Phase::Idle);
    EXPECT_EQ(state.lblMoney, u"-2"_s);
    EXPECT_EQ(effects.titles, QStringList{u"Задание не выполнено, по причине отказа."_s});
}

TEST(Hacking, TheDenFromAssignmentToTheEndOfItsRun) {
    using Phase = Hacking::Den::Phase;
    Hacking::Den den;
    ScriptedEffects<> effects(
        {}, {drawFor(9, 9, 1), drawFor(45, 50, 20), drawFor(1, 9, 1), drawFor(57, 99, 19)});
    Hacking::takeAssignment(den, effects);
    EXPECT_EQ(den.phase, Phase::Taken);
    EXPECT_EQ(den.assignment, 9);
    EXPECT_EQ(Hacking::startRun(den, effects), 45);
    EXPECT_EQ(den.phase, Phase::Running);
    EXPECT_EQ(den.outcome, 57);
    EXPECT_EQ(den.progress, 0);
    EXPECT_FALSE(den.lastStep) << "the label keeps its design text until the first step";
    for (int step = 1; step < 57; ++step)
        ASSERT_EQ(Hacking::advance(den), Hacking::Step::Going) << step;
    EXPECT_EQ(Hacking::advance(den), Hacking::Step::Failure);
    EXPECT_EQ(den.progress, 57);
    Hacking::idle(den);
    EXPECT_EQ(den.phase, Phase::Idle);
    EXPECT_EQ(den.progress, 0);
    // The next run's label shows where the last one ended until its own first step.
    EXPECT_EQ(den.lastStep, 57);
}

TEST(Hacking, ARunStartsFromNothingWhateverTheLastOneReached) {
    Hacking::Den den{Hacking::Den::Phase::Taken, 2, 80, 19, 80};
    ScriptedEffects<> effects({}, {0.0f, drawFor(3, 9, 1)});
    EXPECT_EQ(Hacking::startRun(den, effects), 20);
    EXPECT_EQ(den.progress, 0);
    EXPECT_EQ(den.outcome, 3);
    for (int step = 1; step < 100; ++step)
        ASSERT_EQ(Hacking::advance(den), Hacking::Step::Going) << step;
    EXPECT_EQ(Hacking::advance(den), Hacking::Step::Success);
    EXPECT_EQ(den.lastStep, 100);
}

TEST(Online, AJokesVisit) {
    GameState state = newGame();
    state.lblMoney = u"25"_s;
    state.HasDownloader = -1;
    state.JokesBaseLoaded = 40;
    Online::JokesVisit visit = Online::visitJokes(state);
    EXPECT_TRUE(visit.downloadOffered);
    EXPECT_FALSE(visit.downloadShown);
    ScriptedEffects<> effects;
    ASSERT_TRUE(Online::startDownload(visit, state, effects));
    EXPECT_FALSE(visit.downloadOffered);
    EXPECT_TRUE(visit.downloading);
    EXPECT_TRUE(visit.downloadShown);
    EXPECT_EQ(Online::downloadText(visit), u":: Скачивание (0%) ::"_s);
    EXPECT_EQ(visit.steps, 0);
    // A debt during the download does not throw the player off.
    Online::hour(visit, state);
    state.lblMoney = u"-1"_s;
    Online::hour(visit, state);
    EXPECT_EQ(visit.hours, u"2"_s);
    EXPECT_EQ(state.lblMoney, u"-6"_s);
    EXPECT_FALSE(Online::mustDisconnect(visit, state));
    EXPECT_FALSE(Online::downloadStep(visit, state));
    EXPECT_EQ(Online::downloadText(visit), u":: Скачивание ( 1%) ::"_s);
    EXPECT_EQ(visit.steps, 1);
    while (!Online::downloadStep(visit, state))
        ASSERT_LT(visit.steps, 100);
    EXPECT_EQ(visit.steps, 100);
    EXPECT_EQ(Online::downloadText(visit), u":: Скачивание ( 100%) ::"_s);
    // The download holds the player until it has said it is whole.
    EXPECT_TRUE(visit.downloading);
    Online::endDownload(visit);
    EXPECT_TRUE(Online::mustDisconnect(visit, state));
    EXPECT_FALSE(visit.downloadOffered);
    EXPECT_TRUE(visit.downloadShown);
}

TEST(Online, AJokesVisitWithTheDatabaseWholeOffersNoDownload) {
    GameState state = newGame();
    state.JokesBaseLoaded = 100;
    EXPECT_FALSE(Online::visitJokes(state).downloadOffered);
    state.JokesBaseLoaded = 99;
    EXPECT_TRUE(Online::visitJokes(state).downloadOffered);
}
