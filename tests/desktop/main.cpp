// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-desktop: the game's windows under a real X server (run it with xvfb-run), checked
// where headless scenarios cannot look: the titles the window system shows, Qt's own Russian
// buttons, and a main window that keeps its size and its place on the screen, in a run and
// from one run to the next.
// Prints one line per failed check and closes with "N passed, N failed".

#include "DesktopGame.h"
#include "app/Application.h"
#include "app/GameWindows.h"
#include "core/frmFirst.h"
#include "core/frmMain.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/QtPlatform.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

using Checks::check;
using Checks::settle;

namespace {

// The title the window system holds for the window, as a window manager would show it.
QString shownTitle(QWidget* window) {
    settle();
    QProcess xprop;
    xprop.start(u"xprop"_s,
                {u"-id"_s, QString::number(window->winId()), u"-notype"_s, u"_NET_WM_NAME"_s});
    if (!xprop.waitForFinished(10000))
        return u"(xprop did not answer)"_s;
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = line.indexOf(u'"');
    return open < 0 ? line : line.mid(open + 1).chopped(1);
}

// A property of a window as the window system holds it.
QString xprop(QWidget* window, const QString& property) {
    settle();
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), property});
    if (!xprop.waitForFinished(10000))
        return u"(xprop did not answer)"_s;
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// The windows, bottom first, in the order the X server stacks them.
QString stacking(const QList<QWidget*>& windows) {
    settle();
    QProcess tree;
    tree.start(u"xwininfo"_s, {u"-root"_s, u"-children"_s});
    if (!tree.waitForFinished(10000))
        return u"(xwininfo did not answer)"_s;
    // xwininfo lists the root's children top first.
    QStringList order;
    const QStringList lines = QString::fromUtf8(tree.readAllStandardOutput()).split(u'\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        for (QWidget* window : windows)
            if (line->trimmed().startsWith(u"0x"_s + QString::number(window->winId(), 16) + u' '))
                order << window->objectName();
    return order.join(u' ');
}

} // namespace

