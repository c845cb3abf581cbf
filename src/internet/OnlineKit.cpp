// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/OnlineKit.h"

#include "rules/Clock.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Timer.h"
#include "ui/Translation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace OnlineKit {

namespace {
constexpr char Context[] = "OnlineKit";
}

QLabel* hoursCaption(QWidget* site) {
    auto* caption = named<QLabel>("Label2", site);
    translatable(caption, "text", Context, QT_TRANSLATE_NOOP("OnlineKit", "Просижано часов:"));
    return caption;
}

QPushButton* disconnectButton(QWidget* site) {
    auto* button = named<QPushButton>("cmdGoout", site);
    translatable(button, "text", Context, QT_TRANSLATE_NOOP("OnlineKit", "Отключиться"));
    return button;
}

QHBoxLayout* hoursRow(QLabel* caption, QLabel* hours, QPushButton* disconnect) {
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(hours);
    row->addStretch(1);
    row->addWidget(disconnect);
    return row;
}

Timer* hourTimer(FormCore& site, std::function<void()> tick) {
    using namespace Qt::StringLiterals;
    auto* timer = new Timer(site, u"tmrcm"_s, std::move(tick));
    Game& game = site.game();
    const auto follow = [timer, &game] {
        timer->setInterval(Clock::HourMs / game.speed());
    };
    QObject::connect(&game, &Game::speedChanged, timer, follow);
    follow();
    return timer;
}

void hour(GameState& state, QLabel* hours, Online::Site site) {
    QString count = hours->text();
    Online::hour(state, count, site);
    hours->setText(count);
}

void keepPlaceWhenHidden(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

} // namespace OnlineKit
