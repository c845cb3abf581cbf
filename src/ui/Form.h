#pragma once
// The base of every window but the main one: a dialog that the game loads, shows and unloads.
// Closing it by its frame unloads it, unless the window says otherwise.

#include "ui/FormCore.h"

#include <QDialog>

class QBoxLayout;
class QPushButton;

class Form : public QDialog, public FormCore {
public:
    Form(Game& game, QStringView name);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Closing by the frame: return false to refuse. The default lets the window unload.
    virtual bool Form_QueryUnload() { return true; }
    void reject() override; // Escape does not close a window behind the game's back

    // The place windows' way home: "<< Назад", named cmdBack, at the right end of a row added
    // to the layout. Its Click unloads the window.
    QPushButton* addBackButton(QBoxLayout* layout);

private:
    void cmdBack_Click();
};
