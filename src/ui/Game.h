#pragma once
// One running program: the game state, the desktop it runs on and the windows that are loaded.
//
// Windows are made by name from a catalog, so the main window can open a place without
// knowing its class, the scenario runner can open any window, and a place whose window has not
// been written yet simply is not in the catalog.

#include "state/GameState.h"
#include "ui/Platform.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

class FormCore;

class WindowCatalog {
public:
    using Factory = std::function<FormCore*(class Game&)>;
    void add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }
    bool has(const QString& name) const { return factories_.count(name) > 0; }
    FormCore* make(const QString& name, Game& game) const;

private:
    std::map<QString, Factory> factories_;
};

class Game {
public:
    Game(Platform& platform, const WindowCatalog& catalog);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    Platform& platform;

    // Program start: the main window loads and its Load starts a new game.
    void start();

    // The window, loaded (and its Load run) if it was not; nullptr if the game has no such
    // window.
    FormCore* load(const QString& name);
    template <class W> W* load(const QString& name) { return dynamic_cast<W*>(load(name)); }
    void show(FormCore* form, bool modal);
    // load() then show().
    FormCore* open(const QString& name, bool modal = true);
    void unload(FormCore* form);
    void unload(const QString& name);
    // One window gives way to another (venue to machine, lake to hobby, ...).
    FormCore* handOver(FormCore* from, const QString& to);

    FormCore* loaded(const QString& name) const;
    template <class W> W* loaded(const QString& name) const {
        return dynamic_cast<W*>(loaded(name));
    }
    const std::vector<FormCore*>& windows() const { return windows_; }
    bool has(const QString& name) const { return catalog_.has(name); }

    // Bumped by every new game; a handler that waited in a message box across it stops.
    quint64 generation() const { return generation_; }
    void newGameBegins() { ++generation_; }

    // Ends the program at once: every window closes and nothing is saved. Unwinds the handler
    // that asked for it (throws HandlerAborted).
    [[noreturn]] void end();
    bool ended() const { return ended_; }
    // After each event: a program whose last window has been unloaded has ended.
    void settle();

    // Called after every event; the main window shows the state again.
    void stateMayHaveChanged();
    // The window that shows the state; it stops being told once it is unloaded.
    void setStateView(FormCore* owner, std::function<void()> view) {
        stateViewOwner_ = owner;
        stateView_ = std::move(view);
    }

private:
    const WindowCatalog& catalog_;
    std::vector<FormCore*> windows_;
    std::function<void()> stateView_;
    FormCore* stateViewOwner_ = nullptr;
    quint64 generation_ = 0;
    bool ended_ = false;
};
