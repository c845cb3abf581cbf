// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-bench-windows: the real game (QtPlatform, real top-level windows) under an X server,
// driven from inside. A report for bench/run (bench/windows.sh), not a test.
//
//   timburia-bench-windows paint RUNS          click to first paint, RUNS openings of each
//   timburia-bench-windows memory ROUNDS WARMUP  resident memory over ROUNDS openings of each
//   timburia-bench-windows idle SECONDS        idle CPU, no place open and each place open
//
// Every place picture of the main window, every hand-over between windows, the two menu
// windows and the two windows the game opens by itself are reached the way a player reaches
// them: a press and a release on the control (a menu item is triggered), then the window's
// back button. The only thing not real is the message box: a question is answered "Да" and a
// message taken at once, without showing a box (the time a player takes to read is not the
// window's). The game's clock stands still for "paint" and "memory" (as in the real-window
// test); it runs for "idle", where it is part of what is measured.
//
// Output, one line per figure, fields separated by tabs:
//   paint  STEP  WINDOW  cold_ms  median_ms  max_ms  median_start_ms  openings
//   memory  rounds  openings  rss_kb_after_warmup  rss_kb_after  trimmed_kb_after_warmup
//           trimmed_kb_after
//   warmup  rounds  rss_kb_after_the_first  rss_kb_after_warmup
//   rss  round  rss_kb  trimmed_kb  widgets  anon  shmem  file   (checkpoints along the way)
//   idle  WHAT  percent_of_one_core  seconds
//   error  TEXT

#include "Drive.h"

#include "app/Application.h"
#include "leisure/frmMadFish.h"
#include "ui/FormCore.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Drive;

