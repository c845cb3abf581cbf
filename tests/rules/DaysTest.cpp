// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game keeps of its days: the survival forecast, the history codec and the autosave's
// five files.

#include "rules/Forecast.h"
#include "state/Autosave.h"
#include "state/GameFiles.h"
#include "state/History.h"
#include "state/NumberText.h"
#include "state/SavedGame.h"
#include "unit/NewGame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Forecast, HoursUntilTheUpdateThatKills) {
    // The life update takes 2 of each every 12 game hours and kills below -30 (hunger) or -40
    // (sadness). Each value is checked against the update that actually kills.
    struct Case {
        const char16_t *satiety, *mood;
        int hunger, sadness;
    } cases[] = {
        {u"30", u"30", 372, 432},                              // a new game
        {u"0", u"0", 192, 252},      {u"-29", u"-39", 12, 12}, // the next update kills
        {u"-30", u"-40", 12, 12}, // exactly at the limit: the next one takes it below
        {u"-31", u"-41", 12, 12}, // already below (set by hand): still the next one
        {u"21", u"31", 312, 432}, // odd: 21 - 2*26 = -31 is the first below -30
        {u"20.5", u"0.5", 312, 252}, {u"120", u"100", 912, 852},
    };
    for (const Case& c : cases) {
        GameState s = newGame();
        s.lblHungry = QString::fromUtf16(c.satiety);
        s.lblHappyness = QString::fromUtf16(c.mood);
        const Forecast::Outlook outlook = Forecast::of(s);
        EXPECT_EQ(outlook.hungerHours, c.hunger) << s.lblHungry.toStdString();
        EXPECT_EQ(outlook.sadnessHours, c.sadness) << s.lblHappyness.toStdString();
        // The same thing by brute force: updates until the value falls below its limit.
        int updates = 1;
        for (double v = Val(s.lblHungry) - 2; v >= -30; v -= 2)
            ++updates;
        EXPECT_EQ(outlook.hungerHours, 12 * updates) << s.lblHungry.toStdString();
    }
}

TEST(Forecast, TheDaysSumIsTheSalaryLessTheCourses) {
    struct Case {
        const char16_t *salary, *school, *english, *computer;
        const char16_t* shown;
    } cases[] = {
        {u"0", u"0", u"0", u"0", u"0"},        {u"10", u"0", u"0", u"0", u"+10"},
        {u"0", u"6", u"0", u"0", u"-6"},       {u"0", u"6", u"8", u"8", u"-22"},
        {u"22", u"6", u"8", u"8", u"0"},       {u"20", u"6", u"0", u"0", u"+14"},
        {u"1500", u"0", u"8", u"0", u"+1492"},
    };
    for (const Case& c : cases) {
        GameState s = newGame();
        s.lblWorkEarn = QString::fromUtf16(c.salary);
        s.lblSCost = QString::fromUtf16(c.school);
        s.lblECost = QString::fromUtf16(c.english);
        s.lblCCost = QString::fromUtf16(c.computer);
        EXPECT_EQ(Forecast::text(s), u"Голод через ≈372 ч · тоска через ≈432 ч · за день: "_s +
                                         QString::fromUtf16(c.shown) + u" $"_s);
    }
}

namespace {
History::Days someDays() {
    return {{u"5/05/02"_s, 170, 28, 28, 0, u"Пока нет"_s},
            {u"6/05/02"_s, -12.5, -3, 41, -32768, u"Грузчик"_s},
            {u"7/05/02"_s, 1e9, 0, 0, 32767, u"Президент \"Тимбурии\""_s}};
}
} // namespace

TEST(History, ReadsBackWhatItWrote) {
    const History::Days days = someDays();
    EXPECT_EQ(History::fromJson(History::toJson(days)), days);
    EXPECT_EQ(History::fromJson(History::toJson({})), History::Days{});
}

