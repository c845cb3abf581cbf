// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Study.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Study {

std::span<const Course> courses() {
    // The texts are the game's Russian, marked for the view's translation (state/Words.h).
    static const Course table[] = {
        {"cmdSchool", &GameState::lblSSchool, &GameState::lblSCost, &GameState::lblObras,
         QT_TRANSLATE_NOOP("Game", "Веч.школа"), "6", QT_TRANSLATE_NOOP("Game", "Вечерняя школа"),
         QT_TRANSLATE_NOOP("Game", "Ходить в вечернюю школу"),
         QT_TRANSLATE_NOOP("Game", "Закончить ходить в школу"),
         QT_TRANSLATE_NOOP("Game", "Вы уже выучились в школе."),
         QT_TRANSLATE_NOOP("Game", "У вас, не хватает денег на обучение в школе")},
        {"cmdEnglish", &GameState::lblEEnglish, &GameState::lblECost, &GameState::lblEng,
         QT_TRANSLATE_NOOP("Game", "Курсы"), "8", QT_TRANSLATE_NOOP("Game", "Курсы"),
         QT_TRANSLATE_NOOP("Game", "Ходить на курсы англ.яз."),
         QT_TRANSLATE_NOOP("Game", "Закончить ходить на курсы англ.яз."),
         QT_TRANSLATE_NOOP("Game", "Вы уже выучились англ.языку."),
         QT_TRANSLATE_NOOP("Game", "У вас, не хватает денег на обучение англ. языку")},
        {"cmdComp", &GameState::lblCComputer, &GameState::lblCCost, &GameState::lblCom,
         QT_TRANSLATE_NOOP("Game", "Курсы"), "8", QT_TRANSLATE_NOOP("Game", "Ком.курсы"),
         QT_TRANSLATE_NOOP("Game", "Ходить на компьютерные курсы"),
         QT_TRANSLATE_NOOP("Game", "Закончить ходить на компьютерные курсы"),
         QT_TRANSLATE_NOOP("Game", "Вы уже выучились на ком. курсах."),
         QT_TRANSLATE_NOOP("Game", "У вас, не хватает денег на обучение комп. курсам")},
    };
    return table;
}

std::optional<State> shownState(const Course& course, const QString& shown) {
    for (State state : {State::Start, State::Stop, State::Finished}) {
        const QString text = caption(course, state);
        if (shown == text || shown == Words::shown(text))
            return state;
    }
    return std::nullopt;
}

State stateAtLoad(const GameState& s, const Course& course) {
    if (s.*course.counter == u"OK")
        return State::Finished;
    return s.*course.cost == QLatin1StringView(course.price) ? State::Stop : State::Start;
}

QString caption(const Course& course, State state) {
    switch (state) {
    case State::Start:
        return QString::fromUtf8(course.start);
    case State::Stop:
        return QString::fromUtf8(course.stop);
    case State::Finished:
        return QString::fromUtf8(course.finished);
    }
    return {};
}

State click(GameState& s, const Course& course, State shown, Effects& effects) {
    switch (shown) {
    case State::Start: {
        if (s.money() <= 0) {
            effects.say(Words::text(Words::For::Player, course.refusal),
                        QCoreApplication::translate("Game", "Внимание"), MsgIcon::Exclamation);
            return shown;
        }
        s.*course.display = QString::fromUtf8(course.attending);
        s.*course.cost = QString::fromUtf8(course.price);
        static const QStringView names[] = {Chronicle::Course::School, Chronicle::Course::English,
                                            Chronicle::Course::Computer};
        const auto index = size_t(&course - courses().data());
        if (index < std::size(names))
            Chronicle::note(s, Chronicle::Kind::CourseBegun, names[index].toString(),
                            Val(s.*course.cost));
        return State::Stop;
    }
    case State::Stop:
        s.*course.display = QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Не учусь"));
        s.*course.cost = u"0"_s;
        return State::Start;
    case State::Finished:
        break;
    }
    return shown;
}

QString click(GameState& s, const Course& course, const QString& shown, Effects& effects) {
    const std::optional<State> state = shownState(course, shown);
    if (!state || *state == State::Finished)
        return shown;
    const State next = click(s, course, *state, effects);
    return next == *state ? shown : caption(course, next);
}

} // namespace Study
