// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The software shop's catalogue, row by row as the game's design lists it: captions, names,
// prices, requirement texts, minimums, and what each install does; then the order of an
// install's steps, the anti-virus check, and the window under real pointer moves.

#include "rules/Programs.h"
#include "app/GameWindows.h"
#include "purchases/frmPrograms.h"
#include "rules/Virus.h"
#include "runner/ScriptedPlatform.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Picture.h"
#include "unit/ScriptedEffects.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "unit/NewGame.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;
using Programs::Program;

namespace {

const Program& program(const char* button) {
    for (const Program& p : Programs::catalogue())
        if (qstrcmp(p.button, button) == 0)
            return p;
    ADD_FAILURE() << "no program " << button;
    return Programs::catalogue().front();
}

// Every part at its best model and the best system: every program fits.
GameState bestComputer() {
    GameState s = newGame();
    for (const CatalogInfo& info : catalogTable()) {
        Catalog& catalog = s.*info.catalog;
        catalog.Level = qint16(catalog.Names.size() - 1);
        s.*info.field = catalog.current();
    }
    s.lblSystem = u"W2000"_s;
    s.lblMoney = u"100"_s;
    return s;
}

struct Recorder : ScriptedEffects<Programs::Effects> {
    void disableUpTo(const Program& p) override {
        disabled << QString::fromLatin1(p.button);
        if (onDisable)
            onDisable();
    }
    void recorded(const Program& p) override {
        recordedAs << QString::fromLatin1(p.button);
        if (onRecord)
            onRecord();
    }
    void say(const QString& text, const QString& title, MsgIcon icon) override {
        ScriptedEffects::say(text, title, icon);
        if (onSay)
            onSay();
    }
    QStringList disabled, recordedAs;
    std::function<void()> onDisable, onRecord, onSay;
};

QStringList coveredButtons(const Program& installed) {
    QStringList buttons;
    for (const Program& other : Programs::catalogue())
        if (Programs::covers(installed, other))
            buttons << QString::fromLatin1(other.button);
    return buttons;
}

const QString Header = u"Минимальные системные требования:\r\n"_s;

} // namespace

