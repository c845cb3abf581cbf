// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window behind a message box: the player reads a question with the values as they
// are at that moment, not as they were before the handler began.

#include "InEnglish.h"
#include "NewGame.h"
#include "app/GameWindows.h"
#include "core/frmHistory.h"
#include "core/frmMain.h"
#include "runner/ScriptedPlatform.h"
#include "state/Autosave.h"
#include "state/Words.h"
#include "ui/Game.h"
#include "ui/Language.h"
#include "ui/LineControl.h"
#include "ui/Picture.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

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
    EXPECT_EQ(menus, (QStringList{u"&Файл"_s, u"&Игра"_s, u"Язык / &Language"_s, u"&Помощь"_s}));
    // Each item by its name; a submenu by its own name, a separator as "-".
    for (const QAction* item : platform.main->menuBar()->actions().front()->menu()->actions())
        file << (item->menu()          ? item->menu()->objectName()
                 : item->isSeparator() ? u"-"_s
                                       : item->objectName());
    EXPECT_EQ(file, (QStringList{u"NewGame"_s, u"Save"_s, u"Load"_s, u"LoadAutosave"_s,
                                 u"ContinueLast"_s, u"RecentGames"_s, u"-"_s, u"Exit"_s}));
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

TEST_F(MainWindow, TheHistoryChartDrawsALongLifeFromAFewDaysKeepingItsExtremes) {
    History::Days days;
    for (int i = 0; i < 36'500; ++i)
        days.push_back({u"1/05/02"_s, double(i % 97), 30, 30, 0, u"Пока нет"_s});
    days[20'000].money = 99'999; // a windfall of one day
    game.setHistory(days);
    platform.main->History->trigger();
    auto* history = game.loaded(u"frmHistory"_s);
    ASSERT_TRUE(history);
    QCoreApplication::processEvents(); // the chart is laid out
    auto* view = history->window()->findChild<QChartView*>(u"chtDays"_s);
    ASSERT_TRUE(view);
    const double width = view->chart()->plotArea().width();
    ASSERT_GT(width, 100);
    const QList<QAbstractSeries*> lines = view->chart()->series();
    ASSERT_EQ(lines.size(), 4);
    for (QAbstractSeries* series : lines) {
        const auto* line = static_cast<QLineSeries*>(series);
        ASSERT_GT(line->count(), 0) << line->name().toStdString();
        EXPECT_LE(line->count(), 2 * width + 2) << line->name().toStdString();
        // From the first day to the last.
        EXPECT_EQ(line->at(0).x(), 1);
        EXPECT_EQ(line->at(line->count() - 1).x(), 36'500);
    }
    const QList<QPointF> money = static_cast<QLineSeries*>(lines.front())->points();
    EXPECT_TRUE(money.contains(QPointF(20'001, 99'999)));
    const auto* dollars = static_cast<QValueAxis*>(lines.front()->attachedAxes().back());
    EXPECT_GE(dollars->max(), 99'999);
}

TEST_F(MainWindow, AChangeOfLanguageRetranslatesTheMainWindowAndTheHistoryOverIt) {
    frmMain* main = platform.main;
    game.state.lblAntvirus = u"Касперского"_s;
    game.setSpeed(2);
    game.setHistory({{u"1/05/02"_s, 170, 30, 30, 0, u"Пока нет"_s}});
    main->History->trigger();
    auto* history = dynamic_cast<frmHistory*>(game.loaded(u"frmHistory"_s));
    ASSERT_TRUE(history);
    const QLabel* flat = main->imgFlat->parentWidget()->findChild<QLabel*>();
    const QLabel* antivirus = main->field(u"lblAntvirus"_s);
    const auto* money =
        main->field(u"lblMoney"_s)->property("captionLabel").value<QPointer<QLabel>>().data();
    ASSERT_TRUE(flat && antivirus && money);
    // The window's title, a place, a caption, a menu, a value of the state, the status bar, and
    // the history's table and count, a line each so that a failure reads.
    const auto texts = [&] {
        return QStringList{main->windowTitle(),
                           flat->text(),
                           money->text(),
                           main->menuBar()->actions().front()->text(),
                           antivirus->text(),
                           main->findChild<QLabel*>(u"lblSpeed"_s)->text(),
                           history->grdDays->model()->headerData(1, Qt::Horizontal).toString(),
                           history->lblCount->text()}
            .join(u'\n')
            .toStdString();
    };
    const std::string russian = texts();
    EXPECT_EQ(russian, "Тимбурия\nКвартира\nДеньги:\n&Файл\nКасперского\nСкорость x2\nДеньги\n"
                       "Дней в истории: 1");
    {
        const InEnglish english;
        const QString kaspersky = Words::shown(u"Касперского"_s);
        EXPECT_NE(kaspersky, u"Касперского");
        EXPECT_EQ(texts(), "Timburia\nFlat\nMoney:\n&File\n" + kaspersky.toStdString() +
                               "\nSpeed x2\nMoney\nDays in the history: 1");
    }
    EXPECT_EQ(texts(), russian);
}

TEST_F(MainWindow, TheHistoryTableShowsTheDaysAndFollowsThemRowByRow) {
    History::Days days;
    for (int i = 0; i < 300; ++i)
        days.push_back({u"%1/05/02"_s.arg(i % 30 + 1), 170.5 + i, 30, 24.5, i, u"Грузчик"_s});
    game.setHistory(days);
    platform.main->History->trigger();
    auto* history = game.loaded<frmHistory>();
    ASSERT_TRUE(history);
    QTableView* grid = history->grdDays;
    const QAbstractItemModel* table = grid->model();
    ASSERT_EQ(table->rowCount(), 300);
    ASSERT_EQ(table->columnCount(), 6);
    const QStringList titles = {u"Дата"_s,       u"Деньги"_s, u"Сытость"_s,
                                u"Настроение"_s, u"Банк"_s,   u"Работа"_s};
    const QStringList last = {u"30/05/02"_s, u"469.5"_s, u"30"_s,
                              u"24.5"_s,     u"299"_s,   u"Грузчик"_s};
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(table->headerData(column, Qt::Horizontal).toString(), titles[column]);
        const QModelIndex cell = table->index(299, column);
        EXPECT_EQ(cell.data().toString(), last[column]);
        // The numbers stand right, under one another; the date and the job read from the left.
        const bool right = cell.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
        EXPECT_EQ(right, column != 0 && column != 5) << column;
    }
    QScrollBar* scroll = grid->verticalScrollBar();
    EXPECT_GT(scroll->maximum(), 0);
    EXPECT_EQ(scroll->value(), scroll->maximum());

    // A day that ends joins the table as one row at its end, and the table follows it down.
    std::vector<std::pair<int, int>> inserted;
    int resets = 0;
    QObject::connect(
        table, &QAbstractItemModel::rowsInserted,
        [&](const QModelIndex&, int first, int end) { inserted.emplace_back(first, end); });
    QObject::connect(table, &QAbstractItemModel::modelReset, [&] { ++resets; });
    game.recordDay({u"1/06/02"_s, 12, 13, 14, 15, u"Дворник"_s});
    EXPECT_EQ(inserted, (std::vector<std::pair<int, int>>{{300, 300}}));
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(table->index(300, 0).data().toString(), u"1/06/02");
    EXPECT_EQ(scroll->value(), scroll->maximum());

    // Another game's history is a table of its own.
    game.setHistory({days.front()});
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->index(0, 1).data().toString(), u"170.5");
    EXPECT_EQ(inserted.size(), 1u);
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

// The game's own keys (P, Ctrl+H, F1, Ctrl+S, Ctrl+O) in every game window, each pressed as the
// desktop delivers a key: the window's shortcuts are tried first, then the key goes to the
// control with the focus.
class GameKeys : public MainWindow {
protected:
    GameKeys() {
        main = platform.main;
        QApplication::setActiveWindow(main);
    }

    void key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(widget, Qt::Key(key), modifiers);
        ScriptedPlatform::deliverPostedEvents();
    }
    void ctrl(QWidget* widget, int key) { this->key(widget, key, Qt::ControlModifier); }

    QWidget* open(const QString& name) {
        FormCore* form = game.open(name);
        QApplication::setActiveWindow(form->window());
        return form->window();
    }

    QStringList windowNames() const {
        QStringList names;
        for (const FormCore* form : game.windows())
            names << form->formName();
        return names;
    }

    // A game saved with this much money, in a file of the test's own.
    QString savedGame(const QString& money) {
        const QString path = folder.filePath(u"saved.kbz"_s);
        const QString was = std::exchange(game.state.lblMoney, money);
        platform.files.push_back(path);
        main->Save->trigger();
        game.state.lblMoney = was;
        return path;
    }

    frmMain* main;
    QTemporaryDir folder;
};

TEST_F(GameKeys, SaveRunsOnceFromTheMainWindowAndFromAPlaceWindow) {
    // Once, though the menu shows the key: a second run would find no file queued.
    platform.files.push_back(std::nullopt);
    ctrl(main, Qt::Key_S);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"Не сохранили.");
    platform.shown.clear();

    QWidget* shop = open(u"frmShop"_s);
    game.state.lblMoney = u"123"_s;
    platform.files.push_back(folder.filePath(u"from the shop.kbz"_s));
    ctrl(shop->focusWidget() ? shop->focusWidget() : shop, Qt::Key_S);
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_TRUE(platform.problem.isEmpty()) << platform.problem.toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath(u"from the shop.kbz"_s)));
    EXPECT_EQ(main->lblNote->text(), u"Игра сохранена: from the shop.kbz");
    // Saving leaves the player where they were.
    EXPECT_EQ(windowNames(), (QStringList{u"frmMain"_s, u"frmShop"_s}));
}

