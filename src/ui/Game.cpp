// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Game.h"

#include "ui/FormCore.h"
#include "ui/Timer.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

FormCore* WindowCatalog::make(QStringView name, Game& game) const {
    auto it = factories_.find(name.toString());
    return it == factories_.end() ? nullptr : it->second(game);
}

QStringList WindowCatalog::names() const {
    QStringList result;
    for (const auto& [name, factory] : factories_)
        result << name;
    return result;
}

namespace {

// Marks a menu item whose key is a game key.
constexpr char GameKeyProperty[] = "timburiaGameKey";

// A letter key on the Russian layout is the Latin letter on the same key, so that the game's
// keys work whichever layout is on (P is З there, Ctrl+S is Ctrl+Ы).
int latinKey(int key) {
    static const std::map<int, int> russian = {
        {u'Й', Qt::Key_Q}, {u'Ц', Qt::Key_W}, {u'У', Qt::Key_E}, {u'К', Qt::Key_R}, // tr:keep
        {u'Е', Qt::Key_T}, {u'Н', Qt::Key_Y}, {u'Г', Qt::Key_U}, {u'Ш', Qt::Key_I}, // tr:keep
        {u'Щ', Qt::Key_O}, {u'З', Qt::Key_P}, {u'Ф', Qt::Key_A}, {u'Ы', Qt::Key_S}, // tr:keep
        {u'В', Qt::Key_D}, {u'А', Qt::Key_F}, {u'П', Qt::Key_G}, {u'Р', Qt::Key_H}, // tr:keep
        {u'О', Qt::Key_J}, {u'Л', Qt::Key_K}, {u'Д', Qt::Key_L}, {u'Я', Qt::Key_Z}, // tr:keep
        {u'Ч', Qt::Key_X}, {u'С', Qt::Key_C}, {u'М', Qt::Key_V}, {u'И', Qt::Key_B}, // tr:keep
        {u'Т', Qt::Key_N}, {u'Ь', Qt::Key_M}};                                      // tr:keep
    const auto found = russian.find(key);
    return found == russian.end() ? key : found->second;
}

} // namespace

