// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One running program: the game state, the desktop it runs on and the windows that are loaded.
//
// Windows are made from a catalog, by the window's class (game.open<frmShop>()), so a misspelt
// window cannot compile. A window includes only the windows it opens; the main window is the
// hub and nothing includes it. A window that hands back to one opened earlier, and the scenario
// runner, reach it by its name through the same catalog.
//
// Game also holds what belongs to the whole program rather than to one window: the exit
// question and the end of the program, and the life being played (its new game, death, saves
// and autosaves) in its Session; and it tells the windows when the state may have changed, so
// a window that shows the state connects itself to stateChanged().

#include "state/GameState.h"
#include "state/History.h"
#include "ui/Platform.h"
#include "ui/Session.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class FormCore;
class Game;
class QAction;
class QKeySequence;

// The names of windows that are reached without their class.
namespace WindowName {
inline constexpr QStringView Main = u"frmMain";
} // namespace WindowName

class WindowCatalog {
public:
    using Factory = std::function<FormCore*(Game&)>;
    template <class W> void add() {
        add(W::Name, [](Game& game) -> FormCore* { return new W(game); });
    }
    void add(QStringView name, Factory factory) {
        factories_[name.toString()] = std::move(factory);
    }
    bool has(QStringView name) const { return factories_.count(name.toString()) > 0; }
    QStringList names() const;
    FormCore* make(QStringView name, Game& game) const;

private:
    std::map<QString, Factory> factories_;
};

class Game : public QObject {
    Q_OBJECT
public:
    Game(Platform& desktop, const WindowCatalog& catalog);
    ~Game() override;

    GameState state;
    Platform& platform;
    // The days of this game so far, as the history window shows them.
    History::Days history;
    // The life being played: new game, death, save and load, the autosaves.
    Session session{*this};

    // Program start: the main window loads and its Load starts a new game.
    void start();

    // The window, loaded (and its Load run) if it was not; nullptr if its Load unloaded it.
    template <class W> W* load() { return dynamic_cast<W*>(load(W::Name)); }
    // load() then show().
    template <class W> W* open(bool modal = true) { return dynamic_cast<W*>(open(W::Name, modal)); }
    template <class W> W* loaded() const { return dynamic_cast<W*>(loaded(W::Name)); }
    // load(), for a window that a game key may ask for from a window standing over it: it is
    // made again on top, rather than raised behind a modal window that blocks it.
    template <class W> W* loadOnTop() { return dynamic_cast<W*>(loadOnTop(W::Name)); }

    // The same by name, for hand-backs and the scenario runner; nullptr for a window the game
    // does not have.
    FormCore* load(QStringView name);
    FormCore* open(QStringView name, bool modal = true);
    FormCore* loaded(QStringView name) const;
    FormCore* loadOnTop(QStringView name);
    bool has(QStringView name) const { return catalog_.has(name); }

    void show(FormCore* form, bool modal);
    void unload(FormCore* form);
    template <class W> void unload() { unload(loaded(W::Name)); }
    // One window gives way to another (venue to machine, lake to hobby, ...).
    FormCore* handOver(FormCore* from, QStringView to);

    const std::vector<FormCore*>& windows() const { return windows_; }

    // "Вы действительно хотите выйти?": Yes ends the program at once, whatever happened while
    // the question was open.
    void exitQuestion(FormCore& asking);

    // Told before every handler runs, with its window (the soak checks that no handler runs on
    // a window the game has let go of).
    std::function<void(const FormCore&)> handlerStarting;

    // Bumped by every new game; a handler that waited in a message box across it stops.
    quint64 generation() const { return generation_; }

    // Ends the program at once: every window closes and nothing is saved. Unwinds the handler
    // that asked for it.
    [[noreturn]] void end();
    bool ended() const { return ended_; }
    // After each event: a program whose last window has been unloaded has ended.
    void settle();

    // Called after every event and before every message box.
    void stateMayHaveChanged() { Q_EMIT stateChanged(); }