TEST_F(GameKeys, ALoadFromAPlaceLeavesTheLoadedGameInTheMainWindowAlone) {
    const QString path = savedGame(u"77"_s);
    open(u"frmParty"_s);
    FormCore* machine = game.handOver(game.loaded(u"frmParty"_s), u"frmRuletka"_s);
    QApplication::setActiveWindow(machine->window());
    platform.files.push_back(path);
    // Ctrl+O on the Russian layout is Ctrl+Щ (a key Qt's test keyboard does not have).
    press(machine->window(), 0x0429, Qt::ControlModifier);
    EXPECT_TRUE(platform.files.empty());
    EXPECT_EQ(game.state.lblMoney, u"77");
    // The machine belonged to the game that was being played.
    EXPECT_EQ(windowNames(), QStringList{u"frmMain"_s});
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->lblNote->text(), u"Игра загружена: saved.kbz");
    EXPECT_FALSE(main->lblNote->isHidden());
}

TEST_F(GameKeys, ALoadThatFailsLeavesThePlaceOpen) {
    QWidget* bank = open(u"frmBank"_s);
    QFile bad(folder.filePath(u"bad.kbz"_s));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a game");
    bad.close();
    platform.files.push_back(bad.fileName());
    game.state.lblMoney = u"55"_s;
    ctrl(bank, Qt::Key_O);
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"Не загрузили");
    EXPECT_EQ(game.state.lblMoney, u"55");
    EXPECT_EQ(windowNames(), (QStringList{u"frmMain"_s, u"frmBank"_s}));
    EXPECT_TRUE(main->lblNote->isHidden());
}