namespace {

// A visit: the state it needs, then the steps, ending back at the main window.
struct Visit {
    std::function<void(GameState&)> prepare;
    std::vector<Step> steps;
};

void setInteger(GameState& s, const char* name, int value) {
    if (qint16* field = s.integer(QString::fromLatin1(name)))
        *field = qint16(value);
    else
        fail(u"no game variable "_s + QString::fromLatin1(name));
}
void setText(GameState& s, const char* name, const QString& value) {
    if (QString* field = s.text(QString::fromLatin1(name)))
        *field = value;
    else
        fail(u"no game field "_s + QString::fromLatin1(name));
}

std::vector<Visit> visits() {
    std::vector<Visit> all;
    const auto place = [&](const char* picture, const char* window,
                           std::function<void(GameState&)> prepare = {}) {
        const QString w = QString::fromLatin1(window);
        all.push_back({std::move(prepare),
                       {{u"frmMain"_s, QString::fromLatin1(picture), w}, {w, u"cmdBack"_s, {}}}});
    };
    place("imgFlat", "frmFlat");
    place("imgShop", "frmShop");
    place("imgComputer", "frmComputer");
    place("imgPrograms", "frmPrograms");
    place("imgLearn", "frmStudy");
    place("imgWork", "frmWork");
    // A car of one's own: the bank opens without the taxi.
    place("imgBank", "frmBank", [](GameState& s) { setInteger(s, "CarKind", 1); });
    place("imgHakker", "frmHakerstvo", [](GameState& s) { setText(s, "lblStatus", u"Хакер"_s); });

    // A window that hands over to others, each handing back to it: opened from the main window
    // by its picture, `reveal` shows the way to the others, each is left by `back`.
    struct Branch {
        const char *button, *window, *back;
    };
    const auto hub = [&](const char* picture, const char* window, const char* reveal,
                         std::initializer_list<Branch> branches,
                         std::function<void(GameState&)> prepare = {}) {
        const QString h = QString::fromLatin1(window);
        Visit v{std::move(prepare), {{u"frmMain"_s, QString::fromLatin1(picture), h}}};
        for (const Branch& b : branches) {
            const QString w = QString::fromLatin1(b.window);
            v.steps.push_back({h, QString::fromLatin1(reveal), {}});
            v.steps.push_back({h, QString::fromLatin1(b.button), w});
            v.steps.push_back({w, QString::fromLatin1(b.back), h});
        }
        v.steps.push_back({h, u"cmdBack"_s, {}});
        all.push_back(std::move(v));
    };
    // The venue and its three machines; the provider and its two sites (connected).
    hub("imgParty", "frmParty", "cmdKasino",
        {{"cmdRuletka", "frmRuletka", "cmdBack"},
         {"cmdRuletka2", "frmRuletka2", "cmdBack"},
         {"cmdAr", "frmAr", "cmdBack"}});
    hub("imgInternet", "frmInternet", "cmdWalk",
        {{"Command5", "frmInterComp", "cmdGoout"}, {"cmdAnek", "frmInterAnek", "cmdGoout"}},
        [](GameState& s) { setText(s, "lblVichod", u"Есть"_s); });

    // The hobby shop, the lake (a rod, tackle and a car), a trip cut short, and home.
    const auto finishFishing = [](Game& game) {
        auto* lake = game.loaded<frmMadFish>();
        if (!lake)
            fail(u"no lake to finish"_s);
        lake->tmrAllTime->fire(); // the thirty seconds are over
        lake->tmrAllTime->fire(); // the way home is open
    };
    all.push_back({[](GameState& s) {
                       setInteger(s, "HasRod", -1);
                       setInteger(s, "HasTackle", -1);
                       setInteger(s, "CarKind", 1);
                   },
                   {{u"frmMain"_s, u"imgHobby"_s, u"frmHobby"_s},
                    {u"frmHobby"_s, u"cmdGoFishing"_s, u"frmMadFish"_s},
                    {u"frmMadFish"_s, u"cmdStart"_s, {}},
                    {u"frmMadFish"_s, u"the fishing ends"_s, {}, finishFishing},
                    {u"frmMadFish"_s, u"cmdStart"_s, u"frmHobby"_s},
                    {u"frmHobby"_s, u"cmdBack"_s, {}}}});

    // The menu's windows.
    all.push_back(
        {{}, {{u"frmMain"_s, u"BigHelp"_s, u"frmHelp"_s}, {u"frmHelp"_s, u"cmdOk"_s, {}}}});
    all.push_back(
        {{}, {{u"frmMain"_s, u"AboutPr"_s, u"frmFirst"_s}, {u"frmFirst"_s, u"cmdOkAbout"_s, {}}}});
    all.push_back(
        {{}, {{u"frmMain"_s, u"History"_s, u"frmHistory"_s}, {u"frmHistory"_s, u"cmdBack"_s, {}}}});

    // What the game opens by itself: a virus strikes; the last job ends the game.
    all.push_back({{},
                   {{u"frmMain"_s, u"virus strikes"_s, u"frmVirus"_s,
                     [](Game& game) {
                         game.open(u"frmVirus"_s);
                     }},
                    {u"frmVirus"_s, u"cmdKill"_s, {}}}});
    all.push_back({{},
                   {{u"frmMain"_s, u"imgWork"_s, {}},
                    {u"frmWork"_s, u"hired for the last job"_s, u"frmTheEnd"_s,
                     [](Game& game) {
                         if (FormCore* work = game.loaded(u"frmWork"_s))
                             game.handOver(work, u"frmTheEnd"_s);
                     }},
                    {u"frmTheEnd"_s, u"cmdOK"_s, {}}}});
    return all;
}

// One visit from the main window and back to it, with the state it needs. `opened` is told of
// every timed opening.
void visit(Game& game, const GameState& fresh, const Visit& v,
           const std::function<void(const Step&, Timing)>& opened) {
    game.state = fresh;
    if (v.prepare)
        v.prepare(game.state);
    game.stateMayHaveChanged();
    for (const Step& step : v.steps)
        if (const auto timing = run(game, step); timing && opened)
            opened(step, *timing);
    settle();
    if (game.windows().size() != 1)
        fail(u"a visit did not end at the main window: "_s + v.steps.front().label());
}

long statusKb(const char* key) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').front().toLong();
    return -1;
}

// Run time of every thread of this process, in nanoseconds.
qint64 cpuNs() {
    qint64 total = 0;
    const QDir tasks(u"/proc/self/task"_s);
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task + u"/schedstat"_s));
        if (f.open(QIODevice::ReadOnly))
            total += f.readAll().split(' ').front().toLongLong();
    }
    return total;
}

double idlePercent(int seconds) {
    QElapsedTimer wall;
    const qint64 before = cpuNs();
    wall.start();
    spin(seconds * 1000);
    const qint64 used = cpuNs() - before;
    return 100.0 * double(used) / double(wall.nsecsElapsed());
}

bool anyTimerRunning(FormCore* form) {
    const auto timers = form->window()->findChildren<Timer*>();
    return std::any_of(timers.begin(), timers.end(), [](Timer* t) { return t->running(); });
}

} // namespace

