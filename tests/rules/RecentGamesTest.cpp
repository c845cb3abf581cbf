// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recent games' list: newest first, each once, five at most, and only files still there.

#include "state/RecentGames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(RecentGames, NewestFirstEachOnceFiveAtMostAndOnlyWhatIsThere) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    QStringList games;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        const QString path = folder.filePath(QString::fromLatin1(name) + u".kbz"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        games = RecentGames::with(games, path);
    }
    ASSERT_EQ(games.size(), RecentGames::Kept);
    EXPECT_TRUE(games.first().endsWith(u"f.kbz"));
    EXPECT_TRUE(games.last().endsWith(u"b.kbz"));
    // Saved again, a game moves to the front and is not there twice.
    games = RecentGames::with(games, folder.filePath(u"d.kbz"_s));
    EXPECT_TRUE(games.first().endsWith(u"d.kbz"));
    EXPECT_EQ(games.count(folder.filePath(u"d.kbz"_s)), 1);
    EXPECT_EQ(games.size(), RecentGames::Kept);
    // A path is kept whole, however it was given.
    EXPECT_TRUE(QDir::isAbsolutePath(RecentGames::with({}, u"relative.kbz"_s).first()));

    // A file that has gone is dropped; so is anything that is not a file, or a list too long.
    ASSERT_TRUE(QFile::remove(folder.filePath(u"f.kbz"_s)));
    const QStringList kept = RecentGames::existing(
        games + QStringList{folder.path(), u""_s, folder.filePath(u"a.kbz"_s)});
    EXPECT_FALSE(kept.contains(folder.filePath(u"f.kbz"_s)));
    EXPECT_FALSE(kept.contains(folder.path()));
    EXPECT_LE(kept.size(), RecentGames::Kept);
    EXPECT_EQ(kept.first(), folder.filePath(u"d.kbz"_s));

    // The dialogs open in the newest game's folder that is still there.
    EXPECT_EQ(RecentGames::folder({u"/no/such/folder/x.kbz"_s, folder.filePath(u"a.kbz"_s)}),
              folder.path());
    EXPECT_EQ(RecentGames::folder({}), QString());
}
