#include "app/GameWindows.h"

#include "career/frmBank.h"
#include "core/frmFirst.h"
#include "core/frmHelp.h"
#include "core/frmMain.h"
#include "core/frmTheEnd.h"
#include "purchases/frmComputer.h"
#include "purchases/frmFlat.h"
#include "purchases/frmShop.h"
#include "purchases/frmVirus.h"

using namespace Qt::StringLiterals;

WindowCatalog gameWindows() {
    WindowCatalog catalog;
    catalog.add(u"frmMain"_s, [](Game& game) -> FormCore* { return new frmMain(game); });
    catalog.add(u"frmFirst"_s, [](Game& game) -> FormCore* { return new frmFirst(game); });
    catalog.add(u"frmHelp"_s, [](Game& game) -> FormCore* { return new frmHelp(game); });
    catalog.add(u"frmTheEnd"_s, [](Game& game) -> FormCore* { return new frmTheEnd(game); });
    catalog.add(u"frmBank"_s, [](Game& game) -> FormCore* { return new frmBank(game); });
    catalog.add(u"frmFlat"_s, [](Game& game) -> FormCore* { return new frmFlat(game); });
    catalog.add(u"frmShop"_s, [](Game& game) -> FormCore* { return new frmShop(game); });
    catalog.add(u"frmComputer"_s, [](Game& game) -> FormCore* { return new frmComputer(game); });
    catalog.add(u"frmVirus"_s, [](Game& game) -> FormCore* { return new frmVirus(game); });
    return catalog;
}
