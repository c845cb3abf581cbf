#pragma once
// The help window: four pages of text on top of each other, one shown at a time, with a
// marker line that joins the pressed page button.

#include "ui/Form.h"

class LineControl;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmHelp : public Form {
public:
    static constexpr QStringView Name = u"frmHelp";
    explicit frmHelp(Game& game);

    void Form_Load() override;

    enum class Page { MainWindow, ShortHelp };
    // The menu's two help items.
    static void ShowPage(Game& game, Page page);

    QLabel *Label1, *Label2;
    QPlainTextEdit *txtMainWindow, *txtSmallHelp, *txtPoboch, *txtChanges;
    QPushButton *Command3, *Command1, *Command2, *cmdChanges, *cmdAbout, *cmdOk;
    LineControl *obVertLine, *linH;

private:
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdChanges_Click();
    void cmdAbout_Click();
    void cmdOk_Click();

    void showOnly(QPlainTextEdit* page);
    void markButton(QPushButton* button);
};
