// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The base of every window but the main one: a dialog that the game loads, shows and unloads.
// Closing it by its frame unloads it, unless the window says otherwise.
//
// Enter never does anything the player did not point at. A dialog of Qt's makes its first
// button the default one, which Enter presses from wherever the focus is; a window of the game
// has no such button, except an OK that Enter is meant to press (the start and end windows,
// the help). Enter (like Space) clicks the button that has the keyboard focus, and the window
// opens with a visible focus where Enter does no harm: on its back (or OK) button; a window
// without one keeps the focus to itself, and one that gives the focus to a control of its own
// before it opens (the arcade's field, where the arrows go) keeps that. The information panel's
// description box never takes the focus.

#include "ui/FormCore.h"

#include <QDialog>

class QAbstractButton;
class QBoxLayout;
class QLineEdit;
class QPushButton;

class Form : public QDialog, public FormCore {
public:
    Form(Game& game, QStringView name);

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Closing by the frame: return false to refuse. The default lets the window unload.
    virtual bool Form_QueryUnload() { return true; }
    // Escape clicks the window's escape button (its back or OK button) when the player could:
    // the same handler, and nothing while that button is disabled or hidden. It never closes
    // a window behind the game's back.
    void reject() override;
    void setEscapeButton(QAbstractButton* button) { escapeButton_ = button; }

    // The place windows' way home: "<< Назад", named cmdBack, at the right end of a row added
    // to the layout, and the escape button. Its Click runs cmdBack_Click.
    QPushButton* addBackButton(QBoxLayout* layout);
    // The back button's Click: the window unloads. A window that leaves otherwise (handing
    // back to another) or refuses to leave at times says so here.
    virtual void cmdBack_Click();

    // Enter in the text box presses the button (when the player could), and goes no further:
    // a window with several boxes has no one default button.
    void pressOnEnter(QLineEdit* box, QPushButton* button);

    // Disables a control; when it had the keyboard focus, the focus goes to the escape button
    // (or, with that out of reach too, to the window itself) rather than on to the next buy
    // button, where a stray Enter would buy something else.
    void disable(QWidget* control);
    // Enables the control, or disables it as disable() does.
    void enable(QWidget* control, bool enabled);

private:
    bool canTakeFocus(const QWidget* control) const;
    QWidget* openingFocus();

    QAbstractButton* escapeButton_ = nullptr;
    QObject* enterClicks_ = nullptr;
};
