// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Hacking.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Hacking {

namespace {

const std::array<const char*, Assignments> Texts = {
    QT_TRANSLATE_NOOP("Game", "Это очень простое задание. Нужно просто взломать программу. Плата "
                              "за выполнение 4$."),
    QT_TRANSLATE_NOOP("Game", "Вам необходимо взломать защиту сервера и скачать файл из "
                              "интернета. Плата за выполнение 5$."),
    QT_TRANSLATE_NOOP("Game", "Вам нужно поразить вирусами компьютеры крупной компании. Плата за "
                              "выполнение 6$."),
    QT_TRANSLATE_NOOP("Game",
                      "Вам нужно форматнуть диски банковской системы. Плата за выполнение 7$."),
    QT_TRANSLATE_NOOP("Game", "Вам требуется перечислить деньги из маленького магазина себе на "
                              "счет. Плата за выполнение 8$."),
    QT_TRANSLATE_NOOP("Game", "Вам надо скачать базу данных с банковского компьютера. Плата за "
                              "выполнение 9$."),
    QT_TRANSLATE_NOOP("Game", "Вам требуется перечислить деньги со счета в банке. Плата за "
                              "выполнение 10$."),
    QT_TRANSLATE_NOOP("Game", "Вам требуется удалить спец файл с главного компьютера города. "
                              "Плата за выполнение 11$."),
    QT_TRANSLATE_NOOP("Game", "Это очень сложное задание. Вам требуется скачать себе программу "
                              "обороны. Плата за выполнение 12$."),
};

// The first draws that call for the second, fatal-looking one: more of them the harder the
// assignment.
bool redraws(qint16 n, qint16 first) {
    static constexpr std::array<qint16, 2> Easy = {2, 4};
    static constexpr std::array<qint16, 3> Middle = {2, 4, 5};
    static constexpr std::array<qint16, 5> Hard = {1, 2, 4, 5, 9};
    const auto in = [first](const auto& set) {
        return std::find(set.begin(), set.end(), first) != set.end();
    };
    if (n <= 3)
        return in(Easy);
    if (n <= 6)
        return in(Middle);
    return in(Hard);
}

qint16 draw(Chance& chance, int count, int lowest) {
    return qint16(Int(double(chance.rnd()) * count + lowest));
}

} // namespace

QString assignment(qint16 n) {
    return QString::fromUtf8(Texts.at(size_t(n - 1)));
}

int pay(qint16 n) {
    return n + 3;
}

int fine(qint16 n) {
    return n;
}

qint16 take(Chance& chance) {
    chance.randomize();
    return draw(chance, Assignments, 1);
}

int stepInterval(Chance& chance) {
    return draw(chance, 50, 20);
}

qint16 outcome(qint16 n, Chance& chance) {
    const qint16 first = draw(chance, 9, 1);
    return redraws(n, first) ? draw(chance, 99, 19) : first;
}

Step step(qint16 outcome, qint16 progress) {
    if (outcome > 9 && progress >= outcome)
        return Step::Failure;
    return progress == 100 ? Step::Success : Step::Going;
}

QString progressText(qint16 progress) {
    return QCoreApplication::translate("Game", ":: Выполнение (%1%) ::").arg(Str(progress));
}

bool admits(const GameState& state, Effects& effects) {
    if (!Ladders::below(Ladders::Status, state.lblStatus,
                        QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Хакер"))))
        return true;
    effects.say(QCoreApplication::translate("Game", "Ваш статус должен быть хакер."),
                QCoreApplication::translate("Game", "Вы должны быть хакер."), MsgIcon::None);
    return false;
}

void takeAssignment(Den& den, Chance& chance) {
    den.assignment = take(chance);
    den.phase = Den::Phase::Taken;
}

void refuse(Den& den, GameState& state, Effects& effects) {
    effects.say(
        QCoreApplication::translate("Game", "Жаль, что вы не взялись за выполнение этого задания."),
        QCoreApplication::translate("Game", "Задание не выполнено, по причине отказа."),
        MsgIcon::None);
    state.addMoney(-RefusalFee);
    idle(den);
}

int startRun(Den& den, Chance& chance) {
    chance.randomize();
    const int interval = stepInterval(chance);
    den.progress = 0;
    den.outcome = outcome(den.assignment, chance);
    den.phase = Den::Phase::Running;
    return interval;
}

Step advance(Den& den) {
    ++den.progress;
    den.lastStep = den.progress;
    return step(den.outcome, den.progress);
}

void idle(Den& den) {
    den.phase = Den::Phase::Idle;
    den.progress = 0;
}

void succeed(GameState& state, qint16 n, Effects& effects) {
    effects.say(QCoreApplication::translate("Game", "Ура! Задание выполнено.\nВы получаете %1$.")
                    .arg(Str(pay(n))),
                QCoreApplication::translate("Game", "Задание выполнено."), MsgIcon::None);
    state.addMoney(pay(n));
    state.addMood(1);
    state.addSatiety(1);
    Chronicle::note(state, Chronicle::Kind::HackDone, assignment(n), pay(n));
}

void fail(GameState& state, qint16 n, Effects& effects) {
    effects.say(QCoreApplication::translate(
                    "Game", "Boom! Задание провалено.\nПришлось заплатить штраф в размере %1")
                    .arg(Str(fine(n))),
                u"Booooom!!!"_s, MsgIcon::None);
    state.addMoney(-fine(n));
    Chronicle::note(state, Chronicle::Kind::HackFailed, assignment(n), fine(n));
}

} // namespace Hacking
