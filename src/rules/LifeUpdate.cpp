#include "rules/LifeUpdate.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace Life {

const Ladder& statusLadder() {
    static const Ladder ladder{
        &GameState::lblStatus,
        &GameState::lblCom,
        {
            {u"Чайник", u"10", u"Любитель", u"Ваш статус стал теперь любитель."_s,
             u"Вы Любитель"_s},
            {u"Любитель", u"16", u"Новичок", u"Ваш статус стал теперь новичок."_s, u"Вы Новичок"_s},
            {u"Новичок", u"22", u"Программист", u"Ваш статус стал теперь программист."_s,
             u"Вы Программист"_s},
            {u"Программист", u"28", u"Почти хакер", u"Ваш статус стал теперь почти хакер."_s,
             u"Вы Почти Хакер"_s},
            {u"Почти хакер", u"36", u"Хакер", u"Ваш статус стал теперь хакер. "_s, u"Вы Хакер"_s},
            {u"Хакер", u"46", u"Администратор", u"Ваш статус стал теперь администратор. "_s,
             u"Вы Администратор"_s},
            {u"Администратор", u"54", u"Профессионал", u"Ваш статус стал теперь профессионал. "_s,
             u"Вы Профессионал"_s},
            {u"Профессионал", u"60", u"Сверх профессионал",
             u"Ваш статус стал теперь сверх профессионал. "_s, u"Вы Сверх профессионал"_s},
        }};
    return ladder;
}

const Ladder& englishLadder() {
    static const Ladder ladder = [] {
        Ladder l{&GameState::lblEnglish, &GameState::lblEng, {}};
        static const char16_t* const rungs[] = {u"Не знаю",   u"1 уровень", u"2 уровень",
                                                u"3 уровень", u"4 уровень", u"5 уровень",
                                                u"6 уровень", u"7 уровень", u"8 уровень"};
        static const char16_t* const marks[] = {u"12", u"18", u"22", u"30",
                                                u"38", u"48", u"56", u"62"};
        for (int level = 1; level <= 8; ++level) {
            const QString n = QString::number(level);
            l.steps.push_back(
                {rungs[level - 1], marks[level - 1], rungs[level],
                 u"Вы перешли на "_s + n + u" уровень. "_s,
                 u"Английский язык (English language). Вы на "_s + n + u" Уровене"_s});
        }
        return l;
    }();
    return ladder;
}

const Ladder& schoolLadder() {
    static const Ladder ladder{
        &GameState::lblEduncation,
        &GameState::lblObras,
        {
            {u"Начальное", u"10", u"Неполное среднее",
             u"Ваше образование теперь неполное среднее. "_s, u"Образование Неполное среднее"_s},
            {u"Неполное среднее", u"14", u"Среднее", u"Ваше образование теперь среднее. "_s,
             u"Образование Среднее"_s},
            {u"Среднее", u"22", u"Неполное высшее", u"Ваше образование теперь неполное высшее. "_s,
             u"Образование Неполное высшее"_s},
            {u"Неполное высшее", u"28", u"Высшее", u"Ваше образование теперь высшее. "_s,
             u"Образование Высшее"_s},
        }};
    return ladder;
}

namespace {

QString decreased(const QString& field, double by) {
    return Num(Val(field) - by);
}

// At most one step a tick; the last step closes the course for good.
void climb(GameState& s, const Ladder& ladder, Effects& effects, Course course) {
    for (size_t i = 0; i < ladder.steps.size(); ++i) {
        const LadderStep& step = ladder.steps[i];
        if (s.*ladder.rung != step.from || s.*ladder.counter != step.mark)
            continue;
        s.*ladder.rung = QString::fromUtf16(step.to);
        effects.warn(step.message, step.title);
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
    s.lblHappyness = decreased(s.lblHappyness, 2);
    s.lblHungry = decreased(s.lblHungry, 2);

    if (Val(s.lblHungry) < -30)
        return effects.die(u"К сожалению вы умерли от голода."_s);
    if (Val(s.lblHappyness) < -40)
        return effects.die(u"К сожалению вы умерли от тоски."_s);

    if (Val(s.lblHungry) < -20)
        effects.warn(u"Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и "
                     "поесть вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет -30, "
                     "тогда вас постигнет лютая смерть!!!"_s,
                     u"ОПАСНОСТЬ!!!"_s);
    else if (Val(s.lblHappyness) < -30)
        effects.warn(u"Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше "
                     "настроение достигнет -40, тогда вас постигнет лютая смерть!!!"_s,
                     u"ОПАСНОСТЬ!!!!!!!!!!!!!!!!!!!!"_s);

    if (Val(s.lblSCost) != 0) {
        s.lblMoney = decreased(s.lblMoney, 3);
        s.lblObras = Num(Val(s.lblObras) + 1);
    }
    if (Val(s.lblECost) != 0) {
        s.lblMoney = decreased(s.lblMoney, 4);
        s.lblEng = Num(Val(s.lblEng) + 1);
    }
    if (Val(s.lblCCost) != 0) {
        s.lblMoney = decreased(s.lblMoney, 4);
        s.lblCom = Num(Val(s.lblCom) + 1);
    }

    climb(s, statusLadder(), effects, Course::Computer);
    climb(s, englishLadder(), effects, Course::English);
    climb(s, schoolLadder(), effects, Course::School);

    // A working computer: processor, monitor, disk, memory and a system.
    const QString none = u"Пока нет"_s;
    if (s.lblComp == none || s.lblMonitor == none || s.lblVinchester == none || s.lblRAM == none ||
        s.lblSystem == none)
        return;
    s.lblVir = Num(Val(s.lblVir) + 1);
    if (Val(s.lblVir) >= 10) {
        s.lblVir = u"0"_s;
        effects.virusStrikes();
    }
}

} // namespace Life
