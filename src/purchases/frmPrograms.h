// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The software shop: systems, languages, graphics editors, anti-virus programs and Internet
// tools, one button per program in a frame per group, and the anti-virus check. Pointing at a
// button shows the program's price and minimum system requirements; a click installs it.

#include "ui/Form.h"

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

private:
    class InstallEffects;

    void program_MouseMove(size_t index);
    void program_Click(size_t index);
    void cmdAntivirus_MouseMove();
    void cmdAntivirus_Click();
    void Form_MouseMove();

    // The window's own copy of a group's field; nullptr for the groups without one.
    QLabel* groupLabel(Programs::Group group) const;
    void disableUpTo(const Programs::Program& program);
    void recorded(const Programs::Program& program);

    std::vector<QPushButton*> buttons_; // by the program's place in the catalogue
    InfoPanel* panel_;
};
