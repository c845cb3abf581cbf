// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/LifeUpdate.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

#include <vector>

using namespace Qt::StringLiterals;

namespace Life {

// The steps' texts are the sources of the player's messages: climb() translates them as it
// says them.
const Ladder& statusLadder() {
    static const Ladder ladder{
        Ladders::Status,
        &GameState::lblStatus,
        &GameState::lblCom,
        {
            {u"10"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь любитель."),
             QT_TRANSLATE_NOOP("Game", "Вы Любитель")},
            {u"16"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь новичок."),
             QT_TRANSLATE_NOOP("Game", "Вы Новичок")},
            {u"22"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь программист."),
             QT_TRANSLATE_NOOP("Game", "Вы Программист")},
            {u"28"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь почти хакер."),
             QT_TRANSLATE_NOOP("Game", "Вы Почти Хакер")},
            {u"36"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь хакер. "),
             QT_TRANSLATE_NOOP("Game", "Вы Хакер")},
            {u"46"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь администратор. "),
             QT_TRANSLATE_NOOP("Game", "Вы Администратор")},
            {u"54"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь профессионал. "),
             QT_TRANSLATE_NOOP("Game", "Вы Профессионал")},
            {u"60"_s, QT_TRANSLATE_NOOP("Game", "Ваш статус стал теперь сверх профессионал. "),
             QT_TRANSLATE_NOOP("Game", "Вы Сверх профессионал")},
        }};
    return ladder;
}

const Ladder& englishLadder() {
    static const Ladder ladder = [] {
        Ladder l{Ladders::English, &GameState::lblEnglish, &GameState::lblEng, {}, true};
        static const char16_t* const marks[] = {u"12", u"18", u"22", u"30",
                                                u"38", u"48", u"56", u"62"};
        for (const char16_t* mark : marks)
            l.steps.push_back(
                {QString::fromUtf16(mark), QT_TRANSLATE_NOOP("Game", "Вы перешли на %1 уровень. "),
                 QT_TRANSLATE_NOOP("Game",
                                   "Английский язык (English language). Вы на %1 Уровене")});
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
            {u"10"_s, QT_TRANSLATE_NOOP("Game", "Ваше образование теперь неполное среднее. "),
             QT_TRANSLATE_NOOP("Game", "Образование Неполное среднее")},
            {u"14"_s, QT_TRANSLATE_NOOP("Game", "Ваше образование теперь среднее. "),
             QT_TRANSLATE_NOOP("Game", "Образование Среднее")},
            {u"22"_s, QT_TRANSLATE_NOOP("Game", "Ваше образование теперь неполное высшее. "),
             QT_TRANSLATE_NOOP("Game", "Образование Неполное высшее")},
            {u"28"_s, QT_TRANSLATE_NOOP("Game", "Ваше образование теперь высшее. "),
             QT_TRANSLATE_NOOP("Game", "Образование Высшее")},
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
        QString message = QCoreApplication::translate("Game", step.message);
        QString title = QCoreApplication::translate("Game", step.title);
        if (ladder.numbered) {
            message = message.arg(i + 1);
            title = title.arg(i + 1);
        }
        effects.say(message, title, MsgIcon::Exclamation);
        if (i + 1 == ladder.steps.size()) {
            effects.courseFinished(course);
            switch (course) {
            case Course::School:
                s.lblSCost = u"0"_s;
                s.lblSSchool =
                    QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Вы выучились в школе."));
                break;
            case Course::English:
                s.lblECost = u"0"_s;
                s.lblEEnglish =
                    QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Вы выучили англ. яз."));
                break;
            case Course::Computer:
                s.lblCCost = u"0"_s;
                s.lblCComputer =
                    QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Вы сверх программист."));
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
        return effects.die(QCoreApplication::translate("Game", "К сожалению вы умерли от голода."));
    }
    if (s.mood() < -40) {
        Chronicle::note(s, Chronicle::Kind::Death, Chronicle::Cause::Sorrow.toString());
        return effects.die(QCoreApplication::translate("Game", "К сожалению вы умерли от тоски."));
    }

    if (s.satiety() < -20)
        effects.say(QCoreApplication::translate(
                        "Game", "Внимание опасность голода! Вам необходимо сходить в Бытовой "
                                "магазин и поесть вдоволь.   ВНИМАНИЕ: если ваше состояние "
                                "сытости достигнет -30, тогда вас постигнет лютая смерть!!!"),
                    QCoreApplication::translate("Game", "ОПАСНОСТЬ!!!"), MsgIcon::Exclamation);
    else if (s.mood() < -30)
        effects.say(QCoreApplication::translate(
                        "Game", "Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если "
                                "ваше настроение достигнет -40, тогда вас постигнет лютая "
                                "смерть!!!"),
                    QCoreApplication::translate("Game", "ОПАСНОСТЬ!!!!!!!!!!!!!!!!!!!!"),
                    MsgIcon::Exclamation);

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
