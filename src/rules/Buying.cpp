// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Buying.h"

#include "state/NumberText.h"

#include <QCoreApplication>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const std::pair<Catalog GameState::*, PurchaseGain> Gains[] = {
    {&GameState::Flat, {6, 3}}, {&GameState::Kitchen, {0, 4}}, {&GameState::Comp, {1, 0}},
    {&GameState::RAM, {1, 0}},  {&GameState::Vin, {1, 0}},     {&GameState::Video, {1, 0}},
};

} // namespace

Offer nextOffer(const Catalog& catalog) {
    if (catalog.atTop() || catalog.Level < 0)
        return {};
    const qsizetype next = catalog.Level + 1;
    return {true, catalog.Names[next], catalog.Prices[next]};
}

bool coversPrice(const QString& cash, double price) {
    return Int(Val(cash)) >= Int(price);
}

BuyResult buyNext(GameState& state, Catalog GameState::*catalog, QString GameState::*field) {
    Catalog& c = state.*catalog;
    const Offer offer = nextOffer(c);
    if (!offer.available)
        return BuyResult::AtTop;
    if (!coversPrice(state.lblMoney, offer.price))
        return BuyResult::TooPoor;
    ++c.Level;
    state.addMoney(-c.Prices[c.Level]);
    state.*field = c.Names[c.Level];
    for (const CatalogInfo& info : catalogTable())
        if (info.catalog == catalog)
            Chronicle::note(state, Chronicle::Kind::Bought,
                            Chronicle::goodsName(QString::fromLatin1(info.stem)), c.Prices[c.Level],
                            c.Names[c.Level]);
    return BuyResult::Bought;
}

bool buyNextOrComplain(GameState& state, Catalog GameState::*catalog, QString GameState::*field,
                       Effects& effects) {
    switch (buyNext(state, catalog, field)) {
    case BuyResult::Bought:
        return true;
    case BuyResult::TooPoor:
        effects.say(QCoreApplication::translate("Game", "Денег маловато."),
                    QCoreApplication::translate("Game", "Внимание"), MsgIcon::Exclamation);
        return false;
    case BuyResult::AtTop:
        return false;
    }
    return false;
}

PurchaseGain gainOf(Catalog GameState::*catalog) {
    for (const auto& [ladder, gain] : Gains)
        if (ladder == catalog)
            return gain;
    return {};
}

bool buyNextAndGain(GameState& state, Catalog GameState::*catalog, QString GameState::*field,
                    Effects& effects) {
    if (!buyNextOrComplain(state, catalog, field, effects))
        return false;
    const PurchaseGain gain = gainOf(catalog);
    if (gain.mood != 0)
        state.addMood(gain.mood);
    if (gain.satiety != 0)
        state.addSatiety(gain.satiety);
    return true;
}
