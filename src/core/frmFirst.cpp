// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmFirst.h"

#include "core/Contacts.h"
#include "core/frmLife.h"
#include "state/Autosave.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmFirst::frmFirst(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Тимбурия"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    imgOnFirst = named<Picture>("imgOnFirst", u"first"_s, this);
    layout->addWidget(imgOnFirst, 1);

    auto* contacts = new QGridLayout;
    contacts->setHorizontalSpacing(6);
    contacts->setVerticalSpacing(4);
    Label3 = named<QLabel>("Label3", u"Мой e-mail:"_s, this);
    txtEMAIL = named<QLineEdit>("txtEMAIL", Contacts::email(), this);
    txtEMAIL->setReadOnly(true);
    Label2 = named<QLabel>("Label2", u"URL:"_s, this);
    Text2 = named<QLineEdit>("Text2", Contacts::web(), this);
    Text2->setReadOnly(true);
    Label3->setBuddy(txtEMAIL);
    Label2->setBuddy(Text2);
    contacts->addWidget(Label3, 0, 0);
    contacts->addWidget(txtEMAIL, 0, 1);
    contacts->addWidget(Label2, 1, 0);
    contacts->addWidget(Text2, 1, 1);
    layout->addLayout(contacts);
    lblLicence = named<QLabel>("lblLicence", Licence::Russian.toString(), this);
    lblLicence->setWordWrap(true);
    lblLicence->hide();
    layout->addWidget(lblLicence);

    // OK and "Выход" side by side, well apart, with "Продолжить" between them after a death when
    // there is a day to go back to; the about box's wide OK takes the place of all.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    cmdOK = named<QPushButton>("cmdOK", u"OK"_s, this);
    cmdOK->setDefault(true);
    cmdOK->setToolTip(u"Новая игра"_s);
    cmdExit = named<QPushButton>("cmdExit", u"Выход"_s, this);
    cmdOkAbout = named<QPushButton>("cmdOkAbout", u"OK"_s, this);
    cmdOkAbout->hide();
    cmdContinue = named<QPushButton>("cmdContinue", u"Продолжить"_s, this);
    cmdContinue->setToolTip(u"Последний прожитый день прошлой игры"_s);
    cmdContinue->hide();
    cmdLife = named<QPushButton>("cmdLife", u"Итоги жизни..."_s, this);
    cmdLife->hide();
    buttons->addWidget(cmdOK, 1);
    buttons->addSpacing(16);
    buttons->addWidget(cmdContinue, 1);
    buttons->addSpacing(16);
    buttons->addWidget(cmdExit, 1);
    buttons->addWidget(cmdOkAbout, 1);
    layout->addLayout(buttons);
    // Below them, apart: the look back at the life that ended.
    auto* life = new QHBoxLayout;
    life->addWidget(cmdLife);
    life->addStretch(1);
    layout->addLayout(life);

    setFixedWidth(390);

    onClick(cmdOK, &frmFirst::cmdOK_Click);
    onClick(cmdExit, &frmFirst::cmdExit_Click);
    onClick(cmdOkAbout, &frmFirst::cmdOkAbout_Click);
    onClick(cmdContinue, &frmFirst::cmdContinue_Click);
    onClick(cmdLife, &frmFirst::cmdLife_Click);
}

void frmFirst::Form_Load() {
    Twips::set(this, Twips::Edge::Height, 3975);
}

void frmFirst::ShowAbout(Game& game) {
    auto* about = game.load<frmFirst>();
    if (!about)
        return;
    Twips::set(about, Twips::Edge::Height, 3975);
    about->cmdOkAbout->show();
    about->lblLicence->show();
    about->cmdOK->hide();
    about->cmdExit->hide();
    about->cmdOkAbout->setDefault(true);
    about->setEscapeButton(about->cmdOkAbout);
    game.show(about, true);
}

void frmFirst::ShowAfterDeath(Game& game) {
    auto* first = game.load<frmFirst>();
    if (!first)
        return;
    // The dead life owned the autosaves: its newest is its last living day.
    first->cmdContinue->setVisible(
        Autosave::lastLife(game.platform.dataFolder(), false).has_value());
    // The state still holds the dead life until the next game begins.
    first->cmdLife->show();
    game.show(first, true);
}

void frmFirst::cmdLife_Click() {
    game().open<frmLife>();
}

void frmFirst::cmdContinue_Click() {
    game().session.newGame();
    Q_EMIT game().continueLastLifeAsked();
    game().unload(this);
}

void frmFirst::cmdOK_Click() {
    game().session.newGame();
    game().unload(this);
}

void frmFirst::cmdExit_Click() {
    game().exitQuestion(*this);
}

void frmFirst::cmdOkAbout_Click() {
    game().unload(this);
}

bool frmFirst::Form_QueryUnload() {
    // The about box simply closes. The start window is all the player has while a new game
    // waits to begin; closing it asks the exit question rather than leaving the program
    // running with no window to see.
    if (!cmdOkAbout->isHidden())
        return true;
    game().exitQuestion(*this);
    return false;
}
