// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Paddle.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

namespace Paddle {

Outcome tick(Field& f) {
    f.ballLeft += f.h;
    f.ballTop += f.v;
    f.paddleWidth -= Shrink;
    if (f.paddleWidth == WinningWidth)
        return Outcome::Won;
    if (f.ballLeft <= 0 || f.ballLeft >= f.fieldWidth - f.ballWidth) {
        f.h = qint16(-f.h);
        return Outcome::Playing;
    }
    if (f.ballTop <= 0 || f.ballTop >= f.fieldHeight - f.ballHeight) {
        f.v = qint16(-f.v);
        return Outcome::Playing;
    }
    if (f.ballTop >= CatchLine && f.ballLeft > f.paddleLeft &&
        f.ballLeft < f.paddleLeft + f.paddleWidth) {
        f.v = qint16(-f.v);
        return Outcome::Playing;
    }
    if (f.ballTop >= LossLine)
        return Outcome::Lost;
    return Outcome::Playing;
}

void keyRight(Field& f) {
    if (f.paddleLeft <= f.fieldWidth - f.paddleWidth)
        f.paddleLeft += KeyStep;
}

void keyLeft(Field& f) {
    if (f.paddleLeft >= 0)
        f.paddleLeft -= KeyStep;
}

bool buttonRight(Field& f) {
    f.paddleLeft += ButtonStep;
    return f.paddleLeft <= f.fieldWidth - f.paddleWidth;
}

bool buttonLeft(Field& f) {
    f.paddleLeft -= ButtonStep;
    return f.paddleLeft >= 0;
}

void reset(Field& f) {
    f.paddleWidth = StartWidth;
    f.h = StartStep;
    f.v = StartStep;
    f.ballLeft = 0;
    f.ballTop = 0;
}

bool finish(GameState& s, Outcome outcome, Effects& effects) {
    if (outcome == Outcome::Won) {
        s.addMoney(WinPrize);
        s.addMood(WinMood);
        Chronicle::note(s, Chronicle::Kind::Arcade, {}, WinPrize);
        return effects.ask(
            QCoreApplication::translate("Game", "Ура-а-а вы выиграли!!! Хотите начать снова?"),
            QCoreApplication::translate("Game", "Вы выиграли."));
    }
    s.addMoney(-LossCharge);
    s.addMood(-LossMood);
    Chronicle::note(s, Chronicle::Kind::Arcade, {}, -LossCharge);
    return effects.ask(
        QCoreApplication::translate("Game", "К сожалению вы проиграли. Хотите начать снова?"),
        QCoreApplication::translate("Game", "Вы проиграли."));
}

bool Machine::end(GameState& state, Outcome outcome, Effects& effects) {
    playing = finish(state, outcome, effects);
    reset(field);
    return playing;
}

} // namespace Paddle
