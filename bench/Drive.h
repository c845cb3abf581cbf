// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the bench programs that drive the real game share: an application that times the first
// paint of a window, the desktop with its message boxes answered at once, and a click on a
// control the way a player makes it. Reports, not tests (bench/run).

#include "app/GameWindows.h"
#include "ui/Game.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <vector>

class frmMain;

namespace Drive {

// Times the first paint of a window: from watch() until the first QEvent::Paint of a widget
// of the window named `target` (start), and until the event that carried that paint (the
// expose or update request, which paints the whole window and flushes it to the screen) has
// been handled (done).
class BenchApp : public QApplication {
public:
    using QApplication::QApplication;

    void watch(const QString& target);
    void stopWatching() { target_.clear(); }
    bool painted() const { return doneNs_ >= 0; }
    double startMs() const { return double(startNs_) / 1e6; }
    double doneMs() const { return double(doneNs_) / 1e6; }
    QEventLoop* waiter = nullptr;

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString target_;
    QElapsedTimer clock_;
    qint64 startNs_ = -1, doneNs_ = -1;
    int depth_ = 0;
};

// The real desktop, but a question is answered "Да" and a message taken at once.
class BenchPlatform : public QtPlatform {
public:
    MsgResult message(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons,
                      MsgCause) override;
    std::optional<QString> openFileName(QWidget*, const QString&, int, const QString&) override {
        return {};
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, int) override { return {}; }
    // The autosaves of a long bench go to a folder of its own, never the player's.
    QString dataFolder() override { return data_.path(); }
    int messages = 0;

private:
    QTemporaryDir data_;
};

// The game started on the bench desktop, its main window shown and painted. A game that stands
// still has its clock and its life update stopped: no day ends behind the figures.
class BenchGame {
public:
    explicit BenchGame(bool standStill);
    BenchPlatform platform;
    const WindowCatalog windows;
    Game game;
    frmMain* main;
};

// The application the program made; set by the program's main.
extern BenchApp* app;

// Prints "error TEXT" and ends the program.
[[noreturn]] void fail(const QString& what);
// Lets the event loop run for a while.
void spin(int ms);
// Delivers what is posted, deferred deletions included.
void settle();
double median(std::vector<double> values);

// One thing the player does: a click on a control of a window (or code the game runs), and
// the window it opens, whose first paint is timed.
struct Step {
    QString window;                       // whose control is clicked
    QString control;                      // its object name; a menu item is triggered
    QString opens;                        // the window that opens, timed; empty: nothing is timed
    std::function<void(Game&)> code = {}; // instead of a click (the game opens a window)
    QString label() const;
};

struct Timing {
    double startMs, doneMs;
};

// Runs one step; for a step that opens a window, times it until its first paint is done.
std::optional<Timing> run(Game& game, const Step& step);

} // namespace Drive