TEST(Programs, TheCatalogue) {
    struct Row {
        const char* button;
        const char16_t* caption;
        const char16_t* name;
        int price;
        const char16_t* requirements;
        int virus, mood;
        const char16_t* message;
        const char16_t* covers; // the buttons an install disables, blank-separated
    };
    const Row table[] = {
        {"cmdNC", u"NortonCommander", u"NC", 3,
         u"процессор Intel 486; монитор 14''; винчестер 10 Gb; CD-ROM 16xSpeed; RAM 32Mb; видео "
         u"карта 8Mb S3 Savage 4.",
         1, 0, u"Вы установили Norton Commander", u"cmdNC"},
        {"cmdW311", u"Windows 3.11", u"W3.11", 8,
         u"процессор Pentium 166; монитор 14''; винчестер 20 Gb; CD-ROM 32xSpeed; RAM 64Mb; видео "
         u"карта 8Mb S3 Savage 4; звуковая карта 16 KHZ; принтер матричный.",
         0, 0, u"Вы установили Windows 3.11", u"cmdNC cmdW311"},
        {"cmdW95", u"Windows 95", u"W95", 10,
         u"процессор Pentium 233 MMX; монитор 14''; винчестер 30 Gb; CD-ROM 40xSpeed; RAM 128Mb; "
         u"видео карта 8Mb S3 Savage 4; звуковая карта 16 KHZ; принтер матричный.",
         1, 0, u"Вы установили Windows 95", u"cmdNC cmdW311 cmdW95"},
        {"cmdW98", u"Windows 98", u"W98", 17,
         u"процессор Pentium II 650; монитор 14''; винчестер 40 Gb; CD-ROM 48xSpeed; RAM 256Mb; "
         u"видео карта 16Mb RivaTNT; звуковая карта 22 KHZ; принтер матричный.",
         0, 0, u"Вы установили Windows 98", u"cmdNC cmdW311 cmdW95 cmdW98"},
        {"cmdW2000", u"Windows 2000", u"W2000", 25,
         u"процессор Pentium III 800; монитор 15''; винчестер 50 Gb; CD-ROM 56xSpeed; RAM 512Mb; "
         u"видео карта 32Mb Geforce2; звуковая карта 44 KHZ; принтер струйный.",
         0, 1, u"Вы установили Windows 2000", u"cmdNC cmdW311 cmdW95 cmdW98 cmdW2000"},
        {"cmdBasic", u"Basic", u"Basic", 5, u"NC.", 1, 0, u"Вы установили Basic", u"cmdBasic"},
        {"cmdPascal", u"Паскаль", u"Pascal", 7, u"NC; процессор Pentium 166; винчестер 20 Gb.", 1,
         0, u"Вы установили Pascal", u"cmdBasic cmdPascal"},
        {"cmdVB", u"Visual Basic", u"VB", 15, u"W95; видео карта 16Mb RivaTNT.", 0, 0,
         u"Вы установили Visual Basic", u"cmdBasic cmdPascal cmdVB"},
        {"cmdVC", u"Visual C++", u"VC++", 20, u"W95; RAM 256Mb; видео карта 16Mb RivaTNT.", 0, 0,
         u"Вы установили Visual C++", u"cmdBasic cmdPascal cmdVB cmdVC"},
        {"cmdCorelXara", u"Corel Xara", u"Corel Xara", 4, u"система W3.11.", 1, 0,
         u"Вы установили графический редактор Corel Xara", u"cmdCorelXara"},
        {"cmdPhotoshp", u"Photoshop", u"Photoshop", 10, u"система W95; видео карта 16Mb RivaTNT.",
         0, 0, u"Вы установили графический редактор Photoshop", u"cmdCorelXara cmdPhotoshp"},
        {"cmd3DSMII", u"3D Studio Max II", u"3D StMax II", 15,
         u"система W98; монитор 15''; винчестер 50 Gb; видео карта 32Mb Geforce2; принтер "
         u"струйный.",
         0, 0, u"Вы установили мощный графический редактор 3D Studio Max II",
         u"cmdCorelXara cmdPhotoshp cmd3DSMII"},
        {"cmd3DSMIII", u"3D Studio Max III", u"3D StMax III", 25,
         u"система W2000; процессор Pentium IV 1700; монитор 17''; винчестер 60 Gb; видео карта "
         u"64Mb Geforce2 MX; принтер лазерный.",
         0, 1, u"Вы установили мощнейший графический редактор 3D Studio Max III",
         u"cmdCorelXara cmdPhotoshp cmd3DSMII cmd3DSMIII"},
        {"cmdAKI", u"Ант. Касперского (v.I)", u"Касперского", 5, u"система Windows 95.", 0, 0,
         u"Вы установили антивирус Касперского (v.I). Не забывайте проверять ваш компьютер на "
         u"вирусы.",
         u"cmdAKI"},
        {"cmdAIVP", u"Ант. IVP 100", u"IVP 100", 20, u"система Windows 2000.", 0, 1,
         u"Вы установили мощный антивирус IVP 100. Не забывайте проверять ваш компьютер на "
         u"вирусы.",
         u"cmdAKI cmdAIVP"},
        {"cmdBrowser", u"Браузер (IE)", u"Браузер", 15, u"система Windows 95.", 0, 0,
         u"Вы установили браузер Internet Explorer.", u"cmdBrowser"},
        {"cmdDialer", u"Звонилка (Dialer)", u"Звонилка", 5, u"система Windows 95.", 0, 0,
         u"Вы установили звонилку.", u"cmdDialer"},
        {"cmdDownloader", u"Закачка (Downloader)", u"Закачка", 7, u"система Windows 95.", 0, 0,
         u"Вы установили Закачку (Downloader).", u"cmdDownloader"},
    };
    ASSERT_EQ(Programs::catalogue().size(), std::size(table));
    for (size_t i = 0; i < std::size(table); ++i) {
        const Row& row = table[i];
        const Program& p = Programs::catalogue()[i];
        SCOPED_TRACE(row.button);
        EXPECT_STREQ(p.button, row.button);
        EXPECT_EQ(QString::fromUtf8(p.caption), QString::fromUtf16(row.caption));
        EXPECT_EQ(QString::fromUtf8(p.name), QString::fromUtf16(row.name));
        EXPECT_EQ(p.price, row.price);
        EXPECT_EQ(Programs::requirements(newGame(), p),
                  Header + QString::fromUtf16(row.requirements));
        EXPECT_EQ(coveredButtons(p).join(u' '), QString::fromUtf16(row.covers));

        GameState s = bestComputer();
        s.lblVir = u"3"_s;
        s.lblHappyness = u"30"_s;
        Recorder effects;
        ASSERT_TRUE(Programs::install(s, p, effects));
        EXPECT_EQ(s.lblMoney, Num(100 - row.price));
        EXPECT_EQ(s.lblVir, Num(3 + row.virus));
        EXPECT_EQ(s.lblHappyness, Num(30 + row.mood));
        EXPECT_EQ(effects.texts, QStringList{QString::fromUtf16(row.message)});
        EXPECT_EQ(effects.titles, QStringList{u"Установлен"_s});
        EXPECT_EQ(effects.icons, std::vector{MsgIcon::Information});
        EXPECT_EQ(effects.disabled, QStringList{QString::fromLatin1(row.button)});
        if (p.flag) {
            EXPECT_EQ(s.*p.flag, -1);
            EXPECT_TRUE(effects.recordedAs.isEmpty());
        } else {
            EXPECT_EQ(s.*Programs::field(p.group), QString::fromUtf16(row.name));
            EXPECT_EQ(effects.recordedAs, QStringList{QString::fromLatin1(row.button)});
        }
    }
}