// The game's keys in every window of the game (Game::setGameKey). In a text box that takes
// letters, P is a letter; the keys with Ctrl and F1 mean the same there as anywhere.
class Game::GameKeys : public QObject {
public:
    explicit GameKeys(Game& game)
        : QObject(&game)
        , game_(game) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        // A message box or a file dialog is no game window: while one is open it has every key.
        if (key->isAutoRepeat() || !widget || !isGameWindow(widget->window()))
            return false;
        const int pressed = latinKey(key->key());
        const Qt::KeyboardModifiers modifiers =
            key->modifiers() &
            (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
        if (pressed == Qt::Key_P && !(modifiers & ~Qt::ShiftModifier)) {
            if (takesLetters(widget))
                return false;
            game_.togglePause();
            return true;
        }
        QAction* item = menuItemFor(QKeySequence(QKeyCombination(modifiers, Qt::Key(pressed))));
        if (!item)
            return false;
        item->trigger();
        return true;
    }

private:
    static bool takesLetters(const QWidget* widget) {
        if (auto* line = qobject_cast<const QLineEdit*>(widget))
            return !line->isReadOnly();
        if (auto* text = qobject_cast<const QTextEdit*>(widget))
            return !text->isReadOnly();
        if (auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
            return !plain->isReadOnly();
        return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
    }

    bool isGameWindow(const QWidget* window) const {
        for (const FormCore* form : game_.windows())
            if (form->window() == window && !form->isUnloaded())
                return true;
        return false;
    }

    // The main window's item for the key, while the player could use that menu: the main
    // window is loaded and shown (not hidden while the start window offers a new game), and the
    // item is enabled.
    QAction* menuItemFor(const QKeySequence& key) const {
        const FormCore* main = game_.loaded(WindowName::Main);
        if (!main || main->isUnloaded() || !main->window()->isVisible())
            return nullptr;
        for (QAction* item : main->window()->findChildren<QAction*>())
            if (item->property(GameKeyProperty).toBool() && item->shortcut() == key)
                return item->isEnabled() ? item : nullptr;
        return nullptr;
    }

    Game& game_;
};

Game::Game(Platform& desktop, const WindowCatalog& catalog)
    : platform(desktop)
    , catalog_(catalog) {
    if (QCoreApplication::instance())
        new GameKeys(*this);
}

void Game::setGameKey(QAction* item, const QKeySequence& key) {
    item->setShortcut(key);
    // The menu shows the key but never hears it: the game's key filter is the one way the key
    // runs the item, in the main window as in every other.
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setProperty(GameKeyProperty, true);
}

Game::~Game() {
    const auto windows = std::exchange(windows_, {});
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete (*it)->window();
}

void Game::start() {
    load(WindowName::Main);
}

FormCore* Game::loaded(QStringView name) const {
    for (FormCore* form : windows_)
        if (form->formName() == name)
            return form;
    return nullptr;
}

FormCore* Game::load(QStringView name) {
    if (FormCore* form = loaded(name))
        return form;
    FormCore* form = catalog_.make(name, *this);
    if (!form)
        return nullptr;
    windows_.push_back(form);
    form->dispatch([form] { form->Form_Load(); });
    return form->isUnloaded() ? nullptr : form;
}

FormCore* Game::loadOnTop(QStringView name) {
    FormCore* form = loaded(name);
    if (form && form != windows_.back())
        unload(form);
    return load(name);
}

void Game::show(FormCore* form, bool modal) {
    if (!form || form->isUnloaded())
        return;
    // Over the topmost game window that stands (the window it was opened from), else alone.
    QWidget* owner = nullptr;
    for (auto it = windows_.rbegin(); it != windows_.rend() && !owner; ++it)
        if (*it != form && !(*it)->isUnloaded() && (*it)->window()->isVisible())
            owner = (*it)->window();
    platform.showWindow(form->window(), modal, owner);
    if (tickRunning())
        platform.ignoreKeysAtFirst(form->window());
}

FormCore* Game::open(QStringView name, bool modal) {
    FormCore* form = load(name);
    show(form, modal);
    return form;
}

void Game::unload(FormCore* form) {
    auto it = std::find(windows_.begin(), windows_.end(), form);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    form->markUnloaded();
    for (auto above = windows_.rbegin(); above != windows_.rend(); ++above)
        if ((*above)->window()->isVisible()) {
            platform.activate((*above)->window());
            break;
        }
}

FormCore* Game::handOver(FormCore* from, QStringView to) {
    unload(from);
    return open(to, true);
}

void Game::exitQuestion(FormCore& asking) {
    const quint64 asked = generation_;
    stateMayHaveChanged();
    const MsgResult answer =
        platform.message(asking.window(), tr("Вы действительно хотите выйти?"), tr("Подтвердите"),
                         MsgIcon::Question, MsgButtons::YesNo, MsgCause::Player);
    if (answer == MsgResult::Yes && !ended_)
        end();
    if (ended_ || asking.isUnloaded() || generation_ != asked)
        abortHandler();
}

void Game::abortHandler() const {
    // Outside a dispatch nothing would catch the unwinding, in any build: it would run into
    // Qt's event loop. Better to stop here and say why.
    if (handlersRunning_ <= 0)
        qFatal("Game::abortHandler: a handler may only be stopped inside a window's dispatch");
    throw HandlerAborted{};
}

void Game::end() {
    ended_ = true;
    const auto windows = std::exchange(windows_, {});
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->markUnloaded();
    platform.quit();
    abortHandler();
}

void Game::settle() {
    if (windows_.empty() && !ended_) {
        ended_ = true;
        platform.quit();
    }
}

void Game::setPausedByPlayer(bool paused) {
    const bool stood = timeStands();
    pausedByPlayer_ = paused;
    applyHold(stood);
    // The menu's check and the status bar follow the player's pause as well.
    Q_EMIT pauseChanged();
}

void Game::setMinimised(bool minimised) {
    const bool stood = timeStands();
    minimised_ = minimised;
    applyHold(stood);
    Q_EMIT pauseChanged();
}

Game::TimeHold::TimeHold(Game& game)
    : game_(game) {
    const bool stood = game_.timeStands();
    ++game_.timeHeld_;
    game_.applyHold(stood);
}

Game::TimeHold::~TimeHold() {
    const bool stood = game_.timeStands();
    --game_.timeHeld_;
    game_.applyHold(stood);
}

void Game::applyHold(bool stoodBefore) {
    if (timeStands() == stoodBefore)
        return;
    for (FormCore* form : windows_)
        for (Timer* timer : form->window()->findChildren<Timer*>())
            timeStands() ? timer->hold() : timer->resume();
}

void Game::setSpeed(int speed) {
    speed_ = speed;
    Q_EMIT speedChanged();
}

QWidget* Game::topWindow() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (!(*it)->isUnloaded() && (*it)->window()->isVisible())
            return (*it)->window();
    return nullptr;
}

void Game::recordDay(History::Day day) {
    history.push_back(std::move(day));
    Q_EMIT dayRecorded();
}

void Game::setHistory(History::Days days) {
    history = std::move(days);
    Q_EMIT historyReplaced();
}
