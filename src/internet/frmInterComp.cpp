// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/frmInterComp.h"

#include "internet/OnlineKit.h"
#include "rules/Online.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const char* const Article = QT_TRANSLATE_NOOP(
    "frmInterComp",
    "Как устроен компьютер\n\n"
    "Сердце любого компьютера - процессор. Он выполняет команды программ одну за другой, "
    "миллионы раз в секунду. Чем выше его частота, тем быстрее откликается система, но "
    "и греется он сильнее, так что хороший кулер - не роскошь.\n\n"
    "Оперативная память хранит то, с чем процессор работает прямо сейчас. Когда её мало, "
    "система начинает сбрасывать данные на жёсткий диск, и всё заметно тормозит. Поэтому "
    "добавить памяти - самый дешёвый способ ускорить старую машину.\n\n"
    "Жёсткий диск (винчестер) хранит программы и документы, пока компьютер выключен. "
    "Делайте резервные копии: диски ломаются в самый неподходящий момент, а вирусы любят "
    "портить именно то, что вам дорого.\n\n"
    "Видеокарта рисует картинку на мониторе. Для работы с текстами хватит и простой, а "
    "вот игры и графические редакторы требуют мощной видеокарты и большого монитора.\n\n"
    "Звуковая карта, привод компакт-дисков, принтер и сканер делают компьютер настоящим "
    "помощником: можно слушать музыку, ставить программы с дисков, печатать рефераты и "
    "сканировать фотографии.\n\n"
    "Модем соединяет компьютер с интернетом по телефонной линии. Чтобы выйти в сеть, нужны "
    "ещё звонилка, которая дозванивается до провайдера, и браузер, в котором открываются "
    "страницы.\n\n"
    "И главное: ставьте антивирус и не запускайте программы, пришедшие неизвестно откуда. "
    "Компьютер любит аккуратных хозяев.");
} // namespace

frmInterComp::frmInterComp(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Инет - Компьютер"));

    Label1 = says(heading("Label1", {}, this), QT_TR_NOOP("КОМПЬЮТЕР"));
    Label3 = says(heading("Label3", {}, this), QT_TR_NOOP("КОМПЬЮТЕР"));
    Image1 = named<Picture>("Image1", u"internet/computer_site"_s, this);
    Image1->setFixedSize(120, 96);
    Image2 = named<Picture>("Image2", u"places/computer"_s, this);
    Image2->setFixedSize(120, 96);
    an = named<QPlainTextEdit>("an", this);
    showArticle();
    says(an, "accessibleName", QT_TR_NOOP("Статья"));
    an->setReadOnly(true);
    an->setMinimumSize(420, 260);
    Label2 = OnlineKit::hoursCaption(this);
    lblcm = figure("lblcm", u"0"_s, this);
    relateToCaption(lblcm, Label2);
    cmdGoout = OnlineKit::disconnectButton(this);
    setEscapeButton(cmdGoout);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* banner = new QHBoxLayout;
    banner->addWidget(Label1);
    banner->addStretch(1);
    banner->addWidget(Label3);
    auto* side = new QVBoxLayout;
    side->addWidget(Image1);
    side->addWidget(Image2);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(an, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(banner);
    layout->addWidget(rule);
    layout->addLayout(body, 1);
    layout->addLayout(OnlineKit::hoursRow(Label2, lblcm, cmdGoout));

    onClick(cmdGoout, &frmInterComp::cmdGoout_Click);
    tmrcm = OnlineKit::hourTimer(*this, [this] { tmrcm_Timer(); });
}

void frmInterComp::retranslateUi() {
    showArticle();
}

void frmInterComp::showArticle() {
    // Set here rather than remembered on the box: a new text replaces the box's document and
    // what it held, which must not vanish under the window's retranslation of its controls.
    an->setPlainText(tr(Article));
}

void frmInterComp::tmrcm_Timer() {
    OnlineKit::hour(game().state, lblcm, Online::Site::Computer);
}

void frmInterComp::cmdGoout_Click() {
    // Back to the provider, which this site must not know by its class.
    game().handOver(this, u"frmInternet");
}
