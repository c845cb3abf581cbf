#include "career/frmBank.h"

#include "rules/Bank.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// An amount field changed: an amount enables its OK button, an empty field disables it, and
// anything else (only pasting can bring it) is cleared before it reaches the arithmetic.
void amountChanged(QLineEdit* box, QPushButton* ok) {
    const QString text = box->text();
    if (text.isEmpty())
        ok->setEnabled(false);
    else if (IsAmount(text))
        ok->setEnabled(true);
    else
        box->clear(); // comes back here empty and disables the button
}

} // namespace

frmBank::frmBank(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Банк"_s);

    imgBank = named<Picture>("imgBank", u"places/bank"_s, this);
    imgBank->setFixedSize(160, 120);
    Label5 = named<QLabel>(
        "Label5",
        u"Добро пожаловать в Банк. Здесь вы можете положить ваши деньги на сохранение и "
        "получать проценты. Чтобы к вам на счет потекли проценты, вы должны положить сумму "
        "большую или равную 20$. Если вы положили x$ то вам будет начисляться натуральная "
        "сумма x \\ 20."_s,
        this);
    Label5->setWordWrap(true);

    Label1 = named<QLabel>("Label1", u"Положить:"_s, this);
    txtPut = named<QLineEdit>("txtPut", this);
    cmdPut = named<QPushButton>("cmdPut", u"ОК"_s, this);
    cmdPut->setEnabled(false);
    Label2 = named<QLabel>("Label2", u"Снять со счета:"_s, this);
    txtTake = named<QLineEdit>("txtTake", this);
    cmdTake = named<QPushButton>("cmdTake", u"ОК"_s, this);
    cmdTake->setEnabled(false);
    Label3 = named<QLabel>("Label3", u"У вас на счету:"_s, this);
    lblYHave = figure("lblYHave", u"0"_s, this);
    Label8 = named<QLabel>("Label8", u"$"_s, this);
    Label6 = named<QLabel>("Label6", u"Прирост:"_s, this);
    lblInc = figure("lblInc", u"0"_s, this);

    auto* top = new QHBoxLayout;
    top->addWidget(imgBank, 0, Qt::AlignTop);
    top->addWidget(Label5, 1);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->addWidget(Label1, 0, 0);
    form->addWidget(txtPut, 0, 1);
    form->addWidget(cmdPut, 0, 2);
    form->addWidget(Label2, 1, 0);
    form->addWidget(txtTake, 1, 1);
    form->addWidget(cmdTake, 1, 2);
    auto* balance = new QHBoxLayout;
    balance->setSpacing(4);
    balance->addWidget(lblYHave);
    balance->addWidget(Label8);
    balance->addStretch(1);
    form->addWidget(Label3, 2, 0);
    form->addLayout(balance, 2, 1, 1, 2);
    form->addWidget(Label6, 3, 0);
    form->addWidget(lblInc, 3, 1, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch(1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(520);

    routeKeyPress(txtPut, [this](QChar& key) { amount_KeyPress(key); });
    routeKeyPress(txtTake, [this](QChar& key) { amount_KeyPress(key); });
    onChange(txtPut, &frmBank::txtPut_Change);
    onChange(txtTake, &frmBank::txtTake_Change);
    onClick(cmdPut, &frmBank::cmdPut_Click);
    onClick(cmdTake, &frmBank::cmdTake_Click);
    pressOnEnter(txtPut, cmdPut);
    pressOnEnter(txtTake, cmdTake);
    // The clock's interest and the bank's failures show here at once.
    connect(&game, &Game::bankBalanceChanged, this, &frmBank::showAccount);
}

void frmBank::Form_Load() {
    showAccount();
}

void frmBank::showAccount() {
    showBalance(Num(game().state.BankAccount));
}

void frmBank::showBalance(const QString& balance) {
    lblYHave->setText(balance);
    lblInc->setText(Num(Bank::growth(Sat16(Int(Val(balance))))));
}

void frmBank::amount_KeyPress(QChar& key) {
    if (key == u'\b' || (key >= u'0' && key <= u'9'))
        return;
    key = QChar();
    msg(u"Это не число!"_s, u"Это не число!"_s, MsgIcon::Exclamation);
}

void frmBank::txtPut_Change() {
    amountChanged(txtPut, cmdPut);
}

void frmBank::txtTake_Change() {
    amountChanged(txtTake, cmdTake);
}

void frmBank::cmdPut_Click() {
    QString shown = lblYHave->text();
    const Bank::Outcome outcome = Bank::deposit(game().state, shown, txtPut->text(), effects());
    if (outcome == Bank::Outcome::Moved)
        showBalance(shown);
    // A deposit the account cannot hold keeps its amount, for the player to correct.
    if (outcome != Bank::Outcome::OverLimit)
        txtPut->clear();
}

void frmBank::cmdTake_Click() {
    QString shown = lblYHave->text();
    if (Bank::withdraw(game().state, shown, txtTake->text(), effects()) == Bank::Outcome::Moved)
        showBalance(shown);
    txtTake->clear();
}
