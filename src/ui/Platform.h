// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything a window needs from the desktop, behind one interface: message boxes, file
// dialogs, the random source, the calendar, showing windows, timers and ending the program.
// QtPlatform serves the real game; the scenario runner serves the same windows from a script,
// headless, with a virtual clock.

#include "rules/Effects.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class QWidget;
class Timer;

// What drives one Timer: a QTimer in the game, an entry on the virtual clock in the runner.
class TimerEngine {
public:
    virtual ~TimerEngine() = default;
    virtual void start(int intervalMs) = 0; // restarts the countdown when already running
    virtual void stop() = 0;
    // The pause: a running timer stops where it is, and goes on later with the time it had
    // left, then at its interval again. Only called on a running timer.
    virtual void hold() = 0;
    virtual void resume() = 0;
};

class Platform : public Chance {
public:
    // A message box over a window. One that the player did not cause ignores the keys for a
    // moment, so that keys typed for another window do not answer it.
    virtual MsgResult message(QWidget* over, const QString& text, const QString& title,
                              MsgIcon icon, MsgButtons buttons, MsgCause cause) = 0;

    // A file dialog with a filter such as "Игры (*.kbz)|*.kbz"; nothing when cancelled. An open
    // dialog may be asked to start in a folder.
    virtual std::optional<QString> openFileName(QWidget* over, const QString& filter,
                                                int filterIndex, const QString& folder = {}) = 0;
    virtual std::optional<QString> saveFileName(QWidget* over, const QString& filter,
                                                int filterIndex, const QString& folder = {}) = 0;

    // The games saved or loaded last, newest first, kept from one run to the next.
    virtual QStringList recentGames() = 0;
    virtual void keepRecentGames(const QStringList& games) = 0;

    // The language the player chose ("ru", "en"), kept for the next run; the real program keeps
    // it in its settings, the runner nowhere.
    virtual QString keptLanguage() { return {}; }
    virtual void keepLanguage(const QString& /*code*/) {}

    virtual QDate today() = 0;
    // The player's clock, local time: when a life began, when it ended.
    virtual QDateTime now() = 0;

    // Where the game keeps its own files (the autosaves); it may not exist yet.
    virtual QString dataFolder() = 0;

    // Shows a top-level window; a modal one blocks the others but no event loop is nested,
    // so the handler that showed it returns at once. `owner`, the window it opens over (the
    // main window, or the place that opened it), is the one the window stays tied to on the
    // desktop: above it, and with it, under every window system.
    virtual void showWindow(QWidget* window, bool modal, QWidget* owner) = 0;

    // A window that stays once the one above it has gone takes the keyboard again (without a
    // window manager nobody else would give it back).
    virtual void activate(QWidget* /*window*/) {}

    // A window the player did not open (the virus alarm that the life update brings) ignores
    // the keys for a moment, as a message the player did not cause does.
    virtual void ignoreKeysAtFirst(QWidget* /*window*/) {}

    virtual std::unique_ptr<TimerEngine> createTimerEngine(Timer& timer, bool precise) = 0;

    // The program ends: called once every window has been unloaded.
    virtual void quit() = 0;
};
