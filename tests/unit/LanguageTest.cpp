// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's language: how a run picks it, the menu that switches it and keeps it, and the
// promise that the language is only the view's: the same life played in Russian and in English
// leaves the same files, byte for byte.

#include "ui/Language.h"
#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "runner/Scenario.h"
#include "runner/ScriptedPlatform.h"
#include "ui/FormCore.h"
#include "ui/Game.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Language, ARunTakesTheCommandLineThenThePlayersChoiceThenTheSystems) {
    const struct {
        const char16_t *commandLine, *kept;
        QStringList system;
        Language expected;
    } cases[] = {
        {u"en", u"ru", {u"ru-RU"_s}, Language::English},
        {u"ru", u"en", {u"en-US"_s}, Language::Russian},
        {u"", u"en", {u"ru-RU"_s}, Language::English},
        {u"", u"ru", {u"de-DE"_s}, Language::Russian},
        {u"", u"", {u"ru-RU"_s}, Language::Russian},
        // Russian among the user's languages, not first.
        {u"", u"", {u"en-GB"_s, u"uk-UA"_s, u"ru"_s}, Language::Russian},
        {u"", u"", {u"uk-UA"_s, u"de-DE"_s}, Language::English},
        {u"", u"", {}, Language::English},
        // A word that names no language of the game is passed over.
        {u"xx", u"", {u"ru-RU"_s}, Language::Russian},
        {u"", u"Русский", {u"en-US"_s}, Language::English},
        {u"EN", u"ru", {}, Language::Russian},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLanguage(QStringView(c.commandLine), QStringView(c.kept), c.system),
                  c.expected)
            << QString::fromUtf16(c.commandLine).toStdString() << " / "
            << QString::fromUtf16(c.kept).toStdString() << " / "
            << c.system.join(u',').toStdString();
}

namespace {
class KeepingPlatform : public ScriptedPlatform {
public:
    using ScriptedPlatform::ScriptedPlatform;
    QString keptLanguage() override { return kept; }
    void keepLanguage(const QString& code) override { kept = code; }
    QString kept;
};

class LanguageMenu : public ScriptedGame<KeepingPlatform> {
protected:
    ~LanguageMenu() override { useLanguage(Language::Russian); }
    QAction* action(const char* name) const {
        return game.loaded(u"frmMain")->window()->findChild<QAction*>(QString::fromLatin1(name));
    }
    QString menuTitle(int index) const {
        return game.loaded(u"frmMain")->window()->findChild<QMenuBar*>()->actions()[index]->text();
    }
};
} // namespace

TEST_F(LanguageMenu, SwitchesAtOnceAndIsKept) {
    ASSERT_TRUE(action("LanguageRussian")->isChecked());
    EXPECT_EQ(menuTitle(0), u"&Файл");
    action("LanguageEnglish")->trigger();
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(platform.kept, u"en");
    EXPECT_TRUE(action("LanguageEnglish")->isChecked());
    EXPECT_EQ(menuTitle(0), u"&File");
    EXPECT_EQ(action("Save")->text(), u"&Save game");
    // Its own name and the languages' names stay as they are, for a player who reads neither.
    EXPECT_EQ(menuTitle(2), u"Язык / &Language");
    EXPECT_EQ(action("LanguageRussian")->text(), u"Русский");

    action("LanguageRussian")->trigger();
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_EQ(currentLanguage(), Language::Russian);
    EXPECT_EQ(platform.kept, u"ru");
    EXPECT_EQ(menuTitle(0), u"&Файл");
    EXPECT_EQ(action("Save")->text(), u"&Сохранить игру");
}

namespace {

// Every file under `folder`, by its path there, with its bytes.
std::map<QString, QByteArray> filesIn(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

// A life of a few days, played through the windows: shopping, a job, lessons, a computer, a
// program, a status, a save, autosaves at the days' ends, and a death to end it. What it
// leaves in its folder.
std::map<QString, QByteArray> playALife(Language language) {
    useLanguage(language);
    ScriptedPlatform::deliverPostedEvents();
    QTemporaryDir folder;
    ScriptedPlatform platform(folder.path());
    const WindowCatalog windows = gameWindows();
    {
        ScenarioSession session(windows, platform);
        const char16_t* lines[] = {
            u"start",
            u"set lblMoney 30000",
            u"click frmMain.imgShop",
            u"click frmShop.cmdBuyBrakfast",
            u"click frmShop.cmdBuyClothes",
            u"click frmShop.cmdBack",
            u"click frmMain.imgComputer",
            u"click frmComputer.cmdBuyComp",
            u"click frmComputer.cmdBuyMonitor",
            u"click frmComputer.cmdBack",
            u"click frmMain.imgPrograms",
            u"click frmPrograms.cmdW2000",
            u"click frmPrograms.cmdBack",
            u"click frmMain.imgLearn",
            u"click frmStudy.cmdSchool",
            u"click frmStudy.cmdBack",
            u"click frmMain.imgWork",
            u"click frmWork.cmdWGruschik",
            u"click frmWork.cmdBack",
            u"click frmMain.imgFlat",
            u"click frmFlat.cmdBuyFlat",
            u"click frmFlat.cmdBack",
            u"wait 72000",
            u"file g.kbz",
            u"click frmMain.Save",
            u"set lblHungry -29",
            u"wait 36000",
        };
        for (const char16_t* line : lines) {
            const std::optional<QString> failed =
                session.perform(QString::fromUtf16(line).split(u' '));
            EXPECT_FALSE(failed.has_value()) << QString::fromUtf16(line).toStdString() << ": "
                                             << failed.value_or(QString()).toStdString();
        }
    }
    ScriptedPlatform::deliverPostedEvents();
    useLanguage(Language::Russian);
    return filesIn(folder.path());
}

} // namespace

TEST(Language, TheSameLifeLeavesTheSameFilesInEitherLanguage) {
    const std::map<QString, QByteArray> russian = playALife(Language::Russian);
    const std::map<QString, QByteArray> english = playALife(Language::English);
    ASSERT_TRUE(russian.count(u"g.kbz"_s));
    ASSERT_TRUE(russian.count(u"g.kbz.history"_s));
    QStringList names;
    for (const auto& [name, bytes] : russian)
        names << name;
    // The autosaves, the hall and the memorial of the death are among them.
    EXPECT_TRUE(names.join(u' ').contains(u"memorial/"_s)) << names.join(u", ").toStdString();
    EXPECT_TRUE(names.join(u' ').contains(u"hall"_s)) << names.join(u", ").toStdString();
    EXPECT_TRUE(names.join(u' ').contains(u".kbz"_s)) << names.join(u", ").toStdString();
    for (const auto& [name, bytes] : russian) {
        ASSERT_TRUE(english.count(name)) << name.toStdString();
        EXPECT_EQ(english.at(name), bytes) << name.toStdString();
    }
    EXPECT_EQ(english.size(), russian.size()) << names.join(u", ").toStdString();
}
