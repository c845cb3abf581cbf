#include "internet/frmHakerstvo.h"

#include "internet/OnlineKit.h"
#include "internet/ProgressShape.h"
#include "rules/Hacking.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString NoAssignment = u"Задния нет ..."_s;
const QString TakeCaption = u"Получить задание"_s;
const QString RefuseCaption = u"Отказаться"_s;
} // namespace

frmHakerstvo::frmHakerstvo(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Хакерство"_s);

    imgHakker = named<Picture>("imgHakker", u"internet/hacker"_s, this);
    imgHakker->setFixedSize(150, 120);
    Label1 = heading("Label1", u"ХАКЕРСТВО"_s, this);
    lblDueText = named<QLabel>("lblDueText", NoAssignment, this);
    lblDueText->setWordWrap(true);
    lblDueText->setMinimumHeight(lblDueText->fontMetrics().lineSpacing() * 3);
    lblDueText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    markAsFigure(lblDueText);
    cmdGet = named<QPushButton>("cmdGet", TakeCaption, this);
    lblGet = named<QLabel>("lblGet",
                           u"Задание получено, но вы можете отказаться от него, однако, тогда вам "
                           "придется заплатить 5$."_s,
                           this);
    lblGet->setWordWrap(true);
    cmdMake = named<QPushButton>("cmdMake", u"Выполнить"_s, this);
    lblPercent = named<QLabel>("lblPercent", u":: Выполнение (000%) ::"_s, this);
    shpProgress = named<ProgressShape>("shpProgress", this);
    // What appears and goes keeps its place, so the buttons never jump under the pointer.
    OnlineKit::keepPlaceWhenHidden({lblGet, cmdMake, lblPercent, shpProgress});
    lblGet->hide();
    cmdMake->hide();
    lblPercent->hide();
    shpProgress->hide();

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(lblDueText);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgHakker, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGet);
    buttons->addWidget(new PlayPanel(*this, this, {cmdMake}));
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
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
    return cmdBack->isEnabled();
}

void frmHakerstvo::idle() {
    cmdGet->setEnabled(true);
    cmdGet->setText(TakeCaption);
    cmdBack->setEnabled(true);
    cmdMake->hide();
    lblPercent->hide();
    lblGet->hide();
    shpProgress->hide();
    shpProgress->setFilled(0);
    lblDueText->setText(NoAssignment);
}

void frmHakerstvo::cmdGet_Click() {
    if (cmdGet->text() == RefuseCaption) {
        Hacking::refuse(game().state, effects());
        idle();
        return;
    }
    assignment_ = Hacking::take(effects());
    lblDueText->setText(Hacking::assignment(assignment_));
    cmdMake->setEnabled(true);
    cmdMake->show();
    lblGet->show();
    disable(cmdBack);
    // The keyboard goes on to the run: a second Enter must not refuse what the first took.
    if (cmdGet->hasFocus())
        cmdMake->setFocus(Qt::OtherFocusReason);
    cmdGet->setText(RefuseCaption);
}

void frmHakerstvo::cmdMake_Click() {
    randomize();
    disable(cmdGet);
    disable(cmdBack);
    disable(cmdMake);
    tmrProgress->setInterval(Hacking::stepInterval(effects()));
    lblPercent->show();
    shpProgress->setFilled(0);
    shpProgress->show();
    progress_ = 0;
    outcome_ = Hacking::outcome(assignment_, effects());
}

void frmHakerstvo::tmrProgress_Timer() {
    ++progress_;
    lblPercent->setText(Hacking::progressText(progress_));
    shpProgress->grow(30);
    switch (Hacking::step(outcome_, progress_)) {
    case Hacking::Step::Going:
        return;
    case Hacking::Step::Success:
        idle();
        Hacking::succeed(game().state, assignment_, effects());
        tmrProgress->setInterval(0);
        return;
    case Hacking::Step::Failure:
        Hacking::fail(game().state, assignment_, effects());
        tmrProgress->setInterval(0);
        idle();
        return;
    }
}