TEST(Programs, TheLadders) {
    using Programs::Group;
    EXPECT_EQ(Programs::ladder(Group::System),
              (QStringList{u"Пока нет"_s, u"NC"_s, u"W3.11"_s, u"W95"_s, u"W98"_s, u"W2000"_s}));
    EXPECT_EQ(Programs::ladder(Group::Language),
              (QStringList{u"Пока нет"_s, u"Basic"_s, u"Pascal"_s, u"VB"_s, u"VC++"_s}));
    EXPECT_EQ(Programs::ladder(Group::Graphics),
              (QStringList{u"Пока нет"_s, u"Corel Xara"_s, u"Photoshop"_s, u"3D StMax II"_s,
                           u"3D StMax III"_s}));
    EXPECT_EQ(Programs::ladder(Group::Antivirus),
              (QStringList{u"Пока нет"_s, u"Касперского"_s, u"IVP 100"_s}));
    EXPECT_TRUE(Programs::ladder(Group::Internet).isEmpty());
}

// Each program fits a computer that has exactly its minimums, and no longer once any one of
// them is a step short.
TEST(Programs, TheMinimums) {
    struct Row {
        const char* button;
        const char16_t* system; // the lowest system; nullptr: none
        std::array<qint16, Programs::PartCount> levels;
    };
    const Row table[] = {
        {"cmdNC", nullptr, {1, 1, 1, 1, 1, 1, 0, 0}},
        {"cmdW311", nullptr, {2, 1, 2, 2, 2, 1, 1, 1}},
        {"cmdW95", nullptr, {3, 1, 3, 3, 3, 1, 1, 1}},
        {"cmdW98", nullptr, {4, 1, 4, 4, 4, 2, 2, 1}},
        {"cmdW2000", nullptr, {5, 2, 5, 5, 5, 3, 3, 2}},
        {"cmdBasic", u"NC", {}},
        {"cmdPascal", u"NC", {2, 0, 2, 0, 0, 0, 0, 0}},
        {"cmdVB", u"W95", {0, 0, 0, 0, 0, 2, 0, 0}},
        {"cmdVC", u"W95", {0, 0, 0, 0, 4, 2, 0, 0}},
        {"cmdCorelXara", u"W3.11", {}},
        {"cmdPhotoshp", u"W95", {0, 0, 0, 0, 0, 2, 0, 0}},
        {"cmd3DSMII", u"W98", {0, 2, 5, 0, 0, 3, 0, 2}},
        {"cmd3DSMIII", u"W2000", {6, 3, 6, 0, 0, 4, 0, 3}},
        {"cmdAKI", u"W95", {}},
        {"cmdAIVP", u"W2000", {}},
        {"cmdBrowser", u"W95", {}},
        {"cmdDialer", u"W95", {}},
        {"cmdDownloader", u"W95", {}},
    };
    Catalog GameState::*const parts[] = {&GameState::Comp,  &GameState::Mon, &GameState::Vin,
                                         &GameState::CD,    &GameState::RAM, &GameState::Video,
                                         &GameState::Sound, &GameState::Prn};
    const QStringList systems = Programs::ladder(Programs::Group::System);
    for (const Row& row : table) {
        SCOPED_TRACE(row.button);
        const Program& p = program(row.button);
        GameState exact = newGame();
        exact.lblSystem = row.system ? QString::fromUtf16(row.system) : u"Пока нет"_s;
        exact.lblComp = u"Intel 486"_s; // the processor Corel Xara asks about by name
        for (int part = 0; part < Programs::PartCount; ++part)
            (exact.*parts[part]).Level = row.levels[part];
        EXPECT_TRUE(Programs::fits(exact, p));
        for (int part = 0; part < Programs::PartCount; ++part) {
            if (row.levels[part] == 0)
                continue;
            GameState shortOne = exact;
            --(shortOne.*parts[part]).Level;
            EXPECT_FALSE(Programs::fits(shortOne, p)) << "part " << part;
        }
        if (row.system) {
            GameState older = exact;
            older.lblSystem = systems[systems.indexOf(older.lblSystem) - 1];
            EXPECT_FALSE(Programs::fits(older, p)) << "on " << qPrintable(older.lblSystem);
            // A system the ladder does not know is no lower one.
            older.lblSystem = u"OS/2"_s;
            EXPECT_TRUE(Programs::fits(older, p));
        }
    }
}

