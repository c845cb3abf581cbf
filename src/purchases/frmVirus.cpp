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

namespace {
const QSize AnswerSize(200, 120);
} // namespace

frmVirus::frmVirus(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("ВИРУС :-<<< VIRUS <<<-: HELP"));
    // The frame's close button does nothing here; say so by not offering it.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    Shape1 = named<Picture>("Shape1", u"virus/alarm"_s, this);
    Shape1->setFixedSize(72, 72);
    lblTextVirus = says(named<QLabel>("lblTextVirus", this), QT_TR_NOOP("ВИРУС"));
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
    Label2 = says(named<QLabel>("Label2", this),
                  QT_TR_NOOP("Ваш компьютер поразил вирус. Что делать будем?"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont question = Label2->font();
    question.setPointSize(question.pointSize() + 2);
    Label2->setFont(question);

    auto pictureButton = [this](const char* name, const char* answer) {
        auto* button = named<QPushButton>(name, this);
        button->setIconSize(AnswerSize);
        says(button, "toolTip", answer);
        says(button, "accessibleName", answer);
        return button;
    };
    cmdLive = pictureButton("cmdLive", QT_TR_NOOP("Убить"));
    cmdKill = pictureButton("cmdKill", QT_TR_NOOP("Пусть живет"));
    showAnswers();

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

// The answers' pictures have their words drawn in: an icon is drawn once, so a change of
// language draws them again in its art.
void frmVirus::showAnswers() {
    cmdLive->setIcon(Pictures::icon(u"virus/kill"_s, AnswerSize));
    cmdKill->setIcon(Pictures::icon(u"virus/live"_s, AnswerSize));
}

void frmVirus::retranslateUi() {
    showAnswers();
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
