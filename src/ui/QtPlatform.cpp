// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QtPlatform.h"

#include "state/WholeFile.h"
#include "ui/FitScreen.h"
#include "ui/Game.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShortestTick = 16; // ms

class QtTimerEngine : public TimerEngine {
public:
    QtTimerEngine(Timer& timer, bool precise) {
        timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
        QObject::connect(&timer_, &QTimer::timeout, &timer, [this, &timer] {
            // The first tick after a pause came at the time that was left; the next ones
            // come at the interval again.
            if (timer_.interval() != interval_)
                timer_.start(interval_);
            timer.fire();
        });
    }
    // The game's fastest timers (the arcade's arrow buttons at 1 ms, the roulette's counter at
    // 10 ms) were made for a desktop whose timers tick at most every 16 ms or so; at a true
    // millisecond a tap on an arrow throws the paddle to the wall. They tick no faster than that.
    void start(int intervalMs) override {
        interval_ = std::max(intervalMs, ShortestTick);
        timer_.start(interval_);
    }
    void stop() override { timer_.stop(); }
    void hold() override {
        left_ = timer_.isActive() ? std::max(timer_.remainingTime(), 0) : interval_;
        timer_.stop();
    }
    void resume() override { timer_.start(std::max(left_, 1)); }

private:
    QTimer timer_;
    int interval_ = ShortestTick;
    int left_ = 0;
};

QWidget* ownerFor(QWidget* over) {
    // A message over a hidden window (the main window while the start window waits) would sit
    // behind everything; show it over whatever the player sees instead.
    if (over && over->isVisible())
        return over;
    return QApplication::activeWindow();
}

// A message box is as wide as its text; a long title ("Английский язык (English language). Вы
// на 1 Уровене") would be cut short by the window manager. The box is made wide enough for its
// title and the frame's buttons beside it, within the screen.
void fitTitle(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    constexpr int FrameButtons = 140; // px: close, maximise, minimise and the frame's edges
    int wide = QFontMetrics(titleFont).horizontalAdvance(title) + FrameButtons;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wide = std::min(wide, screen->availableGeometry().width() * 4 / 5);
    grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// A message or a window the player did not cause (a tick of the game's time opened it) ignores
// the keys for its first half second: a key typed for the window below would otherwise answer
// something that was never seen.
class KeysIgnored : public QObject {
public:
    static constexpr int IgnoredMs = 500;

    explicit KeysIgnored(QWidget& window)
        : window_(window) {
        shown_.start();
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~KeysIgnored() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == &window_ && shown_.elapsed() < IgnoredMs;
    }

private:
    QWidget& window_;
    QElapsedTimer shown_;
};

// A file dialog asked for by a game key in a place window stands over that window: over the
// main window behind it, the window manager would raise the main window with it and hide the
// place window until the dialog had gone.
QWidget* dialogOwner(QWidget* over) {
    if (QWidget* top = QApplication::activeModalWidget(); top && top->isVisible())
        return top;
    return ownerFor(over);
}

// The settings file QSettings would choose for the program (~/.config/Timburia/Timburia.conf),
// named here so that QSettings reads that file alone, and only once it is known to be fit.
QString settingsPath() {
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = u"Unknown Organization"_s; // as QSettings names it
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           organization + u'/' + QCoreApplication::applicationName() + u".conf"_s;
}

// The settings hold a window's place: a few lines.
constexpr qint64 MaxSettingsSize = 64 * 1024;

} // namespace

