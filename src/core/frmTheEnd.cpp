// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmTheEnd.h"

#include "core/Contacts.h"
#include "core/frmFirst.h"
#include "core/frmLife.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmTheEnd::frmTheEnd(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Тимбурия"));
    imgTheEnd = named<Picture>("imgTheEnd", u"first"_s, this);
    lblCongratulations =
        says(named<QLabel>("lblCongratulations", this),
             QT_TR_NOOP("Поздравляем! Вы стали президентом компьютерной компании: выше в этой игре "
                        "подняться уже нельзя. Играть можно и дальше."));
    lblCongratulations->setWordWrap(true);
    QFont bold = lblCongratulations->font();
    bold.setBold(true);
    lblCongratulations->setFont(bold);

    Label2 = says(named<QLabel>("Label2", this),
                  QT_TR_NOOP("Последнюю версию игры вы сможете найти на моем сайте:"));
    Label2->setWordWrap(true);
    Text2 = named<QLineEdit>("Text2", this);
    Text2->setReadOnly(true);
    Label3 = says(named<QLabel>("Label3", this), QT_TR_NOOP("Мой адрес:"));
    txtEMAIL = named<QLineEdit>("txtEMAIL", Contacts::email(), this);
    txtEMAIL->setReadOnly(true);
    Label2->setBuddy(Text2);
    Label3->setBuddy(txtEMAIL);
    cmdOK = named<QPushButton>("cmdOK", u"OK"_s, this);
    cmdOK->setDefault(true);
    setEscapeButton(cmdOK);
    cmdLife = says(named<QPushButton>("cmdLife", this), QT_TR_NOOP("Итоги жизни..."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgTheEnd);
    layout->addWidget(lblCongratulations);
    layout->addWidget(Label2);
    layout->addWidget(Text2);
    auto* mail = new QHBoxLayout;
    mail->addWidget(Label3);
    mail->addWidget(txtEMAIL, 1);
    layout->addLayout(mail);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK, 1);
    buttons->addWidget(cmdLife, 1);
    layout->addLayout(buttons);
    setFixedWidth(400);

    onClick(cmdOK, &frmTheEnd::cmdOK_Click);
    onClick(cmdLife, &frmTheEnd::cmdLife_Click);
}

void frmTheEnd::Form_Load() {
    // The start window's address, without loading that window just to read it.
    auto* first = game().loaded<frmFirst>();
    Text2->setText(first ? first->Text2->text() : Contacts::web());
}

void frmTheEnd::cmdOK_Click() {
    game().unload(this);
}

void frmTheEnd::cmdLife_Click() {
    game().open<frmLife>();
}
