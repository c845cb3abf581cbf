// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/LadderStore.h"

#include "rules/Buying.h"
#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

LadderStore::LadderStore(Game& game, QStringView name, const char* title)
    : Form(game, name) {
    says(this, title);
    panel_ = InfoPanel::forGoods(this);
    lblWhat = panel_->value("lblWhat");
    lblM = panel_->value("lblM");
    txtSpec = panel_->txtSpec;
}

void LadderStore::addGoods(std::vector<Goods> goods) {
    goods_ = std::move(goods);
    for (size_t i = 0; i < goods_.size(); ++i) {
        auto* button = says(named<QPushButton>(goods_[i].button, this), goods_[i].caption);
        buttons_.push_back(button);
        onMouseMove(button, [this, i] { goods_MouseMove(i); });
        onClick(button, [this, i] { goods_Click(i); });
    }
}

void LadderStore::Form_Load() {
    for (size_t i = 0; i < goods_.size(); ++i)
        if ((game().state.*goods_[i].catalog).atTop())
            buttons_[i]->setEnabled(false);
}

void LadderStore::showOnly(Picture* picture) {
    for (Picture* each : findChildren<Picture*>())
        each->setVisible(each == picture);
}

void LadderStore::lookAway() {
    offered_.reset();
    showNothing();
}

void LadderStore::retranslateUi() {
    if (offered_)
        goods_MouseMove(*offered_);
    else
        showNothing();
}

void LadderStore::goods_MouseMove(size_t index) {
    offered_ = index;
    const Goods& goods = goods_[index];
    const Offer next = nextOffer(game().state.*goods.catalog);
    if (next.available) {
        const QString name = Words::shown(next.name);
        panel_->offer(name, Num(next.price), goods.describe(name));
    } else {
        disable(buttons_[index]);
        panel_->offer({}, u"0"_s, {});
    }
    if (goods.picture)
        showOnly(goods.picture);
}

void LadderStore::goods_Click(size_t index) {
    const Goods& goods = goods_[index];
    // A refusal says so in its message; a purchase shows only in the main window's figures,
    // so a screen reader is told what was bought.
    if (buyNextAndGain(game().state, goods.catalog, goods.field, effects()))
        announce(this, tr("Куплено: %1").arg(Words::shown(game().state.*goods.field)));
}