// The game's settings, or nothing when the file is not fit to be read: QSettings reads whatever
// stands at its path whole and at once, and would wait for ever on a pipe and fill the memory
// with a sparse file of gigabytes. Such a file is left alone and the windows go where the
// window manager puts them. Its lock file is QSettings' too, and opened by it.
std::unique_ptr<QSettings> QtPlatform::settings() {
    const QString path = settingsPath();
    if (WholeFile::checkRegular(path, MaxSettingsSize) ||
        WholeFile::checkRegular(path + u".lock"_s, MaxSettingsSize))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// Where each window stood when it was last hidden, by window name. A window shown again (the
// main window after a new game or a death, a place visited again) comes back there, kept on
// the screen, rather than wherever the window manager puts a new window. The main window's
// place is kept between runs too, in the game's settings (QSettings): the game's end hides
// every window, so its last place is written as the game ends.
//
// A place is the frame's corner and the frame's width on each side. The window's inside is what
// is put back: a window that has never been on the screen has no frame yet, so Qt can
// only hand a new position to the window manager with a request to place the frame there, which
// a window manager may take for the inside (Openbox does). Every window of the game is new
// after a death or a visit, and crept up by its title bar each time.
class WindowPlaces : public QObject {
public:
    WindowPlaces() {
        if (!placesWindows())
            return;
        const std::unique_ptr<QSettings> settings = QtPlatform::settings();
        if (!settings)
            return;
        const QVariant frame = settings->value(placeKey());
        if (frame.canConvert<QPoint>())
            places_[WindowName::Main.toString()] = {onAnyScreen(frame.toPoint()),
                                                    marginsFrom(settings->value(frameKey()))};
    }

    void watch(QWidget* window) {
        if (!watched_.contains(window)) {
            watched_.insert(window);
            window->installEventFilter(this);
            connect(window, &QObject::destroyed, this, [this, window] { watched_.remove(window); });
        }
    }

    void restore(QWidget* window) const {
        if (!placesWindows())
            return;
        const auto found = places_.find(window->objectName());
        if (found == places_.end())
            return;
        const Place& place = found->second;
        QPoint at = place.corner;
        if (const QScreen* screen = QGuiApplication::screenAt(at + QPoint(1, 1))
                                        ? QGuiApplication::screenAt(at + QPoint(1, 1))
                                        : QGuiApplication::primaryScreen()) {
            const QRect free = screen->availableGeometry();
            // The size the window is about to be shown at: Qt sizes a window that the player
            // has not resized at every show, to its size hint within two thirds of the screen.
            // The size hint alone can be far wider, and would pull the window off its place.
            if (!window->testAttribute(Qt::WA_Resized)) {
                window->adjustSize();
                window->setAttribute(Qt::WA_Resized, false);
            }
            // A window that has no frame on the screen yet will have the one it had.
            const QSize size = window->size().grownBy(place.frame);
            at.setX(std::clamp(at.x(), free.left(),
                               std::max(free.left(), free.right() - size.width())));
            at.setY(std::clamp(at.y(), free.top(),
                               std::max(free.top(), free.bottom() - size.height())));
        }
        // Made now, a new window takes a move as the place of its inside, which every window
        // manager keeps; one that was shown before knows its frame and moves by it.
        window->winId();
        const QPoint inside = at + QPoint(place.frame.left(), place.frame.top());
        window->move(window->pos() + inside - window->geometry().topLeft());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->testAttribute(Qt::WA_WState_Created))
                keep(window);
        }
        return false;
    }

private:
    struct Place {
        QPoint corner;  // the frame's top left corner on the screen
        QMargins frame; // the frame around the window's inside
    };

    // Further than any screen reaches, and near enough that sums of places and sizes stay far
    // inside an int.
    static constexpr int FarAway = 1 << 20;
    // A frame wider than this on any side is not a window's frame.
    static constexpr int WidestFrame = 1000;

    // The settings are a file anyone can edit: a place beyond every screen is brought within
    // reach before anything is added to it.
    static QPoint onAnyScreen(QPoint corner) {
        return {std::clamp(corner.x(), -FarAway, FarAway),
                std::clamp(corner.y(), -FarAway, FarAway)};
    }

    // The frame's widths as the settings keep them: left, top, right and bottom; none when they
    // cannot be a frame.
    static QMargins marginsFrom(const QVariant& widths) {
        const QVariantList list = widths.toList();
        if (list.size() != 4)
            return {};
        const QMargins frame{list[0].toInt(), list[1].toInt(), list[2].toInt(), list[3].toInt()};
        for (int width : {frame.left(), frame.top(), frame.right(), frame.bottom()})
            if (width < 0 || width > WidestFrame)
                return {};
        return frame;
    }

    static QString placeKey() { return u"MainWindow/Place"_s; }
    static QString frameKey() { return u"MainWindow/Frame"_s; }

    // Wayland tells a program neither where its windows are nor lets it put them anywhere:
    // every place would read as the screen's corner, and the next X session's window would
    // open there. Where windows cannot be placed, no place is read or kept.
    static bool placesWindows() { return !QGuiApplication::platformName().startsWith(u"wayland"); }

    void keep(QWidget* window) {
        if (!placesWindows())
            return;
        const QRect outside = window->frameGeometry(), inside = window->geometry();
        const Place place{outside.topLeft(),
                          {inside.left() - outside.left(), inside.top() - outside.top(),
                           outside.right() - inside.right(), outside.bottom() - inside.bottom()}};
        places_[window->objectName()] = place;
        if (window->objectName() == WindowName::Main)
            if (const std::unique_ptr<QSettings> settings = QtPlatform::settings()) {
                settings->setValue(placeKey(), place.corner);
                const QMargins& m = place.frame;
                settings->setValue(frameKey(),
                                   QVariantList{m.left(), m.top(), m.right(), m.bottom()});
            }
    }

    QSet<QWidget*> watched_;
    std::map<QString, Place> places_;
};

