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
    says(this, QT_TR_NOOP("Тимбурия"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    imgOnFirst = named<Picture>("imgOnFirst", u"first"_s, this);
    layout->addWidget(imgOnFirst, 1);

    auto* contacts = new QGridLayout;
    contacts->setHorizontalSpacing(6);
    contacts->setVerticalSpacing(4);
    Label3 = says(named<QLabel>("Label3", this), QT_TR_NOOP("Мой e-mail:"));
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
    lblLicence = says(named<QLabel>("lblLicence", this), Licence::Notice);
    lblLicence->setWordWrap(true);
    lblLicence->hide();
    layout->addWidget(lblLicence);

    // OK and "Выход" side by side, well apart, with "Продолжить" between them after a death when
    // there is a day to go back to; the about box's wide OK takes the place of all.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    cmdOK = named<QPushButton>("cmdOK", u"OK"_s, this);
    cmdOK->setDefault(true);
    says(cmdOK, "toolTip", QT_TR_NOOP("Новая игра"));
    cmdExit = says(named<QPushButton>("cmdExit", this), QT_TR_NOOP("Выход"));
    cmdOkAbout = named<QPushButton>("cmdOkAbout", u"OK"_s, this);
    cmdOkAbout->hide();
    cmdContinue = says(named<QPushButton>("cmdContinue", this), QT_TR_NOOP("Продолжить"));
    says(cmdContinue, "toolTip", QT_TR_NOOP("Последний прожитый день прошлой игры"));
    cmdContinue->hide();
    cmdLife = says(named<QPushButton>("cmdLife", this), QT_TR_NOOP("Итоги жизни..."));
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
