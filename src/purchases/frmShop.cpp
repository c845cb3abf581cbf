#include "purchases/frmShop.h"

#include "purchases/Purchase.h"
#include "state/NumberText.h"
#include "ui/Controls.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString NoOffer = u"------------"_s;

struct ClothesStep {
    const char16_t* next;
    int price;
    const char16_t* description;
};

// What each outfit leads to; the last one leads nowhere.
const ClothesStep* nextClothes(const QString& current) {
    static const std::pair<const char16_t*, ClothesStep> ladder[] = {
        {u"Дряхлая", {u"Спорт.костюм", 5, u"Купить дешевый спортивный костюм."}},
        {u"Спорт.костюм", {u"Летняя", 10, u"Купить летнюю одежду."}},
        {u"Летняя", {u"Джинсы", 15, u"Купить Новые джинсы и футболку."}},
        {u"Джинсы", {u"Костюм", 20, u"Купить костюм (брюки и пиджак)."}},
        {u"Костюм", {u"Куртка", 25, u"Купить куртку."}},
        {u"Куртка", {u"Рубашка", 30, u"Купить красивую рубашку и брюки."}},
        {u"Рубашка", {u"Футболка и т.д.", 30, u"Купить супер футболку, кепку, шорты и т.д.."}},
        {u"Футболка и т.д.", {u"Посл.моды", 35, u"Купить одежду последней моды."}},
        {u"Посл.моды", {nullptr, 0, u"Нажми на кнопку <Купить одежду>"}},
    };
    for (const auto& [outfit, step] : ladder)
        if (current == QStringView(outfit))
            return &step;
    return nullptr;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text) {
    auto* label = named<QLabel>(name, text, parent);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    return named<QLabel>(name, text, parent);
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = named<QPushButton>(name, text, parent);
    b->setMinimumHeight(32);
    return b;
}

} // namespace

frmShop::frmShop(Game& game)
    : Form(game, u"frmShop"_s) {
    setWindowTitle(u"Магазины"_s);

    imgShop = new Picture(u"imgShop"_s, u"shop/shop"_s, this);
    imgShop->setFixedSize(160, 120);

    // The canteen.
    Label5 = heading(this, "Label5", u"Столовая"_s);
    cmdBuyBrakfast = pushButton(this, "cmdBuyBrakfast", u"Купить завтрак"_s);
    cmdBuyDinner = pushButton(this, "cmdBuyDinner", u"Купить обед"_s);
    cmdBuySupper = pushButton(this, "cmdBuySupper", u"Купить ужин"_s);
    Label4 = label(this, "Label4", u"Текущая сытость:"_s);
    lblHungr = label(this, "lblHungr", u"00"_s);
    markAsFigure(lblHungr);

    // Clothes: the panel shows the outfit on offer and its price.
    Label6 = heading(this, "Label6", u"Одежда"_s);
    cmdBuyClothes = pushButton(this, "cmdBuyClothes", u"Купить одежду"_s);
    auto* panel = new InfoPanel(this,
                                {{"Label2", u"Одежда:"_s, "lblWhat", NoOffer},
                                 {"Label1", u"Цена:"_s, "lblShCost", u"00"_s},
                                 {"Label3", u"Прибавление сытости:"_s, "lblShHungr", u"00"_s}},
                                nullptr, {});
    lblWhat = panel->value("lblWhat");
    lblShCost = panel->value("lblShCost");
    lblShHungr = panel->value("lblShHungr");
    txtSpec = panel->txtSpec;

    // Cars: the hidden pictures of the five models and of the empty lot; imgCCar copies one.
    Label7 = heading(this, "Label7", u"Машины"_s);
    cmdCar = pushButton(this, "cmdCar", u"Купить машину"_s);
    Label8 = label(this, "Label8", u"Сейчас у вас:"_s);
    lblCurCar = label(this, "lblCurCar", NoOffer);
    Label11 = label(this, "Label11", u"Марка:"_s);
    lblCar = label(this, "lblCar", NoOffer);
    markAsFigure(lblCurCar);
    markAsFigure(lblCar);
    for (int k = 0; k < 5; ++k) {
        imgCar[k] = new Picture(u"imgCar(%1)"_s.arg(k), u"cars/car%1"_s.arg(k + 1), this);
        imgCar[k]->hide();
    }
    imgCarShop = new Picture(u"imgCarShop"_s, u"cars/lot"_s, this);
    imgCarShop->hide();
    imgCCar = new Picture(u"imgCCar"_s, {}, this);
    imgCCar->setFixedSize(200, 150);
    cmdBack = pushButton(this, "cmdBack", u"<< Назад"_s);

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

    auto* sections = new QHBoxLayout;
    sections->setSpacing(18);
    sections->addLayout(canteen, 1);
    sections->addLayout(clothes, 1);
    sections->addLayout(cars, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sections);
    layout->addLayout(atRight(cmdBack));
    setMinimumWidth(760);

    const std::pair<QPushButton*, int> meals[] = {
        {cmdBuyBrakfast, 5}, {cmdBuyDinner, 8}, {cmdBuySupper, 6}};
    for (auto [meal, price] : meals) {
        route(meal, ControlEvent::MouseMove, [this, price] { meal_MouseMove(price); });
        route(meal, ControlEvent::Click, [this, price] { meal_Click(price); });
    }
    onMouseMove(cmdBuyClothes, &frmShop::cmdBuyClothes_MouseMove);
    onClick(cmdBuyClothes, &frmShop::cmdBuyClothes_Click);
    onMouseMove(cmdCar, &frmShop::cmdCar_MouseMove);
    onClick(cmdCar, &frmShop::cmdCar_Click);
    onClick(cmdBack, &frmShop::cmdBack_Click);
    onMouseMove(this, &frmShop::Form_MouseMove);
}

