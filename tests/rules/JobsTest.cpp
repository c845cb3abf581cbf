// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The jobs' requirements against the table of what each job asks for, written out here on its
// own: each job takes a player who meets exactly its minimums, and turns away one who falls short
// by a single rung or item anywhere.

#include "rules/Jobs.h"
#include "state/GameState.h"

#include "unit/NewGame.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The word-valued fields the jobs look at, with their ladders written out again.
struct WordField {
    QString GameState::*field;
    QStringList ladder;
};
const WordField Education{
    &GameState::lblEduncation,
    {u"Начальное"_s, u"Неполное среднее"_s, u"Среднее"_s, u"Неполное высшее"_s, u"Высшее"_s}};
const WordField Status{&GameState::lblStatus,
                       {u"Чайник"_s, u"Любитель"_s, u"Новичок"_s, u"Программист"_s,
                        u"Почти хакер"_s, u"Хакер"_s, u"Администратор"_s, u"Профессионал"_s,
                        u"Сверх профессионал"_s}};
const WordField English{&GameState::lblEnglish,
                        {u"Не знаю"_s, u"1 уровень"_s, u"2 уровень"_s, u"3 уровень"_s,
                         u"4 уровень"_s, u"5 уровень"_s, u"6 уровень"_s, u"7 уровень"_s,
                         u"8 уровень"_s}};
const WordField Clothes{&GameState::lblClothes,
                        {u"Дряхлая"_s, u"Спорт.костюм"_s, u"Летняя"_s, u"Джинсы"_s, u"Костюм"_s,
                         u"Куртка"_s, u"Рубашка"_s, u"Футболка и т.д."_s, u"Посл.моды"_s}};
const WordField Program{&GameState::lblProgram,
                        {u"Пока нет"_s, u"Basic"_s, u"Pascal"_s, u"VB"_s, u"VC++"_s}};
const WordField Graph{
    &GameState::lblGraph,
    {u"Пока нет"_s, u"Corel Xara"_s, u"Photoshop"_s, u"3D StMax II"_s, u"3D StMax III"_s}};

struct Rung {
    const WordField* field;
    const char16_t* lowest;
};

struct JobRow {
    const char16_t* caption;
    int salary;
    const char16_t* name;
    std::vector<Rung> rungs;
    bool online;
    std::vector<std::pair<const char*, int>> atLeast;
    // The president's own: this programming tool and this car, and nothing else.
    const char16_t* program = nullptr;
    int car = -1;
};

const JobRow Table[] = {
    {u"Грузчик", 10, u"Грузчик", {}, false, {}},
    {u"Таксист",
     20,
     u"Таксист.",
     {{&Education, u"Неполное среднее"}, {&Clothes, u"Спорт.костюм"}},
     false,
     {{"BathLevel", 1}}},
    {u"Садовник",
     25,
     u"Садовник",
     {{&Education, u"Неполное среднее"},
      {&Status, u"Любитель"},
      {&English, u"1 уровень"},
      {&Clothes, u"Спорт.костюм"},
      {&Program, u"Basic"}},
     false,
     {{"FlatLevel", 1}, {"MebelLevel", 1}}},
    {u"Начинающий программист",
     30,
     u"нач. прогр.",
     {{&Education, u"Среднее"},
      {&Status, u"Новичок"},
      {&English, u"2 уровень"},
      {&Clothes, u"Летняя"},
      {&Program, u"Pascal"}},
     false,
     {{"FlatLevel", 2}, {"KitchenLevel", 1}, {"CarKind", 1}, {"FishTotal", 20}}},
    {u"Программист",
     35,
     u"прогр.",
     {{&Education, u"Среднее"},
      {&Status, u"Программист"},
      {&English, u"3 уровень"},
      {&Clothes, u"Джинсы"},
      {&Program, u"Pascal"},
      {&Graph, u"Corel Xara"}},
     false,
     {{"MebelLevel", 2}, {"BathLevel", 2}, {"ModemLevel", 1}}},
    {u"Провайдер",
     40,
     u"провайдер",
     {{&Education, u"Неполное высшее"},
      {&Status, u"Программист"},
      {&English, u"4 уровень"},
      {&Clothes, u"Костюм"},
      {&Program, u"VB"},
      {&Graph, u"Photoshop"}},
     true,
     {{"FlatLevel", 3}, {"CarKind", 2}, {"ModemLevel", 2}}},
    {u"Вебмастер",
     45,
     u"вебмастер",
     {{&Education, u"Неполное высшее"},
      {&Status, u"Программист"},
      {&English, u"5 уровень"},
      {&Clothes, u"Костюм"},
      {&Program, u"VB"},
      {&Graph, u"Photoshop"}},
     true,
     {{"MebelLevel", 3},
      {"KitchenLevel", 2},
      {"ScanLevel", 1},
      {"ModemLevel", 3},
      {"CarKind", 2},
      {"JokesBaseLoaded", 100}}},
    {u"Хакер",
     50,
     u"хакер",
     {{&Education, u"Высшее"},
      {&Status, u"Хакер"},
      {&English, u"6 уровень"},
      {&Clothes, u"Рубашка"},
      {&Program, u"VB"}},
     true,
     {{"FlatLevel", 4},
      {"MebelLevel", 4},
      {"BathLevel", 3},
      {"ModemLevel", 3},
      {"CarKind", 3},
      {"FishTotal", 40}}},
    {u"Графический дизайнер",
     55,
     u"граф.диз.",
     {{&Education, u"Высшее"},
      {&Status, u"Администратор"},
      {&English, u"7 уровень"},
      {&Clothes, u"Футболка и т.д."},
      {&Graph, u"3D StMax II"}},
     false,
     {{"FlatLevel", 5}, {"MebelLevel", 5}, {"KitchenLevel", 3}, {"ScanLevel", 2}, {"CarKind", 4}}},
    {u"Компьютерный президент",
     70,
     u"ком.през.",
     {{&Education, u"Высшее"},
      {&Status, u"Сверх профессионал"},
      {&English, u"8 уровень"},
      {&Clothes, u"Посл.моды"},
      {&Graph, u"3D StMax III"}},
     true,
     {{"FlatLevel", 6},
      {"MebelLevel", 6},
      {"KitchenLevel", 4},
      {"BathLevel", 4},
      {"ModemLevel", 3},
      {"FishTotal", 70}},
     u"VC++",
     5},
};

