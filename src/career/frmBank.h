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
    static constexpr QStringView Name = u"frmBank";
    explicit frmBank(Game& game);

    void Form_Load() override;

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

    // The account as the game holds it, or the working copy after a deposit or withdrawal,
    // with its daily growth.
    void showAccount();
    void showBalance(const QString& balance);
};
