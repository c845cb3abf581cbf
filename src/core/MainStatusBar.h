// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's status bar: the survival forecast, a note of a game just saved or loaded,
// what the game's files could not do, the speed when it is not x1, and the pause.

#include <QStatusBar>

class QLabel;

class MainStatusBar : public QStatusBar {
public:
    explicit MainStatusBar(QWidget* parent);

    void showForecast(const QString& text);
    void showSpeed(int speed);
    void showPaused(bool paused);
    // "Игра сохранена: NAME.kbz" and the like; an empty note takes the note away.
    void showNote(const QString& text);
    // Stays until the next word on the game's files; empty when there is nothing wrong.
    void showTrouble(const QString& text);

    QLabel *lblForecast, *lblNote, *lblAutosave, *lblSpeed, *lblPause;
};
