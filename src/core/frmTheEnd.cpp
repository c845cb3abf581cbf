#include "frmTheEnd.h"

#include "Contacts.h"
#include "Controls.h"
#include "Game.h"
#include "Picture.h"
#include "frmFirst.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTheEnd::frmTheEnd(Game& game)
    : Form(game, u"frmTheEnd"_qs) {
    setWindowTitle(u"Тимбурия"_qs);
    imgTheEnd = new Picture(u"imgTheEnd"_qs, u"first"_qs, this);
    lblCongratulations = named<QLabel>(
        "lblCongratulations",
        u"Поздравляем! Вы стали президентом компьютерной компании: выше в этой игре подняться "
        "уже нельзя. Играть можно и дальше."_qs,
        this);
    lblCongratulations->setWordWrap(true);
    QFont bold = lblCongratulations->font();
    bold.setBold(true);
    lblCongratulations->setFont(bold);

    Label2 =
        named<QLabel>("Label2", u"Последнюю версию игры вы сможете найти на моем сайте:"_qs, this);
    Label2->setWordWrap(true);
    Text2 = named<QLineEdit>("Text2", this);
    Text2->setReadOnly(true);
    Label3 = named<QLabel>("Label3", u"Мой адрес:"_qs, this);
    txtEMAIL = named<QLineEdit>("txtEMAIL", Contacts::email(), this);
    txtEMAIL->setReadOnly(true);
    cmdOK = named<QPushButton>("cmdOK", u"OK"_qs, this);
    cmdOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgTheEnd);
    layout->addWidget(lblCongratulations);
    layout->addWidget(Label2);
    layout->addWidget(Text2);
    auto* mail = new QHBoxLayout;
    mail->addWidget(Label3);
    mail->addWidget(txtEMAIL, 1);
    layout->addLayout(mail);
    layout->addWidget(cmdOK);
    setFixedWidth(400);

    onClick(cmdOK, &frmTheEnd::cmdOK_Click);
}

void frmTheEnd::Form_Load() {
    // The start window's address, without loading that window just to read it.
    auto* first = game().loaded<frmFirst>(u"frmFirst"_qs);
    Text2->setText(first ? first->Text2->text() : Contacts::web());
}

void frmTheEnd::cmdOK_Click() {
    game().unload(this);
}
