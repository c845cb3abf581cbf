// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmHelp.h"

#include "core/frmFirst.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Language.h"
#include "ui/LineControl.h"
#include "ui/Twips.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The page buttons stand in a column at fixed places, so that the marker line can find them.
constexpr int ButtonLeft = 120;
constexpr int ButtonWidth = 2550;
constexpr int ButtonHeight = 330;
constexpr int FirstButtonTop = 240;
constexpr int ButtonStep = 540;
constexpr int PageButtons = 5;
constexpr int VerticalLineX = 2850;
constexpr int ColumnWidth = 2970;

// Each page is a file of its own, in the player's language: the Russian in assets/help, its
// English twin in assets/help/en.
constexpr struct {
    QPlainTextEdit* frmHelp::*page;
    const char* file;
} PageFiles[] = {{&frmHelp::txtMainWindow, "main"},
                 {&frmHelp::txtSmallHelp, "short"},
                 {&frmHelp::txtPoboch, "places"},
                 {&frmHelp::txtChanges, "changes"},
                 {&frmHelp::txtKeys, "keys"}};

QString helpText(const char* page) {
    const QString folder =
        currentLanguage() == Language::English ? u":/assets/help/en/"_s : u":/assets/help/"_s;
    QFile file(folder + QString::fromLatin1(page) + u".txt"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

} // namespace

frmHelp::frmHelp(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Помощь по игре \"Timburia\""));

    Label1 = says(heading("Label1", {}, this), QT_TR_NOOP("ПОМОЩЬ ПО ИГРЕ \"ТИМБУРИЯ\""));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = says(named<QLabel>("Label2", this),
                  QT_TR_NOOP("Автор и программист игры: Зарницын. Рисунки, тексты и исправления — "
                             "команда «Тимбурии»."));
    Label2->setWordWrap(true);

    // The page buttons, the lines and the about and OK buttons in a column of fixed places.
    auto* column = new QWidget(this);
    column->setFixedWidth(Twips::toPixels(ColumnWidth));
    column->setMinimumHeight(Twips::toPixels(FirstButtonTop + (PageButtons + 2) * ButtonStep));
    auto pageButton = [this, column](QPushButton*& member, const char* name, const char* text,
                                     int index) {
        member = says(named<QPushButton>(name, column), text);
        Twips::set(member, Twips::Edge::Left, ButtonLeft);
        Twips::set(member, Twips::Edge::Top, FirstButtonTop + index * ButtonStep);
        Twips::set(member, Twips::Edge::Width, ButtonWidth);
        Twips::set(member, Twips::Edge::Height, ButtonHeight);
    };
    pageButton(Command3, "Command3", QT_TR_NOOP("Главное окно игры"), 0);
    pageButton(Command1, "Command1", QT_TR_NOOP("Короткая справка"), 1);
    pageButton(Command2, "Command2", QT_TR_NOOP("Остальные окна"), 2);
    pageButton(cmdChanges, "cmdChanges", QT_TR_NOOP("Изменения"), 3);
    pageButton(cmdKeys, "cmdKeys", QT_TR_NOOP("Клавиши и удобства"), 4);
    obVertLine = named<LineControl>("obVertLine", column);
    obVertLine->setPoints(VerticalLineX, 60, VerticalLineX, FirstButtonTop + 150);
    linH = named<LineControl>("linH", column);
    linH->setPoints(ButtonLeft + ButtonWidth, FirstButtonTop + 150, VerticalLineX,
                    FirstButtonTop + 150);

    cmdAbout = says(named<QPushButton>("cmdAbout", this), QT_TR_NOOP("О программе"));
    cmdOk = says(named<QPushButton>("cmdOk", this), QT_TR_NOOP("ОК"));
    cmdOk->setDefault(true);
    setEscapeButton(cmdOk);

    auto page = [this](QPlainTextEdit*& member, const char* name, const char* title) {
        member = named<QPlainTextEdit>(name, this);
        member->setReadOnly(true);
        says(member, "accessibleName", title);
        member->setMinimumSize(520, 380);
    };
    page(txtMainWindow, "txtMainWindow", QT_TR_NOOP("Главное окно игры"));
    page(txtSmallHelp, "txtSmallHelp", QT_TR_NOOP("Короткая справка"));
    page(txtPoboch, "txtPoboch", QT_TR_NOOP("Остальные окна"));
    page(txtChanges, "txtChanges", QT_TR_NOOP("Изменения"));
    page(txtKeys, "txtKeys", QT_TR_NOOP("Клавиши и удобства"));
    showPageTexts();

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(column);
    left->addStretch(1);
    left->addWidget(cmdAbout);
    left->addWidget(cmdOk);
    layout->addLayout(left, 1, 0);
    // The pages share one place.
    for (QPlainTextEdit* p : {txtMainWindow, txtSmallHelp, txtPoboch, txtChanges, txtKeys})
        layout->addWidget(p, 1, 1);
    layout->addWidget(Label2, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    showOnly(txtMainWindow);

    onClick(Command3, &frmHelp::Command3_Click);
    onClick(Command1, &frmHelp::Command1_Click);
    onClick(Command2, &frmHelp::Command2_Click);
    onClick(cmdChanges, &frmHelp::cmdChanges_Click);
    onClick(cmdKeys, &frmHelp::cmdKeys_Click);
    onClick(cmdAbout, &frmHelp::cmdAbout_Click);
    onClick(cmdOk, &frmHelp::cmdOk_Click);
}

