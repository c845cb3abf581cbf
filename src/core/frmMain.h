#pragma once
// The main window: every indicator of the game, the eleven places and the menu. It is the
// program's first window and its Load starts a new game.

#include "ui/FormCore.h"
#include "ui/Game.h"

#include <QMainWindow>

#include <optional>

#include <vector>

class QAction;
class QLabel;
class Picture;
struct GameState;

class frmMain : public QMainWindow, public FormCore {
public:
    static constexpr QStringView Name = WindowName::Main;
    explicit frmMain(Game& game);

    void Form_Load() override;
    QWidget* background() const override;

    // Starts a new game: every indicator, the date, the catalogs.
    void ForLoadMain();

    // The label showing a field of the game state, by the field's name.
    QLabel* field(const QString& name) const;

    // Loads the newest autosave of the life played before this one, if there is one; the
    // start window's "Продолжить" after a death loads the dead life's last living day so.
    void continueLastLife();
    // The menu's "Продолжить прошлую игру" only while there is such a game.
    void showContinueLast();

    QAction *NewGame, *Save, *Load, *LoadAutosave, *ContinueLast, *Exit, *Pause, *Speed1, *Speed2,
        *Speed4, *History, *BigHelp, *SmallHelp, *KeysHelp, *AboutPr;
    // tmrNote takes the note of a save or a load away again.
    Timer *tmrTime, *Timer1, *tmrNote;
    QLabel *lblSStoim, *lblEStoim, *lblStoim;
    // The status bar: the survival forecast, a game just saved or loaded, an autosave that
    // failed, the speed when it is not x1, and the pause.
    QLabel *lblForecast, *lblNote, *lblAutosave, *lblSpeed, *lblPause;
    Picture *imgBank, *imgComputer, *imgFlat, *imgHakker, *imgHobby, *imgInternet, *imgLearn,
        *imgParty, *imgPrograms, *imgShop, *imgWork;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Minimising the main window pauses the game; restoring it goes on.
    void changeEvent(QEvent* event) override;
    // Shown again for a new game: the game left behind is now an earlier life, which the menu
    // can continue.
    void showEvent(QShowEvent* event) override;

private:
    class ClockEffects;
    class LifeEffects;

    void tmrTime_Timer();
    void Timer1_Timer();
    void imgFlat_Click();
    void imgShop_Click();
    void imgComputer_Click();
    void imgPrograms_Click();
    void imgLearn_Click();
    void imgWork_Click();
    void imgBank_Click();
    void imgHakker_Click();
    void imgParty_Click();
    void imgHobby_Click();
    void imgInternet_Click();
    void NewGame_Click();
    void Save_Click();
    void Load_Click();
    void LoadAutosave_Click();
    void ContinueLast_Click();
    void Pause_Click();
    void History_Click();
    // The clock and the life update at 1, 2 or 4 game hours per 1.5 s.
    void setSpeed(int speed);
    void Exit_Click();
    void AboutPr_Click();
    void BigHelp_Click();
    void SmallHelp_Click();
    void KeysHelp_Click();
    void tmrNote_Timer();

    void buildMenu();
    QWidget* buildIndicators();
    QWidget* buildPlaces();
    void buildStatusBar();
    void showState();
    void showPause();
    void showSpeed();
    // "Игра сохранена: NAME.kbz" and the like, for a few seconds.
    void note(const QString& text);
    // The arrow keys on a place's picture move the keyboard focus to the next picture that way
    // in the grid of places; at the grid's edge it stays.
    void movePlaceFocus(int from, int key);
    // A game chosen in a load dialog replaces the one being played, with its history.
    void loadGame(const std::optional<QString>& path);
    // The end of a game day: its record joins the history and the game is saved.
    void endOfDay(const QString& date);
    // What the files of the game could not do shows in the status bar, never in a message
    // box; no error takes the note away.
    void noteFailure(const QString& what, const std::optional<QString>& error);

    struct Shown {
        QLabel* label;
        QString GameState::*field;
    };
    std::vector<Shown> shown_;
    // The places' pictures in the order of the grid, row by row.
    std::vector<Picture*> places_;
    QWidget* central_ = nullptr;
};
