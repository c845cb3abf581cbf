// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmShop.h"

#include "rules/Shop.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlaceHeader.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QPushButton* shopButton(const char* name, QWidget* parent) {
    auto* button = named<QPushButton>(name, parent);
    button->setMinimumHeight(32);
    return button;
}

} // namespace

frmShop::frmShop(Game& game)
    : Form(game, Name) {
    imgShop = openPlace(this, {}, "imgShop", u"shop/shop"_s, {160, 120});
    says(this, QT_TR_NOOP("Магазины"));

    // The canteen.
    Label5 = says(heading("Label5", {}, this), QT_TR_NOOP("Столовая"));
    cmdBuyBrakfast = says(shopButton("cmdBuyBrakfast", this), QT_TR_NOOP("Купить завтрак"));
    cmdBuyDinner = says(shopButton("cmdBuyDinner", this), QT_TR_NOOP("Купить обед"));
    cmdBuySupper = says(shopButton("cmdBuySupper", this), QT_TR_NOOP("Купить ужин"));
    Label4 = says(named<QLabel>("Label4", this), QT_TR_NOOP("Текущая сытость:"));
    lblHungr = figure("lblHungr", u"00"_s, this);
    relateToCaption(lblHungr, Label4);

    // Clothes: the panel shows the outfit on offer and its price.
    Label6 = says(heading("Label6", {}, this), QT_TR_NOOP("Одежда"));
    cmdBuyClothes = says(shopButton("cmdBuyClothes", this), QT_TR_NOOP("Купить одежду"));
    auto* panel = new InfoPanel(this,
                                {{"Label2", {}, "lblWhat", InfoPanel::Nothing},
                                 {"Label1", {}, "lblShCost", u"00"_s},
                                 {"Label3", {}, "lblShHungr", u"00"_s}},
                                nullptr, {});
    says(panel->findChild<QLabel*>(u"Label2"_s), QT_TR_NOOP("Одежда:"));
    says(panel->findChild<QLabel*>(u"Label1"_s), QT_TR_NOOP("Цена:"));
    says(panel->findChild<QLabel*>(u"Label3"_s), QT_TR_NOOP("Прибавление сытости:"));
    lblWhat = panel->value("lblWhat");
    lblShCost = panel->value("lblShCost");
    lblShHungr = panel->value("lblShHungr");
    txtSpec = panel->txtSpec;

    // Cars: the hidden pictures of the five models and of the empty lot; imgCCar copies one.
    Label7 = says(heading("Label7", {}, this), QT_TR_NOOP("Машины"));
    cmdCar = says(shopButton("cmdCar", this), QT_TR_NOOP("Купить машину"));
    Label8 = says(named<QLabel>("Label8", this), QT_TR_NOOP("Сейчас у вас:"));
    lblCurCar = figure("lblCurCar", InfoPanel::Nothing, this);
    Label11 = says(named<QLabel>("Label11", this), QT_TR_NOOP("Марка:"));
    lblCar = figure("lblCar", InfoPanel::Nothing, this);
    relateToCaption(lblCurCar, Label8);
    relateToCaption(lblCar, Label11);
    for (int k = 0; k < 5; ++k) {
        imgCar[k] = named<Picture>(u"imgCar(%1)"_s.arg(k), u"cars/car%1"_s.arg(k + 1), this);
        imgCar[k]->hide();
    }
    imgCarShop = named<Picture>("imgCarShop", u"cars/lot"_s, this);
    imgCarShop->hide();
    imgCCar = named<Picture>("imgCCar", QString(), this);
    imgCCar->setFixedSize(200, 150);

    auto* canteen = new QVBoxLayout;
    canteen->addWidget(Label5);
    canteen->addWidget(cmdBuyBrakfast);
    canteen->addWidget(cmdBuyDinner);
    canteen->addWidget(cmdBuySupper);
    auto* satiety = new QHBoxLayout;
    satiety->addWidget(Label4);
    satiety->addWidget(lblHungr, 1);
    canteen->addLayout(satiety);
    canteen->addStretch(1);
    canteen->addWidget(imgShop, 0, Qt::AlignHCenter);

    auto* clothes = new QVBoxLayout;
    clothes->addWidget(Label6);
    clothes->addWidget(cmdBuyClothes);
    clothes->addWidget(panel);
    clothes->addStretch(1);

    auto* cars = new QVBoxLayout;
    cars->addWidget(Label7);
    cars->addWidget(cmdCar);
    auto* carInfo = new QGridLayout;
    carInfo->addWidget(Label8, 0, 0);
    carInfo->addWidget(lblCurCar, 0, 1);
    carInfo->addWidget(Label11, 1, 0);
    carInfo->addWidget(lblCar, 1, 1);
    carInfo->setColumnStretch(1, 1);
    cars->addLayout(carInfo);
    cars->addWidget(imgCCar, 0, Qt::AlignHCenter);
    cars->addStretch(1);

    reserveWidths();

    auto* sections = new QHBoxLayout;
    sections->setSpacing(18);
    sections->addLayout(canteen, 1);
    sections->addLayout(clothes, 1);
    sections->addLayout(cars, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sections);
    cmdBack = addBackButton(layout);
    setMinimumWidth(std::max(760, layout->minimumSize().width()));

    const std::pair<QPushButton*, int> meals[] = {
        {cmdBuyBrakfast, 5}, {cmdBuyDinner, 8}, {cmdBuySupper, 6}};
    for (auto [meal, price] : meals) {
        onMouseMove(meal, [this, price] { meal_MouseMove(price); });
        onClick(meal, [this, price] { meal_Click(price); });
    }
    onMouseMove(cmdBuyClothes, &frmShop::cmdBuyClothes_MouseMove);
    onClick(cmdBuyClothes, &frmShop::cmdBuyClothes_Click);
    onMouseMove(cmdCar, &frmShop::cmdCar_MouseMove);
    onClick(cmdCar, &frmShop::cmdCar_Click);
    onMouseMove(this, &frmShop::Form_MouseMove);
    showField(lblHungr, &GameState::lblHungry);
}

