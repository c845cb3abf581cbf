// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmHobby.h"

#include "leisure/frmMadFish.h"
#include "rules/Fishing.h"
#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

Picture* hiddenPicture(const char* name, const char* art, QWidget* parent) {
    auto* picture = named<Picture>(name, QString::fromLatin1(art), parent);
    picture->hide();
    return picture;
}

// The goods' place in the shop's table, and so in the window's rows of buttons and pictures.
std::size_t shelf(const Fishing::Goods& goods) {
    return std::size_t(&goods - Fishing::goods().data());
}

} // namespace

frmHobby::frmHobby(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Хобби - РЫБАЛКА"));
    const auto goods = Fishing::goods();

    Label12 = says(heading("Label12", {}, this), QT_TR_NOOP("Хобби - РЫБАЛКА"));
    Label10 = says(heading("Label10", {}, this), QT_TR_NOOP("Рыболовный магазин"));

    imgShop = hiddenPicture("imgShop", "fishing/shop", this);
    imgPrikormka = hiddenPicture(goods[0].picture, goods[0].art, this);
    imgSnasti = hiddenPicture(goods[1].picture, goods[1].art, this);
    imgYdochka = hiddenPicture(goods[2].picture, goods[2].art, this);
    imgF = named<Picture>("imgF", QString(), this);
    imgF->setFixedSize(240, 180);

    lblHelp = named<QLabel>("lblHelp", this);
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest help text, so the window keeps its size under the pointer.
    lblHelp->setMinimumHeight(lblHelp->fontMetrics().lineSpacing() * 6);
    Label1 = says(named<QLabel>("Label1", this), QT_TR_NOOP("Цена:"));
    lblCost = figure("lblCost", u"00"_s, this);
    relateToCaption(lblCost, Label1);

    cmdBPrikormka = named<QPushButton>(goods[0].button, this);
    cmdBSnasti = named<QPushButton>(goods[1].button, this);
    cmdBYdochka = named<QPushButton>(goods[2].button, this);
    for (QPushButton* buy : {cmdBPrikormka, cmdBSnasti, cmdBYdochka})
        buy->setMinimumHeight(32);
    buttons_ = {cmdBPrikormka, cmdBSnasti, cmdBYdochka};
    pictures_ = {imgPrikormka, imgSnasti, imgYdochka};
    showGoods();

    // The tackle box.
    auto* box = new QGroupBox(this);
    Label11 = says(heading("Label11", {}, box), QT_TR_NOOP("Ваш рыболовный ящик"));
    lblYdochka = figure("lblYdochka", tr("нет удочки"), box);
    lblSnasti = figure("lblSnasti", tr("нет снастей"), box);
    lblPrikormka = figure("lblPrikormka", u"0"_s, box);
    auto* boxLines = new QGridLayout(box);
    boxLines->addWidget(Label11, 0, 0, 1, 3);
    for (QLabel* have : {lblYdochka, lblSnasti, lblPrikormka}) {
        auto* caption = says(new QLabel(box), QT_TR_NOOP("У вас"));
        relateToCaption(have, caption);
        const int line = boxLines->rowCount();
        boxLines->addWidget(caption, line, 0);
        boxLines->addWidget(have, line, 1, 1, have == lblPrikormka ? 1 : 2);
    }
    boxLines->addWidget(says(new QLabel(box), QT_TR_NOOP("пакетов прикормки.")), 3, 2);
    boxLines->setColumnStretch(2, 1);

    Label2 = says(named<QLabel>("Label2", this), QT_TR_NOOP("Общее кол-во пойманной рыбы:"));
    lblNFish = figure("lblNFish", u"0"_s, this);
    relateToCaption(lblNFish, Label2);
    cmdGoFishing = says(named<QPushButton>("cmdGoFishing", this),
                        QT_TR_NOOP("Отправиться на озеро \"MAD FISH\""));
    cmdGoFishing->setMinimumHeight(40);

    auto* price = new QHBoxLayout;
    price->addWidget(Label1);
    price->addWidget(lblCost, 1);
    auto* shop = new QVBoxLayout;
    shop->addWidget(Label10);
    shop->addWidget(imgF, 0, Qt::AlignHCenter);
    shop->addLayout(price);
    shop->addWidget(lblHelp, 1);

    auto* counter = new QVBoxLayout;
    counter->addWidget(cmdBPrikormka);
    counter->addWidget(cmdBSnasti);
    counter->addWidget(cmdBYdochka);
    counter->addSpacing(8);
    counter->addWidget(box);
    auto* fish = new QHBoxLayout;
    fish->addWidget(Label2);
    fish->addWidget(lblNFish, 1);
    counter->addLayout(fish);
    counter->addStretch(1);
    counter->addWidget(cmdGoFishing);

    auto* sections = new QHBoxLayout;
    sections->setSpacing(18);
    sections->addLayout(shop, 1);
    sections->addLayout(counter, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label12, 0, Qt::AlignHCenter);
    layout->addLayout(sections);
    cmdBack = addBackButton(layout);
    setMinimumWidth(640);

    for (const Fishing::Goods& item : goods) {
        onMouseMove(buttons_[shelf(item)], [this, &item] { goods_MouseMove(item); });
        onClick(buttons_[shelf(item)], [this, &item] { goods_Click(item); });
    }
    onMouseMove(cmdGoFishing, &frmHobby::cmdGoFishing_MouseMove);
    onClick(cmdGoFishing, &frmHobby::cmdGoFishing_Click);
    onMouseMove(this, &frmHobby::MoveMouseNezavisimo);
    onMouseMove(imgF, &frmHobby::MoveMouseNezavisimo);
}

