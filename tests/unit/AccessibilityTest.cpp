// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in every window of the game: each control the keyboard can reach
// has a name to be read by.

#include "ScriptedGame.h"
#include "ui/FormCore.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using Accessibility = ScriptedGame<>;

namespace {
// The controls of `window` that the keyboard can reach and that have no accessible name.
QStringList unnamed(QWidget* window) {
    QStringList found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        // A scroll area's viewport is the area itself to a screen reader.
        const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
        if (widget == window || widget->focusPolicy() == Qt::NoFocus ||
            !widget->isVisibleTo(window) || (area && area->viewport() == widget))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            found << widget->objectName() + u" ("_s +
                         QString::fromLatin1(widget->metaObject()->className()) + u')';
    }
    return found;
}
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
    game.state.lblMoney = u"30000"_s;
    for (const QString& name : windows.names()) {
        if (name == u"frmFixture")
            continue;
        FormCore* form = game.loaded(name) ? game.loaded(name) : game.open(name);
        if (!form)
            continue;
        ScriptedPlatform::deliverPostedEvents();
        EXPECT_EQ(unnamed(form->window()).join(u", "_s).toStdString(), "") << name.toStdString();
        if (name != u"frmMain")
            game.unload(form);
        ScriptedPlatform::deliverPostedEvents();
    }
}
