#include "ui/Form.h"

#include "ui/Game.h"

#include <QCloseEvent>

Form::Form(Game& game, const QString& name)
    : QDialog(nullptr)
    , FormCore(game, *this, name) {}

void Form::closeEvent(QCloseEvent* event) {
    // The game decides; unloading hides the window by itself.
    event->ignore();
    if (isUnloaded())
        return;
    dispatch([this] {
        if (Form_QueryUnload())
            game().unload(this);
    });
}

void Form::reject() {}
