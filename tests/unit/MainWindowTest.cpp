// The main window behind a message box: the player reads a question with the values as they
// are at that moment, not as they were before the handler began.

#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Notes what the main window shows while each message box is open.
class WatchingPlatform : public ScriptedPlatform {
public:
    WatchingPlatform()
        : ScriptedPlatform(QString()) {
        date = QDate(2002, 5, 5);
    }
    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override {
        if (main)
            seen[title] = main->field(field)->text();
        return ScriptedPlatform::message(over, text, title, icon, buttons, cause);
    }
    frmMain* main = nullptr;
    QString field;
    std::map<QString, QString> seen;
};

class MainWindow : public ::testing::Test {
protected:
    MainWindow()
        : windows(gameWindows())
        , game(platform, windows) {
        game.start();
        platform.main = game.loaded<frmMain>();
    }
    ~MainWindow() override {
        platform.main = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void click(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }

    WatchingPlatform platform;
    WindowCatalog windows;
    Game game;
};

} // namespace

TEST_F(MainWindow, ShowsTheFineBehindTheCourtQuestion) {
    game.state.lblMoney = u"10"_s;
    platform.field = u"lblMoney"_s;
    platform.answers = {true, false};
    platform.draws = {0.625};
    click(platform.main->imgBank);
    // The accident's 30$ are gone by the time the lawyer asks.
    EXPECT_EQ(platform.seen[u"Суд?"_s], u"-20");
    EXPECT_EQ(platform.seen[u":-((("_s], u"10");
}

TEST_F(MainWindow, ShowsTheNewStatusBehindItsMessage) {
    game.state.lblCom = u"9"_s;
    game.state.lblCCost = u"8"_s;
    platform.field = u"lblStatus"_s;
    platform.main->Timer1->fire();
    EXPECT_EQ(platform.seen[u"Вы Любитель"_s], u"Любитель");
}

TEST_F(MainWindow, TheMenuHasTheDesktopsUsualKeys) {
    const frmMain* main = platform.main;
    EXPECT_EQ(main->NewGame->shortcut(), QKeySequence(u"Ctrl+N"_s));
    EXPECT_EQ(main->Save->shortcut(), QKeySequence(u"Ctrl+S"_s));
    EXPECT_EQ(main->Load->shortcut(), QKeySequence(u"Ctrl+O"_s));
    EXPECT_EQ(main->Exit->shortcut(), QKeySequence(u"Ctrl+Q"_s));
    EXPECT_EQ(main->BigHelp->shortcut(), QKeySequence(u"F1"_s));
    EXPECT_EQ(main->History->shortcut(), QKeySequence(u"Ctrl+H"_s));
    EXPECT_EQ(main->Pause->shortcut(), QKeySequence(u"P"_s));
}

TEST_F(MainWindow, TheGameMenuStandsBetweenFileAndHelp) {
    QStringList menus, file;
    for (const QAction* menu : platform.main->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{u"&Файл"_s, u"&Игра"_s, u"&Помощь"_s}));
    for (const QAction* item : platform.main->menuBar()->actions().front()->menu()->actions())
        file << item->objectName();
    EXPECT_EQ(file, (QStringList{u"NewGame"_s, u"Save"_s, u"Load"_s, u"LoadAutosave"_s, QString(),
                                 u"Exit"_s}));
}

namespace {
void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           bool autoRepeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &event);
}
} // namespace

TEST_F(MainWindow, ThePauseKeyIsPOnEitherLayoutAndNothingElse) {
    frmMain* main = platform.main;
    press(main, Qt::Key_P, Qt::ControlModifier);
    press(main, Qt::Key_P, Qt::AltModifier);
    press(main, Qt::Key_O);
    EXPECT_FALSE(game.paused());
    press(main, Qt::Key_P);
    EXPECT_TRUE(game.pausedByPlayer());
    EXPECT_TRUE(main->Pause->isChecked());
    // Held down, the key does not flicker the pause on and off.
    press(main, Qt::Key_P, Qt::NoModifier, true);
    EXPECT_TRUE(game.paused());
    // The same key on a Russian layout is З.
    press(main, 0x0417, Qt::ShiftModifier);
    EXPECT_FALSE(game.paused());
    EXPECT_FALSE(main->Pause->isChecked());
}

TEST_F(MainWindow, MinimisedTheGameStandsUnlessThePlayerPausedItAnyway) {
    frmMain* main = platform.main;
    const auto hoursAfter = [this](qint64 ms) {
        platform.advance(ms, [] { return false; });
        return game.state.lblHours;
    };
    main->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(game.paused());
    EXPECT_FALSE(game.pausedByPlayer());
    EXPECT_FALSE(main->lblPause->isHidden());
    EXPECT_EQ(hoursAfter(10000), u"1");
    main->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(game.paused());
    EXPECT_TRUE(main->lblPause->isHidden());
    EXPECT_EQ(hoursAfter(1500), u"2");

    // Paused by hand, it stays paused when restored.
    main->Pause->trigger();
    main->setWindowState(Qt::WindowMinimized);
    main->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(game.paused());
    EXPECT_EQ(hoursAfter(10000), u"2");
    // And unpaused while minimised, it still waits for the window.
    main->setWindowState(Qt::WindowMinimized);
    main->Pause->trigger();
    EXPECT_TRUE(game.paused());
    main->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(game.paused());
}

TEST_F(MainWindow, TheHistoryChartModuleIsFoundBesideTheProgram) {
    platform.main->History->trigger();
    auto* history = game.loaded(u"frmHistory"_s);
    ASSERT_TRUE(history);
    const QWidget* chart = history->window()->findChild<QWidget*>(u"chtDays"_s);
    ASSERT_TRUE(chart);
    // A chart, not the label that says why there is none.
    EXPECT_TRUE(chart->inherits("QGraphicsView")) << chart->metaObject()->className();
}

TEST(MainWindowFiles, TheAutosaveDialogOpensInTheDataFolder) {
    QTemporaryDir folder;
    ScriptedPlatform platform(folder.path());
    platform.date = QDate(2002, 5, 5);
    const WindowCatalog windows = gameWindows();
    Game game(platform, windows);
    game.start();
    platform.files.push_back(std::nullopt);
    game.loaded<frmMain>()->LoadAutosave->trigger();
    EXPECT_EQ(platform.dialogFolder, QDir(folder.path()).filePath(u"data"_s));
    EXPECT_TRUE(QDir(platform.dialogFolder).exists()); // made, so the dialog starts there
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"Не загрузили");
}
