// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record stays the game's: a life lived while the player reads English leaves the very
// saved game, history, chronicle, hall and memorial that the same life leaves in Russian, while
// the player is told everything in English as it happens.

#include "InEnglish.h"
#include "rules/Buying.h"
#include "rules/Casino.h"
#include "rules/Fishing.h"
#include "rules/Hacking.h"
#include "rules/Jobs.h"
#include "rules/LifeStory.h"
#include "rules/LifeUpdate.h"
#include "rules/Online.h"
#include "rules/Paddle.h"
#include "rules/Programs.h"
#include "rules/Virus.h"
#include "state/Autosave.h"
#include "state/GameState.h"
#include "state/Hall.h"
#include "state/History.h"
#include "state/TextCodec.h"
#include "ui/Language.h"
#include "unit/ScriptedEffects.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ProgramEffects : ScriptedEffects<Programs::Effects> {
    void disableUpTo(const Programs::Program&) override {}
    void recorded(const Programs::Program&) override {}
};

struct LifeEffects : ScriptedEffects<Life::Effects> {
    void die(const QString&) override {}
    void courseFinished(Life::Course) override {}
    void virusStrikes() override {}
};

// What a life leaves: its files, byte for byte (read as text, to be read when they differ),
// and what the player was told along it.
struct Left {
    QString saved, history, hall, memorial;
    QString memorialName;
    QStringList told;
    std::vector<QString> chronicleShown;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

QString utf8(const QString& path) {
    return QString::fromUtf8(contents(path));
}

// A life of every kind of milestone whose words the rules write: a job, goods, programs, the
// Internet, a virus, hacking, fishing, the games of chance, and a death.
Left liveAndDie(const QString& folder) {
    GameState s;
    s.setDesignTexts();
    s.beginNewGame(QDate(2002, 5, 5));
    s.story.began = u"2026-12-11T12:00:00"_s;
    s.lblMoney = u"1000"_s;
    Left left;
    ScriptedEffects<> effects({false, false}, {0.5F});
    Jobs::hire(s, Jobs::all()[0], effects);
    buyNext(s, &GameState::Flat, &GameState::lblRoom);
    buyNext(s, &GameState::Car, &GameState::lblCar);
    for (Catalog* part :
         {&s.Comp, &s.Mon, &s.Vin, &s.CD, &s.RAM, &s.Video, &s.Sound, &s.Prn, &s.Modem})
        part->Level = qint16(part->Names.size() - 1);
    s.showCatalogLevels();
    ProgramEffects programs;
    for (const Programs::Program& program : Programs::catalogue())
        if (!Programs::installed(s, program))
            Programs::install(s, program, programs);
    Online::connect(s, effects);
    Virus::letLive(s, effects);
    Hacking::succeed(s, 3, effects);
    Hacking::fail(s, 9, effects);
    Fishing::bringHome(s, 7, 1, 1);
    Roulette::Table wheel{Roulette::Table::Phase::Stopped, u"5"_s, u"10"_s, 5};
    Roulette::settle(wheel, s, effects);
    Slots::Machine machine;
    Slots::buyPack(machine, s);
    Paddle::finish(s, Paddle::Outcome::Won, effects);
    Paddle::finish(s, Paddle::Outcome::Lost, effects);
    s.lblHungry = u"-29"_s;
    LifeEffects life;
    Life::tick(s, life);

    const History::Days days{History::record(s, History::dateOf(s))};
    const QDateTime ended(QDate(2026, 12, 11), QTime(14, 5, 33));
    const LifeStory::Summary summary = LifeStory::summarize(s, days);
    const QDir data(folder);
    EXPECT_FALSE(Autosave::write(folder, s, days).game);
    left.saved = fromCp1251(contents(data.filePath(Autosave::fileName(0))));
    left.history = utf8(History::pathFor(data.filePath(Autosave::fileName(0))));
    const QString hall = Hall::pathIn(folder);
    EXPECT_FALSE(Hall::save(hall, Hall::enter({}, LifeStory::hallRow(summary, ended))));
    left.hall = utf8(hall);
    left.memorial = LifeStory::memorialText(summary, s.story.entries, ended);
    left.memorialName = LifeStory::memorialFileName(summary, ended);
    left.told = effects.texts + effects.titles + programs.texts + programs.titles;
    for (const Chronicle::Entry& entry : s.story.entries)
        left.chronicleShown.push_back(Chronicle::text(entry, Words::For::Player));
    return left;
}

} // namespace

TEST(TheRecord, StaysTheGamesWhateverLanguageThePlayerReads) {
    QTemporaryDir russianFolder, englishFolder;
    const Left russian = liveAndDie(russianFolder.path());
    Left english;
    {
        const InEnglish reading;
        english = liveAndDie(englishFolder.path());
    }

    // The player read it all in English...
    EXPECT_TRUE(english.told.contains(u"You installed Norton Commander"_s));
    EXPECT_TRUE(english.told.contains(u"Job done."_s));
    ASSERT_EQ(english.chronicleShown.size(), russian.chronicleShown.size());
    EXPECT_TRUE(std::find(english.chronicleShown.begin(), english.chronicleShown.end(),
                          u"Fishing: caught 7 fish"_s) != english.chronicleShown.end());
    EXPECT_TRUE(std::find(english.chronicleShown.begin(), english.chronicleShown.end(),
                          u"Died of hunger"_s) != english.chronicleShown.end());
    for (size_t i = 0; i < russian.chronicleShown.size(); ++i)
        EXPECT_NE(english.chronicleShown[i], russian.chronicleShown[i]) << i;
    EXPECT_EQ(english.told.size(), russian.told.size());

    // ...and the record is the game's, to the byte.
    EXPECT_EQ(english.saved, russian.saved);
    EXPECT_EQ(english.history, russian.history);
    EXPECT_EQ(english.hall, russian.hall);
    EXPECT_EQ(english.memorial, russian.memorial);
    EXPECT_EQ(english.memorialName, russian.memorialName);
    EXPECT_EQ(russian.memorialName, u"2026-12-11 14-05-33 Умер от голода.txt");
    const QString& memorial = english.memorial;
    EXPECT_TRUE(memorial.startsWith(u"Тимбурия: итоги жизни\nУмер от голода\n"))
        << qPrintable(memorial);
    EXPECT_TRUE(memorial.contains(u"  Рыбалка: поймано рыб 7\n")) << qPrintable(memorial);
}
