// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmRuletka.h"

#include "ui/Accessible.h"
#include "ui/AmountBox.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlaceHeader.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const char* const Stop = QT_TRANSLATE_NOOP("frmRuletka", "СТОП");
const QString Settle = u"OK"_s;
} // namespace

frmRuletka::frmRuletka(Game& game)
    : CasinoMachine(game, Name) {
    imgWheel = openPlace(this, {}, "imgWheel", u"leisure/wheel"_s, {180, 180});
    says(this, QT_TR_NOOP("Рулетка"));
    Label5 = says(wrappedText("Label5", {}, this),
                  QT_TR_NOOP("Вам необходимо ввести в окошко <Ваше число> число от 0 до 13. А в "
                             "окошко <Ваша денежная ставка> ввести вашу ставку. Затем нажать на "
                             "кнопку <Старт>. После этого, нажать на <Cтоп> и если: число "
                             "счетчика будет равно вашему числу, то вы получите вашу утроенную "
                             "ставку и у вас очень сильно улучшится настроение. Если же они не "
                             "будут равны вы потеряете эти деньги и ваше настроение ухудшится на "
                             "два."));

    Label1 = says(named<QLabel>("Label1", this), QT_TR_NOOP("Ваше число"));
    txtChis = named<AmountBox>("txtChis", *this, this);
    txtChis->setMaxLength(2);
    Label1->setBuddy(txtChis);
    Label2 = says(named<QLabel>("Label2", this), QT_TR_NOOP("Ваша денежная ставка"));
    txtStav = named<AmountBox>("txtStav", *this, this);
    txtStav->setMaxLength(3);
    Label2->setBuddy(txtStav);
    for (AmountBox* box : {txtChis, txtStav})
        box->setMaximumWidth(80);
    Label3 = named<QLabel>("Label3", u"$"_s, this);

    cmdStart = says(named<QPushButton>("cmdStart", this), QT_TR_NOOP("CТАРТ"));
    cmdStop = named<QPushButton>("cmdStop", tr(Stop), this);
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
    says(lblNum, "accessibleDescription",
         QT_TR_NOOP("Число, на котором остановился счетчик. Если оно равно вашему числу, вы "
                    "выиграли."));
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

    onChange(txtChis, &frmRuletka::txtChis_Change);
    onChange(txtStav, &frmRuletka::txtStav_Change);
    onClick(cmdStart, &frmRuletka::cmdStart_Click);
    onClick(cmdStop, &frmRuletka::cmdStop_Click);
    pressOnEnter(txtChis, cmdStart);
    pressOnEnter(txtStav, cmdStart);
    show();
}

void frmRuletka::txtChis_Change() {
    table_.number = txtChis->text();
}

void frmRuletka::txtStav_Change() {
    table_.stake = txtStav->text();
}

void frmRuletka::show() {
    using Phase = Roulette::Table::Phase;
    const Phase phase = table_.phase;
    if (txtChis->text() != table_.number)
        txtChis->setText(table_.number);
    if (txtStav->text() != table_.stake)
        txtStav->setText(table_.stake);
    cmdStop->setText(phase == Phase::Stopped || phase == Phase::Settled ? Settle : tr(Stop));
    cmdStop->setEnabled(phase == Phase::Running || phase == Phase::Stopped);
    txtChis->setEnabled(table_.canStart());
    txtStav->setEnabled(table_.canStart());
    cmdStart->setEnabled(table_.canStart());
    lblNum->setText(counterText());
    lblNum->setVisible(phase != Phase::Running);
    // Hidden, the running counter is nobody's to read: its name follows it once it shows.
    if (phase != Phase::Running)
        lblNum->setAccessibleName(tr("Число счетчика: %1").arg(counterText()));
}

QString frmRuletka::counterText() const {
    return table_.counter ? QString::number(*table_.counter) : u"00"_s;
}

void frmRuletka::cmdStart_Click() {
    const bool starts = Roulette::start(table_, game().state, effects());
    show();
    if (!starts)
        return;
    // Whoever started from the keyboard stops from it too.
    cmdStop->setFocus(Qt::OtherFocusReason);
    Timer1->setInterval(10);
    randomize();
}

void frmRuletka::Timer1_Timer() {
    Roulette::step(table_, effects());
    show();
}

void frmRuletka::cmdStop_Click() {
    using Phase = Roulette::Table::Phase;
    if (table_.phase == Phase::Stopped) {
        Roulette::settle(table_, game().state, effects());
        show();
        cmdStart->setFocus(Qt::OtherFocusReason);
    } else if (table_.phase == Phase::Running) {
        Roulette::stop(table_);
        Timer1->setInterval(0);
        show();
        announce(lblNum, tr("Счетчик остановился на числе %1").arg(counterText()));
    }
}

void frmRuletka::cmdBack_Click() {
    using Phase = Roulette::Table::Phase;
    if (table_.phase == Phase::Running)
        msg(tr("Нажмите на кнопку <СТОП>"), tr("Нацми на <СТОП>"), MsgIcon::Exclamation);
    else if (table_.phase == Phase::Stopped)
        msg(tr("Нажмите на кнопку <OK>"), tr("Нацми на <OK>"), MsgIcon::Exclamation);
    else
        CasinoMachine::cmdBack_Click();
}

void frmRuletka::retranslateUi() {
    show();
}
