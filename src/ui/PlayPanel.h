// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls that play a mini-game stand on a panel of their own, which the pause disables:
// the pause holds play as well as time, so no click or key can catch a fish or spin a wheel
// while the clocks stand. Qt keeps each control's own enabled state under a disabled parent,
// so whatever the game enables or disables meanwhile (a stake typed into the roulette's box
// enables its start) is how the control comes back when the pause ends. The keyboard focus that
// the pause took from a control comes back to it too.
//
// A game played on a field (the arcade's, the lake's water) shows "Пауза" over the field.

#include <QPointer>
#include <QWidget>

#include <initializer_list>

class FormCore;
class QLabel;

class PlayPanel : public QWidget {
public:
    // A panel on `parent`; the caller places the play controls on it.
    PlayPanel(FormCore& form, QWidget* parent);
    // A panel holding the controls in a row, to take their place in the window's layout.
    PlayPanel(FormCore& form, QWidget* parent, std::initializer_list<QWidget*> row);

    // "Пауза" (a label named lblPause) over the field while the game is paused.
    void coverWhilePaused(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void placeCover();

    FormCore& form_;
    QPointer<QWidget> field_;
    QLabel* cover_ = nullptr;
    QPointer<QWidget> focusTaken_;
    bool held_ = false;
};
