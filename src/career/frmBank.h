#pragma once
// The bank: cash in and out of the account. The window's two labels are the working copy of
// the balance while it is open; the game clock refreshes them at each day's interest.

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

class frmBank : public Form {
public:
    explicit frmBank(Game& game);

    void Form_Load() override;
    // The balance and its daily growth.
    void showBalance(double balance);

    Picture* imgBank;
    QLabel *Label5, *Label1, *Label2, *Label3, *Label6, *Label8, *lblYHave, *lblInc;
    QLineEdit *txtPut, *txtTake;
    QPushButton *cmdPut, *cmdTake, *cmdBack;

private:
    void amount_KeyPress(QChar& key);
    void txtPut_Change();
    void txtTake_Change();
    void cmdPut_Click();
    void cmdTake_Click();
    void cmdBack_Click();
};
