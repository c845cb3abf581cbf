#include "leisure/CasinoMachine.h"

#include "ui/Game.h"
#include "ui/Kit.h"

#include <QBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

QPushButton* CasinoMachine::addBackButton(QBoxLayout* layout) {
    auto* back = named<QPushButton>("cmdBack", u"<< Назад"_s, this);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(back);
    layout->addLayout(row);
    route(back, ControlEvent::Click, [this] { cmdBack_Click(); });
    setEscapeButton(back);
    return back;
}

void CasinoMachine::cmdBack_Click() {
    game().handOver(this, VenueName);
}

bool CasinoMachine::Form_QueryUnload() {
    // The frame is one more way out: it may not skip a game in play, nor the walk back.
    cmdBack_Click();
    return false;
}