TEST(History, WritesWhatQtsJsonWouldAndReadsWhatItWrites) {
    History::Days days = someDays();
    days.push_back({u"8/05/02"_s, 0.1 + 0.2, -0.0, 1e300, 0, u"\"кавычки\" \\ \n\t\x01 / 😀"_s});
    const QString game = History::markOf("g");
    // The same text, byte for byte, as the game wrote through Qt's own JSON before.
    QJsonArray list;
    for (const History::Day& day : days)
        list.append(QJsonObject{{u"date"_s, day.date},
                                {u"money"_s, day.money},
                                {u"satiety"_s, day.satiety},
                                {u"mood"_s, day.mood},
                                {u"bank"_s, day.bank},
                                {u"job"_s, day.job}});
    QJsonObject root{{u"format"_s, u"timburia-history"_s},
                     {u"version"_s, 2},
                     {u"game"_s, game},
                     {u"days"_s, list}};
    const QByteArray qt = QJsonDocument(root).toJson(QJsonDocument::Compact);
    EXPECT_EQ(History::toJson(days, game), qt);
    // Read back whole, and from Qt's indented form as well.
    for (const QByteArray& text : {qt, QJsonDocument(root).toJson(QJsonDocument::Indented)}) {
        const std::optional<History::File> file = History::parse(text);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->days, days);
        EXPECT_EQ(file->game, game);
    }
}

TEST(History, NamesItsGameAndNeverGrowsPastWhatItReads) {
    const History::Days days = someDays();
    const QString game = History::markOf("a saved game");
    const std::optional<History::File> file = History::parse(History::toJson(days, game));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->days, days);
    EXPECT_EQ(file->game, game);
    EXPECT_NE(History::markOf("a saved game\r\n"), game);
    // A version that names its game must name one.
    EXPECT_FALSE(History::parse(R"({"format":"timburia-history","version":2,"days":[]})"));

    // Too long a life for the file: the newest days that fit are kept, and the file is read.
    const qint64 whole = History::toJson(days, game).size();
    for (const qint64 cap : {whole, whole - 1, whole - 60, qint64(0)}) {
        const QByteArray text = History::toJson(days, game, cap);
        const std::optional<History::File> trimmed = History::parse(text);
        ASSERT_TRUE(trimmed) << cap;
        EXPECT_LE(text.size(), std::max(cap, History::toJson({}, game).size())) << cap;
        ASSERT_LE(trimmed->days.size(), days.size());
        EXPECT_EQ(trimmed->days.size() == days.size(), cap == whole) << cap;
        EXPECT_TRUE(std::equal(trimmed->days.begin(), trimmed->days.end(),
                               days.end() - qsizetype(trimmed->days.size())))
            << cap;
    }
}

TEST(History, AnOlderHistoryWithoutItsGamesNameMustEndTheDayBefore) {
    const auto endingOn = [](const char* date) {
        return History::Days{{QString::fromLatin1(date), 0, 0, 0, 0, {}}};
    };
    const auto on = [](const char* day, const char* month, const char* year) {
        GameState s = newGame();
        s.lblDay = QString::fromLatin1(day);
        s.lblMonth = QString::fromLatin1(month);
        s.lblYear = QString::fromLatin1(year);
        return s;
    };
    EXPECT_TRUE(History::endsTheDayBefore({}, on("6", "05", "02")));
    EXPECT_TRUE(History::endsTheDayBefore(endingOn("05/05/02"), on("6", "05", "02")));
    EXPECT_TRUE(History::endsTheDayBefore(endingOn("30/5/02"), on("1", "6", "02")));
    EXPECT_TRUE(History::endsTheDayBefore(endingOn("30/12/09"), on("1", "1", "10")));
    EXPECT_FALSE(History::endsTheDayBefore(endingOn("4/05/02"), on("6", "05", "02")));
    EXPECT_FALSE(History::endsTheDayBefore(endingOn("6/05/02"), on("6", "05", "02")));
    EXPECT_FALSE(History::endsTheDayBefore(endingOn("05/05/03"), on("6", "05", "02")));
    EXPECT_FALSE(History::endsTheDayBefore(endingOn("nonsense"), on("6", "05", "02")));
}

