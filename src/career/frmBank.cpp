#include "frmBank.h"

#include "Clock.h"
#include "Controls.h"
#include "Game.h"
#include "NumberText.h"
#include "Picture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

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
    : Form(game, u"frmBank"_qs) {
    setWindowTitle(u"Банк"_qs);

    imgBank = new Picture(u"imgBank"_qs, u"places/bank"_qs, this);
    imgBank->setFixedSize(160, 120);
    Label5 = named<QLabel>(
        "Label5",
        u"Добро пожаловать в Банк. Здесь вы можете положить ваши деньги на сохранение и "
        "получать проценты. Чтобы к вам на счет потекли проценты, вы должны положить сумму "
        "большую или равную 20$. Если вы положили x$ то вам будет начисляться натуральная "
        "сумма x \\ 20."_qs,
        this);
    Label5->setWordWrap(true);

    Label1 = named<QLabel>("Label1", u"Положить:"_qs, this);
    txtPut = named<QLineEdit>("txtPut", this);
    cmdPut = named<QPushButton>("cmdPut", u"ОК"_qs, this);
    cmdPut->setEnabled(false);
    Label2 = named<QLabel>("Label2", u"Снять со счета:"_qs, this);
    txtTake = named<QLineEdit>("txtTake", this);
    cmdTake = named<QPushButton>("cmdTake", u"ОК"_qs, this);
    cmdTake->setEnabled(false);
    Label3 = named<QLabel>("Label3", u"У вас на счету:"_qs, this);
    lblYHave = named<QLabel>("lblYHave", u"0"_qs, this);
    Label8 = named<QLabel>("Label8", u"$"_qs, this);
    Label6 = named<QLabel>("Label6", u"Прирост:"_qs, this);
    lblInc = named<QLabel>("lblInc", u"0"_qs, this);
    cmdBack = named<QPushButton>("cmdBack", u"<< Назад"_qs, this);
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
    msg(u"Это не число!"_qs, u"Это не число!"_qs, MsgIcon::Exclamation);
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
        msg(u"У вас нет таких денег!"_qs, u"Денег нету."_qs);
        txtPut->clear();
        return;
    }
    const double balance = amount + wholePart(lblYHave->text());
    if (balance > std::numeric_limits<qint16>::max()) {
        // The account holds at most 32767; a larger deposit would corrupt it.
        msg(u"Банк не может принять такую сумму: на одном счету может лежать не больше "
            "32767$."_qs,
            u"Слишком большая сумма."_qs);
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
        msg(u"У вас нет таких денег на счету!"_qs, u"Денег нету."_qs);
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
