// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/frmInternet.h"

#include "internet/frmInterAnek.h"
#include "internet/frmInterComp.h"
#include "rules/Online.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/LineControl.h"
#include "ui/Picture.h"
#include "ui/PlaceHeader.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// The map of the two sites under the walk button, in twips: the sites' buttons and the lines
// that lead to them from the provider.
constexpr int MapWidth = 7500, MapHeight = 1500;
constexpr int SiteWidth = 3450, SiteHeight = 480, SiteTop = 1000;
constexpr int Fork = 500;
} // namespace

frmInternet::frmInternet(Game& game)
    : Form(game, Name) {
    imgProvider = openPlace(this, u"Инет"_s, "imgProvider", u"internet/provider"_s, {150, 120});
    Label1 = heading("Label1", u"Добро пожаловать к самому лучшему провайдеру"_s, this);
    Label1->setWordWrap(true);
    Label2 = wrappedText(
        "Label2",
        u"Здесь вы можете подключиться к интернету за 5$ в час. Мы предлагаем вам самые лучшие "
        "страницы мира. Самая знаменитая страница анекдотов  и страница о компьютере. "
        "Подключайтесь, не пожалеете. При первом подключении необходимо заплатить 30$."_s,
        this);

    cmdPodkl = named<QPushButton>("cmdPodkl", u"Подключение"_s, this);
    cmdWalk = named<QPushButton>("cmdWalk", u"Выход в интернет"_s, this);
    cmdWalk->setEnabled(false);

    // The sites hang under the walk button on lines, hidden until the player walks out.
    auto* map = new QWidget(this);
    map->setFixedSize(Twips::toPixels(MapWidth), Twips::toPixels(MapHeight));
    cmdAnek = named<QPushButton>("cmdAnek", u"Анекдоты: www.anekdotnaya.tim"_s, map);
    Command5 = named<QPushButton>("Command5", u"Компьютер: www.mir-kompa.tim"_s, map);
    const int centre = MapWidth / 2;
    const int anekCentre = SiteWidth / 2, compCentre = MapWidth - SiteWidth / 2;
    cmdAnek->setGeometry(0, Twips::toPixels(SiteTop), Twips::toPixels(SiteWidth),
                         Twips::toPixels(SiteHeight));
    Command5->setGeometry(Twips::toPixels(MapWidth - SiteWidth), Twips::toPixels(SiteTop),
                          Twips::toPixels(SiteWidth), Twips::toPixels(SiteHeight));
    Line1 = named<LineControl>("Line1", map);
    Line1->setPoints(centre, 0, centre, Fork);
    Line2 = named<LineControl>("Line2", map);
    Line2->setPoints(centre, Fork, anekCentre, SiteTop);
    Line3 = named<LineControl>("Line3", map);
    Line3->setPoints(centre, Fork, compCentre, SiteTop);
    for (QWidget* control : siteMap())
        control->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(placeHeader(imgProvider, {Label1, Label2}));
    layout->addSpacing(6);
    layout->addWidget(cmdPodkl, 0, Qt::AlignHCenter);
    layout->addWidget(cmdWalk, 0, Qt::AlignHCenter);
    layout->addWidget(map, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(540);

    onClick(cmdPodkl, &frmInternet::cmdPodkl_Click);
    onClick(cmdWalk, &frmInternet::cmdWalk_Click);
    onClick(cmdAnek, &frmInternet::cmdAnek_Click);
    onClick(Command5, &frmInternet::Command5_Click);
}

void frmInternet::closeOnline(Game& game) {
    game.unload<frmInternet>();
    game.unload<frmInterComp>();
    game.unload<frmInterAnek>();
}

void frmInternet::Form_Load() {
    if (Online::connected(game().state))
        showConnected();
}

void frmInternet::showConnected() {
    cmdPodkl->setText(u"Вы подключились к интернету."_s);
    disable(cmdPodkl);
    cmdWalk->setEnabled(true);
}

std::array<QWidget*, 5> frmInternet::siteMap() const {
    return {cmdAnek, Command5, Line1, Line2, Line3};
}

void frmInternet::cmdPodkl_Click() {
    if (Online::connect(game().state, effects()))
        showConnected();
}

void frmInternet::cmdWalk_Click() {
    for (QWidget* control : siteMap())
        control->show();
}

void frmInternet::cmdAnek_Click() {
    game().handOver(this, frmInterAnek::Name);
}

void frmInternet::Command5_Click() {
    game().handOver(this, frmInterComp::Name);
}
