// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form.h"

#include "ui/Game.h"
#include "ui/Kit.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

Form::Form(Game& game, QStringView name)
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

void Form::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        languageChanged();
}

void Form::reject() {
    if (escapeButton_ && escapeButton_->isEnabled() && escapeButton_->isVisible())
        escapeButton_->click();
}

namespace {

bool isEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & ~Qt::KeypadModifier);
}

// Enter on a button that has the keyboard focus clicks it, as Space does. Held down, it clicks
// once: a key that repeats would buy again and again.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat() && button->isEnabled() &&
            button->isVisible())
            button->click();
        return true;
    }
};

class EnterPresses : public QObject {
public:
    EnterPresses(QLineEdit* box, QPushButton* button)
        : QObject(box)
        , button_(button) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        if (!isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        if (button_ && button_->isEnabled() && button_->isVisible())
            button_->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
};
} // namespace

void Form::setVisible(bool visible) {
    if (!visible || isVisible()) {
        QDialog::setVisible(visible);
        return;
    }
    // Before the dialog picks its default button: none of the window's buttons is one, unless
    // the window made it so.
    if (!enterClicks_)
        enterClicks_ = new EnterClicks(this);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(enterClicks_); // installed again, it still runs once
    }

    QWidget* chosen = focusWidget();
    // A width the window sets for itself is the least it is, not the most: its texts in a
    // larger font ask for more.
    if (layout() && minimumWidth() > 0 && minimumWidth() < minimumSizeHint().width())
        setMinimumWidth(minimumSizeHint().width());
    QDialog::setVisible(true);
    // Qt opens a window at no more than two thirds of the screen's width, and does not make
    // it taller for the texts that wrap to that narrower width.
    if (layout() && layout()->hasHeightForWidth()) {
        const int needed = layout()->totalHeightForWidth(width());
        if (needed > height())
            resize(width(), needed);
    }
    if (!chosen || chosen == this || !canTakeFocus(chosen))
        chosen = openingFocus();
    // Where the window's activation puts the keyboard: not the player moving it there, so an
    // information panel does not follow it.
    chosen->setFocus(Qt::ActiveWindowFocusReason);
    // The focus frame shows from the start, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

bool Form::canTakeFocus(const QWidget* control) const {
    return control->isEnabled() && control->isVisibleTo(this) &&
           control->focusPolicy() != Qt::NoFocus;
}

QWidget* Form::openingFocus() {
    if (escapeButton_ && canTakeFocus(escapeButton_))
        return escapeButton_;
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->isDefault() && canTakeFocus(button))
            return button;
    return this;
}

void Form::pressOnEnter(QLineEdit* box, QPushButton* button) {
    new EnterPresses(box, button);
}

void Form::disable(QWidget* control) {
    if (control->hasFocus()) {
        if (escapeButton_ && escapeButton_ != control && canTakeFocus(escapeButton_))
            escapeButton_->setFocus(Qt::OtherFocusReason);
        else
            setFocus(Qt::OtherFocusReason);
    }
    control->setEnabled(false);
}

void Form::enable(QWidget* control, bool enabled) {
    if (enabled)
        control->setEnabled(true);
    else
        disable(control);
}

QPushButton* Form::addBackButton(QBoxLayout* layout) {
    auto* back = named<QPushButton>("cmdBack", this);
    translatable(back, "text", "Form", QT_TRANSLATE_NOOP("Form", "<< Назад"));
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(back);
    layout->addLayout(row);
    route(back, ControlEvent::Click, [this] { cmdBack_Click(); });
    setEscapeButton(back);
    return back;
}

void Form::cmdBack_Click() {
    game().unload(this);
}
