// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/GameState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(GameState, EveryCatalogFieldShowsItsLevel) {
    GameState state;
    state.buildCatalogs();
    for (const CatalogInfo& info : catalogTable()) {
        const Catalog& catalog = state.*info.catalog;
        EXPECT_EQ(catalog.Level, 0) << info.stem;
        EXPECT_EQ(catalog.Names.size(), catalog.Prices.size()) << info.stem;
        EXPECT_EQ(catalog.Prices.front(), 0) << info.stem;
        EXPECT_EQ(state.*info.field, catalog.Names.front()) << info.stem;
    }
    EXPECT_EQ(state.lblCar, u"Нет машины");
    EXPECT_EQ(state.lblRoom, u"1");
    EXPECT_EQ(state.Car.Prices.back(), 200);
    EXPECT_EQ(state.Car.Names.size(), 6);
    EXPECT_EQ(state.Flat.Prices.back(), 150);
    EXPECT_EQ(state.Mon.Names[1], u"14''");

    state.Vin.Level = 3;
    state.Flat.Level = 6;
    state.showCatalogLevels();
    EXPECT_EQ(state.lblVinchester, u"30 Gb");
    EXPECT_EQ(state.lblRoom, u"7");
    EXPECT_TRUE(state.Flat.atTop());
    EXPECT_FALSE(state.Vin.atTop());
}

TEST(GameState, FieldsAreReachableByName) {
    GameState state;
    state.setDesignTexts();
    ASSERT_NE(state.text(u"lblMoney"), nullptr);
    EXPECT_EQ(*state.text(u"lblMoney"), u"170");
    EXPECT_EQ(state.text(u"lblMoney"), &state.lblMoney);
    EXPECT_EQ(state.text(u"lblNothing"), nullptr);
    EXPECT_EQ(state.integer(u"CarKind"), &state.Car.Level);
    EXPECT_EQ(state.integer(u"VinLevel"), &state.Vin.Level);
    EXPECT_EQ(state.integer(u"BankAccount"), &state.BankAccount);
    EXPECT_EQ(state.integer(u"SkipExitConfirm"), &state.SkipExitConfirm);
    EXPECT_EQ(state.integer(u"lblMoney"), nullptr);
    // Every field of the table has a distinct name.
    QStringList names;
    for (const TextFieldInfo& field : textFieldTable())
        names << QString::fromLatin1(field.name);
    names.removeDuplicates();
    EXPECT_EQ(names.size(), qsizetype(textFieldTable().size()));
}

TEST(GameState, DesignTextsBeforeTheFirstGame) {
    GameState state;
    state.setDesignTexts();
    EXPECT_EQ(state.lblCar, u"Пока нет");
    EXPECT_EQ(state.lblDay, u"00");
    EXPECT_EQ(state.lblHours, u"1");
}

TEST(Ladders, ARequirementFailsOnlyOnALowerRung) {
    using Ladders::below;
    EXPECT_TRUE(below(Ladders::Status, u"Новичок"_s, u"Программист"_s));
    EXPECT_TRUE(below(Ladders::Status, u"Любитель"_s, u"Новичок"_s)); // Любитель is lower
    EXPECT_FALSE(below(Ladders::Status, u"Программист"_s, u"Программист"_s));
    EXPECT_FALSE(below(Ladders::Status, u"Хакер"_s, u"Программист"_s));
    EXPECT_FALSE(below(Ladders::Status, u"что-то другое"_s, u"Хакер"_s));
    EXPECT_TRUE(below(Ladders::English, u"Не знаю"_s, u"1 уровень"_s));
    EXPECT_FALSE(below(Ladders::Clothes, u"Посл.моды"_s, u"Костюм"_s));
}

TEST(GameState, ANewGameHasNoneOfWhatItMustBuyOrLearn) {
    GameState state;
    state.beginNewGame(QDate(2002, 5, 5));
    for (const QString* field :
         {&state.lblSystem, &state.lblProgram, &state.lblGraph, &state.lblAntvirus,
          &state.lblVichod, &state.lblMyWork, &state.lblComp, &state.lblMonitor})
        EXPECT_TRUE(hasNone(*field)) << field->toStdString();
    EXPECT_EQ(state.Comp.current(), NotYet.toString());
    // Only the very words say so.
    EXPECT_FALSE(hasNone(u"Basic"));
    EXPECT_FALSE(hasNone(u"Пока нет "));
    EXPECT_FALSE(hasNone(u"пока нет"));
    EXPECT_FALSE(hasNone(u""));
}
