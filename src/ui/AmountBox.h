// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text box for a whole number of dollars. Typing brings digits only (any other key is refused
// with its message); pasting may bring anything, and what is not an amount is cleared before it
// can reach the arithmetic.

#include <QLineEdit>

class FormCore;
class QPushButton;

class AmountBox : public QLineEdit {
public:
    // Named with named<AmountBox>(), as every control; its events go through the form.
    AmountBox(FormCore& form, QWidget* parent);

    // The box's OK button: enabled while the box holds an amount, disabled while it is empty.
    void enables(QPushButton* ok);

    // The whole dollars typed; 0 for an empty box.
    double amount() const;

private:
    FormCore& form_;
};