TEST(History, BelievesNothingOfAnUnsoundFile) {
    const auto day = [](const QString& fields) {
        return (u"{\"format\":\"timburia-history\",\"version\":1,\"days\":[{"_s + fields + u"}]}"_s)
            .toUtf8();
    };
    const QString sound =
        u"\"date\":\"5/05/02\",\"money\":1,\"satiety\":2,\"mood\":3,\"bank\":4,\"job\":\"x\""_s;
    ASSERT_TRUE(History::fromJson(day(sound)));
    const QByteArray unsound[] = {
        "",
        "not json",
        "[]",
        "{\"format\":\"timburia-history\",\"version\":1}",
        "{\"format\":\"other\",\"version\":1,\"days\":[]}",
        "{\"format\":\"timburia-history\",\"version\":2,\"days\":[]}",
        "{\"format\":\"timburia-history\",\"version\":1,\"days\":[1]}",
        day(u"\"money\":1,\"satiety\":2,\"mood\":3,\"bank\":4,\"job\":\"x\""_s), // no date
        day(QString(sound).replace(u"\"money\":1"_s, u"\"money\":\"1\""_s)),
        day(QString(sound).replace(u"\"bank\":4"_s, u"\"bank\":4.5"_s)),
        day(QString(sound).replace(u"\"bank\":4"_s, u"\"bank\":40000"_s)),
        day(QString(sound).replace(u"\"job\":\"x\""_s, u"\"job\":7"_s)),
        day(QString(sound).replace(u"\"mood\":3"_s, u"\"mood\":1e999"_s)),
        day(QString(sound).replace(u"\"mood\":3"_s, u"\"mood\":03"_s)),
        day(QString(sound).replace(u"\"mood\":3"_s, u"\"mood\":3."_s)),
        day(QString(sound).replace(u"\"mood\":3"_s, u"\"mood\":null"_s)),
        day(QString(sound).replace(u"\"job\":\"x\""_s, u"\"job\":\"a\tb\""_s)), // a raw tab
        day(QString(sound).replace(u"\"job\":\"x\""_s, u"\"job\":\"\\q\""_s)),
        day(sound) + " trailing",
        day(sound).chopped(1),
        day(sound).replace("\"x\"", "\"\xff\""),         // not UTF-8
        day(sound).replace("\"x\"", "\"\xed\xa0\x80\""), // a surrogate in UTF-8
        day(sound).replace("\"x\"", "\"\xc0\x80\""),     // an overlong zero
        "{\"format\":\"timburia-history\",\"version\":1,\"days\":[],\"x\":" +
            QByteArray(1000, '[') + QByteArray(1000, ']') + "}",
    };
    for (const QByteArray& json : unsound)
        EXPECT_FALSE(History::fromJson(json)) << json.left(200).toStdString();
    // Members it does not know, of any kind, are passed over.
    EXPECT_TRUE(History::fromJson(
        day(sound + u",\"extra\":{\"a\":[1,true,false,null,\"\\u00e9\\ud83d\\ude00\"]}"_s)));
    EXPECT_EQ(History::fromJson(
                  day(QString(sound).replace(u"\"job\":\"x\""_s, u"\"job\":\"\\u0434\\/\""_s)))
                  ->front()
                  .job,
              u"д/");
}

TEST(History, AFileThatIsMissingOrTooLargeGivesNone) {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"g.kbz.history"_s);
    EXPECT_TRUE(History::load(path).empty());
    ASSERT_FALSE(History::save(path, someDays()));
    EXPECT_EQ(History::load(path), someDays());
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(History::MaxFileSize + 1, ' '));
    big.close();
    EXPECT_TRUE(History::load(path).empty());
}

namespace {
// The day of the game each autosave holds, as its file says.
std::string dayIn(const QDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return "none";
    SavedGame::Loaded loaded = SavedGame::read(file.readAll(), newGame());
    return (loaded.state ? loaded.state->lblDay : u"unreadable: "_s + loaded.error).toStdString();
}

// A game as the main window holds it, on the given day.
GameState onDay(int day) {
    GameState s = newGame();
    s.lblHours = u"0"_s;
    s.lblDay = QString::number(day);
    return s;
}
} // namespace

