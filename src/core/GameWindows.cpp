#include "GameWindows.h"

#include "frmBank.h"
#include "frmComputer.h"
#include "frmFirst.h"
#include "frmFlat.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "frmShop.h"
#include "frmTheEnd.h"
#include "frmVirus.h"

WindowCatalog gameWindows() {
    WindowCatalog catalog;
    catalog.add(u"frmMain"_qs, [](Game& game) -> FormCore* { return new frmMain(game); });
    catalog.add(u"frmFirst"_qs, [](Game& game) -> FormCore* { return new frmFirst(game); });
    catalog.add(u"frmHelp"_qs, [](Game& game) -> FormCore* { return new frmHelp(game); });
    catalog.add(u"frmTheEnd"_qs, [](Game& game) -> FormCore* { return new frmTheEnd(game); });
    catalog.add(u"frmBank"_qs, [](Game& game) -> FormCore* { return new frmBank(game); });
    catalog.add(u"frmFlat"_qs, [](Game& game) -> FormCore* { return new frmFlat(game); });
    catalog.add(u"frmShop"_qs, [](Game& game) -> FormCore* { return new frmShop(game); });
    catalog.add(u"frmComputer"_qs, [](Game& game) -> FormCore* { return new frmComputer(game); });
    catalog.add(u"frmVirus"_qs, [](Game& game) -> FormCore* { return new frmVirus(game); });
    return catalog;
}
