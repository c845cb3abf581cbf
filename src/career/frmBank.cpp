// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "career/frmBank.h"

#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/AmountBox.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlaceHeader.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmBank::frmBank(Game& game)
    : Form(game, Name) {
    imgBank = openPlace(this, {}, "imgBank", u"places/bank"_s, {160, 120});
    says(this, QT_TR_NOOP("Банк"));
    Label5 = says(wrappedText("Label5", {}, this),
                  QT_TR_NOOP("Добро пожаловать в Банк. Здесь вы можете положить ваши деньги на "
                             "сохранение и получать проценты. Чтобы к вам на счет потекли "
                             "проценты, вы должны положить сумму большую или равную 20$. Если "
                             "вы положили x$ то вам будет начисляться натуральная сумма x \\ "
                             "20."));

    Label1 = says(named<QLabel>("Label1", this), QT_TR_NOOP("Положить:"));
    txtPut = named<AmountBox>("txtPut", *this, this);
    cmdPut = says(named<QPushButton>("cmdPut", this), QT_TR_NOOP("ОК"));
    cmdPut->setEnabled(false);
    Label1->setBuddy(txtPut);
    Label2 = says(named<QLabel>("Label2", this), QT_TR_NOOP("Снять со счета:"));
    txtTake = named<AmountBox>("txtTake", *this, this);
    cmdTake = says(named<QPushButton>("cmdTake", this), QT_TR_NOOP("ОК"));
    cmdTake->setEnabled(false);
    Label2->setBuddy(txtTake);
    // Two buttons say "ОК"; a screen reader tells them apart by what they do.
    says(cmdPut, "accessibleName", QT_TR_NOOP("Положить на счет"));
    says(cmdTake, "accessibleName", QT_TR_NOOP("Снять со счета"));
    Label3 = says(named<QLabel>("Label3", this), QT_TR_NOOP("У вас на счету:"));
    lblYHave = figure("lblYHave", u"0"_s, this);
    Label8 = named<QLabel>("Label8", u"$"_s, this);
    Label6 = says(named<QLabel>("Label6", this), QT_TR_NOOP("Прирост:"));
    lblInc = figure("lblInc", u"0"_s, this);
    relateToCaption(lblYHave, Label3);
    relateToCaption(lblInc, Label6);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->addWidget(Label1, 0, 0);
    form->addWidget(txtPut, 0, 1);
    form->addWidget(cmdPut, 0, 2);
    form->addWidget(Label2, 1, 0);
    form->addWidget(txtTake, 1, 1);
    form->addWidget(cmdTake, 1, 2);
    auto* balance = new QHBoxLayout;
    balance->setSpacing(4);
    balance->addWidget(lblYHave);
    balance->addWidget(Label8);
    balance->addStretch(1);
    form->addWidget(Label3, 2, 0);
    form->addLayout(balance, 2, 1, 1, 2);
    form->addWidget(Label6, 3, 0);
    form->addWidget(lblInc, 3, 1, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(placeHeader(imgBank, {Label5}));
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch(1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(520);

    txtPut->enables(cmdPut);
    txtTake->enables(cmdTake);
    onClick(cmdPut, &frmBank::cmdPut_Click);
    onClick(cmdTake, &frmBank::cmdTake_Click);
    pressOnEnter(txtPut, cmdPut);
    pressOnEnter(txtTake, cmdTake);
    // The clock's interest and the bank's failures show here at once.
    connect(&game, &Game::bankBalanceChanged, this, &frmBank::takeAccount);
}

void frmBank::Form_Load() {
    takeAccount();
}

void frmBank::takeAccount() {
    account_ = Bank::Account::of(game().state);
    show();
}

void frmBank::show() {
    lblYHave->setText(Num(account_.balance));
    lblInc->setText(Num(account_.growth()));
}

void frmBank::cmdPut_Click() {
    const Bank::Outcome outcome =
        Bank::deposit(account_, game().state, txtPut->amount(), effects());
    show();
    // A deposit the account cannot hold keeps its amount, for the player to correct.
    if (outcome != Bank::Outcome::OverLimit)
        txtPut->clear();
}

void frmBank::cmdTake_Click() {
    Bank::withdraw(account_, game().state, txtTake->amount(), effects());
    show();
    txtTake->clear();
}