TEST_F(GameKeys, HelpAndHistoryComeOnTopOfTheWindowTheyWereAskedFrom) {
    QWidget* shop = open(u"frmShop"_s);
    ctrl(shop, Qt::Key_H);
    EXPECT_EQ(windowNames(), (QStringList{u"frmMain"_s, u"frmShop"_s, u"frmHistory"_s}));
    key(game.loaded(u"frmHistory"_s)->window(), Qt::Key_F1);
    EXPECT_EQ(windowNames(),
              (QStringList{u"frmMain"_s, u"frmShop"_s, u"frmHistory"_s, u"frmHelp"_s}));
    // Asked for again from the help above it, the history comes on top rather than behind
    // the help, which would block it.
    ctrl(game.loaded(u"frmHelp"_s)->window(), Qt::Key_H);
    EXPECT_EQ(windowNames(),
              (QStringList{u"frmMain"_s, u"frmShop"_s, u"frmHelp"_s, u"frmHistory"_s}));
    // On top already, it stays as it is.
    FormCore* history = game.loaded(u"frmHistory"_s);
    ctrl(history->window(), Qt::Key_H);
    EXPECT_EQ(game.loaded(u"frmHistory"_s), history);
    EXPECT_FALSE(history->isUnloaded());
}

TEST_F(GameKeys, F1InTheHelpTurnsToItsFirstPageAndMarksItsButton) {
    main->KeysHelp->trigger();
    FormCore* help = game.loaded(u"frmHelp"_s);
    ASSERT_TRUE(help);
    QWidget* window = help->window();
    const auto shown = [window](const char* page) {
        return window->findChild<QPlainTextEdit*>(QString::fromLatin1(page))->isVisibleTo(window);
    };
    const auto marker = [window] {
        return Twips::get(window->findChild<LineControl*>(u"linH"_s), Twips::Edge::Top);
    };
    EXPECT_TRUE(shown("txtKeys"));
    EXPECT_EQ(marker(), 2550);
    key(window, Qt::Key_F1);
    EXPECT_EQ(game.loaded(u"frmHelp"_s), help); // the same window, on top already
    EXPECT_TRUE(shown("txtMainWindow"));
    EXPECT_FALSE(shown("txtKeys"));
    EXPECT_EQ(marker(), 390);
}