void frmHobby::Form_Load() {
    for (const Fishing::Goods& item : Fishing::goods())
        if (Fishing::owned(game().state, item))
            showOwned(item);
    showBox();
    MoveMouseNezavisimo();
    lblNFish->setText(Num(game().state.FishTotal));
}

void frmHobby::showOwned(const Fishing::Goods& goods) {
    if (goods.kind != Fishing::Kind::Bait)
        disable(buttons_[shelf(goods)]);
}

void frmHobby::showBox() {
    for (const Fishing::Goods& item : Fishing::goods()) {
        const bool owned = Fishing::owned(game().state, item);
        switch (item.kind) {
        case Fishing::Kind::Bait:
            lblPrikormka->setText(Num(game().state.BaitPacks));
            break;
        case Fishing::Kind::Tackle:
            lblSnasti->setText(owned ? tr("есть снасти") : tr("нет снастей"));
            break;
        case Fishing::Kind::Rod:
            lblYdochka->setText(owned ? tr("есть удочка") : tr("нет удочки"));
            break;
        }
    }
}

void frmHobby::showGoods() {
    for (const Fishing::Goods& item : Fishing::goods())
        buttons_[shelf(item)]->setText(Words::text(Words::For::Player, item.caption));
}

void frmHobby::help(std::function<QString()> text) {
    help_ = std::move(text);
    lblHelp->setText(help_());
}

void frmHobby::retranslateUi() {
    showGoods();
    showBox();
    if (help_)
        lblHelp->setText(help_());
}

void frmHobby::MoveMouseNezavisimo() {
    imgF->copyPicture(*imgShop);
    lblCost->setText(u"00"_s);
    help([] {
        return tr("Рыбалка - это отличный способ поднять себе настроение, утолить голод (рыбою, "
                  "которую вы поймали) и просто хорошо и весело отдохнуть. Рыбачьте и вы не "
                  "пожалеете.");
    });
}

void frmHobby::goods_MouseMove(const Fishing::Goods& goods) {
    imgF->copyPicture(*pictures_[shelf(goods)]);
    help([&goods] { return Words::text(Words::For::Player, goods.help); });
    lblCost->setText(Num(goods.price));
}

void frmHobby::goods_Click(const Fishing::Goods& goods) {
    if (!Fishing::buy(game().state, goods, effects()))
        return;
    showOwned(goods);
    showBox();
}

void frmHobby::cmdGoFishing_MouseMove() {
    help([] {
        return tr("Озеро \"MAD FISH\" славится своей неописуемой красотой и своими рыбами.");
    });
}

void frmHobby::cmdGoFishing_Click() {
    if (Fishing::toLake(game().state, effects()))
        game().handOver(this, frmMadFish::Name);
}
