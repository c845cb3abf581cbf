// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window's timer as the game sees it: an interval of 0 stops it, any other interval starts
// it again from that moment. A tick goes through the owning window's dispatch, which skips a
// tick while an earlier one of the same timer still waits in a message box.
//
// While the game is paused (or time otherwise stands) every timer is held: it keeps its
// interval (and shows it), but does not tick; when the pause ends it goes on with the time it
// had left. A timer started during the pause is held from the start, with its whole interval
// left.
//
// The game's own time (the main window's clock and life update) is marked as such: while a
// message box of its tick waits, time stands for every timer of the game.

#include <QObject>

#include <functional>
#include <memory>

class FormCore;
class TimerEngine;

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(FormCore& owner, const QString& name, std::function<void()> handler,
          bool precise = false);
    ~Timer() override;

    void setInterval(int ms);
    int interval() const { return interval_; }
    bool running() const { return interval_ > 0; }

    // A timer of the game's own time; see above.
    void setGameTime(bool gameTime) { gameTime_ = gameTime; }
    bool gameTime() const { return gameTime_; }

    // The game's pause begins or ends.
    void hold();
    void resume();

    // One tick, as the engine (or the scenario runner) delivers it.
    void fire();

    // Stops the engine for good; the window is being unloaded.
    void shutdown();

    bool inTick = false;

private:
    FormCore& owner_;
    std::function<void()> handler_;
    std::unique_ptr<TimerEngine> engine_;
    int interval_ = 0;
    bool held_ = false;
    bool gameTime_ = false;
};
