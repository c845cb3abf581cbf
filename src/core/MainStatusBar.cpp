// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MainStatusBar.h"

#include "ui/Accessible.h"
#include "ui/Kit.h"
#include "ui/Translation.h"

#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

bool forecastInDanger(const Forecast::Outlook& outlook) {
    constexpr int DangerHours = 24;
    return std::min(outlook.hungerHours, outlook.sadnessHours) <= DangerHours;
}

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent) {
    setSizeGripEnabled(false);
    lblForecast = named<QLabel>("lblForecast", this);
    // However long the forecast gets, it never widens the window.
    lblForecast->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(lblForecast, 1);
    lblNote = named<QLabel>("lblNote", this);
    // A long file name is cut rather than widening the window.
    lblNote->setMinimumWidth(1);
    lblNote->setContentsMargins(8, 0, 8, 0);
    lblNote->hide();
    addPermanentWidget(lblNote);
    lblAutosave = named<QLabel>("lblAutosave", this);
    lblAutosave->hide();
    addPermanentWidget(lblAutosave);
    lblSpeed = named<QLabel>("lblSpeed", this);
    lblSpeed->setContentsMargins(8, 0, 8, 0);
    lblSpeed->hide();
    addPermanentWidget(lblSpeed);
    lblPause = heading("lblPause", {}, this);
    translatable(lblPause, "text", "MainStatusBar", QT_TRANSLATE_NOOP("MainStatusBar", "Пауза"));
    lblPause->setContentsMargins(8, 0, 8, 0);
    lblPause->hide();
    addPermanentWidget(lblPause);
}

void MainStatusBar::showForecast(const QString& text, const Forecast::Outlook& outlook) {
    if (lblForecast->text() != text)
        lblForecast->setText(text);
    const bool danger = forecastInDanger(outlook);
    if (danger && !inDanger_)
        announce(this, text);
    inDanger_ = danger;
}

void MainStatusBar::showSpeed(int speed) {
    const QString text = tr("Скорость x%1").arg(speed);
    if (lblSpeed->text() != text)
        lblSpeed->setText(text);
    lblSpeed->setVisible(speed != 1);
}

void MainStatusBar::showPaused(bool paused) {
    if (paused == !lblPause->isHidden())
        return;
    lblPause->setVisible(paused);
    announce(this, paused ? lblPause->text() : tr("Игра продолжается"));
}

void MainStatusBar::showNote(const QString& text) {
    lblNote->setText(text);
    lblNote->setVisible(!text.isEmpty());
}

void MainStatusBar::showTrouble(const QString& text) {
    lblAutosave->setText(text);
    lblAutosave->setVisible(!text.isEmpty());
}