    // The game's own keys, heard in every window of the game: the place windows are modal, so
    // the main window's menu cannot be reached from them. P pauses (below). A menu item of the
    // main window made a game key here shows its key in the menu, and runs when the key is
    // pressed in any game window while the main window is shown and the item enabled; only the
    // game's key filter hears the key, so it never runs twice. A message box or a file dialog
    // that has the keyboard keeps every key.
    static void setGameKey(QAction* item, const QKeySequence& key);

    // The pause holds every game timer of every window, and the play of every mini-game (its
    // play controls are disabled). The player pauses by the menu or the key P (in any game
    // window, unless a text box has the focus); the game also stands while its main window is
    // minimised, and goes on when it is restored unless the player paused.
    bool paused() const { return pausedByPlayer_ || minimised_; }
    bool pausedByPlayer() const { return pausedByPlayer_; }
    void setPausedByPlayer(bool paused);
    void togglePause() { setPausedByPlayer(!pausedByPlayer_); }
    void setMinimised(bool minimised);

    // Time stands while the game is paused, and while a message of the game's time (the clock
    // or the life update) waits for the player to read what time did: no salary is paid
    // without the hunger that goes with it, and no mini-game loses its seconds behind a
    // status message. Every game timer of every window holds meanwhile.
    bool timeStands() const { return paused() || timeHeld_ > 0; }
    // Holds time for as long as it lives.
    class TimeHold {
    public:
        explicit TimeHold(Game& game);
        ~TimeHold();
        TimeHold(const TimeHold&) = delete;
        TimeHold& operator=(const TimeHold&) = delete;

    private:
        Game& game_;
    };
    // Whether a tick of a timer, or of the game's time (a timer marked as a clock), is running:
    // a message it opens was not asked for by the player.
    bool tickRunning() const { return ticksRunning_ > 0; }
    bool clockTickRunning() const { return clockTicksRunning_ > 0; }

    // The topmost game window the player sees: where a message opens, so that a message of
    // the clock never raises the main window over an open place.
    QWidget* topWindow() const;

    // How many game hours pass in the clock's 1.5 s: 1, 2 or 4. The main window's clock and
    // life update follow it; the mini-games keep their own pace.
    int speed() const { return speed_; }
    void setSpeed(int speed);

    // A day has ended: its record joins the history.
    void recordDay(History::Day day);
    // The history of a game just loaded (empty when it had none).
    void setHistory(History::Days days);

    // Stops the running handler where the world moved on under it. Only a handler run by a
    // window's dispatch may be stopped: dispatch is where the unwinding ends.
    [[noreturn]] void abortHandler() const;

Q_SIGNALS:
    void stateChanged();
    // The clock changed the bank balance (interest, a failure of the bank).
    void bankBalanceChanged();
    void pauseChanged();
    void speedChanged();
    // A day joined the history at its end; the days before it are as they were.
    void dayRecorded();
    // The history is another one: a new game's, or a loaded game's.
    void historyReplaced();
    // The start window's "Продолжить" after a death: the main window has the session load the
    // dead life's last living day.
    void continueLastLifeAsked();

private:
    friend class FormCore; // keeps handlersRunning_
    friend class Session;  // begins a new game, and with it a generation
    class GameKeys;
    // Holds or resumes every timer when time starts or stops standing.
    void applyHold(bool stoodBefore);

    const WindowCatalog& catalog_;
    std::vector<FormCore*> windows_;
    quint64 generation_ = 0;
    bool ended_ = false;
    // How many handlers are running, one inside another's message box; how many of them are
    // timers' ticks, and of those the ticks of the game's time.
    int handlersRunning_ = 0;
    int ticksRunning_ = 0;
    int clockTicksRunning_ = 0;
    int timeHeld_ = 0;
    bool pausedByPlayer_ = false;
    bool minimised_ = false;
    int speed_ = 1;
};

// Thrown by Game::abortHandler(); caught only by FormCore::dispatch().
struct HandlerAborted {};
