// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EventRouter.h"

#include "ui/FormCore.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace {

// The player moved the focus there (a window that opens and focuses its first control is
// not the player pointing at it).
bool byKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
}

// A character the player typed, or Backspace; not a key that moves, deletes or commands.
bool isTyped(const QKeyEvent* key) {
    if (key->text().size() != 1 ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QChar c = key->text().front();
    return c == u'\b' || c.isPrint();
}

} // namespace

// The window's own KeyDown sees every key pressed in the window, before the control with the
// focus does (the paddle game's arrows reach it whatever button has the focus).
class EventRouter::WindowKeys : public QObject {
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

EventRouter::EventRouter(FormCore& form, QObject* parent)
    : QObject(parent)
    , form_(form) {}

EventRouter::Routes& EventRouter::routesOf(QObject* control) {
    auto it = routes_.find(control);
    if (it == routes_.end()) {
        it = routes_.emplace(control, Routes{}).first;
        control->installEventFilter(this);
        connect(control, &QObject::destroyed, this, &EventRouter::forget);
    }
    return it->second;
}

const EventRouter::Routes* EventRouter::find(QObject* control) const {
    auto it = routes_.find(control);
    return it == routes_.end() ? nullptr : &it->second;
}

void EventRouter::setWindowKeys(std::function<void(int)> handler) {
    if (!windowKeys_)
        windowKeys_ = new WindowKeys(form_, this);
    windowKeys_->handler = std::move(handler);
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
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

// A move over a control that has its own MouseMove belongs to that control; Qt passes it on to
// the parent as well, where it must not count as a move over the background.
bool EventRouter::overRoutedChild(QObject* watched, QEvent* event) const {
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

bool EventRouter::keyPress(QObject* watched, QKeyEvent* key, Routes& r) {
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