TEST(Autosave, KeepsTheNewestFiveWithTheirHistories) {
    QTemporaryDir temporary;
    const QDir folder(temporary.filePath(u"data/inner"_s)); // made when missing
    History::Days days;
    for (int day = 1; day <= 7; ++day) {
        days.push_back({QString::number(day), double(day), 0, 0, 0, {}});
        ASSERT_FALSE(Autosave::write(folder.path(), onDay(day), days).game) << day;
    }
    const char* expected[] = {"7", "6", "5", "4", "3"};
    for (int age = 0; age < Autosave::Kept; ++age) {
        const QString name = Autosave::fileName(age);
        EXPECT_EQ(dayIn(folder, name), expected[age]) << name.toStdString();
        EXPECT_EQ(History::load(folder.filePath(History::pathFor(name))).size(), size_t(7 - age));
    }
    EXPECT_EQ(Autosave::fileName(0), u"autosave.kbz");
    EXPECT_EQ(Autosave::fileName(4), u"autosave.4.kbz");
    EXPECT_EQ(dayIn(folder, u"autosave.5.kbz"_s), "none");
    // Nothing else is left in the folder: no temporary files, no sixth save.
    EXPECT_EQ(folder.entryList(QDir::Files).size(), 10);
}

namespace {
// Autosaves of one life on the given days, the last one newest.
void playDays(const QDir& folder, std::initializer_list<int> daysPlayed) {
    History::Days days;
    for (int day : daysPlayed) {
        days.push_back({QString::number(day), double(day), 0, 0, 0, {}});
        ASSERT_FALSE(Autosave::write(folder.path(), onDay(day), days).game) << day;
    }
}
} // namespace

TEST(Autosave, AnotherLifeMovesTheEarlierSetWholeIntoPrevious) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const QDir previous(folder.filePath(u"previous"_s));
    // Nothing to move on the very first life: no previous/ is made.
    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    EXPECT_FALSE(previous.exists());
    EXPECT_FALSE(Autosave::lastLife(folder.path(), false));

    playDays(folder, {1, 2, 3});
    // Before the new life's first autosave the earlier one is still the set in the folder.
    EXPECT_EQ(Autosave::lastLife(folder.path(), false), folder.filePath(u"autosave.kbz"_s));
    EXPECT_FALSE(Autosave::lastLife(folder.path(), true));

    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());
    EXPECT_EQ(dayIn(previous, u"autosave.kbz"_s), "3");
    EXPECT_EQ(dayIn(previous, u"autosave.1.kbz"_s), "2");
    EXPECT_EQ(dayIn(previous, u"autosave.2.kbz"_s), "1");
    EXPECT_EQ(History::load(previous.filePath(u"autosave.kbz.history"_s)).size(), size_t(3));
    EXPECT_EQ(History::load(previous.filePath(u"autosave.2.kbz.history"_s)).size(), size_t(1));

    playDays(folder, {10, 11});
    EXPECT_EQ(Autosave::lastLife(folder.path(), true), previous.filePath(u"autosave.kbz"_s));

    // A third life: the second goes into previous/ in place of the first, none of whose days
    // (nor histories) stay beside the second's.
    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    EXPECT_EQ(dayIn(previous, u"autosave.kbz"_s), "11");
    EXPECT_EQ(dayIn(previous, u"autosave.1.kbz"_s), "10");
    EXPECT_EQ(previous.entryList(QDir::Files).size(), 4);
    EXPECT_EQ(History::load(previous.filePath(u"autosave.kbz.history"_s)).size(), size_t(2));
    EXPECT_EQ(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{u"previous"_s});
    // A life that has not yet autosaved moves nothing: previous/ keeps the second life.
    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    EXPECT_EQ(dayIn(previous, u"autosave.kbz"_s), "11");
}

