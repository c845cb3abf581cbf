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
    setWindowTitle(u"(((-: Развлечения :-)))"_s);

    imgParty = named<Picture>("imgParty", u"leisure/venue"_s, this);
    imgParty->setFixedSize(240, 180);

    Label4 = named<QLabel>("Label4", u"Настроение:"_s, this);
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
    cmdDisco->setText(u"Сходить на дискотеку"_s);
    cmdVech = buttons[1];
    cmdVech->setText(u"Сходить на вечеринку"_s);
    cmdKasino = named<QPushButton>("cmdKasino", u"Зайти в казино"_s, this);
    cmdRuletka = named<QPushButton>("cmdRuletka", u"Рулетка"_s, this);
    cmdRuletka2 = named<QPushButton>("cmdRuletka2", u"Рулетка 2"_s, this);
    cmdAr = named<QPushButton>("cmdAr", u"Игровой автомат \"Арканоид\""_s, this);
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

    auto* panel = new InfoPanel(this,
                                {{"Label1", u"Цена:"_s, "lblCost", u"00"_s},
                                 {"Label2", u"Поднять настроение на:"_s, "lblIncrease", u"00"_s}},
                                nullptr, {});
    Label1 = findChild<QLabel*>(u"Label1"_s);
    Label2 = findChild<QLabel*>(u"Label2"_s);
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
    txtSpec->setPlainText(u"Здесь вы сможете заработать деньги. Поиграть в игровые автоматы "
                          "поднять себе настроение  и т.д."_s);
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
    txtSpec->setPlainText(u"Здесь вы сможете заработать деньги и поднять себе настроение."_s);
}

void frmParty::cmdBack_MouseMove() {
    txtSpec->setPlainText(u"Уйти"_s);
}

void frmParty::Form_MouseMove() {
    txtSpec->setPlainText(u"РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ"_s);
    lblCost->clear();
    lblIncrease->clear();
}
