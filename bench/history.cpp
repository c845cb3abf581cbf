// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-bench-history: the history of a hundred-year life (36,500 days) read, written,
// autosaved and shown in its window, in the real game under an X server. A report for
// bench/run, not a test.
//
//   timburia-bench-history RUNS [FOLDER]
//
// Each figure is the median of RUNS: History::load of the history's file, History::save of
// it, Autosave::write into a data folder that already holds the five autosaves of a long life
// with their histories (so the older ones move along as in play), and the history window
// opened from the main window's menu and left by its back button, timed from the click to its
// first paint as bench/windows.cpp times every window (the first opening, which loads the
// chart module, apart). The parts of each are timed too, to show where the time goes. With a
// FOLDER, the window is then pictured there as measured, and as it follows a day that ends
// while it is open (history-long.png), and with the first two days only (history-short.png).
//
// Output, one line per figure, fields separated by tabs:
//   file  bytes  days
//   history  WHAT  median_ms  min_ms  max_ms  runs          (load, save, autosave)
//   part  WHAT  median_ms                                    (not judged)
//   paint  STEP  WINDOW  cold_ms  median_ms  max_ms  median_start_ms  openings
//   error  TEXT

#include "Drive.h"

#include "app/Application.h"
#include "state/Autosave.h"
#include "state/History.h"
#include "state/NumberText.h"
#include "state/SavedGame.h"
#include "state/WholeFile.h"
#include "ui/FormCore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;
using namespace Drive;

namespace {

constexpr int LifeDays = 36'500;

// A life as the clock writes it: the dates as the main window shows them (the first day
// "05/05/02", then "6/05/02", a month of 30 days, "1/6/02"), money that is earned and spent,
// satiety and mood that rise and fall, a balance that grows and is drawn on, jobs that change.
History::Days longLife(int count) {
    std::mt19937 random(20261211);
    const auto between = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const QString jobs[] = {u"Пока нет"_s,    u"Дворник"_s, u"Грузчик"_s,
                            u"Программист"_s, u"Хакер"_s,   u"Директор фирмы"_s};
    QString day = u"05"_s, month = u"05"_s, year = u"02"_s;
    double money = 170, satiety = 30, mood = 30, bank = 0;
    int job = 0;
    History::Days days;
    days.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        money = std::max(0.0, money + std::round(between(-40, 60)));
        if (between(0, 1) < 0.01)
            money = std::max(0.0, money - std::round(between(500, 5000))); // a purchase
        satiety = std::clamp(satiety + std::round(between(-6, 6)), 0.0, 100.0);
        mood = std::clamp(mood + std::round(between(-6, 6)) + 0.5 * (i % 2), 0.0, 100.0);
        bank = std::clamp(bank + std::round(between(-300, 320)), 0.0, 32'000.0);
        if (between(0, 1) < 1.0 / 400)
            job = int(between(0, std::size(jobs)));
        days.push_back(
            {day + u'/' + month + u'/' + year, money, satiety, mood, int(bank), jobs[job]});
        day = Num(Val(day) + 1);
        if (day == u"31") {
            day = u"1"_s;
            month = Num(Val(month) + 1);
        }
        if (month == u"13") {
            month = u"1"_s;
            const double next = Val(year) + 1;
            year = next < 10 ? u"0"_s + Num(next) : Num(next);
        }
    }
    return days;
}

// The milliseconds `work` takes, RUNS times over.
template <class Work> std::vector<double> timed(int runs, Work work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void figure(const char* what, const std::vector<double>& ms) {
    std::printf("history\t%s\t%.2f\t%.2f\t%.2f\t%zu\n", what, median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
                ms.size());
}

void part(const char* what, const std::vector<double>& ms) {
    std::printf("part\t%s\t%.2f\n", what, median(ms));
}

void check(const WholeFile::Outcome& error, const QString& what) {
    if (error)
        fail(what + u": "_s + *error);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchApp application(argc, argv);
    Drive::app = &application;
    setUpApplication(application);
    const int runs = QApplication::arguments().value(1).toInt();
    if (runs < 1) {
        std::fprintf(stderr, "usage: timburia-bench-history RUNS [FOLDER]\n");
        return 2;
    }

    BenchGame bench(true);
    Game& game = bench.game;

    const History::Days life = longLife(LifeDays);
    const QString folder = bench.platform.dataFolder();
    const QString file = QDir(folder).filePath(u"life.kbz.history"_s);

    // Read, written, and their parts: the codec apart from the disk.
    check(History::save(file, life), u"save"_s);
    const QByteArray json = History::toJson(life);
    std::printf("file\t%lld\t%zu\n", qlonglong(json.size()), life.size());
    figure("load", timed(runs, [&] {
               if (History::load(file).size() != life.size())
                   fail(u"the history did not read back whole"_s);
           }));
    figure("save", timed(runs, [&] { check(History::save(file, life), u"save"_s); }));
    part("load: the file read", timed(runs, [&] { WholeFile::read(file, History::MaxFileSize); }));
    part("load: History::fromJson", timed(runs, [&] { History::fromJson(json); }));
    part("save: History::toJson", timed(runs, [&] { History::toJson(life); }));
    part("save: the bytes written", timed(runs, [&] { check(WholeFile::write(file, json), {}); }));

    // The autosave of the next day into a folder holding the whole set of a long life.
    const QString autosaves = QDir(folder).filePath(u"data"_s);
    const auto autosave = [&] {
        const GameFiles::Written written = Autosave::write(autosaves, game.state, life);
        check(written.game, u"autosave"_s);
        check(written.history, u"autosave's history"_s);
    };
    for (int age = 0; age < Autosave::Kept; ++age)
        autosave();
    figure("autosave", timed(runs, autosave));
    if (QDir(autosaves).entryList(QDir::Files).size() != 2 * Autosave::Kept)
        fail(u"the autosave folder does not hold a whole set"_s);
    part("autosave: SavedGame::write", timed(runs, [&] { return SavedGame::write(game.state); }));

    // The window, opened over the life.
    game.setHistory(life);
    const Step open{u"frmMain"_s, u"History"_s, u"frmHistory"_s};
    const Step back{u"frmHistory"_s, u"cmdBack"_s, {}};
    std::vector<double> done, start;
    for (int i = 0; i < runs; ++i) {
        const Timing timing = *Drive::run(game, open);
        done.push_back(timing.doneMs);
        start.push_back(timing.startMs);
        Drive::run(game, back);
        settle();
        if (game.windows().size() != 1)
            fail(u"the history window did not close"_s);
    }
    const std::vector<double> warm(done.begin() + (done.size() > 1), done.end());
    std::printf("paint\t%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%zu\n", qPrintable(open.label()),
                qPrintable(open.opens), done.front(), median(warm),
                *std::max_element(done.begin(), done.end()), median(start), done.size());
    std::fflush(stdout);

    if (const QString shots = QApplication::arguments().value(2); !shots.isEmpty()) {
        QDir().mkpath(shots);
        const auto picture = [&](const QString& name, const std::function<void()>& meanwhile) {
            Drive::run(game, open);
            meanwhile();
            spin(300);
            if (!game.loaded(u"frmHistory"_s)->window()->grab().save(QDir(shots).filePath(name)))
                fail(u"cannot write "_s + name);
            Drive::run(game, back);
        };
        game.setHistory(life);
        picture(u"history-long.png"_s,
                [&] { game.recordDay(History::record(game.state, History::dateOf(game.state))); });
        game.setHistory({life.begin(), life.begin() + 2});
        picture(u"history-short.png"_s, [] {});
    }
    return 0;
}
