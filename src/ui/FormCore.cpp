// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FormCore.h"

#include "state/Words.h"
#include "ui/EventRouter.h"
#include "ui/Game.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

FormCore::FormCore(Game& game, QWidget& window, QStringView name)
    : game_(game)
    , window_(window)
    , name_(name.toString())
    , context_(name_.toUtf8())
    , router_(new EventRouter(*this, &window)) {
    window.setObjectName(name_);
}

FormCore::~FormCore() = default;

void FormCore::markUnloaded() {
    if (unloaded_)
        return;
    unloaded_ = true;
    for (Timer* timer : window_.findChildren<Timer*>())
        timer->shutdown();
    window_.hide();
    if (depth_ == 0)
        window_.deleteLater();
}

void FormCore::dispatch(const std::function<void()>& handler, Timer* timer) {
    if (unloaded_ || game_.ended())
        return;
    if (timer) {
        if (timer->inTick)
            return;
        timer->inTick = true;
    }
    if (game_.handlerStarting)
        game_.handlerStarting(*this);
    const int ticks = timer ? 1 : 0;
    const int clockTicks = timer && timer->gameTime() ? 1 : 0;
    ++depth_;
    ++game_.handlersRunning_;
    game_.ticksRunning_ += ticks;
    game_.clockTicksRunning_ += clockTicks;
    try {
        handler();
    } catch (const HandlerAborted&) {
        // The handler stopped where the world moved on under it.
    }
    game_.clockTicksRunning_ -= clockTicks;
    game_.ticksRunning_ -= ticks;
    --game_.handlersRunning_;
    --depth_;
    if (timer)
        timer->inTick = false;
    if (!game_.ended()) {
        game_.stateMayHaveChanged();
        game_.settle();
    }
    if (unloaded_ && depth_ == 0)
        window_.deleteLater();
}

void FormCore::route(QObject* control, ControlEvent event, std::function<void()> handler) {
    auto dispatched = [this, handler] {
        dispatch(handler);
    };
    switch (event) {
    case ControlEvent::Click:
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QObject::connect(button, &QAbstractButton::clicked, router_, dispatched);
        } else if (auto* action = qobject_cast<QAction*>(control)) {
            QObject::connect(action, &QAction::triggered, router_, dispatched);
        } else {
            // A picture that clicks takes the focus by Tab too, and clicks by Enter or Space.
            if (auto* widget = qobject_cast<QWidget*>(control))
                widget->setFocusPolicy(Qt::StrongFocus);
            router_->routesOf(control).click = std::move(handler);
        }
        return;
    case ControlEvent::MouseMove:
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setMouseTracking(true);
            // The window's background is everything on it that is not a control of its own:
            // frames, pictures and labels follow the pointer too and pass its moves on (Qt
            // drops a bare move over a widget that does not follow the pointer). Buttons keep
            // their moves.
            if (widget == &window_ || widget == background())
                for (QWidget* inside : widget->findChildren<QWidget*>())
                    if (!qobject_cast<QAbstractButton*>(inside))
                        inside->setMouseTracking(true);
        }
        router_->routesOf(control).mouseMove = std::move(handler);
        return;
    case ControlEvent::MouseDown:
        router_->routesOf(control).mouseDown = std::move(handler);
        return;
    case ControlEvent::MouseUp:
        router_->routesOf(control).mouseUp = std::move(handler);
        return;
    case ControlEvent::Change:
        if (auto* line = qobject_cast<QLineEdit*>(control))
            QObject::connect(line, &QLineEdit::textChanged, router_, dispatched);
        else if (auto* text = qobject_cast<QTextEdit*>(control))
            QObject::connect(text, &QTextEdit::textChanged, router_, dispatched);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
            QObject::connect(plain, &QPlainTextEdit::textChanged, router_, dispatched);
        return;
    }
}

void FormCore::routeKeyPress(QLineEdit* box, std::function<void(QChar&)> handler) {
    router_->routesOf(box).keyPress = std::move(handler);
}

void FormCore::routeKeyDown(QObject* target, std::function<void(int)> handler) {
    if (target == &window_)
        router_->setWindowKeys(std::move(handler));
    else
        router_->routesOf(target).keyDown = std::move(handler);
}

bool FormCore::handles(QObject* control, ControlEvent event) const {
    const EventRouter::Routes* routes = router_->find(control);
    if (!routes)
        return false;
    switch (event) {
    case ControlEvent::Click:
        return bool(routes->click);
    case ControlEvent::MouseMove:
        return bool(routes->mouseMove);
    case ControlEvent::MouseDown:
        return bool(routes->mouseDown);
    case ControlEvent::MouseUp:
        return bool(routes->mouseUp);
    case ControlEvent::Change:
        return false; // text boxes change through their own signals
    }
    return false;
}

void FormCore::showField(QLabel* label, QString GameState::*field) {
    const auto show = [this, label, field] {
        const QString text = Words::shown(game_.state.*field);
        if (label->text() != text)
            label->setText(text);
    };
    QObject::connect(&game_, &Game::stateChanged, label, show);
    show();
}

void FormCore::says(QObject* control, const char* property, const char* source) {
    translatable(control, property, context_.constData(), source);
}

void FormCore::languageChanged() {
    retranslate(&window_);
    retranslateUi();
    game_.stateMayHaveChanged();
}

void FormCore::checkStillCurrent(quint64 generation) const {
    if (unloaded_ || game_.ended() || game_.generation() != generation)
        game_.abortHandler();
}

MsgResult FormCore::msg(const QString& text, const QString& title, MsgIcon icon,
                        MsgButtons buttons) {
    const quint64 generation = game_.generation();
    // The player reads the question with the state as it is now behind it.
    game_.stateMayHaveChanged();
    // Time stands while the player reads what the game's time did. A window handles its
    // messages one at a time, so the innermost running handler is the one asking: a tick, or
    // the player's own action (which a tick never interrupts while a message of it waits).
    std::optional<Game::TimeHold> hold;
    if (game_.clockTickRunning())
        hold.emplace(game_);
    QWidget* over = game_.topWindow();
    const MsgResult result =
        game_.platform.message(over ? over : &window_, text, title, icon, buttons,
                               game_.tickRunning() ? MsgCause::Time : MsgCause::Player);
    checkStillCurrent(generation);
    return result;
}

std::optional<QString> FormCore::openFileName(const QString& filter, int filterIndex,
                                              const QString& folder) {
    const quint64 generation = game_.generation();
    auto path = game_.platform.openFileName(&window_, filter, filterIndex, folder);
    checkStillCurrent(generation);
    return path;
}

std::optional<QString> FormCore::saveFileName(const QString& filter, int filterIndex,
                                              const QString& folder) {
    const quint64 generation = game_.generation();
    auto path = game_.platform.saveFileName(&window_, filter, filterIndex, folder);
    checkStillCurrent(generation);
    return path;
}

void FormCore::randomize() {
    game_.platform.randomize();
}
float FormCore::rnd() {
    return game_.platform.rnd();
}
