#include "GameWindows.h"

#include "frmFirst.h"
#include "frmMain.h"

WindowCatalog gameWindows()
{
    WindowCatalog catalog;
    catalog.add(u"frmMain"_qs, [](Game& game) -> FormCore* { return new frmMain(game); });
    catalog.add(u"frmFirst"_qs, [](Game& game) -> FormCore* { return new frmFirst(game); });
    return catalog;
}
