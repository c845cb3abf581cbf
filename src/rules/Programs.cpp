// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Programs.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Programs {

namespace {

constexpr auto System = Group::System;
constexpr auto Language = Group::Language;
constexpr auto Graphics = Group::Graphics;
constexpr auto Antivirus = Group::Antivirus;
constexpr auto Internet = Group::Internet;

// The levels of processor, monitor, hard disk, CD drive, memory, video card, sound card and
// printer a program needs.
using Needs = std::array<qint16, PartCount>;
constexpr Needs None{};

struct PartInfo {
    Catalog GameState::*catalog;
    const char* item; // how the requirement text names the part, %1 its model
};

constexpr PartInfo parts[PartCount] = {
    {&GameState::Comp, QT_TRANSLATE_NOOP("Game", "процессор %1")},
    {&GameState::Mon, QT_TRANSLATE_NOOP("Game", "монитор %1")},
    {&GameState::Vin, QT_TRANSLATE_NOOP("Game", "винчестер %1")},
    {&GameState::CD, "CD-ROM %1"},
    {&GameState::RAM, "RAM %1"},
    {&GameState::Video, QT_TRANSLATE_NOOP("Game", "видео карта %1")},
    {&GameState::Sound, QT_TRANSLATE_NOOP("Game", "звуковая карта %1")},
    {&GameState::Prn, QT_TRANSLATE_NOOP("Game", "принтер %1")},
};

} // namespace

