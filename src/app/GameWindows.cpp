// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/GameWindows.h"

#include "career/frmBank.h"
#include "career/frmStudy.h"
#include "career/frmWork.h"
#include "core/frmFirst.h"
#include "core/frmHall.h"
#include "core/frmHelp.h"
#include "core/frmHistory.h"
#include "core/frmLife.h"
#include "core/frmMain.h"
#include "core/frmTheEnd.h"
#include "internet/frmHakerstvo.h"
#include "internet/frmInterAnek.h"
#include "internet/frmInterComp.h"
#include "internet/frmInternet.h"
#include "leisure/frmAr.h"
#include "leisure/frmHobby.h"
#include "leisure/frmMadFish.h"
#include "leisure/frmParty.h"
#include "leisure/frmRuletka.h"
#include "leisure/frmRuletka2.h"
#include "purchases/frmComputer.h"
#include "purchases/frmFlat.h"
#include "purchases/frmPrograms.h"
#include "purchases/frmShop.h"
#include "purchases/frmVirus.h"

WindowCatalog gameWindows() {
    WindowCatalog catalog;
    catalog.add<frmMain>();
    catalog.add<frmFirst>();
    catalog.add<frmHelp>();
    catalog.add<frmHistory>();
    catalog.add<frmLife>();
    catalog.add<frmHall>();
    catalog.add<frmTheEnd>();
    catalog.add<frmBank>();
    catalog.add<frmStudy>();
    catalog.add<frmWork>();
    catalog.add<frmFlat>();
    catalog.add<frmShop>();
    catalog.add<frmComputer>();
    catalog.add<frmPrograms>();
    catalog.add<frmVirus>();
    catalog.add<frmParty>();
    catalog.add<frmAr>();
    catalog.add<frmRuletka>();
    catalog.add<frmRuletka2>();
    catalog.add<frmHobby>();
    catalog.add<frmMadFish>();
    catalog.add<frmInternet>();
    catalog.add<frmInterComp>();
    catalog.add<frmInterAnek>();
    catalog.add<frmHakerstvo>();
    return catalog;
}
