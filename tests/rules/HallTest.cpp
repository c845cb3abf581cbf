// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hall of fame: the order of its rows, a life entered into it, and its file, read as
// carefully as a history.

#include "state/Hall.h"
#include "unit/Promptly.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A life that ended on day `endedDay` of December 2026 on the player's clock, after `days` game
// days; a president when `daysToTop` is given.
Hall::Row life(const char* name, int days, std::optional<int> daysToTop = std::nullopt,
               int endedDay = 11) {
    Hall::Row row;
    row.life = u"2026-12-01T10:00:00 "_s + QString::fromLatin1(name);
    row.ended = u"2026-12-%1T12:00:00"_s.arg(endedDay, 2, 10, QChar(u'0'));
    row.firstDate = u"05/05/02"_s;
    row.lastDate = u"15/05/02"_s;
    row.days = days;
    row.daysToTop = daysToTop;
    row.headline = daysToTop ? u"Стал компьютерным президентом"_s : u"Умер от голода"_s;
    row.bestJob = u"Грузчик"_s;
    row.mostMoney = 1234.5;
    return row;
}

QStringList lives(const Hall::Rows& rows) {
    QStringList names;
    for (const Hall::Row& row : rows)
        names << row.life.section(u' ', 1);
    return names;
}

Hall::Rows enterAll(const std::vector<Hall::Row>& rows) {
    Hall::Rows hall;
    for (const Hall::Row& row : rows)
        hall = Hall::enter(hall, row);
    return hall;
}

} // namespace