TEST(Programs, CorelXaraWantsAProcessorByName) {
    GameState s = newGame();
    s.lblSystem = u"W3.11"_s;
    EXPECT_FALSE(Programs::fits(s, program("cmdCorelXara")));
    s.lblComp = u"Intel 486"_s; // the level plays no part
    EXPECT_TRUE(Programs::fits(s, program("cmdCorelXara")));
}

TEST(Programs, WhatTheWindowNoLongerOffers) {
    struct Row {
        const char* what;
        const char16_t *system, *language, *graphics, *antivirus;
        qint16 browser;
        const char16_t* offered; // blank-separated
    };
    const Row table[] = {
        {"a new game", u"Пока нет", u"Пока нет", u"Пока нет", u"Пока нет", 0, u""},
        {"one of each", u"W95", u"Pascal", u"Photoshop", u"Касперского", -1,
         u"cmdNC cmdW311 cmdW95 cmdBasic cmdPascal cmdCorelXara cmdPhotoshp cmdAKI cmdBrowser"},
        {"the tops", u"W2000", u"VC++", u"3D StMax III", u"IVP 100", 1,
         u"cmdNC cmdW311 cmdW95 cmdW98 cmdW2000 cmdBasic cmdPascal cmdVB cmdVC cmdCorelXara "
         u"cmdPhotoshp cmd3DSMII cmd3DSMIII cmdAKI cmdAIVP cmdBrowser"},
        // Only the exact names count.
        {"strange texts", u"w95", u"VC", u"", u"IVP100", 0, u""},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.what);
        GameState s = newGame();
        s.lblSystem = QString::fromUtf16(row.system);
        s.lblProgram = QString::fromUtf16(row.language);
        s.lblGraph = QString::fromUtf16(row.graphics);
        s.lblAntvirus = QString::fromUtf16(row.antivirus);
        s.HasBrowser = row.browser;
        s.HasDialer = s.HasDownloader = 0;
        QStringList gone;
        for (const Program& p : Programs::catalogue())
            if (Programs::installed(s, p))
                gone << QString::fromLatin1(p.button);
        EXPECT_EQ(gone.join(u' '), QString::fromUtf16(row.offered));
    }
}

