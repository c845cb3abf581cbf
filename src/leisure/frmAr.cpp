// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmAr.h"

#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Shows a text only when it changes: the held arrow buttons show the game every millisecond.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

using Choice = std::array<QRadioButton*, 3>;

using Looks = std::array<const char*, 3>;

const Looks PaddleLooks = {QT_TRANSLATE_NOOP("frmAr", "Ракетка: синяя"),
                           QT_TRANSLATE_NOOP("frmAr", "Ракетка: красная"),
                           QT_TRANSLATE_NOOP("frmAr", "Ракетка: зелёная")};
const Looks BallLooks = {QT_TRANSLATE_NOOP("frmAr", "Мяч: серый"),
                         QT_TRANSLATE_NOOP("frmAr", "Мяч: оранжевый"),
                         QT_TRANSLATE_NOOP("frmAr", "Мяч: футбольный")};

// The three option buttons that choose one of three pictures, each showing its picture. The
// buttons have no text: a screen reader reads each by what its picture shows ("Ракетка:
// синяя"), not all three by their frame's title.
Choice pictureChoice(FormCore& form, QGroupBox* frame, QBoxLayout* layout,
                     std::array<const char*, 3> names, const std::array<Picture*, 3>& pictures,
                     QSize icon, const Looks& looks) {
    Choice options;
    for (size_t k = 0; k < options.size(); ++k) {
        options[k] = named<QRadioButton>(names[k], frame);
        form.says(options[k], "accessibleName", looks[k]);
        options[k]->setIcon(Pictures::icon(pictures[k]->pictureName(), icon));
        options[k]->setIconSize(icon);
        layout->addWidget(options[k]);
    }
    return options;
}

} // namespace

