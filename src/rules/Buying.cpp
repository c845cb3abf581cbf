#include "rules/Buying.h"

#include "state/NumberText.h"

using namespace Qt::StringLiterals;

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
    state.lblMoney = Num(Val(state.lblMoney) - c.Prices[c.Level]);
    state.*field = c.Names[c.Level];
    return BuyResult::Bought;
}

bool buyNextOrComplain(GameState& state, Catalog GameState::*catalog, QString GameState::*field,
                       Effects& effects) {
    switch (buyNext(state, catalog, field)) {
    case BuyResult::Bought:
        return true;
    case BuyResult::TooPoor:
        effects.say(u"Денег маловато."_s, u"Внимание"_s, MsgIcon::Exclamation);
        return false;
    case BuyResult::AtTop:
        return false;
    }
    return false;
}
