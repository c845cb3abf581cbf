#pragma once
// The game clock: one game hour per tick of the main window's tmrTime (1.5 s). At the end of
// each day it pays the salary, grows the bank balance by a twentieth and, every sixth day with
// money in the bank, may let the bank's computers fail.

#include <QString>

#include <functional>

class Platform;
struct GameState;

namespace Clock {

struct Effects {
    // The bank failed: the message box, modal; the rest of the tick waits for it.
    std::function<void(const QString& text, const QString& title)> bankFailed;
    // The balance changed: the bank window, when it is open, shows it at once.
    std::function<void()> balanceChanged;
};

void tick(GameState& state, Platform& platform, const Effects& effects);

// The balance's daily growth, as the bank shows it.
inline int growth(int balance) {
    return balance / 20;
}

} // namespace Clock
