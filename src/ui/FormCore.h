// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every window of the game shares, whether it is a dialog (Form) or the main window.
//
// Every event reaches its handler through dispatch(), which is where the window-wide rules
// live:
//  - after each handler, and before each message box, the game tells every window that shows
//    the state that it may have changed, so a change shows at once;
//  - a tick that arrives while an earlier tick of the same timer still waits in a message box
//    is skipped;
//  - a handler that comes back from a message box (or a file dialog) during which its window
//    was unloaded, a new game began or the program ended stops right there and touches
//    nothing: msg() stops it through Game::abortHandler(), and dispatch() catches that.
// A window unloaded while one of its handlers is still on the stack is deleted only once that
// handler has returned.

#include "ui/Platform.h"
#include "ui/Translation.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <unordered_map>

class EventRouter;
class Game;
class QObject;
class QWidget;
class QLabel;
class QLineEdit;
class Timer;
struct GameState;

enum class ControlEvent { Click, MouseMove, MouseDown, MouseUp, Change };

class FormCore;

// Effects for a rule run from a window: its message boxes stand over the window and stop the
// handler when the world moved on meanwhile. A rule with effects of its own derives from this
// with its interface: FormEffects<Life::Effects>.
template <class Rules> class FormEffects : public Rules {
public:
    explicit FormEffects(FormCore& form)
        : form_(form) {}
    void say(const QString& text, const QString& title, MsgIcon icon) override;
    bool ask(const QString& text, const QString& title) override;
    void randomize() override;
    float rnd() override;

protected:
    FormCore& form_;
};

class FormCore {
public:
    FormCore(Game& game, QWidget& window, QStringView name);
    virtual ~FormCore();
    FormCore(const FormCore&) = delete;
    FormCore& operator=(const FormCore&) = delete;

    const QString& formName() const { return name_; }
    QWidget* window() const { return &window_; }
    // Where pointer moves over the window's background arrive.
    virtual QWidget* background() const { return &window_; }
    Game& game() const { return game_; }

    virtual void Form_Load() {}

    bool isUnloaded() const { return unloaded_; }
    // The game has let go of this window: it is hidden, and deleted once no handler of it is
    // running any more.
    void markUnloaded();

    // Runs one event handler under the rules above; timer is set for a timer's tick.
    void dispatch(const std::function<void()>& handler, Timer* timer = nullptr);

    // Routes an event of a control (or of the window itself) to a handler.
    void route(QObject* control, ControlEvent event, std::function<void()> handler);
    // KeyPress of a text box: the handler may change the key, or set it to QChar() to drop it.
    void routeKeyPress(QLineEdit* box, std::function<void(QChar&)> handler);
    // KeyDown of a control or window: the handler gets the Qt key code.
    void routeKeyDown(QObject* target, std::function<void(int)> handler);
    // Whether a control that is not a button has a handler for the event (a picture or label
    // that clicks, a panel that follows the pointer): what a player can do with it.
    bool handles(QObject* control, ControlEvent event) const;

    // Each takes a member function of the window (&frmX::cmdOK_Click) or any callable (a
    // lambda for controls made in a loop).
    template <class H> void onClick(QObject* control, H handler) {
        route(control, ControlEvent::Click, bound(handler));
    }
    template <class H> void onMouseMove(QObject* control, H handler) {
        route(control, ControlEvent::MouseMove, bound(handler));
    }
    template <class H> void onMouseDown(QObject* control, H handler) {
        route(control, ControlEvent::MouseDown, bound(handler));
    }
    template <class H> void onMouseUp(QObject* control, H handler) {
        route(control, ControlEvent::MouseUp, bound(handler));
    }
    template <class H> void onChange(QObject* control, H handler) {
        route(control, ControlEvent::Change, bound(handler));
    }

    // The label shows the field of the game state from now on, following every change (the
    // main window's clock and life update change the state while a place is open), in the
    // player's language.
    void showField(QLabel* label, QString GameState::*field);

    // The control shows the window's text `source` (its text, a group box's title, the
    // window's title) in the player's language, now and after every change of language. The
    // source is marked QT_TR_NOOP in the window's class, whose name is the window's name.
    template <class T> T* says(T* control, const char* source) {
        says(control, textProperty(control), source);
        return control;
    }
    // The same for another property: "toolTip", "accessibleName", "placeholderText", ...
    void says(QObject* control, const char* property, const char* source);
    // The language changed: every control's text, then the window's own drawing, then every
    // window from the state, in the new language.
    void languageChanged();

    // A message box over this window. Stops the handler when the world moved on meanwhile.
    MsgResult msg(const QString& text, const QString& title, MsgIcon icon = MsgIcon::None,
                  MsgButtons buttons = MsgButtons::Ok);
    bool ask(const QString& text, const QString& title) {
        return msg(text, title, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
    }
    std::optional<QString> openFileName(const QString& filter, int filterIndex,
                                        const QString& folder = {});
    std::optional<QString> saveFileName(const QString& filter, int filterIndex,
                                        const QString& folder = {});

    // The random source: reseed from the clock, then a uniform draw in [0, 1).
    void randomize();
    float rnd();

protected:
    template <class W> std::function<void()> bound(void (W::*handler)()) {
        W* self = static_cast<W*>(this);
        return [self, handler] {
            (self->*handler)();
        };
    }
    template <class F> std::function<void()> bound(F handler) {
        return std::function<void()>(std::move(handler));
    }

    // Texts the window set itself (a result, a text drawn from its model), made again in the
    // new language. The controls' fixed texts and the state's fields need nothing here.
    virtual void retranslateUi() {}

    // The rules' view of this window: message boxes over it and the random source.
    Effects& effects() { return effects_; }

    // Stops the handler when a blocking call returned into a world that moved on.
    void checkStillCurrent(quint64 generation) const;

private:
    Game& game_;
    FormEffects<Effects> effects_{*this};
    QWidget& window_;
    QString name_;
    QByteArray context_;
    EventRouter* router_;
    int depth_ = 0;
    bool unloaded_ = false;
};

template <class Rules>
void FormEffects<Rules>::say(const QString& text, const QString& title, MsgIcon icon) {
    form_.msg(text, title, icon);
}
template <class Rules> bool FormEffects<Rules>::ask(const QString& text, const QString& title) {
    return form_.ask(text, title);
}
template <class Rules> void FormEffects<Rules>::randomize() {
    form_.randomize();
}
template <class Rules> float FormEffects<Rules>::rnd() {
    return form_.rnd();
}
