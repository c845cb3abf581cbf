#include "Purchase.h"

#include "FormCore.h"
#include "Game.h"

bool buyNextOrComplain(FormCore& form, Catalog GameState::*catalog, QString GameState::*field) {
    switch (buyNext(form.game().state, catalog, field)) {
    case BuyResult::Bought:
        return true;
    case BuyResult::TooPoor:
        form.msg(u"Денег маловато."_qs, u"Внимание"_qs, MsgIcon::Exclamation);
        return false;
    case BuyResult::AtTop:
        return false;
    }
    return false;
}
