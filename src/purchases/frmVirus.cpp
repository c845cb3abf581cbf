#include "frmVirus.h"

#include "Controls.h"
#include "Game.h"
#include "NumberText.h"
#include "Picture.h"
#include "TextCodec.h"
#include "Timer.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmVirus::frmVirus(Game& game)
    : Form(game, u"frmVirus"_qs) {
    setWindowTitle(u"ВИРУС :-<<< VIRUS <<<-: HELP"_qs);
    // The frame's close button does nothing here; say so by not offering it.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    Shape1 = new Picture(u"Shape1"_qs, u"virus/alarm"_qs, this);
    Shape1->setFixedSize(72, 72);
    lblTextVirus = named<QLabel>("lblTextVirus", u"ВИРУС"_qs, this);
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
    Label2 = named<QLabel>("Label2", u"Ваш компьютер поразил вирус. Что делать будем?"_qs, this);
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
    cmdLive = pictureButton("cmdLive", u"virus/kill"_qs, u"Убить"_qs);
    cmdKill = pictureButton("cmdKill", u"virus/live"_qs, u"Пусть живет"_qs);

    auto* layout = new QGridLayout(this);
    layout->setSpacing(10);
    layout->addWidget(Shape1, 0, 0, Qt::AlignCenter);
    layout->addWidget(lblTextVirus, 0, 1);
    layout->addWidget(Label2, 1, 0, 1, 2);
    auto* answers = new QHBoxLayout;
    answers->addWidget(cmdLive);
    answers->addWidget(cmdKill);
    layout->addLayout(answers, 2, 0, 1, 2);

    Timer1 = new Timer(*this, u"Timer1"_qs, [this] { Timer1_Timer(); });
    Timer1->setInterval(700);

    onClick(cmdLive, &frmVirus::cmdLive_Click);
    onClick(cmdKill, &frmVirus::cmdKill_Click);
}

void frmVirus::Timer1_Timer() {
    setForeColor(lblTextVirus, white_ ? QColor(255, 0, 0) : QColor(255, 255, 255));
    white_ = !white_;
}

void frmVirus::cmdKill_Click() {
    randomize();
    const double loss = Int(rnd() * 20 + 5);
    msg(u"Вирус уничтожил "_qs + Str(loss) + u"$ с вашего счета."_qs,
        u"Надо было покупать хороший антивирус."_qs, MsgIcon::Exclamation);
    GameState& s = game().state;
    s.lblMoney = Num(Val(s.lblMoney) - loss);
    game().unload(this);
}

void frmVirus::cmdLive_Click() {
    const QString& antivirus = game().state.lblAntvirus;
    if (antivirus == u"IVP 100") {
        msg(u"Вам удалось уничтожить вирус"_qs, u"Ура. Вирус убит."_qs, MsgIcon::Information);
        game().unload(this);
        return;
    }
    if (antivirus == u"Касперского")
        msg(u"К сожалению антивирус Касперского не смог уничтожить этот вирус."_qs,
            u"Надо было покупать хороший антивирус."_qs, MsgIcon::Exclamation);
    else
        msg(u"У вас нет антивируса."_qs, u"Надо было антивирус покупать."_qs, MsgIcon::Exclamation);
    cmdKill_Click();
}
