// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AmountBox.h"

#include "rules/Amount.h"
#include "state/NumberText.h"
#include "ui/FormCore.h"

#include <QPushButton>

AmountBox::AmountBox(FormCore& form, QWidget* parent)
    : QLineEdit(parent)
    , form_(form) {
    form.routeKeyPress(this, [this](QChar& key) {
        FormEffects<Effects> effects(form_);
        if (!Amount::acceptsKey(key, effects))
            key = QChar();
    });
    form.route(this, ControlEvent::Change, [this] {
        if (!text().isEmpty() && !IsAmount(text()))
            clear(); // comes back here empty
    });
}

void AmountBox::enables(QPushButton* ok) {
    form_.route(this, ControlEvent::Change, [this, ok] {
        if (text().isEmpty())
            ok->setEnabled(false);
        else if (IsAmount(text()))
            ok->setEnabled(true);
    });
}

double AmountBox::amount() const {
    return Int(Val(text()));
}
