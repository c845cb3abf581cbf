#include "career/frmBank.h"

#include "rules/Clock.h"
#include "state/NumberText.h"
#include "ui/Controls.h"
#include "ui/Game.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Only plain digits make an amount: no sign, no blanks, no fraction.
bool isAmount(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// An amount field changed: an amount enables its OK button, an empty field disables it, and
// anything else (only pasting can bring it) is cleared before it reaches the arithmetic.
void amountChanged(QLineEdit* box, QPushButton* ok) {
    const QString text = box->text();
    if (text.isEmpty())
        ok->setEnabled(false);
    else if (isAmount(text))
        ok->setEnabled(true);
    else
        box->clear(); // comes back here empty and disables the button
}

double wholePart(const QString& text) {
    return Int(Val(text));
}

} // namespace

frmBank::frmBank(Game& game)
    : Form(game, u"frmBank"_s) {
    setWindowTitle(u"Банк"_s);

    imgBank = new Picture(u"imgBank"_s, u"places/bank"_s, this);
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
    lblYHave = named<QLabel>("lblYHave", u"0"_s, this);
    Label8 = named<QLabel>("Label8", u"$"_s, this);
    Label6 = named<QLabel>("Label6", u"Прирост:"_s, this);
    lblInc = named<QLabel>("lblInc", u"0"_s, this);
    cmdBack = named<QPushButton>("cmdBack", u"<< Назад"_s, this);
    markAsFigure(lblYHave);
    markAsFigure(lblInc);

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
    layout->addLayout(atRight(cmdBack));
    setMinimumWidth(520);

    routeKeyPress(txtPut, [this](QChar& key) { amount_KeyPress(key); });
    routeKeyPress(txtTake, [this](QChar& key) { amount_KeyPress(key); });
    onChange(txtPut, &frmBank::txtPut_Change);
    onChange(txtTake, &frmBank::txtTake_Change);
    onClick(cmdPut, &frmBank::cmdPut_Click);
    onClick(cmdTake, &frmBank::cmdTake_Click);
    onClick(cmdBack, &frmBank::cmdBack_Click);
}

void frmBank::Form_Load() {
    showBalance(game().state.BankAccount);
}

void frmBank::showBalance(double balance) {
    lblYHave->setText(Num(balance));
    lblInc->setText(Num(Clock::growth(int(balance))));
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
    GameState& s = game().state;
    const double cash = wholePart(s.lblMoney);
    const double amount = wholePart(txtPut->text());
    if (amount > cash) {
        msg(u"У вас нет таких денег!"_s, u"Денег нету."_s);
        txtPut->clear();
        return;
    }
    const double balance = amount + wholePart(lblYHave->text());
    if (balance > std::numeric_limits<qint16>::max()) {
        // The account holds at most 32767; a larger deposit would corrupt it.
        msg(u"Банк не может принять такую сумму: на одном счету может лежать не больше "
            "32767$."_s,
            u"Слишком большая сумма."_s);
        return;
    }
    s.lblMoney = Num(cash - amount);
    showBalance(balance);
    txtPut->clear();
    s.BankAccount = Sat16(balance);
}

void frmBank::cmdTake_Click() {
    GameState& s = game().state;
    const double balance = wholePart(lblYHave->text());
    const double amount = wholePart(txtTake->text());
    if (amount > balance) {
        msg(u"У вас нет таких денег на счету!"_s, u"Денег нету."_s);
    } else {
        s.lblMoney = Num(wholePart(s.lblMoney) + amount);
        s.BankAccount = AddSat16(s.BankAccount, -amount);
        showBalance(Val(lblYHave->text()) - amount);
    }
    txtTake->clear();
}

void frmBank::cmdBack_Click() {
    game().unload(this);
}
