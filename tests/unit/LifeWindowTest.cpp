// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Итоги жизни" over a life put together milestone by milestone: its chronicle as a list, its
// headline, and what a screen reader finds beside each figure.

#include "ScriptedGame.h"
#include "core/frmLife.h"
#include "state/Chronicle.h"
#include "ui/Accessible.h"

#include <QAccessible>
#include <QGraphicsView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Chronicle::Kind;

namespace {

class LifeWindow : public ScriptedGame<> {
protected:
    // A milestone on the given day of May 2002.
    void note(int day, Kind kind, const QString& what = {}, double amount = 0) {
        game.state.lblDay = QString::number(day).rightJustified(2, u'0');
        Chronicle::note(game.state, kind, what, amount);
    }
    frmLife* open() {
        auto* life = game.open<frmLife>();
        ScriptedPlatform::deliverPostedEvents();
        return life;
    }
    static QStringList rows(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    // Whether the list shows its last row.
    static bool showsNewest(const QListWidget* list) {
        return list->viewport()->rect().intersects(
            list->visualItemRect(list->item(list->count() - 1)));
    }
};

} // namespace

TEST_F(LifeWindow, TheChronicleIsListedOldestFirstEachRowItsDateAndSentenceAtItsNewest) {
    note(5, Kind::Job, u"Грузчик"_s, 10);
    for (int i = 0; i < 40; ++i)
        note(6 + i / 2, Kind::Fishing, {}, i + 1);
    note(28, Kind::Status, u"Хакер"_s);
    frmLife* life = open();
    ASSERT_TRUE(life);
    const QStringList shown = rows(life->lstChronicle);
    ASSERT_EQ(shown.size(), 42);
    EXPECT_EQ(shown.front(), u"05/05/02  Работа: Грузчик, 10$ в день");
    EXPECT_EQ(shown[1], u"06/05/02  Рыбалка: поймано рыб 1");
    EXPECT_EQ(shown.back(), u"28/05/02  Статус: Хакер");
    EXPECT_EQ(life->lstChronicle->currentRow(), 41);
    EXPECT_GT(life->lstChronicle->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(showsNewest(life->lstChronicle));
    // The same entries make the figures.
    EXPECT_EQ(life->lblFishCaught->text(), u"820");
    EXPECT_EQ(life->lblBestJob->text(), u"Грузчик, 10$ в день");
}

TEST_F(LifeWindow, AnEmptyChronicleSaysSoInOneLineThatCannotBeChosen) {
    frmLife* life = open();
    ASSERT_TRUE(life);
    ASSERT_EQ(life->lstChronicle->count(), 1);
    const QListWidgetItem* line = life->lstChronicle->item(0);
    EXPECT_TRUE(line->text().startsWith(u"Хроника пока пуста"));
    EXPECT_FALSE(line->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(life->lblCause->text(), u"Жизнь продолжается");
}

TEST_F(LifeWindow, AMilestoneNotedWhileOpenJoinsTheListAndTheReaderKeepsThePlace) {
    for (int i = 0; i < 40; ++i)
        note(5 + i / 2, Kind::Virus, Chronicle::VirusEnd::Killed.toString());
    frmLife* life = open();
    ASSERT_TRUE(life);
    QListWidget* list = life->lstChronicle;
    // Followed at the newest line.
    note(26, Kind::Education, u"Среднее"_s);
    game.stateMayHaveChanged();
    ASSERT_EQ(list->count(), 41);
    EXPECT_EQ(list->currentRow(), 40);
    EXPECT_TRUE(showsNewest(list));
    EXPECT_EQ(life->lblVirusesMet->text(), u"40");
    EXPECT_EQ(life->lblBestEducation->text(), u"Среднее");
    // Kept where the player went back to.
    list->setCurrentRow(2);
    list->scrollToItem(list->item(5), QAbstractItemView::PositionAtTop);
    ASSERT_EQ(list->indexAt(QPoint(0, 0)).row(), 5);
    note(27, Kind::English, u"1 уровень"_s);
    game.stateMayHaveChanged();
    ASSERT_EQ(list->count(), 42);
    EXPECT_EQ(list->item(41)->text(), u"27/05/02  Английский: 1 уровень");
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 5);
    EXPECT_EQ(life->lblBestEnglish->text(), u"1 уровень");
}

TEST_F(LifeWindow, TheHeadlineTellsHowTheLifeEnded) {
    struct Ending {
        std::vector<std::pair<Kind, QString>> entries;
        const char16_t* headline;
        bool top;
    };
    const Ending endings[] = {
        {{}, u"Жизнь продолжается", false},
        {{{Kind::Death, Chronicle::Cause::Hunger.toString()}}, u"Умер от голода", false},
        {{{Kind::Death, Chronicle::Cause::Sorrow.toString()}}, u"Умер от тоски", false},
        {{{Kind::President, u"ком.през."_s}}, u"Стал компьютерным президентом", true},
        // Dead after reaching the top: the death heads the life.
        {{{Kind::President, u"ком.през."_s}, {Kind::Death, Chronicle::Cause::Sorrow.toString()}},
         u"Умер от тоски",
         true},
    };
    for (const Ending& ending : endings) {
        game.state.story = {};
        game.state.story.firstDay = u"05/05/02"_s;
        int day = 7;
        for (const auto& [kind, what] : ending.entries)
            note(day++, kind, what);
        frmLife* life = open();
        ASSERT_TRUE(life);
        EXPECT_EQ(life->lblCause->text(), ending.headline);
        EXPECT_EQ(!life->lblDaysToTop->isHidden(), ending.top)
            << life->lblCause->text().toStdString();
        if (ending.top) {
            EXPECT_EQ(life->lblDaysToTop->text(), u"2"); // from the 5th to the 7th
        }
        game.unload(life);
        ScriptedPlatform::deliverPostedEvents();
    }
}

TEST_F(LifeWindow, EachFigureIsReadWithItsCaptionAndTheChartIsAChart) {
    frmLife* life = open();
    ASSERT_TRUE(life);
    const std::pair<QLabel*, const char16_t*> figures[] = {
        {life->lblMostMoney, u"Больше всего денег:"},
        {life->lblBestJob, u"Лучшая работа:"},
        {life->lblBestStatus, u"Статус:"},
        {life->lblBestEducation, u"Образование:"},
        {life->lblBestEnglish, u"Английский:"},
        {life->lblSalaryEarned, u"Заработано зарплаты:"},
        {life->lblFishCaught, u"Поймано рыб:"},
        {life->lblProgramsInstalled, u"Установлено программ:"},
        {life->lblVirusesMet, u"Встречено вирусов:"},
    };
    for (const auto& [value, caption] : figures) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(value);
        ASSERT_TRUE(accessible);
        // Its caption, and the frame it stands in.
        QStringList names;
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            names << label->text(QAccessible::Name);
        EXPECT_TRUE(names.contains(QString::fromUtf16(caption)))
            << value->objectName().toStdString() << ": " << names.join(u", "_s).toStdString();
        // Read as "caption: value", as every figure of the game is.
        EXPECT_EQ(accessible->text(QAccessible::Name),
                  spokenCaption(QString::fromUtf16(caption)) + u": "_s + value->text());
    }
    // The chart module's chart, not the line that says why there is none.
    ASSERT_TRUE(life->chtLife);
    EXPECT_TRUE(qobject_cast<QGraphicsView*>(life->chtLife))
        << life->chtLife->metaObject()->className();
    EXPECT_EQ(life->chtLife->objectName(), u"chtLife");
}
