#include "leisure/frmRuletka.h"

#include "rules/Casino.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Stop = u"СТОП"_s;
const QString Settle = u"OK"_s;

// Typing brings only digits; pasting may bring anything, and what is not a number is cleared
// before it can reach the arithmetic.
void keepNumbersOnly(QLineEdit* box) {
    if (!box->text().isEmpty() && !IsAmount(box->text()))
        box->clear();
}

} // namespace

frmRuletka::frmRuletka(Game& game)
    : CasinoMachine(game, Name) {
    setWindowTitle(u"Рулетка"_s);

    imgWheel = named<Picture>("imgWheel", u"leisure/wheel"_s, this);
    imgWheel->setFixedSize(180, 180);
    Label5 = named<QLabel>(
        "Label5",
        u"Вам необходимо ввести в окошко <Ваше число> число от 0 до 13. А в окошко <Ваша "
        "денежная ставка> ввести вашу ставку. Затем нажать на кнопку <Старт>. После этого, "
        "нажать на <Cтоп> и если: число счетчика будет равно вашему числу, то вы получите "
        "вашу утроенную ставку и у вас очень сильно улучшится настроение. Если же они не будут "
        "равны вы потеряете эти деньги и ваше настроение ухудшится на два."_s,
        this);
    Label5->setWordWrap(true);

    Label1 = named<QLabel>("Label1", u"Ваше число"_s, this);
    txtChis = named<QLineEdit>("txtChis", this);
    txtChis->setMaxLength(2);
    Label2 = named<QLabel>("Label2", u"Ваша денежная ставка"_s, this);
    txtStav = named<QLineEdit>("txtStav", this);
    txtStav->setMaxLength(3);
    for (QLineEdit* box : {txtChis, txtStav})
        box->setMaximumWidth(80);
    Label3 = named<QLabel>("Label3", u"$"_s, this);

    cmdStart = named<QPushButton>("cmdStart", u"CТАРТ"_s, this);
    cmdStop = named<QPushButton>("cmdStop", Stop, this);
    cmdStop->setEnabled(false);
    lblNum = figure("lblNum", u"00"_s, this);
    QFont big = lblNum->font();
    big.setPointSize(big.pointSize() * 3);
    lblNum->setFont(big);
    lblNum->setAlignment(Qt::AlignCenter);
    lblNum->setMinimumWidth(lblNum->fontMetrics().horizontalAdvance(u"000"_s));
    // Hidden while it runs, without the buttons beside it jumping.
    QSizePolicy keepPlace = lblNum->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblNum->setSizePolicy(keepPlace);
    Timer1 = new Timer(*this, u"Timer1"_s, [this] { Timer1_Timer(); });

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->addWidget(Label1, 0, 0);
    form->addWidget(txtChis, 0, 1);
    form->addWidget(Label2, 1, 0);
    form->addWidget(txtStav, 1, 1);
    form->addWidget(Label3, 1, 2);
    form->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new PlayPanel(*this, this, {cmdStart, cmdStop}));
    buttons->addSpacing(16);
    buttons->addWidget(lblNum);
    buttons->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addStretch(1);
    right->addLayout(form);
    right->addSpacing(8);
    right->addLayout(buttons);
    right->addStretch(1);
    auto* table = new QHBoxLayout;
    table->addWidget(imgWheel);
    table->addSpacing(12);
    table->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addSpacing(6);
    layout->addLayout(table);
    cmdBack = addBackButton(layout);
    setMinimumWidth(600);

    routeKeyPress(txtChis, [this](QChar& key) { box_KeyPress(key); });
    routeKeyPress(txtStav, [this](QChar& key) { box_KeyPress(key); });
    onChange(txtChis, &frmRuletka::txtChis_Change);
    onChange(txtStav, &frmRuletka::txtStav_Change);
    onClick(cmdStart, &frmRuletka::cmdStart_Click);
    onClick(cmdStop, &frmRuletka::cmdStop_Click);
    pressOnEnter(txtChis, cmdStart);
    pressOnEnter(txtStav, cmdStart);
}

void frmRuletka::box_KeyPress(QChar& key) {
    if (!Roulette::acceptsKey(key, effects()))
        key = QChar();
}

void frmRuletka::txtChis_Change() {
    keepNumbersOnly(txtChis);
}

void frmRuletka::txtStav_Change() {
    keepNumbersOnly(txtStav);
}

void frmRuletka::enableInputs(bool enabled) {
    txtChis->setEnabled(enabled);
    txtStav->setEnabled(enabled);
    cmdStart->setEnabled(enabled);
}

void frmRuletka::cmdStart_Click() {
    QString number = txtChis->text();
    const bool starts = Roulette::start(game().state, number, txtStav->text(), effects());
    if (number != txtChis->text())
        txtChis->setText(number);
    if (!starts)
        return;
    cmdStop->setText(Stop);
    lblNum->setVisible(false);
    cmdStop->setEnabled(true);
    // Whoever started from the keyboard stops from it too.
    cmdStop->setFocus(Qt::OtherFocusReason);
    enableInputs(false);
    Timer1->setInterval(10);
    randomize();
}

void frmRuletka::Timer1_Timer() {
    lblNum->setText(QString::number(Roulette::count(effects())));
}

void frmRuletka::cmdStop_Click() {
    if (cmdStop->text() == Settle) {
        Roulette::settle(game().state, lblNum->text(), txtChis->text(), txtStav->text(), effects());
        enableInputs(true);
        cmdStart->setFocus(Qt::OtherFocusReason);
        cmdStop->setEnabled(false);
    } else if (cmdStop->text() == Stop) {
        cmdStop->setText(Settle);
        txtChis->setEnabled(false);
        txtStav->setEnabled(false);
        Timer1->setInterval(0);
        lblNum->setVisible(true);
        cmdStart->setEnabled(false);
    }
}

void frmRuletka::cmdBack_Click() {
    if (Timer1->running())
        msg(u"Нажмите на кнопку <СТОП>"_s, u"Нацми на <СТОП>"_s, MsgIcon::Exclamation);
    else if (cmdStop->text() == Settle && cmdStop->isEnabled())
        msg(u"Нажмите на кнопку <OK>"_s, u"Нацми на <OK>"_s, MsgIcon::Exclamation);
    else
        CasinoMachine::cmdBack_Click();
}
