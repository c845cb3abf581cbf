// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/frmInterAnek.h"

#include "internet/OnlineKit.h"
#include "internet/ProgressShape.h"
#include "rules/Online.h"
#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const std::array<const char16_t*, 3> Pages = {
    // Random jokes
    u"Студент звонит маме:\n"
    u"- Мама, пришли денег на учебник по экономии!\n\n"
    u"- Как дела с курсовой?\n"
    u"- Отлично! Уже придумал, как назвать файл.\n\n"
    u"Вахтёрша общежития выучила слово \"модем\": теперь по ночам она точно знает, кто не "
    u"спит.\n\n"
    u"- Зачем ты печатаешь конспект на компьютере?\n"
    u"- Так его проще потерять целиком.\n\n"
    u"Системный администратор в отпуске каждые пять минут проверяет, не скучает ли без него "
    u"сервер.",
    // Jokes of the day
    u"Преподаватель:\n"
    u"- Почему в вашем реферате шрифт сорок второго размера?\n"
    u"- Вы же сами сказали: не меньше десяти страниц!\n\n"
    u"Первокурсник купил мышку и две недели ждал, когда она начнёт бегать сама.\n\n"
    u"- Что делал все выходные?\n"
    u"- Переустанавливал систему.\n"
    u"- Зачем?\n"
    u"- Чтобы было чем заняться в следующие выходные.\n\n"
    u"Сессия - это время, когда студент узнаёт, как много он, оказывается, не знал весь "
    u"семестр.\n\n"
    u"Антивирус нашёл вирус и вежливо спросил: \"Удалить или пусть ещё поживёт?\"",
    // Jokes of the week
    u"Новый процессор работает так быстро, что зависает вдвое раньше старого.\n\n"
    u"Студент на экзамене:\n"
    u"- Профессор, я всё знаю, только сказать не могу.\n"
    u"- Как собака?\n"
    u"- Нет, как компьютер без звуковой карты.\n\n"
    u"- Сынок, ты уже третий день за компьютером!\n"
    u"- Мама, не мешай, у меня сохранение только через два уровня.\n\n"
    u"Студент-программист делит вечер на три части: пишет программу, ищет ошибку и объясняет "
    u"соседу, что ошибка была в компьютере.\n\n"
    u"Стипендия - это деньги, которые выдают студенту, чтобы он не забыл, как они выглядят.",
};

} // namespace

