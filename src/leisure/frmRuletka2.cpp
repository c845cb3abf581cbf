// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmRuletka2.h"

#include "rules/Casino.h"
#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlayPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A disabled button hands the keyboard on to the one the player needs next.
void passFocus(QPushButton* from, QPushButton* to) {
    if (from->hasFocus())
        to->setFocus(Qt::OtherFocusReason);
}

// The machine's symbols by number, as a screen reader names their pictures.
const char* const SymbolNames[Slots::Symbols] = {QT_TRANSLATE_NOOP("frmRuletka2", "вишня"),
                                                 QT_TRANSLATE_NOOP("frmRuletka2", "колокольчик"),
                                                 QT_TRANSLATE_NOOP("frmRuletka2", "семёрка")};

} // namespace

frmRuletka2::frmRuletka2(Game& game)
    : CasinoMachine(game, Name) {
    says(this, QT_TR_NOOP("Рулетка 2"));

    for (int i = 0; i < Slots::Symbols; ++i) {
        imgP[i] = named<Picture>(u"imgP(%1)"_s.arg(i), u"leisure/symbol%1"_s.arg(i), this);
        imgP[i]->setVisible(false);
    }

    auto* reels = new QHBoxLayout;
    Picture** pictures[] = {&imgPict1, &imgPict2, &imgPict3};
    for (int i = 0; i < 3; ++i) {
        *pictures[i] = named<Picture>(u"imgPict%1"_s.arg(i + 1), u"leisure/reel"_s, this);
        (*pictures[i])->setFixedSize(96, 96);
        reels->addWidget(*pictures[i]);
    }
    reels->addStretch(1);

    Label2 = says(named<QLabel>("Label2", this), QT_TR_NOOP("Осталось"));
    lblVrash = figure("lblVrash", u"0"_s, this);
    relateToCaption(lblVrash, Label2);
    Label3 = says(named<QLabel>("Label3", this), QT_TR_NOOP("вращений"));
    auto* spins = new QHBoxLayout;
    spins->addWidget(Label2);
    spins->addWidget(lblVrash);
    spins->addWidget(Label3);
    spins->addStretch(1);
    Label4 = says(named<QLabel>("Label4", this), QT_TR_NOOP("У вас денег($):"));
    lblYMoney = figure("lblYMoney", u"0"_s, this);
    relateToCaption(lblYMoney, Label4);
    showField(lblYMoney, &GameState::lblMoney);
    auto* money = new QHBoxLayout;
    money->addWidget(Label4);
    money->addWidget(lblYMoney);
    money->addStretch(1);

    cmdStart = says(named<QPushButton>("cmdStart", this), QT_TR_NOOP("Вращать"));
    cmdStart->setEnabled(false);
    cmdStart->setMinimumHeight(40);
    cmdBVrash = named<QPushButton>("cmdBVrash", this);
    cmdBVrash->setMinimumHeight(40);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new PlayPanel(*this, this, {cmdStart}), 1);
    buttons->addWidget(cmdBVrash, 1);

    auto* machine = new QVBoxLayout;
    machine->addLayout(reels);
    machine->addLayout(spins);
    machine->addLayout(money);
    machine->addStretch(1);
    machine->addLayout(buttons);

    auto* table = new QGroupBox(this);
    says(table, "accessibleName", QT_TR_NOOP("Таблица выигрышей"));
    auto* rows = new QGridLayout(table);
    rows->setHorizontalSpacing(4);
    rows->setVerticalSpacing(2);
    Label1 = says(heading("Label1", {}, table), QT_TR_NOOP("Выигрш($):"));
    rows->addWidget(Label1, 0, 0, 1, 4);
    for (size_t k = 0; k < lblWin1.size(); ++k) {
        for (size_t j = 0; j < 3; ++j) {
            const size_t i = 3 * k + j;
            imgS[i] = named<Picture>(u"imgS(%1)"_s.arg(i), QString(), table);
            imgS[i]->setFixedSize(24, 24);
            rows->addWidget(imgS[i], int(k) + 1, int(j));
        }
        lblWin1[k] = named<QLabel>(u"lblWin1(%1)"_s.arg(k), Num(Slots::prizes()[k].amount), table);
        markAsFigure(lblWin1[k]);
        lblWin1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows->addWidget(lblWin1[k], int(k) + 1, 3);
        lblRow[k] = named<QLabel>(u"lblRow(%1)"_s.arg(k), table);
        lblRow[k]->hide();
        relateToCaption(lblWin1[k], lblRow[k]);
    }

    auto* top = new QHBoxLayout;
    top->addLayout(machine, 1);
    top->addWidget(table);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    cmdBack = addBackButton(layout);
    setMinimumWidth(520);

    onClick(cmdBVrash, &frmRuletka2::cmdBVrash_Click);
    onClick(cmdStart, &frmRuletka2::cmdStart_Click);
}

void frmRuletka2::Form_Load() {
    showOffer();
    // The table shows the very rows that decide the prize.
    const auto prizes = Slots::prizes();
    for (size_t k = 0; k < prizes.size(); ++k) {
        const int symbols[] = {prizes[k].pair, prizes[k].pair, prizes[k].third};
        for (size_t j = 0; j < 3; ++j)
            imgS[3 * k + j]->copyPicture(*imgP[symbols[j]]);
    }
}

void frmRuletka2::showOffer() {
    cmdBVrash->setText(tr("Купить 5 вращений за %1$.").arg(Str(Slots::PackPrice)));
    const auto prizes = Slots::prizes();
    for (size_t k = 0; k < prizes.size(); ++k) {
        const auto symbol = [](int s) {
            return tr(SymbolNames[size_t(s)]);
        };
        lblRow[k]->setText(u"%1, %2, %3"_s.arg(symbol(prizes[k].pair), symbol(prizes[k].pair),
                                               symbol(prizes[k].third)));
    }
}

void frmRuletka2::retranslateUi() {
    showOffer();
}

void frmRuletka2::show() {
    lblVrash->setText(Num(machine_.spinsLeft));
    QPushButton* next = machine_.canSpin() ? cmdStart : cmdBVrash;
    QPushButton* done = machine_.canSpin() ? cmdBVrash : cmdStart;
    next->setEnabled(true);
    passFocus(done, next);
    done->setEnabled(false);
    if (machine_.last) {
        Picture* const pictures[] = {imgPict1, imgPict2, imgPict3};
        for (size_t i = 0; i < 3; ++i)
            pictures[i]->copyPicture(*imgP[size_t((*machine_.last)[i])]);
    }
}

void frmRuletka2::cmdBVrash_Click() {
    Slots::buyPack(machine_, game().state);
    show();
}

void frmRuletka2::cmdStart_Click() {
    const std::optional<qint16> prize = Slots::spin(machine_, effects());
    show();
    if (prize)
        SayHowMuchYWon();
}

void frmRuletka2::SayHowMuchYWon() {
    Slots::payPrize(game().state, machine_.prize, effects());
}
