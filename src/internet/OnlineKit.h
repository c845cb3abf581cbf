// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the Internet windows share: the sites' bottom row with the hours online and the
// disconnect button, the hour that ticks on it, and controls that come and go without
// moving their neighbours.

#include "rules/Online.h"

#include <functional>
#include <initializer_list>

class FormCore;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
class Timer;
struct GameState;

namespace OnlineKit {

// Every site's caption of the hours online, "Просижано часов:" (Label2), and its disconnect
// button (cmdGoout), in the player's language.
QLabel* hoursCaption(QWidget* site);
QPushButton* disconnectButton(QWidget* site);

// "Просижано часов:" and the count on the left, the disconnect button on the right.
QHBoxLayout* hoursRow(QLabel* caption, QLabel* hours, QPushButton* disconnect);

// The site's hour, tmrcm: a game hour, so at x2 and x4 it runs two and four times as fast, as
// the clock does.
Timer* hourTimer(FormCore& site, std::function<void()> tick);

// One online hour on a site: its counter and the game both move.
void hour(GameState& state, QLabel* hours, Online::Site site);

// The controls keep their place in the layout while hidden.
void keepPlaceWhenHidden(std::initializer_list<QWidget*> controls);

} // namespace OnlineKit
