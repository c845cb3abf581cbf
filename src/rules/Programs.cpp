// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Programs.h"

#include "state/GameState.h"
#include "state/NumberText.h"

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
    const char16_t* label; // how the requirement text calls the part
};

constexpr PartInfo parts[PartCount] = {
    {&GameState::Comp, u"процессор"},
    {&GameState::Mon, u"монитор"},
    {&GameState::Vin, u"винчестер"},
    {&GameState::CD, u"CD-ROM"},
    {&GameState::RAM, u"RAM"},
    {&GameState::Video, u"видео карта"},
    {&GameState::Sound, u"звуковая карта"},
    {&GameState::Prn, u"принтер"},
};

} // namespace

std::span<const Program> catalogue() {
    // clang-format off
    static const Program table[] = {
        {"cmdNC", u"NortonCommander", System, u"NC", 3, nullptr, false,
         {1, 1, 1, 1, 1, 1, 0, 0}, u"", true, false, u"Вы установили Norton Commander", nullptr},
        {"cmdW311", u"Windows 3.11", System, u"W3.11", 8, nullptr, false,
         {2, 1, 2, 2, 2, 1, 1, 1}, u"", false, false, u"Вы установили Windows 3.11", nullptr},
        {"cmdW95", u"Windows 95", System, u"W95", 10, nullptr, false,
         {3, 1, 3, 3, 3, 1, 1, 1}, u"", true, false, u"Вы установили Windows 95", nullptr},
        {"cmdW98", u"Windows 98", System, u"W98", 17, nullptr, false,
         {4, 1, 4, 4, 4, 2, 2, 1}, u"", false, false, u"Вы установили Windows 98", nullptr},
        {"cmdW2000", u"Windows 2000", System, u"W2000", 25, nullptr, false,
         {5, 2, 5, 5, 5, 3, 3, 2}, u"", false, true, u"Вы установили Windows 2000", nullptr},

        {"cmdBasic", u"Basic", Language, u"Basic", 5, u"NC", false,
         None, u"NC", true, false, u"Вы установили Basic", nullptr},
        {"cmdPascal", u"Паскаль", Language, u"Pascal", 7, u"NC", false,
         {2, 0, 2, 0, 0, 0, 0, 0}, u"NC", true, false, u"Вы установили Pascal", nullptr},
        {"cmdVB", u"Visual Basic", Language, u"VB", 15, u"W95", false,
         {0, 0, 0, 0, 0, 2, 0, 0}, u"W95", false, false, u"Вы установили Visual Basic", nullptr},
        {"cmdVC", u"Visual C++", Language, u"VC++", 20, u"W95", false,
         {0, 0, 0, 0, 4, 2, 0, 0}, u"W95", false, false, u"Вы установили Visual C++", nullptr},

        {"cmdCorelXara", u"Corel Xara", Graphics, u"Corel Xara", 4, u"W3.11", true,
         None, u"система W3.11", true, false,
         u"Вы установили графический редактор Corel Xara", nullptr},
        {"cmdPhotoshp", u"Photoshop", Graphics, u"Photoshop", 10, u"W95", false,
         {0, 0, 0, 0, 0, 2, 0, 0}, u"система W95", false, false,
         u"Вы установили графический редактор Photoshop", nullptr},
        {"cmd3DSMII", u"3D Studio Max II", Graphics, u"3D StMax II", 15, u"W98", false,
         {0, 2, 5, 0, 0, 3, 0, 2}, u"система W98", false, false,
         u"Вы установили мощный графический редактор 3D Studio Max II", nullptr},
        {"cmd3DSMIII", u"3D Studio Max III", Graphics, u"3D StMax III", 25, u"W2000", false,
         {6, 3, 6, 0, 0, 4, 0, 3}, u"система W2000", false, true,
         u"Вы установили мощнейший графический редактор 3D Studio Max III", nullptr},

        {"cmdAKI", u"Ант. Касперского (v.I)", Antivirus, u"Касперского", 5, u"W95", false,
         None, u"система Windows 95", false, false,
         u"Вы установили антивирус Касперского (v.I). Не забывайте проверять ваш компьютер на "
         u"вирусы.", nullptr},
        {"cmdAIVP", u"Ант. IVP 100", Antivirus, u"IVP 100", 20, u"W2000", false,
         None, u"система Windows 2000", false, true,
         u"Вы установили мощный антивирус IVP 100. Не забывайте проверять ваш компьютер на "
         u"вирусы.", nullptr},

        {"cmdBrowser", u"Браузер (IE)", Internet, u"Браузер", 15, u"W95", false,
         None, u"система Windows 95", false, false, u"Вы установили браузер Internet Explorer.",
         &GameState::HasBrowser},
        {"cmdDialer", u"Звонилка (Dialer)", Internet, u"Звонилка", 5, u"W95", false,
         None, u"система Windows 95", false, false, u"Вы установили звонилку.",
         &GameState::HasDialer},
        {"cmdDownloader", u"Закачка (Downloader)", Internet, u"Закачка", 7, u"W95", false,
         None, u"система Windows 95", false, false, u"Вы установили Закачку (Downloader).",
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
            rungs << QString::fromUtf16(program.name);
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
           !Ladders::below(rungs, current, QString::fromUtf16(program.name));
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
        items << QString::fromUtf16(program.lead);
    for (int part = 0; part < PartCount; ++part)
        if (const qint16 level = program.minimum[part])
            items << QString::fromUtf16(parts[part].label) + u' ' +
                         (s.*parts[part].catalog).Names.value(level);
    return u"Минимальные системные требования:\r\n"_s + items.join(u"; "_s) + u'.';
}

bool fits(const GameState& s, const Program& program) {
    if (program.system &&
        Ladders::below(ladder(System), s.lblSystem, QString::fromUtf16(program.system)))
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
        effects.say(u"У вас, не хватает денег на это"_s, u"Внимание"_s, MsgIcon::Exclamation);
        return false;
    }
    if (!fits(s, program)) {
        effects.say(u"Конфигурация вашего компьютера не подходит"_s,
                    u"Не подходит конфигурация  компьютера"_s, MsgIcon::Exclamation);
        return false;
    }
    if (program.feedsVirus)
        s.addVirusDay();
    effects.disableUpTo(program);
    s.addMoney(-program.price);
    if (program.liftsMood)
        s.addMood(1);
    if (QString GameState::*kept = field(program.group)) {
        s.*kept = QString::fromUtf16(program.name);
        effects.recorded(program);
    }
    static constexpr const char16_t* groupNames[] = {u"Система", u"Программирование", u"Графика",
                                                     u"Антивирус", u"Интернет"};
    Chronicle::note(s, Chronicle::Kind::Program,
                    QString::fromUtf16(groupNames[static_cast<int>(program.group)]), program.price,
                    QString::fromUtf16(program.name));
    effects.say(QString::fromUtf16(program.message), u"Установлен"_s, MsgIcon::Information);
    // The tool counts as there only once the player has read that it is.
    if (program.flag)
        s.*program.flag = -1;
    return true;
}

} // namespace Programs
