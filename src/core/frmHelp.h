// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: five pages of text on top of each other, one shown at a time, with a
// marker line that joins the pressed page button.

#include "ui/Form.h"

#include <QCoreApplication>

class LineControl;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmHelp : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHelp)

public:
    static constexpr QStringView Name = u"frmHelp";
    explicit frmHelp(Game& game);

    void Form_Load() override;

    enum class Page { MainWindow, ShortHelp, Keys };
    // The menu's help items.
    static void ShowPage(Game& game, Page page);

    QLabel *Label1, *Label2;
    // txtKeys: the game's keys, the pause, the speeds, the forecast, the autosave and the
    // history.
    QPlainTextEdit *txtMainWindow, *txtSmallHelp, *txtPoboch, *txtChanges, *txtKeys;
    QPushButton *Command3, *Command1, *Command2, *cmdChanges, *cmdKeys, *cmdAbout, *cmdOk;
    LineControl *obVertLine, *linH;

protected:
    // The pages are read again in the new language.
    void retranslateUi() override;

private:
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdChanges_Click();
    void cmdKeys_Click();
    void cmdAbout_Click();
    void cmdOk_Click();

    void showPageTexts();
    void showOnly(QPlainTextEdit* page);
    QPlainTextEdit* pageOf(Page page) const;
    void markButton(QPushButton* button);
};
