#pragma once
// The base of every window but the main one: a dialog that the game loads, shows and unloads.
// Closing it by its frame unloads it, unless the window says otherwise.

#include "ui/FormCore.h"

#include <QDialog>

class QAbstractButton;
class QBoxLayout;
class QLineEdit;
class QPushButton;

class Form : public QDialog, public FormCore {
public:
    Form(Game& game, QStringView name);

protected:
    void closeEvent(QCloseEvent* event) override;
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
    // rather than on to the next buy button, where a stray Enter would buy something else.
    void disable(QWidget* control);

private:
    QAbstractButton* escapeButton_ = nullptr;
};
