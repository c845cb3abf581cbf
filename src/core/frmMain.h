// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: every indicator of the game, the eleven places and the menu. It is the
// program's first window and its Load starts a new game. It shows the game; the life being
// played (new game, death, save, load, autosave) is the game's Session, which its menu calls.

#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QMainWindow>

class MainIndicators;
class MainStatusBar;
class Picture;
class QAction;
class RecentGamesMenu;
class QLabel;
class QMenu;

class frmMain : public QMainWindow, public FormCore {
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    static constexpr QStringView Name = WindowName::Main;
    explicit frmMain(Game& game);

    void Form_Load() override;
    QWidget* background() const override;

    // Starts a new game: every indicator, the date, the catalogs.
    void ForLoadMain();

    // The label showing a field of the game state, by the field's name.
    QLabel* field(const QString& name) const;

    // The start window's "Продолжить" after a death: the session loads the dead life's last
    // living day.
    void continueLastLife();
    // The menu's "Продолжить прошлую игру" only while there is such a game.
    void showContinueLast();
    // "Недавние игры", the games still there.
    void showRecentGames();

    QAction *NewGame, *Save, *Load, *LoadAutosave, *ContinueLast, *Exit, *Pause, *Speed1, *Speed2,
        *Speed4, *History, *BigHelp, *SmallHelp, *KeysHelp, *AboutPr;
    // "Игра → Итоги жизни...": the life so far.
    QAction* LifeSoFar;
    QAction* HallOfFame;
    // "Язык / Language": "Русский" and "English", switched at once and kept for the next run.
    QAction *LanguageRussian, *LanguageEnglish;
    RecentGamesMenu* Recent;
    // tmrNote takes the note of a save or a load away again.
    Timer *tmrTime, *Timer1, *tmrNote;
    // The status bar's note of a game just saved or loaded, and its pause.
    QLabel *lblNote, *lblPause;
    Picture *imgBank, *imgComputer, *imgFlat, *imgHakker, *imgHobby, *imgInternet, *imgLearn,
        *imgParty, *imgPrograms, *imgShop, *imgWork;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Minimising the main window pauses the game; restoring it goes on.
    void changeEvent(QEvent* event) override;
    // Shown again for a new game: the game left behind is now an earlier life, which the menu
    // can continue.
    void showEvent(QShowEvent* event) override;
    // The note and the trouble of the status bar, told again in the new language.
    void retranslateUi() override;

private:
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
    void LifeSoFar_Click();
    void HallOfFame_Click();
    // The clock and the life update at 1, 2 or 4 game hours per 1.5 s.
    void setSpeed(int speed);
    void Exit_Click();
    void AboutPr_Click();
    void BigHelp_Click();
    void SmallHelp_Click();
    void KeysHelp_Click();
    void tmrNote_Timer();

    void buildMenu();
    // A menu item that runs its handler when clicked.
    // A menu item showing the window's text `source`, its Click running `click`.
    QAction* item(QMenu* menu, const char* name, const char* source, void (frmMain::*click)());
    void buildLanguageMenu();
    void chooseLanguage(Language language);
    QWidget* buildPlaces();
    void showState();
    void showPause();
    // "Игра сохранена: NAME.kbz" and the like, for a few seconds.
    void note(const QString& text);

    QWidget* central_ = nullptr;
    MainIndicators* indicators_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
};