frmAr::frmAr(Game& game)
    : CasinoMachine(game, Name) {
    says(this, QT_TR_NOOP("Арканоид"));

    Picture1 = named<PaddleView>("Picture1", this);
    says(Picture1, "accessibleName", QT_TR_NOOP("Игровое поле"));
    C1 = named<Sprite>("C1", u"leisure/paddle1"_s, Picture1);
    P1 = named<Sprite>("P1", u"leisure/ball1"_s, Picture1);
    for (Sprite* sprite : {C1, P1}) {
        sprite->setAttribute(Qt::WA_TransparentForMouseEvents);
        sprite->resize(0, 0);
    }
    Picture1->scene = [this] {
        return scene();
    };

    r1 = named<Picture>("r1", u"leisure/paddle1"_s, this);
    r2 = named<Picture>("r2", u"leisure/paddle2"_s, this);
    r3 = named<Picture>("r3", u"leisure/paddle3"_s, this);
    m1 = named<Picture>("m1", u"leisure/ball1"_s, this);
    m2 = named<Picture>("m2", u"leisure/ball2"_s, this);
    m3 = named<Picture>("m3", u"leisure/ball3"_s, this);
    for (Picture* art : {r1, r2, r3, m1, m2, m3})
        art->hide();
    paddles_ = {r1, r2, r3};
    balls_ = {m1, m2, m3};
    T1 = named<QLineEdit>("T1", u"100"_s, this);
    T2 = named<QLineEdit>("T2", u"100"_s, this);
    T1->hide();
    T2->hide();

    Frame2 = says(named<QGroupBox>("Frame2", this), QT_TR_NOOP("Выбор ракетки"));
    paddleOptions_ = pictureChoice(*this, Frame2, new QVBoxLayout(Frame2), {"o1", "o2", "o3"},
                                   paddles_, QSize(64, 16), PaddleLooks);
    std::tie(o1, o2, o3) = std::tuple_cat(paddleOptions_);
    Frame3 = says(named<QGroupBox>("Frame3", this), QT_TR_NOOP("Мяч"));
    ballOptions_ = pictureChoice(*this, Frame3, new QHBoxLayout(Frame3), {"b1", "b2", "b3"}, balls_,
                                 QSize(18, 18), BallLooks);
    std::tie(b1, b2, b3) = std::tuple_cat(ballOptions_);

    Frame4 = says(named<QGroupBox>("Frame4", this), QT_TR_NOOP("Управление"));
    auto* modes = new QVBoxLayout(Frame4);
    optKnopki = says(named<QRadioButton>("optKnopki", Frame4), QT_TR_NOOP("Кнопки"));
    optKlaviatura = says(named<QRadioButton>("optKlaviatura", Frame4), QT_TR_NOOP("Клавиатура"));
    modes->addWidget(optKnopki);
    modes->addWidget(optKlaviatura);

    cmdNew = says(named<QPushButton>("cmdNew", this), QT_TR_NOOP("Начать игру"));
    Command3 = named<QPushButton>("Command3", u"◀"_s, this);
    Command2 = named<QPushButton>("Command2", u"▶"_s, this);
    says(Command3, "accessibleName", QT_TR_NOOP("Влево"));
    says(Command2, "accessibleName", QT_TR_NOOP("Вправо"));
    for (QPushButton* arrow : {Command3, Command2}) {
        arrow->setMinimumSize(72, 36);
        // Held, not clicked: the keyboard focus stays on the field, where the arrows go.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setStyleSheet(u"QPushButton { background: #2b6fd6; color: white; font-size: 18px; "
                             u"border-radius: 4px; }"
                             "QPushButton:pressed { background: #1b4f9e; }"
                             "QPushButton:disabled { background: #9fb3d1; color: #e8eef8; }"_s);
    }

    Label1 = says(named<QLabel>("Label1", this),
                  QT_TR_NOOP("Игровые правила. Что бы начать игру нажмите кнопку <Начать игру>. "
                             "Управление осуществляется при помощи синих кнопок со стрелками или "
                             "при помощи клавиатуры(кнопки вправо и влево). Если мячик касается "
                             "пола тогда вы теряете 20$ и у вас ухудшается настроение. Если же "
                             "вы продержитесь и не дадите коснуться пола мячику, тогда вы "
                             "получаете 35$ и у вас сильно улучшается настроение."));
    Label1->setWordWrap(true);

    Timer1 = new Timer(
        *this, u"Timer1"_s, [this] { Timer1_Timer(); }, true);
    Timer2 = new Timer(
        *this, u"Timer2"_s, [this] { Timer2_Timer(); }, true);
    Timer3 = new Timer(
        *this, u"Timer3"_s, [this] { Timer3_Timer(); }, true);

    auto* arrows = new QHBoxLayout;
    auto* play = new PlayPanel(*this, this, {Command3, Command2});
    play->layout()->setSpacing(12);
    play->coverWhilePaused(Picture1);
    arrows->addStretch(1);
    arrows->addWidget(play);
    arrows->addStretch(1);
    auto* field = new QVBoxLayout;
    field->addWidget(Picture1, 1);
    field->addLayout(arrows);

    auto* settings = new QVBoxLayout;
    settings->addWidget(Frame2);
    settings->addWidget(Frame3);
    settings->addWidget(Frame4);
    settings->addStretch(1);
    settings->addWidget(cmdNew);

    auto* top = new QHBoxLayout;
    top->addLayout(field, 1);
    top->addSpacing(8);
    top->addLayout(settings);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Label1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(640);

    onClick(cmdNew, &frmAr::cmdNew_Click);
    onMouseDown(Command2, &frmAr::Command2_MouseDown);
    onMouseUp(Command2, &frmAr::Command2_MouseUp);
    onMouseDown(Command3, &frmAr::Command3_MouseDown);
    onMouseUp(Command3, &frmAr::Command3_MouseUp);
    for (int k = 0; k < 3; ++k) {
        onClick(paddleOptions_[k], [this, k] {
            machine_.paddleArt = k;
            showGame();
        });
        onClick(ballOptions_[k], [this, k] {
            machine_.ballArt = k;
            showGame();
        });
    }
    for (auto [option, control] : {std::pair{optKnopki, Paddle::Control::Buttons},
                                   std::pair{optKlaviatura, Paddle::Control::Keyboard}}) {
        onClick(option, [this, control = control] {
            machine_.control = control;
            showGame();
        });
    }
    routeKeyDown(this, [this](int key) { Form_KeyDown(key); });
    // A pause lets go of an arrow button held down: it comes back disabled, and its release
    // never reaches the game.
    connect(&game, &Game::pauseChanged, this, [this] {
        if (this->game().paused())
            dispatch([this] {
                Command2_MouseUp();
                Command3_MouseUp();
            });
    });
    showGame();
    // The arrows move the paddle from the start, without flipping an option button on the way.
    focusField();
}