frmInterAnek::frmInterAnek(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Интернет - Анекдоты"_s);

    Label1 = heading("Label1", u"АНЕКДОТЫ"_s, this);
    lblSiteCounter =
        named<QLabel>("lblSiteCounter", u"Сегодня нас посетило :: 0000 человек"_s, this);
    imgLizon = named<Picture>("imgLizon", u"internet/jokes_site"_s, this);
    imgLizon->setFixedSize(150, 150);
    imgLizon->setToolTip(u"Нажмите на кнопки справа"_s);
    Label3 =
        named<QLabel>("Label3", u"Заходите и на www.mir-kompa.tim - всё о компьютерах!"_s, this);

    // Until the player picks a page, its place invites them to.
    auto* pages = new QGridLayout;
    auto* invitation = new QLabel(u"Выберите раздел кнопками справа."_s, this);
    invitation->setAlignment(Qt::AlignCenter);
    invitation->setFrameShape(QFrame::StyledPanel);
    invitation->setFrameShadow(QFrame::Sunken);
    invitation->setMinimumSize(360, 240);
    pages->addWidget(invitation, 0, 0);
    for (size_t k = 0; k < an.size(); ++k) {
        an[k] = named<QPlainTextEdit>(u"an(%1)"_s.arg(k), QString::fromUtf16(Pages[k]), this);
        an[k]->setReadOnly(true);
        an[k]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        an[k]->setMinimumSize(360, 240);
        an[k]->hide();
        // The player presses on the page itself, that is its viewport.
        onMouseDown(an[k], &frmInterAnek::an_MouseDown);
        onMouseDown(an[k]->viewport(), &frmInterAnek::an_MouseDown);
        pages->addWidget(an[k], 0, 0);
    }
    Command1 = named<QPushButton>("Command1", u"СЛУЧАЙНЫЕ"_s, this);
    Command2 = named<QPushButton>("Command2", u"АНЕКДОТЫ ДНЯ"_s, this);
    Command3 = named<QPushButton>("Command3", u"АНЕКДОТЫ  НЕДЕЛИ"_s, this);
    cmdDownload = named<QPushButton>("cmdDownload", u"Скачать базу анекдотов"_s, this);
    lblPercent = named<QLabel>("lblPercent", u":: Скачивание (000%) ::"_s, this);
    lblPercent->hide();
    shpProgress = named<ProgressShape>("shpProgress", this);
    shpProgress->hide();
    Label2 = named<QLabel>("Label2", u"Просижано часов:"_s, this);
    lblcm = figure("lblcm", u"0"_s, this);
    relateToCaption(lblcm, Label2);
    cmdGoout = named<QPushButton>("cmdGoout", u"Отключиться"_s, this);
    setEscapeButton(cmdGoout);

    auto* menu = new QVBoxLayout;
    menu->addWidget(Command1);
    menu->addWidget(Command2);
    menu->addWidget(Command3);
    menu->addStretch(1);
    menu->addWidget(new PlayPanel(*this, this, {cmdDownload}));
    menu->addWidget(lblPercent, 0, Qt::AlignHCenter);
    menu->addWidget(shpProgress, 0, Qt::AlignHCenter);
    // The download's label and bar keep their place while hidden, so nothing jumps.
    OnlineKit::keepPlaceWhenHidden({lblPercent, shpProgress});

    auto* left = new QVBoxLayout;
    left->addWidget(imgLizon);
    left->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(pages, 1);
    body->addLayout(menu);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addWidget(lblSiteCounter, 0, Qt::AlignHCenter);
    layout->addLayout(body, 1);
    layout->addWidget(Label3);
    layout->addLayout(OnlineKit::hoursRow(Label2, lblcm, cmdGoout));

    onClick(Command1, &frmInterAnek::Command1_Click);
    onClick(Command2, &frmInterAnek::Command2_Click);
    onClick(Command3, &frmInterAnek::Command3_Click);
    onClick(cmdDownload, &frmInterAnek::cmdDownload_Click);
    onClick(cmdGoout, &frmInterAnek::cmdGoout_Click);

    tmrcm = OnlineKit::hourTimer(*this, [this] { tmrcm_Timer(); });
    tmrDownload = new Timer(*this, u"tmrDownload"_s, [this] { tmrDownload_Timer(); });
}

void frmInterAnek::Form_Load() {
    randomize();
    const double visitors = Int(rnd() * 9999 + 1);
    lblSiteCounter->setText(u"Сегодня нас посетило ::"_s + Str(visitors) + u" человек"_s);
    visit_ = Online::visitJokes(game().state);
    show();
}

bool frmInterAnek::Form_QueryUnload() {
    return !visit_.downloading;
}

void frmInterAnek::show() {
    lblcm->setText(visit_.hours);
    enable(cmdGoout, !visit_.downloading);
    if (!visit_.downloadOffered)
        disable(cmdDownload);
    if (visit_.downloadShown) {
        lblPercent->setText(Online::downloadText(visit_));
        shpProgress->setPercent(visit_.steps);
    }
    lblPercent->setVisible(visit_.downloadShown);
    shpProgress->setVisible(visit_.downloadShown);
}

void frmInterAnek::an_MouseDown() {
    msg(u"Анекдоты лучшего качества!"_s, u"Good"_s);
}

void frmInterAnek::showPage(size_t index) {
    for (size_t k = 0; k < an.size(); ++k)
        an[k]->setVisible(k == index);
}

void frmInterAnek::cmdDownload_Click() {
    if (!Online::startDownload(visit_, game().state, effects()))
        return;
    tmrDownload->setInterval(70);
    show();
}

void frmInterAnek::tmrDownload_Timer() {
    const bool whole = Online::downloadStep(visit_, game().state);
    show();
    if (!whole)
        return;
    Online::sayLoaded(effects());
    tmrDownload->setInterval(0);
    Online::endDownload(visit_);
    show();
}

void frmInterAnek::tmrcm_Timer() {
    Online::hour(visit_, game().state);
    show();
    if (!Online::mustDisconnect(visit_, game().state))
        return;
    Online::sayCashRunOut(effects());
    cmdGoout_Click();
}

void frmInterAnek::cmdGoout_Click() {
    Online::sayDisconnected(effects(), visit_.hours);
    // Back to the provider, which this site must not know by its class.
    game().handOver(this, u"frmInternet");
}
