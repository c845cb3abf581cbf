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

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The map of the two sites under the walk button: the sites' buttons at its two sides, each as
// wide as its text asks (SiteWidth at least, twips), and the lines that lead to them from the
// provider, forking to the buttons' centres. The map is MapWidth wide unless the buttons want
// more, and lays itself out again whenever a button's text or font changes, shown or not, so
// the window has room for the sites before they appear.
class SiteMap : public QWidget {
public:
    static constexpr int MapWidth = 7500, MapHeight = 1500;
    static constexpr int SiteWidth = 3450, SiteHeight = 480, SiteTop = 1000;
    static constexpr int Fork = 500;
    // The least room between the two buttons, as the map has it at its own width.
    static constexpr int Gap = MapWidth - 2 * SiteWidth;

    explicit SiteMap(QWidget* parent)
        : QWidget(parent) {}

    // The sites' buttons, made on the map; the lines are made to them.
    void setSites(QPushButton* left, QPushButton* right) {
        left_ = left;
        right_ = right;
        stem = named<LineControl>("Line1", this);
        toLeft = named<LineControl>("Line2", this);
        toRight = named<LineControl>("Line3", this);
        place();
    }

    QSize sizeHint() const override {
        const int width = std::max(Twips::toPixels(MapWidth),
                                   siteWidth(left_) + siteWidth(right_) + Twips::toPixels(Gap));
        return {width,
                std::max(Twips::toPixels(MapHeight), Twips::toPixels(SiteTop) + siteHeight())};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

    LineControl *stem = nullptr, *toLeft = nullptr, *toRight = nullptr;

protected:
    bool event(QEvent* event) override {
        // A button shown, or its text changed while shown.
        if (event->type() == QEvent::LayoutRequest)
            relayout();
        return QWidget::event(event);
    }
    void changeEvent(QEvent* event) override {
        // The buttons' texts change with the language, shown or hidden, and their size with
        // the font.
        if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange ||
            event->type() == QEvent::StyleChange)
            relayout();
        QWidget::changeEvent(event);
    }
    void resizeEvent(QResizeEvent*) override { place(); }

private:
    int siteWidth(const QPushButton* site) const {
        return std::max(Twips::toPixels(SiteWidth), site->sizeHint().width());
    }
    int siteHeight() const {
        return std::max(
            {Twips::toPixels(SiteHeight), left_->sizeHint().height(), right_->sizeHint().height()});
    }
    void relayout() {
        updateGeometry();
        place();
    }
    void place() {
        if (!left_)
            return;
        const int top = Twips::toPixels(SiteTop), height = siteHeight();
        const int leftWidth = siteWidth(left_), rightWidth = siteWidth(right_);
        const int mapWidth = std::max(width(), sizeHint().width());
        left_->setGeometry(0, top, leftWidth, height);
        right_->setGeometry(mapWidth - rightWidth, top, rightWidth, height);
        // The lines are drawn in twips, from the pixels the buttons stand at.
        const auto twips = [](int pixels) {
            return pixels * Twips::PerPixel;
        };
        const int centre = twips(mapWidth / 2);
        stem->setPoints(centre, 0, centre, Fork);
        toLeft->setPoints(centre, Fork, twips(leftWidth / 2), SiteTop);
        toRight->setPoints(centre, Fork, twips(mapWidth - rightWidth + rightWidth / 2), SiteTop);
    }

    QPushButton *left_ = nullptr, *right_ = nullptr;
};

} // namespace

frmInternet::frmInternet(Game& game)
    : Form(game, Name) {
    imgProvider = openPlace(this, {}, "imgProvider", u"internet/provider"_s, {150, 120});
    says(this, QT_TR_NOOP("Инет"));
    Label1 = says(heading("Label1", {}, this),
                  QT_TR_NOOP("Добро пожаловать к самому лучшему провайдеру"));
    Label1->setWordWrap(true);
    Label2 = says(
        wrappedText("Label2", {}, this),
        QT_TR_NOOP("Здесь вы можете подключиться к интернету за 5$ в час. Мы предлагаем вам самые "
                   "лучшие страницы мира. Самая знаменитая страница анекдотов  и страница о "
                   "компьютере. Подключайтесь, не пожалеете. При первом подключении необходимо "
                   "заплатить 30$."));

    cmdPodkl = named<QPushButton>("cmdPodkl", this);
    showConnection();
    cmdWalk = says(named<QPushButton>("cmdWalk", this), QT_TR_NOOP("Выход в интернет"));
    cmdWalk->setEnabled(false);

    // The sites hang under the walk button on lines, hidden until the player walks out.
    auto* map = new SiteMap(this);
    cmdAnek = says(named<QPushButton>("cmdAnek", map), QT_TR_NOOP("Анекдоты: www.anekdotnaya.tim"));
    Command5 =
        says(named<QPushButton>("Command5", map), QT_TR_NOOP("Компьютер: www.mir-kompa.tim"));
    map->setSites(cmdAnek, Command5);
    Line1 = map->stem;
    Line2 = map->toLeft;
    Line3 = map->toRight;
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

void frmInternet::retranslateUi() {
    showConnection();
}

void frmInternet::showConnection() {
    cmdPodkl->setText(connected_ ? tr("Вы подключились к интернету.") : tr("Подключение"));
}

void frmInternet::showConnected() {
    connected_ = true;
    showConnection();
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
