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

// The three pages, as the site's buttons name them.
const std::array<const char*, 3> Pages = {
    // Random jokes
    QT_TRANSLATE_NOOP(
        "frmInterAnek",
        "Студент звонит маме:\n"
        "- Мама, пришли денег на учебник по экономии!\n\n"
        "- Как дела с курсовой?\n"
        "- Отлично! Уже придумал, как назвать файл.\n\n"
        "Вахтёрша общежития выучила слово \"модем\": теперь по ночам она точно знает, кто не "
        "спит.\n\n"
        "- Зачем ты печатаешь конспект на компьютере?\n"
        "- Так его проще потерять целиком.\n\n"
        "Системный администратор в отпуске каждые пять минут проверяет, не скучает ли без него "
        "сервер."),
    // Jokes of the day
    QT_TRANSLATE_NOOP(
        "frmInterAnek",
        "Преподаватель:\n"
        "- Почему в вашем реферате шрифт сорок второго размера?\n"
        "- Вы же сами сказали: не меньше десяти страниц!\n\n"
        "Первокурсник купил мышку и две недели ждал, когда она начнёт бегать сама.\n\n"
        "- Что делал все выходные?\n"
        "- Переустанавливал систему.\n"
        "- Зачем?\n"
        "- Чтобы было чем заняться в следующие выходные.\n\n"
        "Сессия - это время, когда студент узнаёт, как много он, оказывается, не знал весь "
        "семестр.\n\n"
        "Антивирус нашёл вирус и вежливо спросил: \"Удалить или пусть ещё поживёт?\""),
    // Jokes of the week
    QT_TRANSLATE_NOOP(
        "frmInterAnek",
        "Новый процессор работает так быстро, что зависает вдвое раньше старого.\n\n"
        "Студент на экзамене:\n"
        "- Профессор, я всё знаю, только сказать не могу.\n"
        "- Как собака?\n"
        "- Нет, как компьютер без звуковой карты.\n\n"
        "- Сынок, ты уже третий день за компьютером!\n"
        "- Мама, не мешай, у меня сохранение только через два уровня.\n\n"
        "Студент-программист делит вечер на три части: пишет программу, ищет ошибку и объясняет "
        "соседу, что ошибка была в компьютере.\n\n"
        "Стипендия - это деньги, которые выдают студенту, чтобы он не забыл, как они выглядят."),
};

} // namespace

frmInterAnek::frmInterAnek(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Интернет - Анекдоты"));

    Label1 = says(heading("Label1", {}, this), QT_TR_NOOP("АНЕКДОТЫ"));
    lblSiteCounter = named<QLabel>("lblSiteCounter", this);
    showVisitors();
    imgLizon = named<Picture>("imgLizon", u"internet/jokes_site"_s, this);
    imgLizon->setFixedSize(150, 150);
    says(imgLizon, "toolTip", QT_TR_NOOP("Нажмите на кнопки справа"));
    Label3 = says(named<QLabel>("Label3", this),
                  QT_TR_NOOP("Заходите и на www.mir-kompa.tim - всё о компьютерах!"));

    // Until the player picks a page, its place invites them to.
    auto* pages = new QGridLayout;
    auto* invitation = says(new QLabel(this), QT_TR_NOOP("Выберите раздел кнопками справа."));
    invitation->setAlignment(Qt::AlignCenter);
    invitation->setFrameShape(QFrame::StyledPanel);
    invitation->setFrameShadow(QFrame::Sunken);
    invitation->setMinimumSize(360, 240);
    pages->addWidget(invitation, 0, 0);
    for (size_t k = 0; k < an.size(); ++k) {
        an[k] = named<QPlainTextEdit>(u"an(%1)"_s.arg(k), this);
        an[k]->setReadOnly(true);
        an[k]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        an[k]->setMinimumSize(360, 240);
        an[k]->hide();
        // The player presses on the page itself, that is its viewport.
        onMouseDown(an[k], &frmInterAnek::an_MouseDown);
        onMouseDown(an[k]->viewport(), &frmInterAnek::an_MouseDown);
        pages->addWidget(an[k], 0, 0);
    }
    showPages();
    Command1 = says(named<QPushButton>("Command1", this), QT_TR_NOOP("СЛУЧАЙНЫЕ"));
    Command2 = says(named<QPushButton>("Command2", this), QT_TR_NOOP("АНЕКДОТЫ ДНЯ"));
    Command3 = says(named<QPushButton>("Command3", this), QT_TR_NOOP("АНЕКДОТЫ  НЕДЕЛИ"));
    cmdDownload =
        says(named<QPushButton>("cmdDownload", this), QT_TR_NOOP("Скачать базу анекдотов"));
    // Until the first step of a download; show() draws it from then on.
    lblPercent = says(named<QLabel>("lblPercent", this), QT_TR_NOOP(":: Скачивание (000%) ::"));
    lblPercent->hide();
    shpProgress = named<ProgressShape>("shpProgress", this);
    shpProgress->hide();
    Label2 = OnlineKit::hoursCaption(this);
    lblcm = figure("lblcm", u"0"_s, this);
    relateToCaption(lblcm, Label2);
    cmdGoout = OnlineKit::disconnectButton(this);
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
    visitors_ = Str(Int(rnd() * 9999 + 1));
    showVisitors();
    visit_ = Online::visitJokes(game().state);
    show();
}

bool frmInterAnek::Form_QueryUnload() {
    return !visit_.downloading;
}

void frmInterAnek::retranslateUi() {
    showPages();
    showVisitors();
    show();
}

void frmInterAnek::showPages() {
    // Set here rather than remembered on the pages: a new text replaces the page's document
    // and what it held, which must not vanish under the window's retranslation of its
    // controls.
    for (size_t k = 0; k < an.size(); ++k)
        an[k]->setPlainText(tr(Pages[k]));
}

void frmInterAnek::showVisitors() {
    lblSiteCounter->setText(tr("Сегодня нас посетило ::%1 человек").arg(visitors_));
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
    msg(tr("Анекдоты лучшего качества!"), u"Good"_s);
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
