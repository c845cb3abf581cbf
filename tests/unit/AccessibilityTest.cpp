// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in every window of the game: each control the keyboard can reach
// has a name to be read by, and one of its own; each figure is read with its caption; and the
// changes that matter are said as they happen.

#include "EveryWindow.h"
#include "ScriptedGame.h"
#include "core/frmMain.h"
#include "purchases/frmShop.h"
#include "ui/Accessible.h"
#include "ui/FormCore.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <set>
#include <utility>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class Accessibility : public ScriptedGame<> {
protected:
    // Nothing wrong in any window of the game, as EveryWindow.h opens them.
    template <class Check> void expectNothingInAnyWindow(Check found) {
        ::expectNothingInAnyWindow(game, windows, found);
    }
};

namespace {
QString described(const QWidget* widget) {
    return widget->objectName() + u" ("_s + QString::fromLatin1(widget->metaObject()->className()) +
           u')';
}

// The controls of `window` that the keyboard can reach.
QList<QWidget*> reachable(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A scroll area's viewport is the area itself to a screen reader.
        const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(window) &&
            !(area && area->viewport() == widget))
            found << widget;
    }
    return found;
}

// The controls of `window` that the keyboard can reach and that have no accessible name.
QStringList unnamed(QWidget* window) {
    QStringList found;
    for (QWidget* widget : reachable(window)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            found << described(widget);
    }
    return found;
}

// The controls of `window` that a screen reader could not tell from another one: the same
// name and the same role.
QStringList alike(QWidget* window) {
    QStringList found;
    std::set<std::pair<QString, int>> heard;
    for (QWidget* widget : reachable(window)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible &&
            !heard.insert({accessible->text(QAccessible::Name), accessible->role()}).second)
            found << described(widget) + u" \""_s + accessible->text(QAccessible::Name) + u'"';
    }
    return found;
}

// The figures of `window` (the values the game fills in) that a screen reader reads without
// their caption: each must name its caption label, and be read as "caption: value".
QStringList uncaptioned(QWidget* window, const QStringList& standingAlone) {
    QStringList found;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->foregroundRole() != QPalette::Link || !label->isVisibleTo(window) ||
            standingAlone.contains(label->objectName()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        QLabel* caption = nullptr;
        for (const auto& [related, relation] : accessible->relations(QAccessible::Label))
            if (auto* captionLabel = qobject_cast<QLabel*>(related->object()))
                caption = captionLabel;
        const QString name = accessible->text(QAccessible::Name);
        if (!caption || name != spokenCaption(caption->text()) + u": "_s + label->text() ||
            accessible->text(QAccessible::Value) != label->text())
            found << label->objectName() + u" \""_s + name + u'"';
    }
    return found;
}

// What the game says to a screen reader while it lives: the name of the notification that says
// it, as a screen reader reads it.
class Announcements {
public:
    Announcements() { previous_ = watchAnnouncements(&Announcements::heard); }
    ~Announcements() {
        watchAnnouncements(previous_);
        said().clear();
    }
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    static QStringList& said() {
        static QStringList texts;
        return texts;
    }

private:
    static void heard(QWidget* announcer, const QString& text) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer);
        if (!accessible || accessible->role() != QAccessible::Notification)
            said() << u"(not a notification) "_s + text;
        else
            said() << accessible->text(QAccessible::Name);
    }
    AnnouncementWatcher previous_;
};
} // namespace

TEST_F(Accessibility, APlacePictureIsAButtonNamedByItsPlaceThatOpensIt) {
    QWidget* flat = game.loaded(u"frmMain"_s)->window()->findChild<QWidget*>(u"imgFlat"_s);
    ASSERT_TRUE(flat);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(flat);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), u"Квартира");
    ASSERT_TRUE(accessible->actionInterface());
    EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_TRUE(game.loaded(u"frmFlat"_s));
}

TEST_F(Accessibility, EveryControlTheKeyboardReachesHasAName) {
    expectNothingInAnyWindow(unnamed);
}

TEST_F(Accessibility, NoTwoControlsOfAWindowSoundAlike) {
    expectNothingInAnyWindow(alike);
}

TEST_F(Accessibility, TheArcadesPictureChoicesSayWhatTheirPicturesShow) {
    FormCore* arcade = game.open(u"frmAr"_s);
    ASSERT_TRUE(arcade);
    QStringList names;
    for (const char* option : {"o1", "o2", "o3", "b1", "b2", "b3"}) {
        auto* button = arcade->window()->findChild<QAbstractButton*>(QString::fromLatin1(option));
        ASSERT_TRUE(button) << option;
        names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    }
    EXPECT_EQ(names, (QStringList{u"Ракетка: синяя"_s, u"Ракетка: красная"_s, u"Ракетка: зелёная"_s,
                                  u"Мяч: серый"_s, u"Мяч: оранжевый"_s, u"Мяч: футбольный"_s}));
}

