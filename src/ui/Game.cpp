#include "ui/Game.h"

#include "ui/FormCore.h"

#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

FormCore* WindowCatalog::make(const QString& name, Game& game) const {
    auto it = factories_.find(name);
    return it == factories_.end() ? nullptr : it->second(game);
}

Game::Game(Platform& desktop, const WindowCatalog& catalog)
    : platform(desktop)
    , catalog_(catalog) {}

Game::~Game() {
    stateView_ = {};
    const auto windows = std::exchange(windows_, {});
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete (*it)->window();
}

void Game::start() {
    load(u"frmMain"_s);
}

FormCore* Game::loaded(const QString& name) const {
    for (FormCore* form : windows_)
        if (form->formName() == name)
            return form;
    return nullptr;
}

FormCore* Game::load(const QString& name) {
    if (FormCore* form = loaded(name))
        return form;
    FormCore* form = catalog_.make(name, *this);
    if (!form)
        return nullptr;
    windows_.push_back(form);
    form->dispatch([form] { form->Form_Load(); });
    return form->isUnloaded() ? nullptr : form;
}

void Game::show(FormCore* form, bool modal) {
    if (form && !form->isUnloaded())
        platform.showWindow(form->window(), modal);
}

FormCore* Game::open(const QString& name, bool modal) {
    FormCore* form = load(name);
    show(form, modal);
    return form;
}

void Game::unload(FormCore* form) {
    auto it = std::find(windows_.begin(), windows_.end(), form);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    if (form == stateViewOwner_)
        setStateView(nullptr, {});
    form->markUnloaded();
}

void Game::unload(const QString& name) {
    if (FormCore* form = loaded(name))
        unload(form);
}

FormCore* Game::handOver(FormCore* from, const QString& to) {
    unload(from);
    return open(to, true);
}

void Game::end() {
    ended_ = true;
    stateView_ = {};
    const auto windows = std::exchange(windows_, {});
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->markUnloaded();
    platform.quit();
    throw HandlerAborted{};
}

void Game::settle() {
    if (windows_.empty() && !ended_) {
        ended_ = true;
        platform.quit();
    }
}

void Game::stateMayHaveChanged() {
    if (stateView_)
        stateView_();
}