// The panels' texts change under the pointer and with the game; the columns stand still, each
// as wide as the widest of its texts needs in the player's language.
void frmShop::reserveWidths() {
    QStringList prices = {u"00"_s};
    for (int meal : {5, 8, 6})
        prices << Num(meal);
    QStringList outfits = {InfoPanel::Nothing};
    for (const QString& outfit : Ladders::Clothes) {
        outfits << Words::shown(outfit);
        if (const auto offer = Shop::clothesOffer(outfit))
            prices << Num(offer->price);
    }
    const Catalog& carLadder = game().state.Car;
    for (int price : carLadder.Prices)
        prices << Num(price);
    QStringList carNames = {InfoPanel::Nothing};
    for (const QString& car : carLadder.Names)
        carNames << Words::shown(car);
    reserveWidth(lblWhat, outfits);
    reserveWidth(lblShCost, prices);
    reserveWidth(lblShHungr, {u"00"_s, Num(5), Num(8), Num(6)});
    reserveWidth(lblCurCar, carNames);
    reserveWidth(lblCar, carNames);
    reserveWidth(lblHungr, {u"-29.5"_s, u"1000"_s}); // from near death to well fed
}

void frmShop::retranslateUi() {
    show();
    reserveWidths();
}

void frmShop::Form_Load() {
    counter_ = Shop::open(game().state);
    show();
}

void frmShop::show() {
    const auto priceText = [](std::optional<int> price) {
        return price ? Num(*price) : u"00"_s;
    };
    lblShCost->setText(priceText(counter_.price));
    lblShHungr->setText(priceText(counter_.gain));
    lblWhat->setText(counter_.outfit.isEmpty() ? InfoPanel::Nothing
                                               : Words::shown(counter_.outfit));
    const QString description = Words::shown(counter_.description);
    if (txtSpec->toPlainText() != description)
        txtSpec->setPlainText(description);
    lblCurCar->setText(Words::shown(counter_.ownCar));
    if (!counter_.car.isEmpty())
        lblCar->setText(Words::shown(counter_.car));
    if (counter_.emptyLot)
        imgCCar->copyPicture(*imgCarShop);
    else if (counter_.carModel)
        imgCCar->copyPicture(*imgCar[*counter_.carModel]);
    if (!counter_.clothesOnSale)
        disable(cmdBuyClothes);
    if (!counter_.carsOnSale)
        disable(cmdCar);
}

void frmShop::Form_MouseMove() {
    Shop::lookAway(counter_, game().state);
    show();
}

void frmShop::meal_MouseMove(int price) {
    Shop::lookAtMeal(counter_, price);
    show();
}

// A meal or an outfit bought says nothing on the screen but its figure: a screen reader
// hears it.
void frmShop::meal_Click(int price) {
    const QString before = game().state.lblHungry;
    Shop::eat(game().state, price, effects());
    announceChange(this, Label4->text(), before, game().state.lblHungry);
}

void frmShop::cmdBuyClothes_MouseMove() {
    Shop::lookAtClothes(counter_, game().state);
    show();
}

void frmShop::cmdBuyClothes_Click() {
    const QString before = game().state.lblClothes;
    Shop::buyClothes(counter_, game().state, effects());
    show();
    announceChange(this, tr("Ваша одежда"), Words::shown(before),
                   Words::shown(game().state.lblClothes));
}

void frmShop::cmdCar_MouseMove() {
    Shop::lookAtCars(counter_, game().state);
    show();
}

void frmShop::cmdCar_Click() {
    Shop::buyCar(counter_, game().state, effects());
    show();
}