TEST(Autosave, AMoveCutShortIsFinishedNextTime) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const QDir previous(folder.filePath(u"previous"_s));
    playDays(folder, {1});
    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    playDays(folder, {5, 6});
    // The game ended in the middle of the move: the life kept before is set aside, and the
    // newest day of the moving life is already in previous/.
    ASSERT_TRUE(QDir().rename(previous.path(), folder.filePath(u"previous.old"_s)));
    ASSERT_TRUE(folder.mkdir(u"previous"_s));
    for (const QString& name : {u"autosave.kbz"_s, u"autosave.kbz.history"_s})
        ASSERT_TRUE(QFile::rename(folder.filePath(name), previous.filePath(name)));

    ASSERT_FALSE(Autosave::movePreviousLife(folder.path()));
    EXPECT_EQ(dayIn(previous, u"autosave.kbz"_s), "6");
    EXPECT_EQ(dayIn(previous, u"autosave.1.kbz"_s), "5");
    EXPECT_EQ(History::load(previous.filePath(u"autosave.kbz.history"_s)).size(), size_t(2));
    EXPECT_EQ(previous.entryList(QDir::Files).size(), 4);
    EXPECT_FALSE(QFile::exists(folder.filePath(u"previous.old"_s)));
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());
}

TEST(Autosave, AHistorySetAsideMovesAlongWithItsGame) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    playDays(folder, {1, 2});
    QFile aside(folder.filePath(u"autosave.kbz.history.old"_s));
    ASSERT_TRUE(aside.open(QIODevice::WriteOnly));
    aside.write("not this game's");
    aside.close();
    playDays(folder, {3});
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(u"autosave.kbz.history.old"_s)));
    EXPECT_EQ(dayIn(folder, u"autosave.1.kbz"_s), "2");
    QFile moved(folder.filePath(u"autosave.1.kbz.history.old"_s));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), "not this game's");
}

TEST(Autosave, AFailedWriteMovesNothingAlong) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    ASSERT_FALSE(Autosave::write(folder.path(), onDay(1), {}).game);
    ASSERT_FALSE(Autosave::write(folder.path(), onDay(2), {}).game);
    // The game cannot be written (a folder stands in its place): nothing is saved, and the
    // older save stays where it was.
    ASSERT_TRUE(QFile::remove(folder.filePath(u"autosave.kbz"_s)));
    ASSERT_TRUE(folder.mkdir(u"autosave.kbz"_s));
    EXPECT_TRUE(Autosave::write(folder.path(), onDay(3), {}).game);
    EXPECT_EQ(dayIn(folder, u"autosave.1.kbz"_s), "1");
    EXPECT_EQ(dayIn(folder, u"autosave.2.kbz"_s), "none");
    // A folder that cannot be made is a failure too.
    QFile blocker(folder.filePath(u"file"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(Autosave::write(folder.filePath(u"file/data"_s), onDay(4), {}).game);
}

TEST(Autosave, AHistoryThatCannotBeWrittenLeavesTheDaySavedWithoutIt) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    ASSERT_FALSE(Autosave::write(folder.path(), onDay(1), {}).game);
    ASSERT_FALSE(Autosave::write(folder.path(), onDay(2), {}).game);
    ASSERT_TRUE(QFile::remove(folder.filePath(u"autosave.kbz.history"_s)));
    ASSERT_TRUE(folder.mkdir(u"autosave.kbz.history"_s));
    const GameFiles::Written written = Autosave::write(folder.path(), onDay(3), {});
    EXPECT_FALSE(written.game);
    EXPECT_TRUE(written.history);
    EXPECT_EQ(dayIn(folder, u"autosave.kbz"_s), "3");
    EXPECT_EQ(dayIn(folder, u"autosave.1.kbz"_s), "2");
    EXPECT_EQ(dayIn(folder, u"autosave.2.kbz"_s), "1");
    // What stood in the history's place went along with day 2's game, and day 1 kept its own.
    EXPECT_TRUE(QFileInfo(folder.filePath(u"autosave.1.kbz.history"_s)).isDir());
    EXPECT_TRUE(QFileInfo(folder.filePath(u"autosave.2.kbz.history"_s)).isFile());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(u"autosave.kbz.history"_s)));
}
