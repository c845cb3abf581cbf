#include "purchases/Purchase.h"

#include "ui/FormCore.h"
#include "ui/Game.h"

using namespace Qt::StringLiterals;

bool buyNextOrComplain(FormCore& form, Catalog GameState::*catalog, QString GameState::*field) {
    switch (buyNext(form.game().state, catalog, field)) {
    case BuyResult::Bought:
        return true;
    case BuyResult::TooPoor:
        form.msg(u"Денег маловато."_s, u"Внимание"_s, MsgIcon::Exclamation);
        return false;
    case BuyResult::AtTop:
        return false;
    }
    return false;
}
