// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/frmMadFish.h"

#include "rules/Fishing.h"
#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The lake in twips: the water on the left, the tally to its right.
constexpr int Margin = 120;
constexpr int WaterWidth = 6600, WaterHeight = 4500;
constexpr int FishWidth = 900, FishHeight = 600;
constexpr int PanelLeft = Margin + WaterWidth + 180, PanelWidth = 3450;
constexpr int WindowWidth = PanelLeft + PanelWidth + Margin;
constexpr int WindowHeight = Margin + WaterHeight + Margin;
// Where the fish wait before their first jump: left of the window, out of sight.
constexpr int Ashore = -2 * FishWidth;

using Twips::place;

const char* const Welcome = QT_TRANSLATE_NOOP(
    "frmMadFish",
    "Добро пожаловать на озеро \"MAD FISH\". Сейчас вам предстоит увлекательная рыбалка. После "
    "того, как вы нажмете на кнопку \"НАЧАТЬ\", вы увидите озеро. В озере будут появляться "
    "рыбы (или если у вас нет прикормки одна рыбка), на которых вам надо будет нажимать. "
    "Рыбалка будет продолжаться 30 секунд, а потом вам придется поехать домой. Если вы нажали "
    "на рыбку, это значит, что вы ее поймали.");

Picture* fish(const char* name, const char* art, QWidget* parent) {
    auto* picture = named<Picture>(name, QString::fromLatin1(art), parent);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

void placeFish(Picture* picture, Fishing::Place at, const Fishing::Lake& lake) {
    place(picture, at.left, at.top, lake.fishWidth(), lake.fishHeight());
}

} // namespace

frmMadFish::frmMadFish(Game& game)
    : Form(game, Name)
    , lake_({Margin, Margin, WaterWidth, WaterHeight}, FishWidth, FishHeight, {Ashore, Margin}) {
    says(this, QT_TR_NOOP("Озеро \"MAD FISH\""));
    setFixedSize(Twips::toPixels(WindowWidth), Twips::toPixels(WindowHeight));

    imgWater = named<Picture>("imgWater", u"fishing/water"_s, this);
    const Fishing::Area& water = lake_.water();
    place(imgWater, water.left, water.top, water.width, water.height);
    // The fish jump about on a panel as large as the window, so that their places are the
    // window's; the pause disables it. The welcome and the results stand over it.
    auto* surface = new PlayPanel(*this, this);
    surface->setGeometry(rect());
    picFL = fish("picFL", "fishing/fish_left", surface);
    picFR = fish("picFR", "fishing/fish_right", surface);
    surface->coverWhilePaused(imgWater);

    // The welcome and, later, the results stand over the water.
    lblHelp = named<QLabel>("lblHelp", this);
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHelp->setAutoFillBackground(true);
    lblHelp->setFrameShape(QFrame::StyledPanel);
    lblHelp->setMargin(8);
    place(lblHelp, Margin + 300, Margin + 450, WaterWidth - 600, 2550);
    cmdStart = named<QPushButton>("cmdStart", this);
    place(cmdStart, Margin + (WaterWidth - 2400) / 2, Margin + 3450, 2400, 600);

    auto* panel = new QWidget(this);
    place(panel, PanelLeft, Margin, PanelWidth, WaterHeight);
    auto* tally = new QGridLayout(panel);
    tally->setContentsMargins(0, 0, 0, 0);
    Label2 = says(named<QLabel>("Label2", panel), QT_TR_NOOP("Время рыбалки:"));
    lbl1s = figure("lbl1s", u"0"_s, panel);
    Label3 = says(named<QLabel>("Label3", panel), QT_TR_NOOP("Поймано рыбы:"));
    lblCatch = figure("lblCatch", u"0"_s, panel);
    Label1 = says(named<QLabel>("Label1", panel), QT_TR_NOOP("Прибавилось настроения:"));
    lblH = figure("lblH", u"0"_s, panel);
    Label4 = says(named<QLabel>("Label4", panel), QT_TR_NOOP("Прибавилось сытости:"));
    lblSit = figure("lblSit", u"0"_s, panel);
    for (auto [value, caption] : {std::pair{lbl1s, Label2}, std::pair{lblCatch, Label3},
                                  std::pair{lblH, Label1}, std::pair{lblSit, Label4}})
        relateToCaption(value, caption);
    int row = 0;
    for (auto [caption, value] : {std::pair{Label2, lbl1s}, std::pair{Label3, lblCatch},
                                  std::pair{Label1, lblH}, std::pair{Label4, lblSit}}) {
        tally->addWidget(caption, row, 0);
        tally->addWidget(value, row, 1);
        ++row;
    }
    tally->setColumnStretch(1, 1);
    tally->setRowStretch(row, 1);

    tmrAllTime = new Timer(*this, u"tmrAllTime"_s, [this] { tmrAllTime_Timer(); });
    tmrForFish = new Timer(*this, u"tmrForFish"_s, [this] { tmrForFish_Timer(); });
    tmrCTime1s = new Timer(*this, u"tmrCTime1s"_s, [this] { tmrCTime1s_Timer(); });

    onClick(cmdStart, &frmMadFish::cmdStart_Click);
    onClick(picFL, &frmMadFish::FClick);
    onClick(picFR, &frmMadFish::FClick);
    // The lake is a pointer game: no key catches a fish, so the fish never take the focus.
    for (Picture* picture : {picFL, picFR})
        picture->setFocusPolicy(Qt::NoFocus);
    showTrip();
}

void frmMadFish::showTrip() {
    using Stage = Fishing::Lake::Stage;
    const Fishing::Lake& lake = lake_;
    const bool finished = lake.finished();
    placeFish(picFL, lake.leftFish(), lake);
    placeFish(picFR, lake.rightFish(), lake);
    picFL->setVisible(!finished);
    picFR->setVisible(!finished);
    lblHelp->setText(finished ? lake.results() : tr(Welcome));
    Twips::fitText(lblHelp);
    lblHelp->setVisible(lake.stage() != Stage::Fishing);
    cmdStart->setText(finished ? tr("Поехать домой") : tr("НАЧАТЬ"));
    cmdStart->setVisible(lake.stage() != Stage::Fishing);
    cmdStart->setEnabled(lake.stage() != Stage::Results);
    lbl1s->setText(Num(lake.seconds()));
    lblCatch->setText(Num(lake.caught()));
    lblH->setText(Num(lake.mood()));
    lblSit->setText(Num(lake.satiety()));
}

void frmMadFish::cmdStart_Click() {
    if (lake_.finished()) {
        game().handOver(this, u"frmHobby");
        return;
    }
    tmrAllTime->setInterval(Fishing::TripSeconds * 1000);
    tmrForFish->setInterval(600);
    tmrCTime1s->setInterval(1000);
    lake_.start(game().state);
    showTrip();
}

void frmMadFish::FClick() {
    lake_.catchFish();
    showTrip();
}

void frmMadFish::tmrCTime1s_Timer() {
    lake_.second();
    showTrip();
}

void frmMadFish::tmrForFish_Timer() {
    lake_.jump(effects());
    showTrip();
}

void frmMadFish::tmrAllTime_Timer() {
    if (!lake_.finished()) {
        lake_.timeUp(game().state);
        showTrip();
        // The results and the way home stand over the water.
        lblHelp->raise();
        cmdStart->raise();
        tmrCTime1s->setInterval(0);
        tmrAllTime->setInterval(1000);
        return;
    }
    tmrAllTime->setInterval(0);
    lake_.openWayHome();
    showTrip();
}
