#pragma once
// What the Internet windows share: the sites' bottom row with the hours online and the
// disconnect button, the hour that ticks on it, and controls that come and go without
// moving their neighbours.

#include "rules/Online.h"

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
struct GameState;

namespace OnlineKit {

// "Просижано часов:" and the count on the left, the disconnect button on the right.
QHBoxLayout* hoursRow(QLabel* caption, QLabel* hours, QPushButton* disconnect);

// One online hour on a site: its counter and the game both move.
void hour(GameState& state, QLabel* hours, Online::Site site);

// The controls keep their place in the layout while hidden.
void keepPlaceWhenHidden(std::initializer_list<QWidget*> controls);

} // namespace OnlineKit