qint16& integer(GameState& s, const char* name) {
    return *s.integer(QString::fromLatin1(name));
}

// A new game raised to exactly what the row asks for, and no further.
GameState atMinimums(const JobRow& row) {
    GameState s = newGame();
    for (const Rung& rung : row.rungs)
        s.*rung.field->field = QString::fromUtf16(rung.lowest);
    if (row.online)
        s.lblVichod = u"Есть"_s;
    for (auto [name, minimum] : row.atLeast)
        integer(s, name) = qint16(minimum);
    if (row.program)
        s.lblProgram = QString::fromUtf16(row.program);
    if (row.car >= 0)
        s.Car.Level = qint16(row.car);
    return s;
}

} // namespace

TEST(Jobs, RequirementsAreTheTable) {
    ASSERT_EQ(std::size(Table), Jobs::Count);
    for (size_t i = 0; i < Jobs::Count; ++i) {
        const JobRow& row = Table[i];
        const Jobs::Job& job = Jobs::all()[i];
        SCOPED_TRACE(QString::fromUtf16(row.caption).toStdString());
        EXPECT_EQ(job.caption, QString::fromUtf16(row.caption));
        EXPECT_EQ(job.salary, row.salary);
        EXPECT_EQ(job.name, QString::fromUtf16(row.name));

        const GameState minimal = atMinimums(row);
        EXPECT_TRUE(job.qualifies(minimal));
        const bool asksNothing = row.rungs.empty() && !row.online && row.atLeast.empty();
        EXPECT_EQ(job.qualifies(newGame()), asksNothing);

        // Every lower rung fails; the rung itself, every higher one and a text that is not on
        // the ladder pass.
        for (const Rung& rung : row.rungs) {
            const QStringList& ladder = rung.field->ladder;
            const qsizetype lowest = ladder.indexOf(QString::fromUtf16(rung.lowest));
            ASSERT_GE(lowest, 0);
            for (qsizetype k = 0; k < ladder.size(); ++k) {
                GameState s = minimal;
                s.*rung.field->field = ladder[k];
                EXPECT_EQ(job.qualifies(s), k >= lowest) << ladder[k].toStdString();
            }
            GameState s = minimal;
            s.*rung.field->field = u"что-то другое"_s;
            EXPECT_TRUE(job.qualifies(s));
        }

        GameState offline = minimal;
        offline.lblVichod = u"Пока нет"_s;
        EXPECT_EQ(job.qualifies(offline), !row.online);

        for (auto [name, minimum] : row.atLeast) {
            GameState s = minimal;
            integer(s, name) = qint16(minimum - 1);
            EXPECT_FALSE(job.qualifies(s)) << name;
            integer(s, name) = qint16(minimum + 1);
            EXPECT_TRUE(job.qualifies(s)) << name;
        }

        // The president's program and car are the one right answer: a better or an unknown
        // one will not do.
        if (row.program) {
            for (const QString& other : {u"VB"_s, u"Pascal"_s, u"Пока нет"_s, u"VC++ 6"_s}) {
                GameState s = minimal;
                s.lblProgram = other;
                EXPECT_FALSE(job.qualifies(s)) << other.toStdString();
            }
        }
        if (row.car >= 0) {
            for (int other : {row.car - 1, row.car + 1, 0}) {
                GameState s = minimal;
                s.Car.Level = qint16(other);
                EXPECT_FALSE(job.qualifies(s)) << other;
            }
        }
    }
}

TEST(Jobs, ARefusalListsEverythingAndNamesItemsFromTheCatalogs) {
    const Jobs::Job& taxi = Jobs::all()[1];
    GameState s = newGame();
    const QString expected = u"Вы не можете работать таксистом.\n\nУ вас должно быть как "
                             "минимум:\nобразование неполное среднее,\nодежда спорт. костюм,\n"
                             "ванная: Ведро."_s;
    EXPECT_EQ(taxi.refusalText(s), expected);
    // Met or not, every requirement is listed.
    s.lblEduncation = u"Высшее"_s;
    s.lblClothes = u"Посл.моды"_s;
    EXPECT_EQ(taxi.refusalText(s), expected);
    // The item's name is the catalog's, at the level the job asks for.
    s.Bath.Names[1] = u"Таз"_s;
    EXPECT_TRUE(taxi.refusalText(s).endsWith(u"ванная: Таз."_s));
    const Jobs::Job& president = Jobs::all()[9];
    s.Car.Names[5] = u"Лимузин"_s;
    EXPECT_TRUE(president.refusalText(s).contains(u"\nмашина марки Лимузин,\n"_s));
}