TEST(Hall, PresidentsComeFirstTheQuickestFirstThenTheLongestLived) {
    struct Case {
        const char* what;
        Hall::Row above, below;
    };
    const Case cases[] = {
        {"a president over a longer life", life("p", 10, 10), life("x", 5000)},
        {"the quicker president", life("p", 500, 20), life("q", 30, 21)},
        {"the longer life", life("a", 41), life("b", 40)},
        {"a tie: the earlier end", life("a", 40, std::nullopt, 3), life("b", 40, std::nullopt, 4)},
        {"a presidents' tie: the earlier end", life("a", 90, 30, 3), life("b", 10, 30, 4)},
        {"a president of no days at all", life("p", 0, 0), life("x", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Hall::ranksAbove(c.above, c.below));
        EXPECT_FALSE(Hall::ranksAbove(c.below, c.above));
    }
    // A row does not rank above itself, nor above its exact tie.
    const Hall::Row row = life("a", 40);
    Hall::Row tie = row;
    tie.life = u"another"_s;
    EXPECT_FALSE(Hall::ranksAbove(row, row));
    EXPECT_FALSE(Hall::ranksAbove(row, tie));
    EXPECT_FALSE(Hall::ranksAbove(tie, row));

    const Hall::Rows hall = enterAll({life("short", 3), life("slow", 900, 300), life("long", 80),
                                      life("fast", 50, 40), life("mid", 20)});
    EXPECT_EQ(lives(hall), (QStringList{u"fast"_s, u"slow"_s, u"long"_s, u"mid"_s, u"short"_s}));
}

TEST(Hall, ALifeEnteredTwiceKeepsItsBetterRow) {
    std::optional<int> placed;
    // The president's hire, then a death of the same life: the hire stands.
    Hall::Rows hall = enterAll({life("a", 100), life("b", 50)});
    hall = Hall::enter(hall, life("me", 60, 60), &placed);
    EXPECT_EQ(lives(hall), (QStringList{u"me"_s, u"a"_s, u"b"_s}));
    EXPECT_EQ(placed, 0);
    Hall::Row death = life("me", 200, std::nullopt, 12);
    hall = Hall::enter(hall, death, &placed);
    EXPECT_EQ(lives(hall), (QStringList{u"me"_s, u"a"_s, u"b"_s}));
    EXPECT_EQ(hall.front(), life("me", 60, 60));
    EXPECT_EQ(placed, 0); // the life's place, by its better row

    // A longer life of the same beginning (a game continued after its death) takes the shorter
    // one's place, and moves up.
    hall = Hall::enter(hall, life("b", 150, std::nullopt, 13), &placed);
    EXPECT_EQ(lives(hall), (QStringList{u"me"_s, u"b"_s, u"a"_s}));
    EXPECT_EQ(hall[1].days, 150);
    EXPECT_EQ(placed, 1);
    // The same row again changes nothing.
    EXPECT_EQ(Hall::enter(hall, hall[2], &placed), hall);
    EXPECT_EQ(placed, 2);
    // A row that only ties the life's row does not replace the earlier achievement.
    Hall::Row later = hall[2];
    later.ended = u"2026-12-30T00:00:00"_s;
    EXPECT_EQ(Hall::enter(hall, later), hall);
}

TEST(Hall, TheBestTenAreKeptAndATieKeepsTheEarlierRowAhead) {
    std::vector<Hall::Row> ten;
    for (int i = 0; i < Hall::Size; ++i)
        ten.push_back(life(std::to_string(i).c_str(), 100 - 2 * i));
    const Hall::Rows full = enterAll(ten);
    ASSERT_EQ(full.size(), size_t(Hall::Size));
    EXPECT_EQ(full.back().days, 82);

    std::optional<int> placed = 5;
    // The eleventh, shorter than all: left out.
    EXPECT_EQ(Hall::enter(full, life("short", 10), &placed), full);
    EXPECT_EQ(placed, std::nullopt);
    // Tying the tenth, though ending the same moment: the tenth was there first.
    EXPECT_EQ(Hall::enter(full, life("tie", 82), &placed), full);
    EXPECT_EQ(placed, std::nullopt);
    // Tying the tenth, having ended earlier: it takes the place.
    Hall::Rows hall = Hall::enter(full, life("earlier", 82, std::nullopt, 1), &placed);
    EXPECT_EQ(placed, 9);
    EXPECT_EQ(lives(hall).back(), u"earlier");
    // A president goes to the top, and the tenth drops out.
    hall = Hall::enter(full, life("p", 5000, 4000), &placed);
    EXPECT_EQ(placed, 0);
    ASSERT_EQ(hall.size(), size_t(Hall::Size));
    EXPECT_EQ(lives(hall).front(), u"p");
    EXPECT_EQ(lives(hall).back(), u"8");
    // One in the middle.
    hall = Hall::enter(full, life("mid", 91), &placed);
    EXPECT_EQ(placed, 5);
    EXPECT_EQ(lives(hall)[5], u"mid");
}

TEST(Hall, WritesWhatQtsJsonWouldAndReadsItBack) {
    Hall::Row odd = life("odd", 7);
    odd.bestJob = u"\"кавычки\" \\ \n\t\x01 / 😀"_s;
    odd.mostMoney = 0.1 + 0.2;
    Hall::Row poor = life("poor", 2);
    poor.mostMoney = -12.5;
    const Hall::Rows rows = enterAll({life("p", 40, 30), odd, poor});

    QJsonArray list;
    for (const Hall::Row& row : rows) {
        QJsonObject object{{u"life"_s, row.life},           {u"ended"_s, row.ended},
                           {u"firstDate"_s, row.firstDate}, {u"lastDate"_s, row.lastDate},
                           {u"days"_s, row.days},           {u"headline"_s, row.headline},
                           {u"bestJob"_s, row.bestJob},     {u"mostMoney"_s, row.mostMoney}};
        if (row.daysToTop)
            object[u"daysToTop"_s] = *row.daysToTop;
        list.append(object);
    }
    const QJsonObject root{{u"format"_s, u"timburia-hall"_s}, {u"version"_s, 1}, {u"rows"_s, list}};
    const QByteArray qt = QJsonDocument(root).toJson(QJsonDocument::Compact);
    EXPECT_EQ(Hall::toJson(rows), qt);
    for (const QByteArray& text : {qt, QJsonDocument(root).toJson(QJsonDocument::Indented)})
        EXPECT_EQ(Hall::fromJson(text), rows);
    EXPECT_EQ(Hall::fromJson(Hall::toJson({})), Hall::Rows{});
    // Rows put out of order by hand are read in the hall's own.
    Hall::Rows reversed(rows.rbegin(), rows.rend());
    EXPECT_EQ(Hall::fromJson(Hall::toJson(reversed)), rows);
}

TEST(Hall, BelievesNothingOfAnUnsoundFile) {
    const auto hall = [](const QString& fields) {
        return (u"{\"format\":\"timburia-hall\",\"version\":1,\"rows\":[{"_s + fields + u"}]}"_s)
            .toUtf8();
    };
    const QString sound = u"\"life\":\"l\",\"ended\":\"e\",\"firstDate\":\"5/05/02\","
                          "\"lastDate\":\"6/05/02\",\"days\":3,\"headline\":\"h\","
                          "\"bestJob\":\"j\",\"mostMoney\":170"_s;
    const auto with = [&](const char16_t* from, const char16_t* to) {
        return hall(QString(sound).replace(QString::fromUtf16(from), QString::fromUtf16(to)));
    };
    ASSERT_TRUE(Hall::fromJson(hall(sound)));
    ASSERT_TRUE(Hall::fromJson(hall(sound + u",\"daysToTop\":3"_s)));

    QByteArray eleven = "{\"format\":\"timburia-hall\",\"version\":1,\"rows\":[";
    for (int i = 0; i <= Hall::Size; ++i)
        eleven += (i ? ",{" : "{") + sound.toUtf8() + '}';
    eleven += "]}";
    const struct {
        const char* what;
        QByteArray json;
    } unsound[] = {
        {"nothing", ""},
        {"not JSON", "the hall"},
        {"a list", "[]"},
        {"no rows", "{\"format\":\"timburia-hall\",\"version\":1}"},
        {"another format", "{\"format\":\"timburia-history\",\"version\":1,\"rows\":[]}"},
        {"no format", "{\"version\":1,\"rows\":[]}"},
        {"a later version", "{\"format\":\"timburia-hall\",\"version\":2,\"rows\":[]}"},
        {"a version in words", "{\"format\":\"timburia-hall\",\"version\":\"1\",\"rows\":[]}"},
        {"rows that are no list", "{\"format\":\"timburia-hall\",\"version\":1,\"rows\":{}}"},
        {"a row that is no object", "{\"format\":\"timburia-hall\",\"version\":1,\"rows\":[1]}"},
        {"more rows than the hall holds", eleven},
        {"no life", with(u"\"life\":\"l\",", u"")},
        {"no days", with(u"\"days\":3,", u"")},
        {"no money", with(u",\"mostMoney\":170", u"")},
        {"days in words", with(u"\"days\":3", u"\"days\":\"3\"")},
        {"a part of a day", with(u"\"days\":3", u"\"days\":3.5")},
        {"days gone back", with(u"\"days\":3", u"\"days\":-1")},
        {"more days than there are", with(u"\"days\":3", u"\"days\":1e30")},
        {"a headline in numbers", with(u"\"headline\":\"h\"", u"\"headline\":7")},
        {"a job that is null", with(u"\"bestJob\":\"j\"", u"\"bestJob\":null")},
        {"endless money", with(u"\"mostMoney\":170", u"\"mostMoney\":1e999")},
        {"money in words", with(u"\"mostMoney\":170", u"\"mostMoney\":\"170\"")},
        {"days to the top gone back", hall(sound + u",\"daysToTop\":-2"_s)},
        {"days to the top that are null", hall(sound + u",\"daysToTop\":null"_s)},
        {"days to the top in part", hall(sound + u",\"daysToTop\":0.5"_s)},
        {"junk after it", hall(sound) + " x"},
        {"cut short", hall(sound).chopped(1)},
        {"not UTF-8", hall(sound).replace("\"j\"", "\"\xff\"")},
    };
    for (const auto& c : unsound)
        EXPECT_FALSE(Hall::fromJson(c.json)) << c.what;
    // What it does not know, of any kind, is passed over.
    EXPECT_TRUE(Hall::fromJson(hall(sound + u",\"epitaph\":{\"a\":[1,true,null]}"_s)));
    EXPECT_EQ(Hall::fromJson(hall(sound) + "\n"), Hall::fromJson(hall(sound)));
}

namespace {

struct Loaded {
    Hall::Rows rows;
    QString error;
};

Loaded load(const QString& path) {
    Loaded loaded;
    loaded.error = u"not told"_s;
    loaded.rows = Hall::load(path, &loaded.error);
    return loaded;
}

} // namespace

TEST(Hall, AMissingFileIsAnEmptyHallAndAnUnreadableOneIsSaidAndLeftAlone) {
    QTemporaryDir data;
    const QString path = Hall::pathIn(data.path());
    EXPECT_EQ(QFileInfo(path).fileName(), u"hall.json");

    Loaded none = load(path);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(none.error.isEmpty()) << qPrintable(none.error);

    const Hall::Rows rows = enterAll({life("a", 3), life("p", 9, 9)});
    ASSERT_FALSE(Hall::save(path, rows));
    Loaded sound = load(path);
    EXPECT_EQ(sound.rows, rows);
    EXPECT_TRUE(sound.error.isEmpty()) << qPrintable(sound.error);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\":\"timburia-hall\"");
    file.close();
    Loaded damaged = load(path);
    EXPECT_TRUE(damaged.rows.empty());
    EXPECT_EQ(damaged.error, u"зал славы поврежден: "_s + path);
    EXPECT_EQ(QFileInfo(path).size(), 25);

    // A file of exactly the largest size is read (and found unsound); one byte more is not.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(Hall::MaxFileSize, ' '));
    file.close();
    EXPECT_TRUE(load(path).error.startsWith(u"зал славы поврежден"));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(" ");
    file.close();
    Loaded large = load(path);
    EXPECT_TRUE(large.rows.empty());
    EXPECT_TRUE(large.error.startsWith(u"файл слишком велик")) << qPrintable(large.error);
    EXPECT_EQ(QFileInfo(path).size(), Hall::MaxFileSize + 1);
}

TEST(Hall, AFolderOrAPipeInItsPlaceIsRefusedWithoutWaiting) {
    QTemporaryDir data;
    const QString path = Hall::pathIn(data.path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto pipe = promptly([&] { return load(path); });
    ASSERT_TRUE(pipe) << "the read waited";
    EXPECT_TRUE(pipe->rows.empty());
    EXPECT_TRUE(pipe->error.contains(u"не обычный файл")) << qPrintable(pipe->error);
    const auto written = promptly([&] { return Hall::save(path, {life("a", 1)}); });
    ASSERT_TRUE(written) << "the write waited";
    EXPECT_TRUE(*written);
    EXPECT_FALSE(QFileInfo(path).isFile());

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(data.path()).mkdir(u"hall.json"_s));
    const Loaded folder = load(path);
    EXPECT_TRUE(folder.rows.empty());
    EXPECT_TRUE(folder.error.contains(u"это папка")) << qPrintable(folder.error);
    EXPECT_TRUE(Hall::save(path, {life("a", 1)}));
    EXPECT_TRUE(QFileInfo(path).isDir());
}
