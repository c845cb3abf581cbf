// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/LifeUpdate.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace Life {

const Ladder& statusLadder() {
    static const Ladder ladder{
        Ladders::Status,
        &GameState::lblStatus,
        &GameState::lblCom,
        {
            {u"10"_s, u"Ваш статус стал теперь любитель."_s, u"Вы Любитель"_s},
            {u"16"_s, u"Ваш статус стал теперь новичок."_s, u"Вы Новичок"_s},
            {u"22"_s, u"Ваш статус стал теперь программист."_s, u"Вы Программист"_s},
            {u"28"_s, u"Ваш статус стал теперь почти хакер."_s, u"Вы Почти Хакер"_s},
            {u"36"_s, u"Ваш статус стал теперь хакер. "_s, u"Вы Хакер"_s},
            {u"46"_s, u"Ваш статус стал теперь администратор. "_s, u"Вы Администратор"_s},
            {u"54"_s, u"Ваш статус стал теперь профессионал. "_s, u"Вы Профессионал"_s},
            {u"60"_s, u"Ваш статус стал теперь сверх профессионал. "_s, u"Вы Сверх профессионал"_s},
        }};
    return ladder;
}

const Ladder& englishLadder() {
    static const Ladder ladder = [] {
        Ladder l{Ladders::English, &GameState::lblEnglish, &GameState::lblEng, {}};
        static const char16_t* const marks[] = {u"12", u"18", u"22", u"30",
                                                u"38", u"48", u"56", u"62"};
        for (int level = 1; level <= 8; ++level) {
            const QString n = QString::number(level);
            l.steps.push_back(
                {QString::fromUtf16(marks[level - 1]), u"Вы перешли на "_s + n + u" уровень. "_s,
                 u"Английский язык (English language). Вы на "_s + n + u" Уровене"_s});
        }
        return l;
    }();
    return ladder;
}

const Ladder& schoolLadder() {
    static const Ladder ladder{
        Ladders::Education,
        &GameState::lblEduncation,
        &GameState::lblObras,
        {
            {u"10"_s, u"Ваше образование теперь неполное среднее. "_s,
             u"Образование Неполное среднее"_s},
            {u"14"_s, u"Ваше образование теперь среднее. "_s, u"Образование Среднее"_s},
            {u"22"_s, u"Ваше образование теперь неполное высшее. "_s,
             u"Образование Неполное высшее"_s},
            {u"28"_s, u"Ваше образование теперь высшее. "_s, u"Образование Высшее"_s},
        }};
    return ladder;
}

namespace {

// What the chronicle calls a ladder's rung and its course.
Chronicle::Kind rungKind(Course course) {
    switch (course) {
    case Course::School:
        return Chronicle::Kind::Education;
    case Course::English:
        return Chronicle::Kind::English;
    case Course::Computer:
        break;
    }
    return Chronicle::Kind::Status;
}

QString courseName(Course course) {
    switch (course) {
    case Course::School:
        return Chronicle::Course::School.toString();
    case Course::English:
        return Chronicle::Course::English.toString();
    case Course::Computer:
        break;
    }
    return Chronicle::Course::Computer.toString();
}

// At most one step a tick; the last step closes the course for good.
void climb(GameState& s, const Ladder& ladder, Effects& effects, Course course) {
    for (size_t i = 0; i < ladder.steps.size(); ++i) {
        const LadderStep& step = ladder.steps[i];
        if (s.*ladder.rung != ladder.rungs.at(qsizetype(i)) || s.*ladder.counter != step.mark)
            continue;
        s.*ladder.rung = ladder.rungs.at(qsizetype(i) + 1);
        Chronicle::note(s, rungKind(course), s.*ladder.rung);
        if (i + 1 == ladder.steps.size())
            Chronicle::note(s, Chronicle::Kind::CourseFinished, courseName(course));
        effects.say(step.message, step.title, MsgIcon::Exclamation);
        if (i + 1 == ladder.steps.size()) {
            effects.courseFinished(course);
            switch (course) {
            case Course::School:
                s.lblSCost = u"0"_s;
                s.lblSSchool = u"Вы выучились в школе."_s;
                break;
            case Course::English:
                s.lblECost = u"0"_s;
                s.lblEEnglish = u"Вы выучили англ. яз."_s;
                break;
            case Course::Computer:
                s.lblCCost = u"0"_s;
                s.lblCComputer = u"Вы сверх программист."_s;
                break;
            }
            s.*ladder.counter = u"OK"_s;
        }
        return;
    }
}

} // namespace

void tick(GameState& s, Effects& effects) {
    s.addMood(-2);
    s.addSatiety(-2);

    if (s.satiety() < -30) {
        Chronicle::note(s, Chronicle::Kind::Death, Chronicle::Cause::Hunger.toString());
        return effects.die(u"К сожалению вы умерли от голода."_s);
    }
    if (s.mood() < -40) {
        Chronicle::note(s, Chronicle::Kind::Death, Chronicle::Cause::Sorrow.toString());
        return effects.die(u"К сожалению вы умерли от тоски."_s);
    }

    if (s.satiety() < -20)
        effects.say(u"Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и "
                    "поесть вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет -30, "
                    "тогда вас постигнет лютая смерть!!!"_s,
                    u"ОПАСНОСТЬ!!!"_s, MsgIcon::Exclamation);
    else if (s.mood() < -30)
        effects.say(u"Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше "
                    "настроение достигнет -40, тогда вас постигнет лютая смерть!!!"_s,
                    u"ОПАСНОСТЬ!!!!!!!!!!!!!!!!!!!!"_s, MsgIcon::Exclamation);

    if (s.inSchool()) {
        s.addMoney(-3);
        AddTo(s.lblObras, 1);
    }
    if (s.learningEnglish()) {
        s.addMoney(-4);
        AddTo(s.lblEng, 1);
    }
    if (s.learningComputers()) {
        s.addMoney(-4);
        AddTo(s.lblCom, 1);
    }

    climb(s, statusLadder(), effects, Course::Computer);
    climb(s, englishLadder(), effects, Course::English);
    climb(s, schoolLadder(), effects, Course::School);

    // A working computer: processor, monitor, disk, memory and a system.
    if (hasNone(s.lblComp) || hasNone(s.lblMonitor) || hasNone(s.lblVinchester) ||
        hasNone(s.lblRAM) || hasNone(s.lblSystem))
        return;
    s.addVirusDay();
    if (s.virusDays() >= 10) {
        s.lblVir = u"0"_s;
        effects.virusStrikes();
    }
}

} // namespace Life