std::span<const Program> catalogue() {
    // clang-format off
    static const Program table[] = {
        {"cmdNC", "NortonCommander", System, "NC", 3, nullptr, false,
         {1, 1, 1, 1, 1, 1, 0, 0}, "", true, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Norton Commander"), nullptr},
        {"cmdW311", "Windows 3.11", System, "W3.11", 8, nullptr, false,
         {2, 1, 2, 2, 2, 1, 1, 1}, "", false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Windows 3.11"), nullptr},
        {"cmdW95", "Windows 95", System, "W95", 10, nullptr, false,
         {3, 1, 3, 3, 3, 1, 1, 1}, "", true, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Windows 95"), nullptr},
        {"cmdW98", "Windows 98", System, "W98", 17, nullptr, false,
         {4, 1, 4, 4, 4, 2, 2, 1}, "", false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Windows 98"), nullptr},
        {"cmdW2000", "Windows 2000", System, "W2000", 25, nullptr, false,
         {5, 2, 5, 5, 5, 3, 3, 2}, "", false, true,
         QT_TRANSLATE_NOOP("Game", "Вы установили Windows 2000"), nullptr},

        {"cmdBasic", "Basic", Language, "Basic", 5, "NC", false,
         None, "NC", true, false, QT_TRANSLATE_NOOP("Game", "Вы установили Basic"), nullptr},
        {"cmdPascal", QT_TRANSLATE_NOOP("Game", "Паскаль"), Language, "Pascal", 7, "NC", false,
         {2, 0, 2, 0, 0, 0, 0, 0}, "NC", true, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Pascal"), nullptr},
        {"cmdVB", "Visual Basic", Language, "VB", 15, "W95", false,
         {0, 0, 0, 0, 0, 2, 0, 0}, "W95", false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Visual Basic"), nullptr},
        {"cmdVC", "Visual C++", Language, "VC++", 20, "W95", false,
         {0, 0, 0, 0, 4, 2, 0, 0}, "W95", false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Visual C++"), nullptr},

        {"cmdCorelXara", "Corel Xara", Graphics, "Corel Xara", 4, "W3.11", true,
         None, QT_TRANSLATE_NOOP("Game", "система W3.11"), true, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили графический редактор Corel Xara"), nullptr},
        {"cmdPhotoshp", "Photoshop", Graphics, "Photoshop", 10, "W95", false,
         {0, 0, 0, 0, 0, 2, 0, 0}, QT_TRANSLATE_NOOP("Game", "система W95"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили графический редактор Photoshop"), nullptr},
        {"cmd3DSMII", "3D Studio Max II", Graphics, "3D StMax II", 15, "W98", false,
         {0, 2, 5, 0, 0, 3, 0, 2}, QT_TRANSLATE_NOOP("Game", "система W98"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили мощный графический редактор 3D Studio Max II"),
         nullptr},
        {"cmd3DSMIII", "3D Studio Max III", Graphics, "3D StMax III", 25, "W2000", false,
         {6, 3, 6, 0, 0, 4, 0, 3}, QT_TRANSLATE_NOOP("Game", "система W2000"), false, true,
         QT_TRANSLATE_NOOP("Game",
                           "Вы установили мощнейший графический редактор 3D Studio Max III"),
         nullptr},

        {"cmdAKI", QT_TRANSLATE_NOOP("Game", "Ант. Касперского (v.I)"), Antivirus,
         QT_TRANSLATE_NOOP("Game", "Касперского"), 5, "W95", false,
         None, QT_TRANSLATE_NOOP("Game", "система Windows 95"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили антивирус Касперского (v.I). Не забывайте "
                                   "проверять ваш компьютер на вирусы."), nullptr},
        {"cmdAIVP", QT_TRANSLATE_NOOP("Game", "Ант. IVP 100"), Antivirus, "IVP 100", 20, "W2000",
         false, None, QT_TRANSLATE_NOOP("Game", "система Windows 2000"), false, true,
         QT_TRANSLATE_NOOP("Game", "Вы установили мощный антивирус IVP 100. Не забывайте "
                                   "проверять ваш компьютер на вирусы."), nullptr},

        {"cmdBrowser", QT_TRANSLATE_NOOP("Game", "Браузер (IE)"), Internet,
         QT_TRANSLATE_NOOP("Game", "Браузер"), 15, "W95", false,
         None, QT_TRANSLATE_NOOP("Game", "система Windows 95"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили браузер Internet Explorer."),
         &GameState::HasBrowser},
        {"cmdDialer", QT_TRANSLATE_NOOP("Game", "Звонилка (Dialer)"), Internet,
         QT_TRANSLATE_NOOP("Game", "Звонилка"), 5, "W95", false,
         None, QT_TRANSLATE_NOOP("Game", "система Windows 95"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили звонилку."), &GameState::HasDialer},
        {"cmdDownloader", QT_TRANSLATE_NOOP("Game", "Закачка (Downloader)"), Internet,
         QT_TRANSLATE_NOOP("Game", "Закачка"), 7, "W95", false,
         None, QT_TRANSLATE_NOOP("Game", "система Windows 95"), false, false,
         QT_TRANSLATE_NOOP("Game", "Вы установили Закачку (Downloader)."),
         &GameState::HasDownloader},
    };
    // clang-format on
    return table;
}

QStringList ladder(Group group) {
    if (group == Internet)
        return {};
    QStringList rungs{NotYet.toString()};
    for (const Program& program : catalogue())
        if (program.group == group)
            rungs << QString::fromUtf8(program.name);
    return rungs;
}

QString GameState::*field(Group group) {
    switch (group) {
    case Group::System:
        return &GameState::lblSystem;
    case Group::Language:
        return &GameState::lblProgram;
    case Group::Graphics:
        return &GameState::lblGraph;
    case Group::Antivirus:
        return &GameState::lblAntvirus;
    case Group::Internet:
        break;
    }
    return nullptr;
}

bool installed(const GameState& s, const Program& program) {
    if (program.flag)
        return s.*program.flag != 0;
    const QStringList rungs = ladder(program.group);
    const QString& current = s.*field(program.group);
    return rungs.contains(current) &&
           !Ladders::below(rungs, current, QString::fromUtf8(program.name));
}

bool covers(const Program& program, const Program& other) {
    if (&other == &program)
        return true;
    // The catalogue lists each ladder lowest first; the Internet tools each stand alone.
    return other.group == program.group && program.group != Internet && &other < &program;
}

QString requirements(const GameState& s, const Program& program) {
    QStringList items;
    if (*program.lead)
        items << Words::text(Words::For::Player, program.lead);
    for (int part = 0; part < PartCount; ++part)
        if (const qint16 level = program.minimum[part])
            items << Words::text(Words::For::Player, parts[part].item)
                         .arg(Words::shown((s.*parts[part].catalog).Names.value(level)));
    return QCoreApplication::translate("Game", "Минимальные системные требования:") + u"\r\n"_s +
           items.join(u"; "_s) + u'.';
}

bool fits(const GameState& s, const Program& program) {
    if (program.system &&
        Ladders::below(ladder(System), s.lblSystem, QString::fromUtf8(program.system)))
        return false;
    if (program.needsProcessor && hasNone(s.lblComp))
        return false;
    for (int part = 0; part < PartCount; ++part)
        if ((s.*parts[part].catalog).Level < program.minimum[part])
            return false;
    return true;
}

bool install(GameState& s, const Program& program, Effects& effects) {
    if (s.money() <= 0) {
        effects.say(QCoreApplication::translate("Game", "У вас, не хватает денег на это"),
                    QCoreApplication::translate("Game", "Внимание"), MsgIcon::Exclamation);
        return false;
    }
    if (!fits(s, program)) {
        effects.say(
            QCoreApplication::translate("Game", "Конфигурация вашего компьютера не подходит"),
            QCoreApplication::translate("Game", "Не подходит конфигурация  компьютера"),
            MsgIcon::Exclamation);
        return false;
    }
    if (program.feedsVirus)
        s.addVirusDay();
    effects.disableUpTo(program);
    s.addMoney(-program.price);
    if (program.liftsMood)
        s.addMood(1);
    if (QString GameState::*kept = field(program.group)) {
        s.*kept = QString::fromUtf8(program.name);
        effects.recorded(program);
    }
    static constexpr const char* groupNames[] = {
        QT_TRANSLATE_NOOP("Game", "Система"), QT_TRANSLATE_NOOP("Game", "Программирование"),
        QT_TRANSLATE_NOOP("Game", "Графика"), QT_TRANSLATE_NOOP("Game", "Антивирус"),
        QT_TRANSLATE_NOOP("Game", "Интернет")};
    Chronicle::note(s, Chronicle::Kind::Program,
                    QString::fromUtf8(groupNames[static_cast<int>(program.group)]), program.price,
                    QString::fromUtf8(program.name));
    effects.say(Words::text(Words::For::Player, program.message),
                QCoreApplication::translate("Game", "Установлен"), MsgIcon::Information);
    // The tool counts as there only once the player has read that it is.
    if (program.flag)
        s.*program.flag = -1;
    return true;
}

} // namespace Programs