TEST_F(Accessibility, EveryFigureIsReadWithItsCaption) {
    game.state.lblMoney = u"30000"_s;
    game.stateMayHaveChanged();
    QWidget* main = game.loaded(u"frmMain"_s)->window();
    // The job, the courses' states and the date's month and year have no caption of their own.
    EXPECT_EQ(uncaptioned(main, {u"lblMyWork"_s, u"lblSSchool"_s, u"lblEEnglish"_s,
                                 u"lblCComputer"_s, u"lblMonth"_s, u"lblYear"_s})
                  .join(u", "_s)
                  .toStdString(),
              "");
    for (const QString& place : {u"frmBank"_s, u"frmShop"_s, u"frmParty"_s, u"frmHobby"_s,
                                 u"frmPrograms"_s, u"frmMadFish"_s}) {
        FormCore* form = game.open(place);
        ASSERT_TRUE(form) << place.toStdString();
        EXPECT_EQ(uncaptioned(form->window(), {u"lblWhat"_s}).join(u", "_s).toStdString(), "")
            << place.toStdString();
        game.unload(form);
        ScriptedPlatform::deliverPostedEvents();
    }
}

TEST_F(Accessibility, AFiguresNameFollowsItsValue) {
    auto* money = game.loaded(u"frmMain"_s)->window()->findChild<QLabel*>(u"lblMoney"_s);
    ASSERT_TRUE(money);
    game.state.lblMoney = u"125"_s;
    game.stateMayHaveChanged();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(money)->text(QAccessible::Name),
              u"Деньги: 125");
    game.state.lblMoney = u"-4"_s;
    game.stateMayHaveChanged();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(money)->text(QAccessible::Name), u"Деньги: -4");
}

TEST_F(Accessibility, ThePauseAndTheGameGoingOnAreSaid) {
    Announcements heard;
    game.setPausedByPlayer(true);
    game.setPausedByPlayer(true);
    game.setPausedByPlayer(false);
    EXPECT_EQ(heard.said(), (QStringList{u"Пауза"_s, u"Игра продолжается"_s}));
}

TEST_F(Accessibility, ANewStatusIsSaid) {
    auto* main = game.loaded<frmMain>();
    game.state.lblCom = u"9"_s;
    game.state.lblCCost = u"8"_s;
    Announcements heard;
    main->Timer1->fire();
    game.stateMayHaveChanged();
    EXPECT_TRUE(heard.said().contains(u"Статус: Любитель"_s))
        << heard.said().join(u" | "_s).toStdString();
}

TEST_F(Accessibility, AMealBoughtSaysTheNewSatietyAndAMealRefusedSaysNothing) {
    game.state.lblMoney = u"100"_s;
    game.state.lblHungry = u"10"_s;
    auto* shop = game.open<frmShop>();
    ASSERT_TRUE(shop);
    Announcements heard;
    shop->cmdBuyBrakfast->click();
    ASSERT_EQ(heard.said().size(), 1);
    EXPECT_EQ(heard.said().front(), u"Текущая сытость: "_s + game.state.lblHungry);
    // Too full to eat: the message box says it, the satiety stands, nothing more is said.
    game.state.lblHungry = u"1000"_s;
    heard.said().clear();
    shop->cmdBuyBrakfast->click();
    EXPECT_TRUE(heard.said().isEmpty()) << heard.said().join(u" | "_s).toStdString();
}

TEST_F(Accessibility, APartBoughtSaysWhatWasBoughtAndAPartRefusedSaysNothing) {
    game.state.lblMoney = u"30000"_s;
    FormCore* store = game.open(u"frmComputer"_s);
    ASSERT_TRUE(store);
    auto* buy = store->window()->findChild<QAbstractButton*>(u"cmdBuyComp"_s);
    ASSERT_TRUE(buy);
    Announcements heard;
    buy->click();
    EXPECT_EQ(heard.said(), QStringList{u"Куплено: "_s + game.state.lblComp});
    // Too poor for the next one: its message says so, nothing more is said.
    game.state.lblMoney = u"0"_s;
    heard.said().clear();
    buy->click();
    EXPECT_TRUE(heard.said().isEmpty()) << heard.said().join(u" | "_s).toStdString();
}

TEST_F(Accessibility, TheForecastIsSaidOnceAsItCrossesIntoDanger) {
    Announcements heard;
    game.state.lblHungry = u"-10"_s;
    game.stateMayHaveChanged();
    EXPECT_TRUE(heard.said().isEmpty());
    game.state.lblHungry = u"-27"_s; // two life updates from death by hunger
    game.stateMayHaveChanged();
    game.state.lblHungry = u"-29"_s;
    game.stateMayHaveChanged();
    ASSERT_EQ(heard.said().size(), 1);
    EXPECT_TRUE(heard.said().front().startsWith(u"Голод через ≈24 ч"_s))
        << heard.said().front().toStdString();
    game.state.lblHungry = u"50"_s;
    game.stateMayHaveChanged();
    game.state.lblHungry = u"-29"_s;
    game.stateMayHaveChanged();
    EXPECT_EQ(heard.said().size(), 2);
}