TEST(Programs, AnInstallStepByStep) {
    GameState s = bestComputer();
    s.lblSystem = u"Пока нет"_s;
    s.lblVir = u"4"_s;
    s.lblMoney = u"1"_s;
    s.lblHappyness = u"20"_s;
    Recorder effects;
    // The counter moves before the buttons go; the charge after them.
    effects.onDisable = [&] {
        EXPECT_EQ(s.lblVir, u"4"_s) << "Windows 2000 feeds no virus";
        EXPECT_EQ(s.lblMoney, u"1"_s);
    };
    effects.onRecord = [&] {
        EXPECT_EQ(s.lblMoney, u"-24"_s);
        EXPECT_EQ(s.lblHappyness, u"21"_s);
        EXPECT_EQ(s.lblSystem, u"W2000"_s);
    };
    ASSERT_TRUE(Programs::install(s, program("cmdW2000"), effects));
    EXPECT_EQ(s.lblMoney, u"-24"_s) << "a positive balance is enough, not the price";

    GameState n = bestComputer();
    n.lblSystem = u"W3.11"_s;
    n.lblVir = u"4"_s;
    Recorder nc;
    nc.onDisable = [&] {
        EXPECT_EQ(n.lblVir, u"5"_s);
    };
    // Installing a lower system is what the window never offers, but the rule still records it.
    ASSERT_TRUE(Programs::install(n, program("cmdNC"), nc));
    EXPECT_EQ(n.lblSystem, u"NC"_s);
}

TEST(Programs, TheInternetFlagComesAfterTheMessage) {
    for (const char* button : {"cmdBrowser", "cmdDialer", "cmdDownloader"}) {
        SCOPED_TRACE(button);
        const Program& p = program(button);
        GameState s = bestComputer();
        Recorder effects;
        effects.onSay = [&] {
            EXPECT_EQ(s.*p.flag, 0);
        };
        ASSERT_TRUE(Programs::install(s, p, effects));
        EXPECT_EQ(s.*p.flag, -1);
        EXPECT_EQ(s.lblMoney, Num(100 - p.price));
    }
}

TEST(Programs, RefusalsChangeNothing) {
    struct Row {
        const char* what;
        const char* button;
        const char16_t* money;
        const char16_t* system;
        const char16_t* text;
        const char16_t* title;
    };
    const Row table[] = {
        {"no money", "cmdNC", u"0", u"Пока нет", u"У вас, не хватает денег на это", u"Внимание"},
        {"debt", "cmdBasic", u"-5", u"NC", u"У вас, не хватает денег на это", u"Внимание"},
        {"no system", "cmdBasic", u"170", u"Пока нет",
         u"Конфигурация вашего компьютера не подходит", u"Не подходит конфигурация  компьютера"},
        {"too old a system", "cmdBrowser", u"170", u"W3.11",
         u"Конфигурация вашего компьютера не подходит", u"Не подходит конфигурация  компьютера"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.what);
        GameState s = bestComputer();
        s.lblMoney = QString::fromUtf16(row.money);
        s.lblSystem = QString::fromUtf16(row.system);
        s.lblVir = u"2"_s;
        const GameState before = s;
        Recorder effects;
        EXPECT_FALSE(Programs::install(s, program(row.button), effects));
        EXPECT_EQ(effects.texts, QStringList{QString::fromUtf16(row.text)});
        EXPECT_EQ(effects.titles, QStringList{QString::fromUtf16(row.title)});
        EXPECT_EQ(effects.icons, std::vector{MsgIcon::Exclamation});
        EXPECT_TRUE(effects.disabled.isEmpty());
        EXPECT_EQ(s.lblMoney, before.lblMoney);
        EXPECT_EQ(s.lblVir, before.lblVir);
        EXPECT_EQ(s.lblProgram, before.lblProgram);
        EXPECT_EQ(s.HasBrowser, before.HasBrowser);
    }
    // A new game has no hardware: no system goes in.
    for (const char* button : {"cmdNC", "cmdW311", "cmdW95", "cmdW98", "cmdW2000"}) {
        GameState s = newGame();
        Recorder effects;
        EXPECT_FALSE(Programs::install(s, program(button), effects)) << button;
    }
}