void frmShop::Form_Load() {
    const GameState& s = game().state;
    if (s.lblClothes == u"Посл.моды")
        cmdBuyClothes->setEnabled(false);
    if (s.Car.atTop())
        cmdCar->setEnabled(false);
    lblHungr->setText(s.lblHungry);
    lblCurCar->setText(s.lblCar);
    showCarOffer();
}

void frmShop::showCarOffer() {
    const Offer next = nextOffer(game().state.Car);
    if (next.available) {
        lblCar->setText(next.name);
        imgCCar->copyPicture(*imgCar[game().state.Car.Level]);
    } else {
        cmdCar->setEnabled(false);
        imgCCar->copyPicture(*imgCarShop);
    }
}

void frmShop::Form_MouseMove() {
    lblShCost->setText(u"00"_s);
    lblShHungr->setText(u"00"_s);
    lblWhat->setText(NoOffer);
    txtSpec->clear();
    showCarOffer();
}

void frmShop::meal_MouseMove(int price) {
    lblShCost->setText(QString::number(price));
    lblShHungr->setText(QString::number(price));
}

bool frmShop::moneyAboveZero() {
    if (Val(game().state.lblMoney) > 0)
        return true;
    msg(u"У вас, не хватает денег на это"_s, u"Внимание"_s, MsgIcon::Exclamation);
    return false;
}

void frmShop::meal_Click(int price) {
    GameState& s = game().state;
    if (moneyAboveZero()) {
        if (Val(s.lblHungry) > 100) {
            msg(u"Вы уже распухли от еды и не можете впихнуть в себя еще"_s, u"Не хочу есть!"_s,
                MsgIcon::Exclamation);
        } else {
            addTo(s.lblMoney, -price);
            addTo(s.lblHungry, price);
        }
    }
    lblHungr->setText(s.lblHungry);
}

void frmShop::cmdBuyClothes_MouseMove() {
    const ClothesStep* step = nextClothes(game().state.lblClothes);
    if (!step)
        return;
    txtSpec->setPlainText(QString::fromUtf16(step->description));
    lblShCost->setText(QString::number(step->price));
    lblWhat->setText(step->next ? QString::fromUtf16(step->next) : NoOffer);
}

void frmShop::cmdBuyClothes_Click() {
    if (lblWhat->text() == NoOffer) {
        cmdBuyClothes->setEnabled(false);
        return;
    }
    if (!moneyAboveZero())
        return;
    GameState& s = game().state;
    addTo(s.lblMoney, -Val(lblShCost->text()));
    s.lblClothes = lblWhat->text();
}

void frmShop::cmdCar_MouseMove() {
    const Offer next = nextOffer(game().state.Car);
    if (next.available)
        lblShCost->setText(QString::number(next.price));
    showCarOffer();
}

void frmShop::cmdCar_Click() {
    GameState& s = game().state;
    if (buyNextOrComplain(*this, &GameState::Car, &GameState::lblCar)) {
        addTo(s.lblHappyness, 5);
        msg(u"Поздравляю! Вы купили машину марки "_s + s.Car.current() + u"."_s,
            u"Вы купили машину"_s);
    }
    lblCurCar->setText(s.lblCar);
}

void frmShop::cmdBack_Click() {
    game().unload(this);
}
