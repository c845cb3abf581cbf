#include "rules/Buying.h"

#include <gtest/gtest.h>

namespace {
GameState newGame(const char16_t* money) {
    GameState s;
    s.setDesignTexts();
    s.buildCatalogs();
    s.lblMoney = QString::fromUtf16(money);
    return s;
}
} // namespace

TEST(Buying, WholeDollarsMustCoverThePriceAndTheFractionStays) {
    struct Case {
        const char16_t* money;
        BuyResult result;
        const char16_t* moneyAfter;
    };
    const Case cases[] = {
        {u"30", BuyResult::Bought, u"0"},       {u"30.5", BuyResult::Bought, u"0.5"},
        {u"29.9", BuyResult::TooPoor, u"29.9"}, {u"-1", BuyResult::TooPoor, u"-1"},
        {u"abc", BuyResult::TooPoor, u"abc"},   {u"1e3", BuyResult::Bought, u"970"},
    };
    for (const Case& c : cases) {
        GameState s = newGame(c.money);
        EXPECT_EQ(buyNext(s, &GameState::Flat, &GameState::lblRoom), c.result)
            << QString::fromUtf16(c.money).toStdString();
        EXPECT_EQ(s.lblMoney, QString::fromUtf16(c.moneyAfter));
        const bool bought = c.result == BuyResult::Bought;
        EXPECT_EQ(s.Flat.Level, bought ? 1 : 0);
        EXPECT_EQ(s.lblRoom, bought ? u"2" : u"1");
    }
}

TEST(Buying, NothingIsSoldPastTheTop) {
    GameState s = newGame(u"1000");
    s.Scan.Level = 1;
    EXPECT_EQ(nextOffer(s.Scan).name, u"планшетный");
    EXPECT_EQ(nextOffer(s.Scan).price, 30);
    EXPECT_EQ(buyNext(s, &GameState::Scan, &GameState::lblSkaner), BuyResult::Bought);
    EXPECT_FALSE(nextOffer(s.Scan).available);
    EXPECT_EQ(buyNext(s, &GameState::Scan, &GameState::lblSkaner), BuyResult::AtTop);
    EXPECT_EQ(s.Scan.Level, 2);
    EXPECT_EQ(s.lblMoney, u"970");
    // A level set out of range by a damaged game is treated as the top, never read past.
    s.Car.Level = 9;
    EXPECT_EQ(buyNext(s, &GameState::Car, &GameState::lblCar), BuyResult::AtTop);
}