int main(int argc, char* argv[]) {
    // The game's settings go to a folder of the test's own, never to the player's.
    QTemporaryDir home;
    Checks::useHome(home);
    QApplication app(argc, argv);
    setUpApplication(app, u"ru"_s);
    check(QSettings().fileName().startsWith(home.path()), u"the settings are the test's own"_s,
          QSettings().fileName());

    Checks::DesktopGame started;
    QtPlatform& platform = started.platform;
    Game& game = started.game;
    const WindowCatalog& windows = started.windows;
    frmMain* main = started.main;
    if (!main)
        return 1;

    const QString mainTitle = shownTitle(main);
    check(mainTitle == u"Тимбурия", u"the main window's title is exactly \"Тимбурия\""_s,
          mainTitle);
    FormCore* bank = game.open(u"frmBank"_s);
    const QString bankTitle = shownTitle(bank->window());
    check(bankTitle == u"Банк", u"the bank's title is exactly \"Банк\""_s, bankTitle);
    game.unload(bank);
    settle();
    // Without a window manager too, the keyboard comes back to the main window.
    check(QApplication::activeWindow() == main, u"the main window has the keyboard again"_s);
    GameState& s = game.state;

    // The places open with the keyboard on their back button, and no button is the default
    // one that Enter would press from anywhere: Enter as a place opens leaves it, and buys
    // nothing. (The bank's amount box used to take the focus; the flat and the shop made their
    // first buy button the default.)
    s.lblMoney = u"5000"_s;
    // A message that Enter brought up would wait for an answer for ever: it is noted and closed.
    QString unexpected;
    QTimer closing;
    closing.setInterval(100);
    QObject::connect(&closing, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unexpected += box->text() + u' ';
            box->done(0);
        }
    });
    closing.start();
    for (const QString& name : {u"frmFlat"_s, u"frmShop"_s, u"frmBank"_s, u"frmWork"_s}) {
        FormCore* place = game.open(name);
        settle();
        QWidget* focus = QApplication::focusWidget();
        check(QApplication::activeWindow() == place->window(), name + u" has the keyboard"_s);
        check(focus && focus->objectName() == u"cmdBack", name + u" opens on its back button"_s,
              focus ? focus->objectName() : u"(no focus)"_s);
        QStringList defaults;
        for (const QPushButton* button : place->window()->findChildren<QPushButton*>())
            if (button->isDefault() || button->autoDefault())
                defaults << button->objectName();
        check(defaults.isEmpty(), name + u" has no default button"_s, defaults.join(u' '));
        if (focus) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
            QCoreApplication::sendEvent(focus, &enter);
        }
        settle();
        check(!game.loaded(name), u"Enter leaves "_s + name);
        check(s.lblMoney == u"5000" && s.lblMyWork == u"Пока нет",
              u"Enter in "_s + name + u" buys nothing"_s, s.lblMoney + u' ' + s.lblMyWork);
        if (game.loaded(name))
            game.unload(game.loaded(name));
    }
    closing.stop();
    check(unexpected.isEmpty(), u"Enter as a place opens shows no message"_s, unexpected);

    // A question: its title as shown, and Qt's own buttons in Russian.
    QString boxTitle, buttons;
    // Looked at once it is up; until then, looked for again a moment later.
    QTimer answering;
    answering.setInterval(100);
    QObject::connect(&answering, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answering.stop();
        boxTitle = shownTitle(box);
        for (QAbstractButton* button : box->buttons())
            buttons += button->text().remove(u'&') + u' ';
        box->button(QMessageBox::Yes)->click();
    });
    answering.start();
    const MsgResult answer =
        platform.message(main, u"Вы действительно хотите начать новую игру?"_s, u"Подтвердите"_s,
                         MsgIcon::Question, MsgButtons::YesNo, MsgCause::Player);
    check(answer == MsgResult::Yes, u"the question answers Yes"_s);
    check(boxTitle == u"Подтвердите", u"the question's title is exactly \"Подтвердите\""_s,
          boxTitle);
    check(buttons.contains(u"Да") && buttons.contains(u"Нет"),
          u"the question's buttons are Qt's \"Да\" and \"Нет\""_s, buttons);

    // A message of the life update while the arcade is open stands over the arcade, never
    // over the main window: a window manager raises the window a message belongs to.
    {
        FormCore* arcade = game.open(u"frmAr"_s);
        settle();
        // The place is tied to the main window it opened over, as every window system is told.
        const QString mainId = u"0x"_s + QString::number(main->winId(), 16);
        check(arcade->window()->windowHandle()->transientParent() == main->windowHandle() &&
                  xprop(arcade->window(), u"WM_TRANSIENT_FOR"_s).endsWith(mainId),
              u"the arcade belongs to the main window"_s,
              xprop(arcade->window(), u"WM_TRANSIENT_FOR"_s) + u", the main window is "_s + mainId);
        GameState& state = game.state;
        state.lblStatus = u"Чайник"_s;
        state.lblCom = u"9"_s;
        state.lblCCost = u"4"_s;
        QString owner, order;
        QTimer looking;
        looking.setInterval(100);
        QObject::connect(&looking, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            looking.stop();
            owner = xprop(box, u"WM_TRANSIENT_FOR"_s);
            order = stacking({main, arcade->window()});
            box->button(QMessageBox::Ok)->click();
        });
        looking.start();
        main->Timer1->setInterval(18000);
        main->Timer1->fire();
        main->Timer1->setInterval(0);
        check(state.lblStatus == u"Любитель", u"the life update raised the status"_s,
              state.lblStatus);
        const QString arcadeId = u"0x"_s + QString::number(arcade->window()->winId(), 16);
        check(owner.endsWith(arcadeId), u"the life update's message belongs to the arcade"_s,
              owner + u", the arcade is "_s + arcadeId);
        check(order == u"frmMain frmAr", u"the arcade stays above the main window"_s, order);
        game.unload(arcade);
        settle();
    }

    // A message the player did not cause ignores the keys for its first half second: the Enter
    // meant for the window below does not answer it; one pressed later does.
    {
        int wide = 0;
        bool closedEarly = false;
        const QString title = u"Английский язык (English language). Вы на 1 Уровене"_s;
        QElapsedTimer open;
        QTimer pressing;
        pressing.setInterval(50);
        QObject::connect(&pressing, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (wide == 0)
                wide = box->width();
            // Counted from before the message was asked for: never less than it has been up.
            const qint64 at = open.elapsed();
            QWidget* to = box->focusWidget() ? box->focusWidget() : box;
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
            QApplication::sendEvent(to, &enter);
            closedEarly = closedEarly || (at < 450 && !box->isVisible());
        });
        pressing.start();
        open.start();
        platform.message(main, u"Вы перешли на 1 уровень. "_s, title, MsgIcon::Exclamation,
                         MsgButtons::Ok, MsgCause::Time);
        pressing.stop();
        check(!closedEarly, u"Enter in the first moments leaves the message open"_s);
        check(open.elapsed() >= 500, u"the message took a key only after half a second"_s,
              QString::number(open.elapsed()));
        // A short text under a long title: the box is as wide as the title, so that a window
        // manager shows all of it.
        check(wide > main->fontMetrics().horizontalAdvance(title),
              u"the message is as wide as its title"_s, QString::number(wide));
    }

    // The virus alarm that the life update brings ignores the keys for its first half second
    // too: a key meant for the window the player was in does not answer it.
    {
        GameState& state = game.state;
        for (QString GameState::*part :
             {&GameState::lblComp, &GameState::lblMonitor, &GameState::lblVinchester,
              &GameState::lblRAM, &GameState::lblSystem})
            state.*part = u"есть"_s;
        state.lblVir = u"9"_s;
        QElapsedTimer since;
        since.start();
        main->Timer1->setInterval(18000);
        main->Timer1->fire();
        main->Timer1->setInterval(0);
        FormCore* virus = game.loaded(u"frmVirus"_s);
        check(virus != nullptr, u"the life update brought a virus"_s);
        if (virus) {
            // An answer would bring a message: noted and closed, so the check goes on.
            QString answered;
            QTimer boxCloser;
            boxCloser.setInterval(50);
            QObject::connect(&boxCloser, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    answered = box->windowTitle();
                    box->button(QMessageBox::Ok)->click();
                }
            });
            boxCloser.start();
            // Tab onto an answer and Enter, as a player typing elsewhere might.
            for (int key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space}) {
                QWidget* window = virus->window();
                QWidget* to = window->focusWidget() ? window->focusWidget() : window;
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
                QApplication::sendEvent(to, &press);
                QApplication::sendEvent(to, &release);
            }
            // On a machine too busy to send them within the first moment, nothing is shown.
            const bool inTime = since.elapsed() < 450;
            settle();
            check(!inTime || (game.loaded(u"frmVirus"_s) == virus && answered.isEmpty()),
                  u"keys in the virus alarm's first moment answer nothing"_s, answered);
            game.unload(virus);
            settle();
        }
    }

    // The main window keeps its width as the names it shows change.
    const int width = main->width();
    for (auto [car, system, clothes] :
         {std::tuple{u"Mercedes"_s, u"W2000"_s, u"Футболка и т.д."_s},
          std::tuple{u"Девятка 21093"_s, u"W3.11"_s, u"Спорт.костюм"_s},
          std::tuple{u"Нет машины"_s, u"Пока нет"_s, u"Посл.моды"_s}}) {
        s.lblCar = car;
        s.lblSystem = system;
        s.lblClothes = clothes;
        s.lblComp = u"Pentium III 800"_s;
        s.lblVideoKarta = u"64Mb Geforce2 MX"_s;
        s.lblStatus = u"Сверх профессионал"_s;
        game.stateMayHaveChanged();
        settle();
        check(main->width() == width, u"the main window keeps its width with "_s + car,
              QString::number(main->width()) + u" after "_s + QString::number(width));
    }

    // Hidden for a new game and shown again, it comes back where it was, and on the screen.
    const QRect free = main->screen()->availableGeometry();
    const QPoint place = free.topLeft() + QPoint(40, 30);
    main->move(place);
    settle();
    main->hide();
    settle();
    game.session.beginNewGame(*main);
    settle();
    check(main->isVisible() && main->pos() == place, u"the main window comes back where it was"_s,
          u"%1,%2 %3x%4"_s.arg(main->x()).arg(main->y()).arg(main->width()).arg(main->height()));
    main->move(free.left() + 10, free.bottom() - 40);
    settle();
    main->hide();
    settle();
    game.session.beginNewGame(*main);
    settle();
    check(main->frameGeometry().bottom() <= free.bottom() && main->y() >= free.top(),
          u"a main window left at the screen's edge comes back on the screen"_s,
          u"%1,%2 %3x%4"_s.arg(main->x()).arg(main->y()).arg(main->width()).arg(main->height()));

    // Left at a place as the game ends, it opens there in the next run; a place that is off
    // the screen by then comes back on it.
    const QPoint kept = free.topLeft() + QPoint(70, 50);
    main->move(kept);
    settle();
    main->hide(); // as the game's end hides every window
    settle();
    const auto nextRun = [&windows](const QString& what, const std::function<bool(QWidget*)>& ok) {
        QtPlatform again;
        Game next(again, windows);
        next.start();
        auto* shown = next.loaded<frmMain>();
        shown->tmrTime->setInterval(0);
        shown->Timer1->setInterval(0);
        settle();
        check(shown->isVisible() && ok(shown), what,
              u"%1,%2 %3x%4"_s.arg(shown->x())
                  .arg(shown->y())
                  .arg(shown->width())
                  .arg(shown->height()));
    };
    nextRun(u"the main window opens in the next run where it was left"_s,
            [&](QWidget* shown) { return shown->pos() == kept; });
    QSettings().setValue(u"MainWindow/Place"_s, QPoint(5000, -3000));
    nextRun(u"a main window left off the screen opens on it in the next run"_s,
            [&](QWidget* shown) { return free.contains(shown->frameGeometry()); });
    // The settings are a file anyone can edit: a place at the very end of the numbers, with a
    // frame as wide, still opens on the screen, and nothing on the way there overflows.
    QSettings().setValue(u"MainWindow/Place"_s, QPoint(INT_MAX, INT_MAX));
    QSettings().setValue(u"MainWindow/Frame"_s, QVariantList{INT_MAX, INT_MAX, INT_MAX, INT_MAX});
    nextRun(u"a main window placed at the end of the numbers opens on the screen"_s,
            [&](QWidget* shown) { return free.contains(shown->frameGeometry()); });
    // A pipe as the settings file would hold the game for ever in QSettings: it is passed over
    // and the window opens as on a first run. Should it wait after all, the test says so and
    // ends rather than waiting with it.
    {
        const QString settingsFile = QSettings().fileName();
        QFile::remove(settingsFile);
        check(::mkfifo(QFile::encodeName(settingsFile).constData(), 0600) == 0,
              u"a pipe stands as the settings file"_s);
        std::promise<void> opened;
        std::thread watchdog([done = opened.get_future()]() mutable {
            if (done.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
                std::printf("FAIL a pipe as the settings file holds the game\n");
                std::fflush(stdout);
                std::_Exit(1);
            }
        });
        nextRun(u"a pipe as the settings file is passed over"_s,
                [&](QWidget* shown) { return free.contains(shown->frameGeometry()); });
        opened.set_value();
        watchdog.join();
        QFile::remove(settingsFile);
    }

    // A death unloads the main window; the start window's OK makes a new one, which opens
    // where the old one stood, even near the screen's far corner: a window that has not been
    // shown yet is not as wide as it would like to be (a third of the screen stays free).
    {
        game.session.beginNewGame(*main); // shown again after the game's end above
        settle();
        const QPoint beforeDeath =
            free.bottomRight() - QPoint(20, 20) -
            QPoint(main->frameGeometry().width(), main->frameGeometry().height());
        main->move(beforeDeath);
        settle();
        QTimer reading;
        reading.setInterval(100);
        QObject::connect(&reading, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                reading.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        reading.start();
        game.state.lblHungry = u"-31"_s;
        main->Timer1->setInterval(18000);
        main->Timer1->fire();
        settle();
        auto* first = game.loaded<frmFirst>();
        check(first && !game.loaded<frmMain>(), u"a death leaves the start window alone"_s);
        if (first)
            first->cmdOK->click();
        settle();
        auto* reborn = game.loaded<frmMain>();
        check(reborn && reborn->isVisible() && reborn->pos() == beforeDeath,
              u"after a death the new main window opens where the old one stood"_s,
              reborn ? u"%1,%2"_s.arg(reborn->x()).arg(reborn->y()) : u"no main window"_s);
        if (!reborn)
            return 1;
        reborn->tmrTime->setInterval(0);
        reborn->Timer1->setInterval(0);

        // A place window is made afresh at every visit, and opens where it was left.
        const QPoint bankAt = free.topLeft() + QPoint(130, 110);
        FormCore* visit = game.open(u"frmBank"_s);
        settle();
        visit->window()->move(bankAt);
        settle();
        game.unload(visit);
        settle();
        visit = game.open(u"frmBank"_s);
        settle();
        check(visit->window()->pos() == bankAt, u"a place visited again opens where it was left"_s,
              u"%1,%2"_s.arg(visit->window()->x()).arg(visit->window()->y()));
        game.unload(visit);
    }

    return Checks::finish();
}