QtPlatform::QtPlatform()
    : places_(std::make_unique<WindowPlaces>()) {
    randomize();
}

QtPlatform::~QtPlatform() = default;

MsgResult QtPlatform::message(QWidget* over, const QString& text, const QString& title,
                              MsgIcon icon, MsgButtons buttons, MsgCause cause) {
    QMessageBox box(ownerFor(over));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    fitTitle(box, title);
    std::optional<KeysIgnored> ignored;
    if (cause == MsgCause::Time)
        ignored.emplace(box);
    // Qt's own buttons, so their captions come from Qt's translation ("Да", "Нет").
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return MsgResult::Ok;
}

QString QtPlatform::qtFilter(const QString& filter, int filterIndex, QString* selected) {
    // The game writes filters as "description|pattern|description|pattern".
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        QString description = parts[i];
        if (!description.contains(u'('))
            description += u" ("_s + pattern + u')';
        filters << description;
    }
    if (selected)
        *selected = filters.value(filterIndex > 0 ? filterIndex - 1 : 0);
    return filters.join(u";;"_s);
}

std::optional<QString> QtPlatform::openFileName(QWidget* over, const QString& filter,
                                                int filterIndex, const QString& folder) {
    QString selected;
    const QString qt = qtFilter(filter, filterIndex, &selected);
    const QString path = QFileDialog::getOpenFileName(dialogOwner(over), {}, folder, qt, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFileName(QWidget* over, const QString& filter,
                                                int filterIndex, const QString& folder) {
    QString selected;
    const QString qt = qtFilter(filter, filterIndex, &selected);
    const QString path = QFileDialog::getSaveFileName(dialogOwner(over), {}, folder, qt, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

namespace {
QString recentGamesKey() {
    return u"Files/Recent"_s;
}
QString languageKey() {
    return u"Interface/Language"_s;
}
} // namespace

QStringList QtPlatform::recentGames() {
    const std::unique_ptr<QSettings> settings = QtPlatform::settings();
    return settings ? settings->value(recentGamesKey()).toStringList() : QStringList();
}

void QtPlatform::keepRecentGames(const QStringList& games) {
    if (const std::unique_ptr<QSettings> settings = QtPlatform::settings())
        settings->setValue(recentGamesKey(), games);
}

QString QtPlatform::languageSetting() {
    const std::unique_ptr<QSettings> settings = QtPlatform::settings();
    return settings ? settings->value(languageKey()).toString() : QString();
}

QString QtPlatform::keptLanguage() {
    return languageSetting();
}

void QtPlatform::keepLanguage(const QString& code) {
    if (const std::unique_ptr<QSettings> settings = QtPlatform::settings())
        settings->setValue(languageKey(), code);
}

void QtPlatform::randomize() {
    random_.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::rnd() {
    // 24 random bits make every float in [0, 1) that a draw can give, and never 1.
    return float(random_() >> 8) / float(1 << 24);
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

QDateTime QtPlatform::now() {
    return QDateTime::currentDateTime();
}

QString QtPlatform::dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void QtPlatform::showWindow(QWidget* window, bool modal, QWidget* owner) {
    // Tied to the window it opens over: under X11 Qt would guess as much for a window without
    // a parent, but a Wayland compositor knows only what it is told, and would tile a place
    // beside the main window or bury it underneath.
    if (owner && owner != window) {
        window->winId();
        owner->winId();
        window->windowHandle()->setTransientParent(owner->windowHandle());
    }
    // Too large for the screen it opens on: its content scrolls instead of being cut off.
    const QScreen* screen = owner && owner->screen() ? owner->screen() : window->screen();
    if (!window->isVisible() && screen)
        FitScreen::fit(window, screen->availableGeometry());
    if (window->isVisible() && modal == window->isModal()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (window->isVisible())
        window->hide(); // modality can only change while hidden
    window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    places_->restore(window);
    places_->watch(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtPlatform::ignoreKeysAtFirst(QWidget* window) {
    auto* ignored = new KeysIgnored(*window);
    ignored->setParent(window);
    QTimer::singleShot(KeysIgnored::IgnoredMs, ignored, &QObject::deleteLater);
}

void QtPlatform::activate(QWidget* window) {
    window->raise();
    window->activateWindow();
}

std::unique_ptr<TimerEngine> QtPlatform::createTimerEngine(Timer& timer, bool precise) {
    return std::make_unique<QtTimerEngine>(timer, precise);
}

void QtPlatform::quit() {
    QCoreApplication::quit();
}
