#include "ui/Game.h"

#include "ui/FormCore.h"
#include "ui/Timer.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

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

// The pause key, P (З on a Russian layout), in every window of the game: the place windows are
// modal, so the menu cannot be reached from them. In a text box that takes it, it is a letter.
class Game::PauseKey : public QObject {
public:
    explicit PauseKey(Game& game)
        : QObject(&game)
        , game_(game) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        constexpr int CyrillicZe = 0x0417; // the key P on a Russian layout
        if ((key->key() != Qt::Key_P && key->key() != CyrillicZe) || key->isAutoRepeat() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || takesLetters(widget) || !isGameWindow(widget->window()))
            return false;
        game_.togglePause();
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

    Game& game_;
};

Game::Game(Platform& desktop, const WindowCatalog& catalog)
    : platform(desktop)
    , catalog_(catalog) {
    if (QCoreApplication::instance())
        new PauseKey(*this);
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

void Game::show(FormCore* form, bool modal) {
    if (!form || form->isUnloaded())
        return;
    platform.showWindow(form->window(), modal);
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

void Game::beginNewGame(FormCore& main) {
    ++generation_;
    lifeOver_ = false;
    state.beginNewGame(platform.today());
    setHistory({});
    show(&main, false);
}

void Game::newGame() {
    if (FormCore* main = loaded(WindowName::Main))
        beginNewGame(*main);
    else
        load(WindowName::Main); // its Load begins the game
}

void Game::exitQuestion(FormCore& asking) {
    const quint64 asked = generation_;
    stateMayHaveChanged();
    const MsgResult answer =
        platform.message(asking.window(), u"Вы действительно хотите выйти?"_s, u"Подтвердите"_s,
                         MsgIcon::Question, MsgButtons::YesNo, MsgCause::Player);
    if (answer == MsgResult::Yes && !ended_)
        end();
    if (ended_ || asking.isUnloaded() || generation_ != asked)
        abortHandler();
}

void Game::abortHandler() const {
    Q_ASSERT_X(handlersRunning_ > 0, "Game::abortHandler",
               "a handler may only be stopped inside a window's dispatch");
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
    Q_EMIT historyChanged();
}

void Game::setHistory(History::Days days) {
    history = std::move(days);
    Q_EMIT historyChanged();
}
