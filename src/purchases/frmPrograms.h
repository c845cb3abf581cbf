// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The software shop: systems, languages, graphics editors, anti-virus programs and Internet
// tools, one button per program in a frame per group, and the anti-virus check. Pointing at a
// button shows the program's price and minimum system requirements; a click installs it.

#include "ui/Form.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class InfoPanel;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Picture;

namespace Programs {
enum class Group;
struct Program;
} // namespace Programs

class frmPrograms : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmPrograms)

public:
    static constexpr QStringView Name = u"frmPrograms";
    explicit frmPrograms(Game& game);

    void Form_Load() override;

    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5;
    Picture *imgSystem, *imgProgramming, *imgGraphics, *imgAntivirus, *imgInternet;
    QLabel *Label1, *Label3, *Label4, *lblSystem, *lblProgram, *lblGraph;
    QLabel *lblWhat, *lblZen, *lblM, *Label2;
    QPlainTextEdit* txtSpec;
    QPushButton *cmdAntivirus, *cmdBack;

protected:
    void retranslateUi() override;

private:
    class InstallEffects;

    void program_MouseMove(size_t index);
    void program_Click(size_t index);
    void cmdAntivirus_MouseMove();
    void cmdAntivirus_Click();
    void Form_MouseMove();

    // The programs' captions, from the catalogue.
    void showCaptions();
    // The labels of the groups that have one, from the window's copies of their fields.
    void showGroups();
    void disableUpTo(const Programs::Program& program);
    void recorded(const Programs::Program& program);

    std::vector<QPushButton*> buttons_; // by the program's place in the catalogue
    InfoPanel* panel_;
    // The window's own copy of the field of each group that has a label: the system, the
    // language and the graphics editor, in the order of Programs::Group.
    struct GroupLabel {
        QLabel* label;
        const char* none; // marked QT_TR_NOOP here
        QString record;   // the field as the rules word it; empty: nothing installed yet
    };
    std::array<GroupLabel, 3> groups_{};
    // Draws the panel again: what the pointer is on, or nothing.
    std::function<void()> offered_;
};
