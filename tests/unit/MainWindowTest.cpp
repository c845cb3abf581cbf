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
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>

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
                      MsgButtons buttons) override {
        if (main)
            seen[title] = main->field(field)->text();
        return ScriptedPlatform::message(over, text, title, icon, buttons);
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
}