int main(int argc, char* argv[]) {
    BenchApp application(argc, argv);
    Drive::app = &application;
    setUpApplication(application);
    const QStringList args = QApplication::arguments().mid(1);
    const QString mode = args.value(0);
    const int count = args.value(1).toInt();
    if ((mode != u"paint" && mode != u"memory" && mode != u"idle") || count < 1) {
        std::fprintf(stderr, "usage: timburia-bench-windows paint RUNS | memory ROUNDS WARMUP | "
                             "idle SECONDS\n");
        return 2;
    }

    // The game stands still while it is measured, as in the real-window test; its clock is
    // part of what "idle" measures.
    BenchGame bench(mode != u"idle");
    Game& game = bench.game;
    const GameState fresh = game.state;
    const std::vector<Visit> all = visits();

    if (mode == u"paint") {
        struct Samples {
            QString window;
            std::vector<double> done, start;
        };
        std::map<QString, Samples> samples;
        std::vector<QString> order;
        for (int round = 0; round < count; ++round)
            for (const Visit& v : all)
                visit(game, fresh, v, [&](const Step& step, Timing t) {
                    const QString key = step.label();
                    if (!samples.count(key))
                        order.push_back(key);
                    Samples& s = samples[key];
                    s.window = step.opens;
                    s.done.push_back(t.doneMs);
                    s.start.push_back(t.startMs);
                });
        for (const QString& key : order) {
            const Samples& s = samples[key];
            std::printf("paint\t%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%zu\n", qPrintable(key),
                        qPrintable(s.window), s.done.front(), median(s.done),
                        *std::max_element(s.done.begin(), s.done.end()), median(s.start),
                        s.done.size());
        }
    } else if (mode == u"memory") {
        const int warmup = std::max(1, args.value(2).toInt());
        long openings = 0;
        const auto round = [&] {
            for (const Visit& v : all)
                visit(game, fresh, v, [&](const Step&, Timing) { ++openings; });
        };
        round();
        const long rssFirst = statusKb("VmRSS:");
        for (int i = 1; i < warmup; ++i)
            round();
        const long rss0 = statusKb("VmRSS:");
        std::printf("warmup\t%d\t%ld\t%ld\n", warmup, rssFirst, rss0);
        malloc_trim(0);
        const long trimmed0 = statusKb("VmRSS:");
        openings = 0;
        const int every = std::max(1, count / 10);
        for (int i = 1; i <= count; ++i) {
            round();
            if (i % every == 0 && i != count) {
                const long rss = statusKb("VmRSS:");
                malloc_trim(0);
                std::printf("rss\t%d\t%ld\t%ld\t%lld\tanon %ld\tshmem %ld\tfile %ld\n", i, rss,
                            statusKb("VmRSS:"), qlonglong(QApplication::allWidgets().size()),
                            statusKb("RssAnon:"), statusKb("RssShmem:"), statusKb("RssFile:"));
                std::fflush(stdout);
            }
        }
        const long rss1 = statusKb("VmRSS:");
        malloc_trim(0);
        const long trimmed1 = statusKb("VmRSS:");
        std::printf("memory\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\n", count, openings, rss0, rss1, trimmed0,
                    trimmed1);
    } else {
        // Warm: every window opened once, so the figures are those of a game in play.
        for (const Visit& v : all)
            visit(game, fresh, v, {});
        game.state = fresh;
        game.stateMayHaveChanged();
        spin(1000);
        std::printf("idle\tfrmMain\t%.3f\t%d\n", idlePercent(count), count);
        std::fflush(stdout);
        std::set<QString> measured;
        for (const Visit& v : all)
            visit(game, fresh, v, [&](const Step& step, Timing) {
                FormCore* form = game.loaded(step.opens);
                if (!form || measured.count(step.opens) || anyTimerRunning(form))
                    return;
                measured.insert(step.opens);
                spin(500);
                std::printf("idle\t%s\t%.3f\t%d\n", qPrintable(step.opens), idlePercent(count),
                            count);
                std::fflush(stdout);
            });
        for (const Visit& v : all)
            for (const Step& step : v.steps)
                if (!step.opens.isEmpty() && !measured.count(step.opens)) {
                    measured.insert(step.opens);
                    std::printf("idle\t%s\trunning-timer\t0\n", qPrintable(step.opens));
                }
    }
    std::fflush(stdout);
    return 0;
}
