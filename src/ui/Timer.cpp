// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Timer.h"

#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Platform.h"

#include <QWidget>

Timer::Timer(FormCore& owner, const QString& name, std::function<void()> handler, bool precise)
    : QObject(owner.window())
    , owner_(owner)
    , handler_(std::move(handler))
    , engine_(owner.game().platform.createTimerEngine(*this, precise))
    , held_(owner.game().timeStands()) {
    setObjectName(name);
}

Timer::~Timer() = default;

void Timer::setInterval(int ms) {
    if (!engine_)
        return;
    interval_ = ms > 0 ? ms : 0;
    if (interval_ > 0) {
        engine_->start(interval_);
        if (held_)
            engine_->hold();
    } else {
        engine_->stop();
    }
}

void Timer::hold() {
    if (held_)
        return;
    held_ = true;
    if (engine_ && interval_ > 0)
        engine_->hold();
}

void Timer::resume() {
    if (!held_)
        return;
    held_ = false;
    if (engine_ && interval_ > 0)
        engine_->resume();
}

void Timer::fire() {
    if (interval_ > 0)
        owner_.dispatch(handler_, this);
}

void Timer::shutdown() {
    interval_ = 0;
    engine_.reset();
}
