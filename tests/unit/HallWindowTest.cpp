// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hall of fame's window: the rows of the data folder's hall.json in their order, the life
// that has just ended marked, and an empty or unreadable hall said so.

#include "ScriptedGame.h"
#include "core/frmHall.h"
#include "core/frmMain.h"
#include "state/Hall.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HallWindow : public ScriptedGame<> {
protected:
    HallWindow() { platform.caseFolder = folder.path(); }

    QString hallFile() {
        QDir().mkpath(platform.dataFolder());
        return Hall::pathIn(platform.dataFolder());
    }
    // The window as the menu opens it.
    frmHall* openHall() {
        game.loaded<frmMain>()->HallOfFame->trigger();
        ScriptedPlatform::deliverPostedEvents();
        return game.loaded<frmHall>();
    }
    static QStringList rowText(const QTableWidget* table, int row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        return cells;
    }
    static QList<int> boldRows(const QTableWidget* table) {
        QList<int> rows;
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->font().bold())
                rows << row;
        return rows;
    }

    QTemporaryDir folder;
};

Hall::Row row(const char* life, int days, std::optional<int> daysToTop, const char* headline,
              double money) {
    return {QString::fromLatin1(life),
            u"2026-12-11T12:00:00"_s,
            u"05/05/02"_s,
            u"15/05/02"_s,
            days,
            daysToTop,
            QString::fromUtf8(headline),
            u"Грузчик"_s,
            money};
}

// Written out of order: the window shows them in the hall's.
const Hall::Rows Written = {
    row("a", 12, std::nullopt, "Умер от голода", 1234),
    row("b", 45, std::nullopt, "Умер от тоски", 170.5),
    row("p", 31, 30, "Стал компьютерным президентом", 90000),
};

} // namespace

TEST_F(HallWindow, ShowsTheRowsInTheirOrderAndMarksNothingWhenNoLifeEnded) {
    ASSERT_FALSE(Hall::save(hallFile(), Written));
    frmHall* hall = openHall();
    ASSERT_TRUE(hall);
    EXPECT_EQ(hall->windowTitle(), u"Зал славы");
    ASSERT_TRUE(game.session.endedLife().isEmpty());

    const QTableWidget* table = hall->tblHall;
    EXPECT_TRUE(table->isVisibleTo(hall));
    EXPECT_FALSE(hall->lblEmpty->isVisibleTo(hall));
    EXPECT_FALSE(hall->lblNote->isVisibleTo(hall));
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(rowText(table, 0),
              (QStringList{u"1"_s, u"05/05/02 – 15/05/02"_s, u"30 (до президента)"_s,
                           u"Стал компьютерным президентом"_s, u"Грузчик"_s, u"90000$"_s}));
    EXPECT_EQ(table->item(0, 2)->toolTip(), u"Прожито дней: 31");
    EXPECT_EQ(rowText(table, 1), (QStringList{u"2"_s, u"05/05/02 – 15/05/02"_s, u"45"_s,
                                              u"Умер от тоски"_s, u"Грузчик"_s, u"170.5$"_s}));
    EXPECT_EQ(rowText(table, 2)[0], u"3");
    EXPECT_EQ(rowText(table, 2)[2], u"12");
    EXPECT_TRUE(boldRows(table).isEmpty());
    EXPECT_TRUE(table->selectedItems().isEmpty());
    // Nothing in it can be changed.
    EXPECT_FALSE(table->item(1, 3)->flags() & Qt::ItemIsEditable);

    // Enter and Escape press the way back.
    EXPECT_TRUE(hall->cmdBack->isDefault());
    hall->cmdBack->click();
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_FALSE(game.loaded<frmHall>());
}

TEST_F(HallWindow, TheLifeThatEndedIsMarkedAndFoundAgainEachTime) {
    ASSERT_FALSE(Hall::save(hallFile(), Written));
    frmHall* hall = openHall();
    ASSERT_TRUE(hall);
    const QTableWidget* table = hall->tblHall;

    hall->markLife(u"a"_s);
    EXPECT_EQ(boldRows(table), QList<int>{2});
    ASSERT_EQ(table->selectedItems().size(), table->columnCount());
    EXPECT_EQ(table->selectedItems().front()->row(), 2);
    EXPECT_TRUE(hall->lblNote->isVisibleTo(hall));
    EXPECT_EQ(hall->lblNote->text(), u"Ваша жизнь заняла в зале славы 3-е место.");

    // Another life: the mark moves.
    hall->markLife(u"p"_s);
    EXPECT_EQ(boldRows(table), QList<int>{0});
    EXPECT_EQ(hall->lblNote->text(), u"Ваша жизнь заняла в зале славы 1-е место.");
    // A life that did not make the hall marks nothing, and says nothing.
    hall->markLife(u"gone"_s);
    EXPECT_TRUE(boldRows(table).isEmpty());
    EXPECT_TRUE(table->selectedItems().isEmpty());
    EXPECT_FALSE(hall->lblNote->isVisibleTo(hall));
}

TEST_F(HallWindow, AnEmptyOrMissingHallSaysItIsEmpty) {
    for (const bool written : {false, true}) {
        SCOPED_TRACE(written ? "an empty hall" : "no hall file");
        if (written) {
            ASSERT_FALSE(Hall::save(hallFile(), {}));
        }
        frmHall* hall = openHall();
        ASSERT_TRUE(hall);
        EXPECT_TRUE(hall->lblEmpty->isVisibleTo(hall));
        EXPECT_EQ(hall->lblEmpty->text(), u"Зал славы пока пуст.");
        EXPECT_FALSE(hall->tblHall->isVisibleTo(hall));
        EXPECT_FALSE(hall->lblNote->isVisibleTo(hall));
        game.unload(hall);
        ScriptedPlatform::deliverPostedEvents();
    }
}

TEST_F(HallWindow, AHallThatCannotBeReadIsSaidAndLeftAlone) {
    const QByteArray damaged = Hall::toJson(Written).chopped(1);
    QFile file(hallFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    frmHall* hall = openHall();
    ASSERT_TRUE(hall);
    EXPECT_TRUE(hall->tblHall->isVisibleTo(hall));
    EXPECT_EQ(hall->tblHall->rowCount(), 0);
    EXPECT_FALSE(hall->lblEmpty->isVisibleTo(hall));
    EXPECT_TRUE(hall->lblNote->isVisibleTo(hall));
    EXPECT_EQ(hall->lblNote->text(), u"Зал славы не прочитан: зал славы поврежден: "_s +
                                         hallFile() + u"\nФайл оставлен как есть."_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    file.close();
    game.unload(hall);
    ScriptedPlatform::deliverPostedEvents();

    // A folder in its place.
    ASSERT_TRUE(QFile::remove(hallFile()));
    ASSERT_TRUE(QDir().mkpath(hallFile()));
    hall = openHall();
    ASSERT_TRUE(hall);
    EXPECT_TRUE(hall->lblNote->text().contains(u"это папка, а не файл"))
        << qPrintable(hall->lblNote->text());
}
