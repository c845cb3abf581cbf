// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The life being played, from its new game to its death: its days (each ends in the history
// and an autosave), saving and loading it, and going back to the life played before. The main
// window shows what the session holds and its menu calls it; the session shows no window of
// its own. Its questions and messages stand over the window that asked (the main window), and
// what the status bar should say comes out of its signals.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class FormCore;
class Game;

namespace Clock {
class Effects;
} // namespace Clock

class Session : public QObject {
    Q_OBJECT
public:
    explicit Session(Game& game);

    // The main window's Load (its ForLoadMain): a new game in it. The program starts straight
    // into a new game; the status bar is told, once, which day of the game played before
    // waits to be continued.
    void begin(FormCore& main);
    // A new game in the main window: a fresh state, today's date, no history, and the window
    // shown. Handlers waiting in a message box across it stop.
    void beginNewGame(FormCore& main);
    // The start window's OK: a new game, loading the main window again after a death.
    void newGame();

    // One game hour of the clock. At the end of a day its record joins the history and the
    // game is autosaved.
    void passHour(Clock::Effects& effects);

    // The death: its message over the main window, then every window goes, the main one
    // without the exit question. The caller offers the next game.
    void die(FormCore& main, const QString& text);

    // The life has ended (a death, the president's hire): its memorial goes into memorial/ in
    // the data folder, and the hall of fame takes it when it is good enough. Neither may stop
    // the game: what goes wrong is told in the status bar.
    void endLife();
    // What the game's files could not do, last told (see troubleNoted); a main window made
    // anew shows it. In the player's language, as it is now.
    QString trouble() const { return trouble_ ? trouble_() : QString(); }
    // The note last told (see noted), in the player's language as it is now.
    QString note() const { return note_ ? note_() : QString(); }

    // The menu's save and loads, their dialogs and messages over the main window.
    void save(FormCore& main);
    void load(FormCore& main);
    void loadAutosave(FormCore& main);
    // "Файл → Недавние игры": the games saved or loaded last that are still there, newest
    // first, and the one at `index` loaded as Load would.
    QStringList recentGames() const;
    void loadRecent(FormCore& main, qsizetype index);
    // Loads the newest autosave of the life played before this one, if there is one; the
    // start window's "Продолжить" after a death loads the dead life's last living day so.
    void continueLastLife(FormCore& main);
    bool canContinueLastLife() const;

    // Once a death is decided nothing of that life is autosaved, until a new game or a load
    // gives the player a life again.
    bool lifeOver() const { return lifeOver_; }
    // Whether the autosaves in the data folder are this life's own: false from a new game or a
    // load of another game until its first autosave, which moves the earlier life's aside.
    bool ownsAutosaves() const { return ownsAutosaves_; }

    // When the last life that ended in this run began (its Chronicle::Life::began), for the
    // hall of fame to mark its row; empty while no life has ended.
    QString endedLife() const { return endedLife_; }

Q_SIGNALS:
    // "Игра сохранена: NAME.kbz" and the like, for the status bar to show a few seconds.
    void noted(const QString& text);
    // What the game's files could not do (an autosave, a history saved or loaded), for the
    // status bar until the next save, load or autosave says otherwise; empty when that one went
    // well. Never a message box: an autosave that fails does not stop the game.
    void troubleNoted(const QString& text);
    // Whether there is a life before this one to continue may have changed.
    void lastLifeChanged();
    // A game was saved or loaded: the recent games are others.
    void recentGamesChanged();

private:
    std::optional<QString> lastLife() const;
    // A game chosen in a load dialog replaces the one being played, with its history.
    void loadGame(FormCore& main, const std::optional<QString>& path);
    void endOfDay(const QString& date);
    // A note and a trouble are kept as the way to make them, so that a change of language
    // tells them again in the new one.
    using Told = std::function<QString()>;
    void tell(Told note);
    void tellTrouble(Told trouble);
    // `what` (marked QT_TR_NOOP, with %1 for the error) when there is an error; no trouble
    // otherwise.
    void noteTrouble(const char* what, const std::optional<QString>& error);
    // The save and load dialogs open where the last game saved or loaded is.
    QString recentFolder() const;
    void remember(const QString& path);

    Game& game_;
    bool lifeOver_ = false;
    bool ownsAutosaves_ = false;
    QString endedLife_;
    Told trouble_;
    Told note_;
};
