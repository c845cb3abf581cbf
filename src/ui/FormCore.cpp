#include "ui/FormCore.h"

#include "ui/Game.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <vector>

// Routes the events of a window's controls to their handlers through the window's dispatch.
// Buttons and menu items use their own signals; everything else comes through this filter,
// which also serves pictures and labels, which have no click signal of their own.
//
// The keyboard reaches what the pointer reaches: the focus entering a control by Tab runs the
// control's MouseMove, so an information panel follows the focus; Enter or Space on a focused
// picture clicks it. A text box's KeyPress sees typed characters and Backspace only: Tab, Enter,
// Escape, Delete and the editing shortcuts keep their usual meaning.
class FormCore::EventRouter : public QObject {
public:
    EventRouter(FormCore& form, QObject* parent)
        : QObject(parent)
        , form_(form) {}

    struct Routes {
        std::function<void()> click, mouseMove, mouseDown, mouseUp;
        std::function<void(QChar&)> keyPress;
        std::function<void(int)> keyDown;
        bool pressed = false;
    };

    Routes& routesOf(QObject* control) {
        auto it = routes_.find(control);
        if (it == routes_.end()) {
            it = routes_.emplace(control, Routes{}).first;
            control->installEventFilter(this);
            connect(control, &QObject::destroyed, this, &EventRouter::forget);
        }
        return it->second;
    }

    void setWindowKeys(std::function<void(int)> handler);

    const Routes* find(QObject* control) const {
        auto it = routes_.find(control);
        return it == routes_.end() ? nullptr : &it->second;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto it = routes_.find(watched);
        if (it == routes_.end())
            return false;
        Routes& r = it->second;
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (r.mouseMove && !overRoutedChild(watched, event))
                form_.dispatch(r.mouseMove);
            break;
        case QEvent::MouseButtonPress:
            r.pressed = true;
            if (r.mouseDown)
                form_.dispatch(r.mouseDown);
            break;
        case QEvent::MouseButtonRelease: {
            const bool wasPressed = std::exchange(r.pressed, false);
            if (r.mouseUp)
                form_.dispatch(r.mouseUp);
            // Buttons click through their own signal; a picture or label clicks here.
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = qobject_cast<QWidget*>(watched);
            if (wasPressed && r.click && !qobject_cast<QAbstractButton*>(watched) && widget &&
                widget->rect().contains(mouse->position().toPoint()))
                form_.dispatch(r.click);
            break;
        }
        case QEvent::FocusIn:
            // A dialog being shown tells itself it has the focus; that is no control's.
            if (r.mouseMove && watched != form_.window() &&
                byKeyboard(static_cast<QFocusEvent*>(event)->reason()))
                form_.dispatch(r.mouseMove);
            break;
        case QEvent::KeyPress:
            return keyPress(watched, static_cast<QKeyEvent*>(event), r);
        default:
            break;
        }
        return false;
    }

private:
    // A move over a control that has its own MouseMove belongs to that control; Qt passes it
    // on to the parent as well, where it must not count as a move over the background.
    bool overRoutedChild(QObject* watched, QEvent* event) const {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        const QPointF at = event->type() == QEvent::Enter
                               ? static_cast<QEnterEvent*>(event)->position()
                               : static_cast<QMouseEvent*>(event)->position();
        for (QWidget* child = widget->childAt(at.toPoint()); child && child != widget;
             child = child->parentWidget()) {
            // A disabled control passes the pointer on to what lies under it.
            auto it = routes_.find(child);
            if (it != routes_.end() && it->second.mouseMove && child->isEnabled())
                return true;
        }
        return false;
    }

    bool keyPress(QObject* watched, QKeyEvent* key, Routes& r) {
        if (r.keyDown) {
            const int code = key->key();
            form_.dispatch([&r, code] { r.keyDown(code); });
        }
        if (r.click && !qobject_cast<QAbstractButton*>(watched) && !key->isAutoRepeat() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
             key->key() == Qt::Key_Space)) {
            form_.dispatch(r.click);
            return true;
        }
        if (!r.keyPress || resending_ || !isTyped(key))
            return false;
        const QChar original = key->text().front();
        QChar changed = original;
        bool handled = false;
        form_.dispatch([&] {
            r.keyPress(changed);
            handled = true;
        });
        if (!handled || changed.isNull())
            return true; // the handler dropped the key
        if (changed == original)
            return false;
        QKeyEvent substitute(QEvent::KeyPress, Qt::Key_unknown, key->modifiers(), QString(changed));
        resending_ = true;
        QCoreApplication::sendEvent(watched, &substitute);
        resending_ = false;
        return true;
    }

    // The player moved the focus there (a window that opens and focuses its first control is
    // not the player pointing at it).
    static bool byKeyboard(Qt::FocusReason reason) {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
    }

    // A character the player typed, or Backspace; not a key that moves, deletes or commands.
    static bool isTyped(const QKeyEvent* key) {
        if (key->text().size() != 1 ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        const QChar c = key->text().front();
        return c == u'\b' || c.isPrint();
    }

    void forget(QObject* control) { routes_.erase(control); }

    FormCore& form_;
    std::unordered_map<QObject*, Routes> routes_;
    class WindowKeys;
    WindowKeys* windowKeys_ = nullptr;
    bool resending_ = false;
};

// The window's own KeyDown sees every key pressed in the window, before the control with the
// focus does (the paddle game's arrows reach it whatever button has the focus).
class FormCore::EventRouter::WindowKeys : public QObject {
public:
    WindowKeys(FormCore& form, QObject* parent)
        : QObject(parent)
        , form_(form) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    std::function<void(int)> handler;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != form_.window())
            return false;
        if (type == QEvent::KeyRelease) {
            pressSeen_ = false;
        } else if (!pressSeen_) {
            // A key the focused control passes on comes here again on its way up; it counts
            // once, until the key is released.
            pressSeen_ = true;
            const int code = static_cast<QKeyEvent*>(event)->key();
            form_.dispatch([this, code] { handler(code); });
        }
        return false;
    }

private:
    FormCore& form_;
    bool pressSeen_ = false;
};

void FormCore::EventRouter::setWindowKeys(std::function<void(int)> handler) {
    if (!windowKeys_)
        windowKeys_ = new WindowKeys(form_, this);
    windowKeys_->handler = std::move(handler);
}

FormCore::FormCore(Game& game, QWidget& window, QStringView name)
    : game_(game)
    , window_(window)
    , name_(name.toString())
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
        const QString& text = game_.state.*field;
        if (label->text() != text)
            label->setText(text);
    };
    QObject::connect(&game_, &Game::stateChanged, label, show);
    show();
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
