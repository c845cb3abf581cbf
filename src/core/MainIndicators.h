// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's indicators: the frames of the player, the computer, the home, the
// programs, the job, the Internet and the courses, the date and time line and the help line.
// Each value is a label named after the field of the game state it shows.

#include "rules/LifeUpdate.h"
#include "state/GameState.h"

#include <QCoreApplication>
#include <QWidget>

#include <vector>

class QLabel;

class MainIndicators : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(MainIndicators)

public:
    explicit MainIndicators(QWidget* parent);

    // Every value as the state holds it.
    void showState(const GameState& state);
    // A finished course's price line goes: its caption and its value.
    void hidePrice(Life::Course course);

protected:
    // The values' widths follow the names' in the new language.
    void changeEvent(QEvent* event) override;

private:
    void fitValues();

    // The captions of the courses' price lines.
    QLabel *lblSStoim, *lblEStoim, *lblStoim;
    struct Shown {
        QLabel* label;
        QString GameState::*field;
        QString record = {}; // what the state held when last shown
    };
    std::vector<Shown> shown_;
    // The values kept as wide as the widest name their field takes.
    std::vector<Shown> widths_;
};

// The titles of a window's frames in bold, and what the frames hold in the normal weight.
void boldFrameTitles(QWidget* window);
