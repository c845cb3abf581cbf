// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmPrograms.h"

#include "rules/Programs.h"
#include "rules/Virus.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Programs::Group;
using Programs::Program;

class frmPrograms::InstallEffects : public FormEffects<Programs::Effects> {
public:
    explicit InstallEffects(frmPrograms& window)
        : FormEffects(window)
        , window_(window) {}
    void disableUpTo(const Program& program) override { window_.disableUpTo(program); }
    void recorded(const Program& program) override { window_.recorded(program); }

private:
    frmPrograms& window_;
};

namespace {

// What the window's label of a group says before the group's first install.
QString shown(const QString& field, const QString& none) {
    return hasNone(field) ? none : field;
}

} // namespace

frmPrograms::frmPrograms(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Программы"_s);

    struct FrameInfo {
        QGroupBox*& frame;
        const char* name;
        const char16_t* title;
        Group group;
        Picture*& picture;
        const char* pictureName;
        const char* art;
    };
    const FrameInfo frames[] = {
        {Frame1, "Frame1", u"Система", Group::System, imgSystem, "imgSystem", "programs/system"},
        {Frame2, "Frame2", u"Программирование", Group::Language, imgProgramming, "imgProgramming",
         "programs/programming"},
        {Frame4, "Frame4", u"Графика", Group::Graphics, imgGraphics, "imgGraphics",
         "programs/graphics"},
        {Frame3, "Frame3", u"Антивирус", Group::Antivirus, imgAntivirus, "imgAntivirus",
         "programs/antivirus"},
        {Frame5, "Frame5", u"Интернет", Group::Internet, imgInternet, "imgInternet",
         "programs/internet"},
    };
    struct Current {
        QLabel*& caption;
        const char* captionName;
        const char16_t* captionText;
        QLabel*& value;
        const char* valueName;
    };
    const Current currents[] = {
        {Label1, "Label1", u"Система:", lblSystem, "lblSystem"},
        {Label4, "Label4", u"Язык програм-ия:", lblProgram, "lblProgram"},
        {Label3, "Label3", u"Граф. редактор:", lblGraph, "lblGraph"},
    };

    const auto catalogue = Programs::catalogue();
    buttons_.resize(catalogue.size());
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    int cell = 0;
    for (const FrameInfo& info : frames) {
        info.frame = named<QGroupBox>(info.name, QString::fromUtf16(info.title), this);
        auto* column = new QVBoxLayout(info.frame);
        column->setSpacing(4);
        auto* top = new QHBoxLayout;
        info.picture = named<Picture>(info.pictureName, QString::fromLatin1(info.art), info.frame);
        info.picture->setFixedSize(48, 36);
        top->addWidget(info.picture, 0, Qt::AlignTop);
        if (info.group < Group::Antivirus) {
            const Current& current = currents[int(info.group)];
            current.caption = named<QLabel>(current.captionName,
                                            QString::fromUtf16(current.captionText), info.frame);
            current.value = figure(current.valueName, QString(), info.frame);
            relateToCaption(current.value, current.caption);
            auto* texts = new QVBoxLayout;
            texts->setSpacing(0);
            texts->addWidget(current.caption);
            texts->addWidget(current.value);
            top->addLayout(texts, 1);
        } else {
            top->addStretch(1);
        }
        column->addLayout(top);
        for (size_t i = 0; i < catalogue.size(); ++i) {
            if (catalogue[i].group != info.group)
                continue;
            auto* button = named<QPushButton>(catalogue[i].button,
                                              QString::fromUtf8(catalogue[i].caption), info.frame);
            buttons_[i] = button;
            column->addWidget(button);
            onMouseMove(button, [this, i] { program_MouseMove(i); });
            onClick(button, [this, i] { program_Click(i); });
        }
        if (info.group == Group::Antivirus) {
            cmdAntivirus = named<QPushButton>("cmdAntivirus", u"Проверить на вирусы"_s, info.frame);
            column->addWidget(cmdAntivirus);
        }
        column->addStretch(1);
        grid->addWidget(info.frame, cell / 3, cell % 3);
        ++cell;
    }

    panel_ = InfoPanel::forGoods(this);
    lblWhat = panel_->value("lblWhat");
    lblZen = findChild<QLabel*>(u"lblZen"_s);
    lblM = panel_->value("lblM");
    Label2 = findChild<QLabel*>(u"Label2"_s);
    txtSpec = panel_->txtSpec;
    // The longest requirements, those of Windows 2000, fill eight lines.
    setHeightInLines(txtSpec, 8, 12);
    grid->addWidget(panel_, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    cmdBack = addBackButton(layout);
    setMinimumWidth(640);

    onMouseMove(cmdAntivirus, &frmPrograms::cmdAntivirus_MouseMove);
    onClick(cmdAntivirus, &frmPrograms::cmdAntivirus_Click);
    onMouseMove(this, &frmPrograms::Form_MouseMove);
}

void frmPrograms::Form_Load() {
    const GameState& s = game().state;
    cmdAntivirus->setEnabled(!hasNone(s.lblAntvirus));
    const auto catalogue = Programs::catalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (Programs::installed(s, catalogue[i]))
            disable(buttons_[i]);
    lblSystem->setText(shown(s.lblSystem, u"не установлена"_s));
    lblProgram->setText(shown(s.lblProgram, u"не установлен"_s));
    lblGraph->setText(shown(s.lblGraph, u"не установлен"_s));
}

void frmPrograms::program_MouseMove(size_t index) {
    const Program& program = Programs::catalogue()[index];
    panel_->offer(QString::fromUtf8(program.name), Num(program.price),
                  Programs::requirements(game().state, program));
}

void frmPrograms::program_Click(size_t index) {
    // The install takes the name and price from the catalogue rather than from the panel: the
    // panel may be showing another button, the one under the pointer while the keyboard
    // presses the focused one.
    InstallEffects effects(*this);
    Programs::install(game().state, Programs::catalogue()[index], effects);
}

void frmPrograms::cmdAntivirus_MouseMove() {
    panel_->offer(
        u"Проверка"_s, Num(Virus::CheckPrice),
        u"Проверить и уничтожить (если возможно) вирусы с компьютера. Если удалить не удастся, "
        "тогда вам не нужно будет платить за проверку."_s);
}

void frmPrograms::cmdAntivirus_Click() {
    Virus::check(game().state, effects());
}

void frmPrograms::Form_MouseMove() {
    panel_->clear();
}

QLabel* frmPrograms::groupLabel(Group group) const {
    switch (group) {
    case Group::System:
        return lblSystem;
    case Group::Language:
        return lblProgram;
    case Group::Graphics:
        return lblGraph;
    case Group::Antivirus:
    case Group::Internet:
        break;
    }
    return nullptr;
}

void frmPrograms::disableUpTo(const Program& program) {
    const auto catalogue = Programs::catalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (Programs::covers(program, catalogue[i]))
            disable(buttons_[i]);
}

void frmPrograms::recorded(const Program& program) {
    if (QLabel* label = groupLabel(program.group))
        label->setText(game().state.*Programs::field(program.group));
    if (program.group == Group::Antivirus)
        cmdAntivirus->setEnabled(true);
}
