// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Study.h"

#include "state/GameState.h"
#include "state/NumberText.h"

using namespace Qt::StringLiterals;

namespace Study {

std::span<const Course> courses() {
    static const Course table[] = {
        {"cmdSchool", &GameState::lblSSchool, &GameState::lblSCost, &GameState::lblObras,
         u"Веч.школа", u"6", u"Вечерняя школа", u"Ходить в вечернюю школу",
         u"Закончить ходить в школу", u"Вы уже выучились в школе.",
         u"У вас, не хватает денег на обучение в школе"},
        {"cmdEnglish", &GameState::lblEEnglish, &GameState::lblECost, &GameState::lblEng, u"Курсы",
         u"8", u"Курсы", u"Ходить на курсы англ.яз.", u"Закончить ходить на курсы англ.яз.",
         u"Вы уже выучились англ.языку.", u"У вас, не хватает денег на обучение англ. языку"},
        {"cmdComp", &GameState::lblCComputer, &GameState::lblCCost, &GameState::lblCom, u"Курсы",
         u"8", u"Ком.курсы", u"Ходить на компьютерные курсы",
         u"Закончить ходить на компьютерные курсы", u"Вы уже выучились на ком. курсах.",
         u"У вас, не хватает денег на обучение комп. курсам"},
    };
    return table;
}

State stateAtLoad(const GameState& s, const Course& course) {
    if (s.*course.counter == u"OK")
        return State::Finished;
    return s.*course.cost == QStringView(course.price) ? State::Stop : State::Start;
}

QString caption(const Course& course, State state) {
    switch (state) {
    case State::Start:
        return QString::fromUtf16(course.start);
    case State::Stop:
        return QString::fromUtf16(course.stop);
    case State::Finished:
        return QString::fromUtf16(course.finished);
    }
    return {};
}

QString click(GameState& s, const Course& course, const QString& shown, Effects& effects) {
    if (shown == QStringView(course.start)) {
        if (s.money() <= 0) {
            effects.say(QString::fromUtf16(course.refusal), u"Внимание"_s, MsgIcon::Exclamation);
            return shown;
        }
        s.*course.display = QString::fromUtf16(course.attending);
        s.*course.cost = QString::fromUtf16(course.price);
        static const QStringView names[] = {Chronicle::Course::School, Chronicle::Course::English,
                                            Chronicle::Course::Computer};
        const auto index = size_t(&course - courses().data());
        if (index < std::size(names))
            Chronicle::note(s, Chronicle::Kind::CourseBegun, names[index].toString(),
                            Val(s.*course.cost));
        return caption(course, State::Stop);
    }
    if (shown == QStringView(course.stop)) {
        s.*course.display = u"Не учусь"_s;
        s.*course.cost = u"0"_s;
        return caption(course, State::Start);
    }
    return shown;
}

} // namespace Study
