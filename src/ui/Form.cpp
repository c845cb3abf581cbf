#include "ui/Form.h"

#include "ui/Game.h"
#include "ui/Kit.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
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

void Form::reject() {
    if (escapeButton_ && escapeButton_->isEnabled() && escapeButton_->isVisible())
        escapeButton_->click();
}

namespace {
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
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (button_ && button_->isEnabled() && button_->isVisible())
            button_->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
};
} // namespace

void Form::pressOnEnter(QLineEdit* box, QPushButton* button) {
    new EnterPresses(box, button);
}

void Form::disable(QWidget* control) {
    if (control->hasFocus() && escapeButton_)
        escapeButton_->setFocus(Qt::OtherFocusReason);
    control->setEnabled(false);
}

QPushButton* Form::addBackButton(QBoxLayout* layout) {
    auto* back = named<QPushButton>("cmdBack", u"<< Назад"_s, this);
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
