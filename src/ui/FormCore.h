#pragma once
// What every window of the game shares, whether it is a dialog (Form) or the main window.
//
// Every event reaches its handler through dispatch(), which is where the window-wide rules
// live:
//  - after each handler the main window is told that the state may have changed, so every
//    window's change shows at once;
//  - a tick that arrives while an earlier tick of the same timer still waits in a message box
//    is skipped;
//  - a handler that comes back from a message box (or a file dialog) during which its window
//    was unloaded, a new game began or the program ended stops right there and touches
//    nothing: msg() throws HandlerAborted, which dispatch() catches.
// A window unloaded while one of its handlers is still on the stack is deleted only once that
// handler has returned.

#include "ui/Platform.h"

#include <QString>

#include <functional>
#include <optional>
#include <unordered_map>

class Game;
class QObject;
class QWidget;
class QLineEdit;
class Timer;

struct HandlerAborted {};

enum class ControlEvent { Click, MouseMove, MouseDown, MouseUp, Change };

class FormCore {
public:
    FormCore(Game& game, QWidget& window, const QString& name);
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

    template <class W> void onClick(QObject* control, void (W::*handler)()) {
        route(control, ControlEvent::Click, bound(handler));
    }
    template <class W> void onMouseMove(QObject* control, void (W::*handler)()) {
        route(control, ControlEvent::MouseMove, bound(handler));
    }
    template <class W> void onMouseDown(QObject* control, void (W::*handler)()) {
        route(control, ControlEvent::MouseDown, bound(handler));
    }
    template <class W> void onMouseUp(QObject* control, void (W::*handler)()) {
        route(control, ControlEvent::MouseUp, bound(handler));
    }
    template <class W> void onChange(QObject* control, void (W::*handler)()) {
        route(control, ControlEvent::Change, bound(handler));
    }

    // A message box over this window. Throws HandlerAborted when the world moved on meanwhile.
    MsgResult msg(const QString& text, const QString& title, MsgIcon icon = MsgIcon::None,
                  MsgButtons buttons = MsgButtons::Ok);
    bool ask(const QString& text, const QString& title) {
        return msg(text, title, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
    }
    std::optional<QString> openFileName(const QString& filter, int filterIndex);
    std::optional<QString> saveFileName(const QString& filter, int filterIndex);

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

    // Throws HandlerAborted when a blocking call returned into a world that moved on.
    void checkStillCurrent(quint64 generation) const;

private:
    class EventRouter;
    Game& game_;
    QWidget& window_;
    QString name_;
    EventRouter* router_;
    int depth_ = 0;
    bool unloaded_ = false;
};
