// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

TEST(NumberText, ValReadsTheWholeTextOrNothing) {
    EXPECT_EQ(Val(u"05"), 5);
    EXPECT_EQ(Val(u" 12 "), 12);
    EXPECT_EQ(Val(u"-12"), -12);
    EXPECT_EQ(Val(u"21.9"), 21.9);
    EXPECT_EQ(Val(u".5"), 0.5);
    EXPECT_EQ(Val(u"1e3"), 1000);
    // Not a numeral: reads as 0 rather than as its leading digits.
    EXPECT_EQ(Val(u""), 0);
    EXPECT_EQ(Val(u"abc"), 0);
    EXPECT_EQ(Val(u"OK"), 0);
    EXPECT_EQ(Val(u"12abc"), 0);
    EXPECT_EQ(Val(u"1 2"), 0);
    EXPECT_EQ(Val(u"-"), 0);
    EXPECT_EQ(Val(u"."), 0);
    EXPECT_EQ(Val(u"1,5"), 0);
    EXPECT_EQ(Val(u"١٢"), 0); // digits of another script are not a numeral here
    EXPECT_EQ(Val(u"1e999"), 0);
}

TEST(NumberText, LeadingValTakesTheLongestLeadingNumeral) {
    EXPECT_EQ(LeadingVal(u"10"), 10);
    EXPECT_EQ(LeadingVal(u"  25$ в день"), 25);
    EXPECT_EQ(LeadingVal(u"7.5abc"), 7.5);
    EXPECT_EQ(LeadingVal(u"-3 "), -3);
    EXPECT_EQ(LeadingVal(u"Пока нет"), 0);
    EXPECT_EQ(LeadingVal(u""), 0);
    EXPECT_EQ(LeadingVal(u"1e"), 1);
}

TEST(NumberText, NumWritesTheShortestForm) {
    EXPECT_EQ(Num(0.5), u"0.5");
    EXPECT_EQ(Num(-2), u"-2");
    EXPECT_EQ(Num(-2.0), u"-2");
    EXPECT_EQ(Num(21.9), u"21.9");
    EXPECT_EQ(Num(1e6), u"1000000");
    EXPECT_EQ(Num(170), u"170");
    EXPECT_EQ(Num(0), u"0");
    EXPECT_EQ(Num(-0.0), u"0");
    // Arithmetic noise past 15 digits does not show.
    EXPECT_EQ(Num(0.1 + 0.2), u"0.3");
    EXPECT_EQ(Num(30 - 27.9), u"2.1");
    // What is written reads back as the same number.
    for (double x : {0.5, -2.0, 21.9, 1e6, 123456.789, -0.25})
        EXPECT_EQ(Val(Num(x)), x) << x;
}

TEST(NumberText, StrHasItsBlank) {
    EXPECT_EQ(Str(10), u" 10");
    EXPECT_EQ(Str(0), u" 0");
    EXPECT_EQ(Str(-5), u"-5");
    EXPECT_EQ(Str(2.5), u" 2.5");
}

TEST(NumberText, IntIsFloor) {
    EXPECT_EQ(Int(7.99), 7);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(3), 3);
}

TEST(NumberText, SixteenBitArithmeticSaturates) {
    constexpr qint16 top = std::numeric_limits<qint16>::max();
    constexpr qint16 bottom = std::numeric_limits<qint16>::min();
    EXPECT_EQ(AddSat16(top, 1), top);
    EXPECT_EQ(AddSat16(32000, 1000), top);
    EXPECT_EQ(AddSat16(bottom, -1), bottom);
    EXPECT_EQ(AddSat16(-32000, -1000), bottom);
    EXPECT_EQ(AddSat16(100, -30), 70);
    EXPECT_EQ(Sat16(1e12), top);
    EXPECT_EQ(Sat16(-1e12), bottom);
    EXPECT_EQ(Sat16(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(NumberText, AnAmountIsPlainDigits) {
    EXPECT_TRUE(IsAmount(u"0"));
    EXPECT_TRUE(IsAmount(u"0032767"));
    for (const char16_t* not_amount : {u"", u"-1", u"+1", u" 1", u"1 ", u"1.5", u"1e3", u"١"})
        EXPECT_FALSE(IsAmount(QStringView(not_amount)))
            << QString::fromUtf16(not_amount).toStdString();
}

TEST(NumberText, AddToKeepsTheShortestForm) {
    QString field = u"0.5"_s;
    AddTo(field, 1.5);
    EXPECT_EQ(field, u"2");
    AddTo(field, -4);
    EXPECT_EQ(field, u"-2");
    field = u"OK"_s; // a finished course's counter reads as 0
    AddTo(field, 1);
    EXPECT_EQ(field, u"1");
}