TEST_F(GameKeys, CtrlKeysWorkInATextBoxWherePIsALetter) {
    QWidget* bank = open(u"frmBank"_s);
    auto* amount = bank->findChild<QLineEdit*>(u"txtPut"_s);
    ASSERT_TRUE(amount);
    amount->setFocus();
    platform.files.push_back(std::nullopt);
    ctrl(amount, Qt::Key_S);
    EXPECT_TRUE(platform.files.empty());
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"Не сохранили.");
    EXPECT_TRUE(amount->text().isEmpty());
}

TEST_F(GameKeys, OnlyTheKeysThemselvesAndOnlyInTheGamesWindows) {
    // Another modifier, a held key and a window that is not the game's (a message box, a file
    // dialog) are no game keys: nothing is asked for.
    key(main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    key(main, Qt::Key_O, Qt::AltModifier);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier, QString(), true);
    QCoreApplication::sendEvent(main, &held);
    QMessageBox box;
    box.show();
    ctrl(&box, Qt::Key_S);
    key(&box, Qt::Key_P);
    EXPECT_TRUE(platform.problem.isEmpty()) << platform.problem.toStdString();
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_FALSE(game.paused());
    EXPECT_EQ(windowNames(), QStringList{u"frmMain"_s});
}

TEST_F(GameKeys, WhileTheStartWindowOffersANewGameOnlyThePauseKeyWorks) {
    platform.answers = {true};
    main->NewGame->trigger();
    ASSERT_TRUE(main->isHidden());
    QWidget* first = game.loaded(u"frmFirst"_s)->window();
    QApplication::setActiveWindow(first);
    // The menu is out of reach while the main window is hidden; so are its keys.
    ctrl(first, Qt::Key_S);
    ctrl(first, Qt::Key_H);
    key(first, Qt::Key_F1);
    EXPECT_TRUE(platform.problem.isEmpty()) << platform.problem.toStdString();
    EXPECT_EQ(windowNames(), (QStringList{u"frmMain"_s, u"frmFirst"_s}));
    key(first, Qt::Key_P);
    EXPECT_TRUE(game.pausedByPlayer());
}

TEST_F(MainWindow, TheKeysPageNamesEveryKeyTheMenuShows) {
    platform.main->KeysHelp->trigger();
    FormCore* help = game.loaded(u"frmHelp"_s);
    ASSERT_TRUE(help);
    auto* page = help->window()->findChild<QPlainTextEdit*>(u"txtKeys"_s);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->isVisibleTo(help->window()));
    const QString text = page->toPlainText();
    EXPECT_TRUE(text.startsWith(u"Клавиши и удобства"));
    int keys = 0;
    for (const QAction* item : platform.main->findChildren<QAction*>()) {
        const QString key = item->shortcut().toString();
        if (key.isEmpty())
            continue;
        ++keys;
        EXPECT_TRUE(text.contains(key))
            << item->objectName().toStdString() << ": " << key.toStdString();
    }
    EXPECT_EQ(keys, 7); // P, Ctrl+H, F1, Ctrl+S, Ctrl+O, Ctrl+N, Ctrl+Q
}

TEST(StartUp, TheStatusBarNamesTheDayOfTheEarlierLifeOnce) {
    QTemporaryDir temporary;
    GameState earlier = newGame();
    earlier.lblDay = u"17"_s;
    earlier.lblMonth = u"06"_s;
    earlier.lblYear = u"03"_s;
    earlier.lblHours = u"0"_s;
    ScriptedPlatform platform(temporary.path());
    platform.date = QDate(2002, 5, 5);
    ASSERT_FALSE(Autosave::write(platform.dataFolder(), earlier, {}).game);
    const WindowCatalog windows = gameWindows();
    {
        Game game(platform, windows);
        game.start();
        auto* main = game.loaded<frmMain>();
        ASSERT_TRUE(main);
        EXPECT_EQ(main->lblNote->text(),
                  u"Прошлая игра сохранена на день 17/06/03: «Файл → Продолжить прошлую игру»."_s);
        EXPECT_TRUE(main->ContinueLast->isEnabled());
        // The game just begun is not that day.
        EXPECT_EQ(game.state.lblDay, u"05"_s);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