void frmHelp::showPageTexts() {
    for (const auto& [page, file] : PageFiles)
        (this->*page)->setPlainText(helpText(file));
}

void frmHelp::retranslateUi() {
    showPageTexts();
}

void frmHelp::Form_Load() {
    markButton(Command3);
}

void frmHelp::ShowPage(Game& game, Page page) {
    // F1 may ask for the help from a window that stands over it.
    auto* help = game.loadOnTop<frmHelp>();
    if (!help)
        return;
    help->showOnly(help->pageOf(page));
    // The marker joins the button of the page shown, which F1 in the help window itself may
    // change; the short help leaves it where the window's Load put it.
    if (page == Page::MainWindow)
        help->markButton(help->Command3);
    else if (page == Page::Keys)
        help->markButton(help->cmdKeys);
    game.show(help, true);
}

QPlainTextEdit* frmHelp::pageOf(Page page) const {
    switch (page) {
    case Page::MainWindow:
        return txtMainWindow;
    case Page::ShortHelp:
        return txtSmallHelp;
    case Page::Keys:
        return txtKeys;
    }
    return txtMainWindow;
}

void frmHelp::showOnly(QPlainTextEdit* page) {
    for (QPlainTextEdit* p : {txtMainWindow, txtSmallHelp, txtPoboch, txtChanges, txtKeys})
        p->setVisible(p == page);
}

void frmHelp::markButton(QPushButton* button) {
    const int at = Twips::get(button, Twips::Edge::Top) + 150;
    linH->setPoints(linH->x1(), at, linH->x2(), at);
    obVertLine->setY2(at);
}

void frmHelp::Command3_Click() {
    showOnly(txtMainWindow);
    markButton(Command3);
}

void frmHelp::Command1_Click() {
    showOnly(txtSmallHelp);
    markButton(Command1);
}

void frmHelp::Command2_Click() {
    showOnly(txtPoboch);
    markButton(Command2);
}

void frmHelp::cmdChanges_Click() {
    showOnly(txtChanges);
    markButton(cmdChanges);
}

void frmHelp::cmdKeys_Click() {
    showOnly(txtKeys);
    markButton(cmdKeys);
}

void frmHelp::cmdAbout_Click() {
    game().unload(this);
    frmFirst::ShowAbout(game());
}

void frmHelp::cmdOk_Click() {
    game().unload(this);
}