TEST(Virus, TheAntivirusCheck) {
    struct Row {
        const char16_t* antivirus;
        const char16_t* counter;
        bool cleared;
        const char16_t* text;
        const char16_t* title;
    };
    const char16_t* const killed = u"Вам удалось уничтожить вирус";
    const char16_t* const cheered = u"Ура. Вирус убит.";
    const char16_t* const weak =
        u"К сожалению, антивирус Касперского не смог уничтожить этот вирус. Возможно в скором "
        u"времени он поразит ваш компьютер.";
    const char16_t* const strong =
        u"К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. Возможно в скором "
        u"времени он поразит ваш компьютер.";
    const Row table[] = {
        {u"Касперского", u"0", true, killed, cheered},
        {u"Касперского", u"5", true, killed, cheered},
        {u"Касперского", u"6", false, weak, u"Надо было покупать хороший антивирус."},
        {u"Касперского", u"11", false, weak, u"Надо было покупать хороший антивирус."},
        {u"IVP 100", u"0", true, killed, cheered},
        {u"IVP 100", u"10", true, killed, cheered},
        {u"IVP 100", u"11", false, strong, u"Не могу убить!"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(QString::fromUtf16(row.antivirus).toStdString() + " at " +
                     QString::fromUtf16(row.counter).toStdString());
        GameState s = newGame();
        s.lblAntvirus = QString::fromUtf16(row.antivirus);
        s.lblVir = QString::fromUtf16(row.counter);
        s.lblMoney = u"4"_s; // no balance test: the check may leave a debt
        ScriptedEffects effects;
        Virus::check(s, effects);
        EXPECT_EQ(s.lblVir, row.cleared ? u"0"_s : QString::fromUtf16(row.counter));
        EXPECT_EQ(s.lblMoney, row.cleared ? u"-6"_s : u"4"_s);
        EXPECT_EQ(effects.texts, QStringList{QString::fromUtf16(row.text)});
        EXPECT_EQ(effects.titles, QStringList{QString::fromUtf16(row.title)});
        EXPECT_EQ(effects.icons,
                  std::vector{row.cleared ? MsgIcon::Information : MsgIcon::Exclamation});
    }
}

// Qt drops a bare pointer move over a widget that does not follow the pointer; the frames,
// which cover most of the window, and what they hold besides buttons must pass it on.
TEST(Programs, APointerMoveOverAFrameClearsThePanel) {
    ScriptedPlatform platform{QString()};
    platform.date = QDate(2002, 5, 5);
    const WindowCatalog windows = gameWindows();
    {
        Game game(platform, windows);
        game.start();
        auto* window = game.open<frmPrograms>();
        ASSERT_TRUE(window);
        window->show();
        const auto move = [](QWidget* widget) {
            const QPointF at(3, 3);
            QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        };
        for (QGroupBox* frame :
             {window->Frame1, window->Frame2, window->Frame3, window->Frame4, window->Frame5}) {
            SCOPED_TRACE(frame->objectName().toStdString());
            move(window->findChild<QPushButton*>(u"cmdW95"_s));
            EXPECT_EQ(window->lblWhat->text(), u"W95"_s);
            move(frame);
            EXPECT_EQ(window->lblWhat->text(), u"------------"_s);
            EXPECT_EQ(window->lblM->text(), u"0"_s);
        }
        QWidget* const inside[] = {window->imgSystem, window->Label1, window->lblSystem,
                                   window->imgInternet};
        for (QWidget* spot : inside) {
            SCOPED_TRACE(spot->objectName().toStdString());
            move(window->findChild<QPushButton*>(u"cmdVB"_s));
            EXPECT_EQ(window->lblWhat->text(), u"VB"_s);
            move(spot);
            EXPECT_EQ(window->lblWhat->text(), u"------------"_s);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
