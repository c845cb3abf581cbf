// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmVirus.h"

#include "rules/Virus.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

frmVirus::frmVirus(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"ВИРУС :-<<< VIRUS <<<-: HELP"_s);
    // The frame's close button does nothing here; say so by not offering it.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    Shape1 = named<Picture>("Shape1", u"virus/alarm"_s, this);
    Shape1->setFixedSize(72, 72);
    lblTextVirus = named<QLabel>("lblTextVirus", u"ВИРУС"_s, this);
    lblTextVirus->setAlignment(Qt::AlignCenter);
    // A dark plate, so that the blinking white and red both stand out.
    lblTextVirus->setAutoFillBackground(true);
    QPalette plate = lblTextVirus->palette();
    plate.setColor(QPalette::Window, QColor(0x2f, 0x3b, 0x4c));
    lblTextVirus->setPalette(plate);
    QFont big = lblTextVirus->font();
    big.setPointSize(26);
    big.setBold(true);
    lblTextVirus->setFont(big);
    lblTextVirus->setMinimumHeight(56);
    setForeColor(lblTextVirus, QColor(255, 0, 0));
    Label2 = named<QLabel>("Label2", u"Ваш компьютер поразил вирус. Что делать будем?"_s, this);
    Label2->setAlignment(Qt::AlignCenter);
    QFont question = Label2->font();
    question.setPointSize(question.pointSize() + 2);
    Label2->setFont(question);

    auto pictureButton = [this](const char* name, const QString& art, const QString& says) {
        auto* button = named<QPushButton>(name, this);
        const QSize size(200, 120);
        button->setIcon(Pictures::icon(art, size));
        button->setIconSize(size);
        button->setToolTip(says);
        button->setAccessibleName(says);
        return button;
    };
    cmdLive = pictureButton("cmdLive", u"virus/kill"_s, u"Убить"_s);
    cmdKill = pictureButton("cmdKill", u"virus/live"_s, u"Пусть живет"_s);

    auto* layout = new QGridLayout(this);
    layout->setSpacing(10);
    layout->addWidget(Shape1, 0, 0, Qt::AlignCenter);
    layout->addWidget(lblTextVirus, 0, 1);
    layout->addWidget(Label2, 1, 0, 1, 2);
    auto* answers = new QHBoxLayout;
    answers->addWidget(cmdLive);
    answers->addWidget(cmdKill);
    layout->addLayout(answers, 2, 0, 1, 2);

    Timer1 = new Timer(*this, u"Timer1"_s, [this] { Timer1_Timer(); });
    Timer1->setInterval(700);

    onClick(cmdLive, &frmVirus::cmdLive_Click);
    onClick(cmdKill, &frmVirus::cmdKill_Click);
}

void frmVirus::Timer1_Timer() {
    setForeColor(lblTextVirus, white_ ? QColor(255, 0, 0) : QColor(255, 255, 255));
    white_ = !white_;
}

void frmVirus::cmdKill_Click() {
    Virus::letLive(game().state, effects());
    game().unload(this);
}

void frmVirus::cmdLive_Click() {
    Virus::fight(game().state, effects());
    game().unload(this);
}
