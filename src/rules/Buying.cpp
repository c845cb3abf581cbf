#include "rules/Buying.h"

#include "state/NumberText.h"

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

void addTo(QString& field, double amount) {
    field = Num(Val(field) + amount);
}
