// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard as a window opens: where the focus is, which button Enter would press from a
// box that is not a button, and which controls cannot take the focus at all. Qt's dialogs make
// their first button the default one as they are shown, so this looks at windows that have been
// shown and activated, as the desktop activates a window that opens.

#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "purchases/frmShop.h"
#include "runner/ScriptedPlatform.h"
#include "ui/FormCore.h"
#include "ui/Game.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PlaceKeyboard : public ScriptedGame<> {
protected:
    PlaceKeyboard() {
        game.state.lblMoney = u"5000"_s;
        game.state.lblVichod = u"Есть"_s;
    }

    // The window as the player meets it: shown, then made the active window.
    QWidget* openAndActivate(const QString& name) {
        if (name == u"frmInterAnek")
            platform.draws.push_back(0.5); // the visitor counter
        FormCore* form = game.open(name);
        if (!form)
            return nullptr;
        QWidget* window = form->window();
        QApplication::setActiveWindow(window);
        ScriptedPlatform::deliverPostedEvents();
        return window;
    }

    // The window's focus as it opened (failing the test when it has none), the window itself
    // in `window`.
    QString openingFocus(const QString& name, QWidget*& window) {
        window = openAndActivate(name);
        if (!window) {
            ADD_FAILURE() << "no window " << name.toStdString();
            return {};
        }
        const QWidget* focus = QApplication::focusWidget();
        if (!focus) {
            ADD_FAILURE() << "no focus in " << name.toStdString();
            return {};
        }
        return focus->objectName();
    }

    void leave(const QString& name) {
        game.unload(game.loaded(name));
        ScriptedPlatform::deliverPostedEvents();
    }

    static QStringList defaultButtons(const QWidget* window) {
        QStringList found;
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isDefault() || button->autoDefault())
                found << button->objectName();
        return found;
    }

    // The information panel's description box, read under the pointer, never takes the focus.
    static QStringList focusableDescriptionBoxes(const QWidget* window) {
        QStringList found;
        for (const QWidget* control : window->findChildren<QWidget*>(u"txtSpec"_s))
            if (control->focusPolicy() != Qt::NoFocus)
                found << control->objectName();
        return found;
    }
};

} // namespace

TEST_F(PlaceKeyboard, PlacesOpenOnTheirWayOutWithNoDefaultButton) {
    const std::pair<const char16_t*, const char16_t*> places[] = {
        {u"frmFlat", u"cmdBack"},       {u"frmShop", u"cmdBack"},
        {u"frmComputer", u"cmdBack"},   {u"frmPrograms", u"cmdBack"},
        {u"frmStudy", u"cmdBack"},      {u"frmWork", u"cmdBack"},
        {u"frmBank", u"cmdBack"},       {u"frmInternet", u"cmdBack"},
        {u"frmHakerstvo", u"cmdBack"},  {u"frmParty", u"cmdBack"},
        {u"frmHobby", u"cmdBack"},      {u"frmRuletka", u"cmdBack"},
        {u"frmRuletka2", u"cmdBack"},   {u"frmInterComp", u"cmdGoout"},
        {u"frmInterAnek", u"cmdGoout"}, {u"frmHistory", u"cmdBack"},
    };
    for (const auto& [place, wayOut] : places) {
        const QString name = QString::fromUtf16(place);
        SCOPED_TRACE(name.toStdString());
        QWidget* window = openAndActivate(name);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(QApplication::activeWindow(), window);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), QString::fromUtf16(wayOut));
        EXPECT_TRUE(qobject_cast<QPushButton*>(focus));
        // The focus frame shows from the start.
        EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange));
        EXPECT_EQ(defaultButtons(window), QStringList());
        EXPECT_EQ(focusableDescriptionBoxes(window), QStringList());
        leave(name);
    }
    EXPECT_TRUE(platform.draws.empty());
}

TEST_F(PlaceKeyboard, WindowsWithoutAWayOutKeepTheFocusWhereEnterDoesNothing) {
    // The arcade's field takes the arrows; the lake and the virus alarm have no button that
    // Enter could press harmlessly, so the window itself holds the focus.
    const std::pair<const char16_t*, const char16_t*> windowsAndFocus[] = {
        {u"frmAr", u"Picture1"}, {u"frmMadFish", u"frmMadFish"}, {u"frmVirus", u"frmVirus"}};
    for (const auto& [place, focused] : windowsAndFocus) {
        const QString name = QString::fromUtf16(place);
        SCOPED_TRACE(name.toStdString());
        QWidget* window = nullptr;
        EXPECT_EQ(openingFocus(name, window), QString::fromUtf16(focused));
        if (!window)
            continue;
        EXPECT_EQ(defaultButtons(window), QStringList());
        leave(name);
    }
}

TEST_F(PlaceKeyboard, AnOkButtonThatEnterIsMeantForStaysTheDefault) {
    // The start window's OK begins a new game; the help's and the end screen's close them, as
    // the way back from the life's summary does, which only reads.
    const std::pair<const char16_t*, const char16_t*> windowsAndOk[] = {{u"frmFirst", u"cmdOK"},
                                                                        {u"frmHelp", u"cmdOk"},
                                                                        {u"frmTheEnd", u"cmdOK"},
                                                                        {u"frmLife", u"cmdBack"}};
    for (const auto& [place, okName] : windowsAndOk) {
        const QString name = QString::fromUtf16(place);
        SCOPED_TRACE(name.toStdString());
        QWidget* window = openAndActivate(name);
        ASSERT_NE(window, nullptr);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), QString::fromUtf16(okName));
        auto* ok = qobject_cast<QPushButton*>(focus);
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(defaultButtons(window), QStringList{ok->objectName()});
        leave(name);
    }
}
