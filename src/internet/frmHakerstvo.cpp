// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/frmHakerstvo.h"

#include "internet/OnlineKit.h"
#include "internet/ProgressShape.h"
#include "rules/Hacking.h"
#include "state/Words.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlaceHeader.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmHakerstvo::frmHakerstvo(Game& game)
    : Form(game, Name) {
    imgHakker = openPlace(this, {}, "imgHakker", u"internet/hacker"_s, {150, 120});
    says(this, QT_TR_NOOP("Хакерство"));
    Label1 = says(heading("Label1", {}, this), QT_TR_NOOP("ХАКЕРСТВО"));
    lblDueText = named<QLabel>("lblDueText", this);
    lblDueText->setWordWrap(true);
    lblDueText->setMinimumHeight(lblDueText->fontMetrics().lineSpacing() * 3);
    lblDueText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    markAsFigure(lblDueText);
    cmdGet = named<QPushButton>("cmdGet", this);
    lblGet = says(wrappedText("lblGet", {}, this),
                  QT_TR_NOOP("Задание получено, но вы можете отказаться от него, однако, тогда "
                             "вам придется заплатить 5$."));
    cmdMake = says(named<QPushButton>("cmdMake", this), QT_TR_NOOP("Выполнить"));
    lblPercent = named<QLabel>("lblPercent", this);
    shpProgress = named<ProgressShape>("shpProgress", this);
    showTexts();
    // What appears and goes keeps its place, so the buttons never jump under the pointer.
    OnlineKit::keepPlaceWhenHidden({lblGet, cmdMake, lblPercent, shpProgress});
    lblGet->hide();
    cmdMake->hide();
    lblPercent->hide();
    shpProgress->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGet);
    buttons->addWidget(new PlayPanel(*this, this, {cmdMake}));
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(placeHeader(imgHakker, {Label1, lblDueText}));
    layout->addLayout(buttons);
    layout->addWidget(lblGet);
    layout->addWidget(lblPercent, 0, Qt::AlignHCenter);
    layout->addWidget(shpProgress, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(520);

    onClick(cmdGet, &frmHakerstvo::cmdGet_Click);
    onClick(cmdMake, &frmHakerstvo::cmdMake_Click);
    tmrProgress = new Timer(*this, u"tmrProgress"_s, [this] { tmrProgress_Timer(); });
}

bool frmHakerstvo::Form_QueryUnload() {
    return den_.phase == Hacking::Den::Phase::Idle;
}

void frmHakerstvo::retranslateUi() {
    showTexts();
}

void frmHakerstvo::showTexts() {
    const bool idle = den_.phase == Hacking::Den::Phase::Idle;
    lblDueText->setText(idle ? tr("Задния нет ...")
                             : Words::shown(Hacking::assignment(den_.assignment)));
    cmdGet->setText(idle ? tr("Получить задание") : tr("Отказаться"));
    lblPercent->setText(den_.lastStep ? Hacking::progressText(*den_.lastStep)
                                      : tr(":: Выполнение (000%) ::"));
}

void frmHakerstvo::show() {
    using Phase = Hacking::Den::Phase;
    const Phase phase = den_.phase;
    showTexts();
    enable(cmdGet, phase != Phase::Running);
    enable(cmdBack, phase == Phase::Idle);
    enable(cmdMake, phase != Phase::Running);
    cmdMake->setVisible(phase != Phase::Idle);
    lblGet->setVisible(phase != Phase::Idle);
    lblPercent->setVisible(phase == Phase::Running);
    shpProgress->setPercent(phase == Phase::Running ? den_.progress : 0);
    shpProgress->setVisible(phase == Phase::Running);
}

void frmHakerstvo::cmdGet_Click() {
    if (den_.phase == Hacking::Den::Phase::Taken) {
        Hacking::refuse(den_, game().state, effects());
        show();
        return;
    }
    Hacking::takeAssignment(den_, effects());
    // The keyboard goes on to the run: a second Enter must not refuse what the first took.
    const bool fromKeyboard = cmdGet->hasFocus();
    show();
    if (fromKeyboard)
        cmdMake->setFocus(Qt::OtherFocusReason);
}

void frmHakerstvo::cmdMake_Click() {
    const int interval = Hacking::startRun(den_, effects());
    show();
    tmrProgress->setInterval(interval);
}

void frmHakerstvo::tmrProgress_Timer() {
    const qint16 n = den_.assignment;
    switch (Hacking::advance(den_)) {
    case Hacking::Step::Going:
        show();
        return;
    case Hacking::Step::Success:
        Hacking::idle(den_);
        show();
        Hacking::succeed(game().state, n, effects());
        tmrProgress->setInterval(0);
        return;
    case Hacking::Step::Failure:
        show();
        Hacking::fail(game().state, n, effects());
        tmrProgress->setInterval(0);
        Hacking::idle(den_);
        show();
        return;
    }
}
