// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's status bar: the survival forecast, a note of a game just saved or loaded,
// what the game's files could not do, the speed when it is not x1, and the pause.

#include "rules/Forecast.h"

#include <QCoreApplication>
#include <QStatusBar>

class QLabel;

// A forecast is in danger when hunger or sadness would kill within a game day: the player has
// one more day's life update to eat or to cheer up.
bool forecastInDanger(const Forecast::Outlook& outlook);

class MainStatusBar : public QStatusBar {
    Q_DECLARE_TR_FUNCTIONS(MainStatusBar)

public:
    explicit MainStatusBar(QWidget* parent);

    // The forecast crossing into danger is said to a screen reader.
    void showForecast(const QString& text, const Forecast::Outlook& outlook);
    void showSpeed(int speed);
    // The pause, and the game going on again, are said to a screen reader.
    void showPaused(bool paused);
    // "Игра сохранена: NAME.kbz" and the like; an empty note takes the note away.
    void showNote(const QString& text);
    // Stays until the next word on the game's files; empty when there is nothing wrong.
    void showTrouble(const QString& text);

    QLabel *lblForecast, *lblNote, *lblAutosave, *lblSpeed, *lblPause;

private:
    bool inDanger_ = false;
};