void frmAr::showGame() {
    const Paddle::Field& f = machine_.field;
    Twips::remember(Picture1, Twips::Edge::Width, f.fieldWidth);
    Twips::remember(Picture1, Twips::Edge::Height, f.fieldHeight);
    Twips::place(C1, f.paddleLeft, Paddle::PaddleTop, f.paddleWidth, Paddle::PaddleHeight,
                 Twips::Placing::Record);
    Twips::place(P1, f.ballLeft, f.ballTop, f.ballWidth, f.ballHeight, Twips::Placing::Record);
    showText(T1, QString::number(f.h));
    showText(T2, QString::number(f.v));
    if (C1->pictureName() != paddles_[machine_.paddleArt]->pictureName())
        C1->copyPicture(*paddles_[machine_.paddleArt]);
    if (P1->pictureName() != balls_[machine_.ballArt]->pictureName())
        P1->copyPicture(*balls_[machine_.ballArt]);

    paddleOptions_[machine_.paddleArt]->setChecked(true);
    ballOptions_[machine_.ballArt]->setChecked(true);
    (machine_.control == Paddle::Control::Keyboard ? optKlaviatura : optKnopki)->setChecked(true);
    const bool locked = machine_.settingsLocked();
    for (QWidget* control : std::initializer_list<QWidget*>{cmdNew, cmdBack, o1, o2, o3, b1, b2, b3,
                                                            optKnopki, optKlaviatura})
        control->setEnabled(!locked);
    Command2->setEnabled(!machine_.arrowButtonsLocked());
    Command3->setEnabled(!machine_.arrowButtonsLocked());
    Picture1->update();
}

PaddleView::Scene frmAr::scene() const {
    const Paddle::Field& f = machine_.field;
    return {f, QPointF(f.ballLeft, f.ballTop), paddles_[machine_.paddleArt]->pictureName(),
            balls_[machine_.ballArt]->pictureName()};
}

void frmAr::focusField() {
    // The arrow keys go to the window whatever has the focus; the field keeps it off the
    // option buttons, which the arrows would otherwise flip.
    Picture1->setFocus(Qt::OtherFocusReason);
}

void frmAr::cmdNew_Click() {
    Timer3->setInterval(Paddle::TickMs);
    machine_.start();
    focusField();
    showGame();
}

void frmAr::Timer3_Timer() {
    const QPoint from(machine_.field.ballLeft, machine_.field.ballTop);
    const Paddle::Outcome outcome = machine_.tick();
    showGame();
    Picture1->glideFrom(from);
    if (outcome == Paddle::Outcome::Playing)
        return;
    Picture1->stopGliding();
    // While the question is open this timer's ticks are skipped, so a game ends only once.
    const bool again = machine_.end(game().state, outcome, effects());
    Timer1->setInterval(0);
    Timer2->setInterval(0);
    if (again)
        focusField();
    else
        Timer3->setInterval(0);
    showGame();
}

void frmAr::Form_KeyDown(int key) {
    // The pause holds play: the arrow keys move nothing.
    if (game().paused())
        return;
    if (key == Qt::Key_Right)
        Paddle::keyRight(machine_.field);
    else if (key == Qt::Key_Left)
        Paddle::keyLeft(machine_.field);
    else
        return;
    showGame();
}

void frmAr::Command2_MouseDown() {
    Timer1->setInterval(1);
}

void frmAr::Command2_MouseUp() {
    Timer1->setInterval(0);
}

void frmAr::Command3_MouseDown() {
    Timer2->setInterval(1);
}

void frmAr::Command3_MouseUp() {
    Timer2->setInterval(0);
}

void frmAr::Timer1_Timer() {
    if (!Paddle::buttonRight(machine_.field))
        Timer1->setInterval(0);
    showGame();
}

void frmAr::Timer2_Timer() {
    if (!Paddle::buttonLeft(machine_.field))
        Timer2->setInterval(0);
    showGame();
}

void frmAr::cmdBack_Click() {
    // The frame and Escape come here too; a game in play is not left halfway.
    if (machine_.playing)
        return;
    CasinoMachine::cmdBack_Click();
}
