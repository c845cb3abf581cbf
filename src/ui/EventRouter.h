// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Routes the events of a window's controls to their handlers through the window's dispatch.
// Buttons and menu items use their own signals; everything else comes through this filter,
// which also serves pictures and labels, which have no click signal of their own.
//
// The keyboard reaches what the pointer reaches: the focus entering a control by Tab runs the
// control's MouseMove, so an information panel follows the focus; Enter or Space on a focused
// picture clicks it. A text box's KeyPress sees typed characters and Backspace only: Tab, Enter,
// Escape, Delete and the editing shortcuts keep their usual meaning.

#include <QObject>
#include <QString>

#include <functional>
#include <unordered_map>

class FormCore;
class QKeyEvent;

class EventRouter : public QObject {
public:
    EventRouter(FormCore& form, QObject* parent);

    // The handlers of one control's events.
    struct Routes {
        std::function<void()> click, mouseMove, mouseDown, mouseUp;
        std::function<void(QChar&)> keyPress;
        std::function<void(int)> keyDown;
        bool pressed = false;
    };

    // The control's routes, made (and the control watched) the first time it is routed.
    Routes& routesOf(QObject* control);
    // nullptr for a control that has no route.
    const Routes* find(QObject* control) const;

    // The window's own KeyDown: every key pressed in the window, before the focused control.
    void setWindowKeys(std::function<void(int)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class WindowKeys;

    bool overRoutedChild(QObject* watched, QEvent* event) const;
    bool keyPress(QObject* watched, QKeyEvent* key, Routes& r);
    void forget(QObject* control) { routes_.erase(control); }

    FormCore& form_;
    std::unordered_map<QObject*, Routes> routes_;
    WindowKeys* windowKeys_ = nullptr;
    bool resending_ = false;
};
