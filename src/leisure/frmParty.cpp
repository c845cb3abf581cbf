// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmParty.h"

#include "leisure/frmAr.h"
#include "leisure/frmRuletka.h"
#include "leisure/frmRuletka2.h"
#include "rules/Casino.h"
#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmParty::frmParty(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("(((-: Развлечения :-)))"));

    imgParty = named<Picture>("imgParty", u"leisure/venue"_s, this);
    imgParty->setFixedSize(240, 180);

    Label4 = says(named<QLabel>("Label4", this), QT_TR_NOOP("Настроение:"));
    lblHappyness = figure("lblHappyness", u"00"_s, this);
    relateToCaption(lblHappyness, Label4);
    showField(lblHappyness, &GameState::lblHappyness);
    auto* mood = new QHBoxLayout;
    mood->addWidget(Label4);
    mood->addWidget(lblHappyness);
    mood->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(imgParty);
    left->addLayout(mood);
    left->addStretch(1);

    auto* outings = new QVBoxLayout;
    const auto table = Venue::outings();
    QPushButton* buttons[2];
    for (size_t i = 0; i < table.size(); ++i) {
        buttons[i] = named<QPushButton>(table[i].button, this);
        outings->addWidget(buttons[i]);
        onClick(buttons[i], [this, i] { outing_Click(i); });
        onMouseMove(buttons[i], [this, i] { outing_MouseMove(i); });
    }
    cmdDisco = buttons[0];
    says(cmdDisco, QT_TR_NOOP("Сходить на дискотеку"));
    cmdVech = buttons[1];
    says(cmdVech, QT_TR_NOOP("Сходить на вечеринку"));
    cmdKasino = says(named<QPushButton>("cmdKasino", this), QT_TR_NOOP("Зайти в казино"));
    cmdRuletka = says(named<QPushButton>("cmdRuletka", this), QT_TR_NOOP("Рулетка"));
    cmdRuletka2 = says(named<QPushButton>("cmdRuletka2", this), QT_TR_NOOP("Рулетка 2"));
    cmdAr = says(named<QPushButton>("cmdAr", this), QT_TR_NOOP("Игровой автомат \"Арканоид\""));
    outings->addWidget(cmdKasino);
    // The casino's machines, indented under its door.
    auto* machines = new QVBoxLayout;
    machines->setContentsMargins(24, 0, 0, 0);
    for (QPushButton* machine : {cmdRuletka, cmdRuletka2, cmdAr}) {
        machine->setVisible(false);
        machines->addWidget(machine);
        onMouseMove(machine, &frmParty::machine_MouseMove);
    }
    outings->addLayout(machines);
    outings->addStretch(1);
    for (QPushButton* button : {cmdDisco, cmdVech, cmdKasino, cmdRuletka, cmdRuletka2, cmdAr})
        button->setMinimumHeight(32);

    auto* panel = new InfoPanel(
        this, {{"Label1", {}, "lblCost", u"00"_s}, {"Label2", {}, "lblIncrease", u"00"_s}}, nullptr,
        {});
    Label1 = says(findChild<QLabel*>(u"Label1"_s), QT_TR_NOOP("Цена:"));
    Label2 = says(findChild<QLabel*>(u"Label2"_s), QT_TR_NOOP("Поднять настроение на:"));
    lblCost = panel->value("lblCost");
    lblIncrease = panel->value("lblIncrease");
    txtSpec = panel->txtSpec;

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(outings, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(panel);
    cmdBack = addBackButton(layout);
    setMinimumWidth(560);

    onClick(cmdKasino, &frmParty::cmdKasino_Click);
    onMouseMove(cmdKasino, &frmParty::cmdKasino_MouseMove);
    onClick(cmdRuletka, &frmParty::cmdRuletka_Click);
    onClick(cmdRuletka2, &frmParty::cmdRuletka2_Click);
    onClick(cmdAr, &frmParty::cmdAr_Click);
    onMouseMove(cmdBack, &frmParty::cmdBack_MouseMove);
    onMouseMove(this, &frmParty::Form_MouseMove);
}

void frmParty::outing_Click(size_t outing) {
    Venue::goOut(game().state, Venue::outings()[outing], effects());
}

void frmParty::outing_MouseMove(size_t outing) {
    const Venue::Outing& o = Venue::outings()[outing];
    lblCost->setText(Num(o.price));
    lblIncrease->setText(Num(o.gain));
}

void frmParty::cmdKasino_Click() {
    for (QPushButton* machine : {cmdRuletka, cmdRuletka2, cmdAr})
        machine->setVisible(true);
}

void frmParty::cmdKasino_MouseMove() {
    tell(QT_TR_NOOP("Здесь вы сможете заработать деньги. Поиграть в игровые автоматы поднять себе "
                    "настроение  и т.д."));
    lblCost->clear();
    lblIncrease->clear();
}

void frmParty::cmdRuletka_Click() {
    game().handOver(this, frmRuletka::Name);
}

void frmParty::cmdRuletka2_Click() {
    game().handOver(this, frmRuletka2::Name);
}

void frmParty::cmdAr_Click() {
    game().handOver(this, frmAr::Name);
}

void frmParty::machine_MouseMove() {
    tell(QT_TR_NOOP("Здесь вы сможете заработать деньги и поднять себе настроение."));
}

void frmParty::cmdBack_MouseMove() {
    tell(QT_TR_NOOP("Уйти"));
}

void frmParty::Form_MouseMove() {
    tell(QT_TR_NOOP("РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ"));
    lblCost->clear();
    lblIncrease->clear();
}

void frmParty::tell(const char* text) {
    told_ = text;
    txtSpec->setPlainText(tr(text));
}

void frmParty::retranslateUi() {
    if (told_)
        txtSpec->setPlainText(tr(told_));
}
