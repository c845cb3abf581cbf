// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "purchases/frmPrograms.h"

#include "rules/Programs.h"
#include "rules/Virus.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"
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

frmPrograms::frmPrograms(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Программы"));

    struct FrameInfo {
        QGroupBox*& frame;
        const char* name;
        const char* title;
        Group group;
        Picture*& picture;
        const char* pictureName;
        const char* art;
    };
    const FrameInfo frames[] = {
        {Frame1, "Frame1", QT_TR_NOOP("Система"), Group::System, imgSystem, "imgSystem",
         "programs/system"},
        {Frame2, "Frame2", QT_TR_NOOP("Программирование"), Group::Language, imgProgramming,
         "imgProgramming", "programs/programming"},
        {Frame4, "Frame4", QT_TR_NOOP("Графика"), Group::Graphics, imgGraphics, "imgGraphics",
         "programs/graphics"},
        {Frame3, "Frame3", QT_TR_NOOP("Антивирус"), Group::Antivirus, imgAntivirus, "imgAntivirus",
         "programs/antivirus"},
        {Frame5, "Frame5", QT_TR_NOOP("Интернет"), Group::Internet, imgInternet, "imgInternet",
         "programs/internet"},
    };
    struct Current {
        QLabel*& caption;
        const char* captionName;
        const char* captionText;
        QLabel*& value;
        const char* valueName;
        const char* none; // what the value says before the group's first install
    };
    const Current currents[] = {
        {Label1, "Label1", QT_TR_NOOP("Система:"), lblSystem, "lblSystem",
         QT_TR_NOOP("не установлена")},
        {Label4, "Label4", QT_TR_NOOP("Язык програм-ия:"), lblProgram, "lblProgram",
         QT_TR_NOOP("не установлен")},
        {Label3, "Label3", QT_TR_NOOP("Граф. редактор:"), lblGraph, "lblGraph",
         QT_TR_NOOP("не установлен")},
    };

    const auto catalogue = Programs::catalogue();
    buttons_.resize(catalogue.size());
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    int cell = 0;
    for (const FrameInfo& info : frames) {
        info.frame = says(named<QGroupBox>(info.name, this), info.title);
        auto* column = new QVBoxLayout(info.frame);
        column->setSpacing(4);
        auto* top = new QHBoxLayout;
        info.picture = named<Picture>(info.pictureName, QString::fromLatin1(info.art), info.frame);
        info.picture->setFixedSize(48, 36);
        top->addWidget(info.picture, 0, Qt::AlignTop);
        if (info.group < Group::Antivirus) {
            const Current& current = currents[int(info.group)];
            current.caption =
                says(named<QLabel>(current.captionName, info.frame), current.captionText);
            current.value = figure(current.valueName, QString(), info.frame);
            groups_[size_t(info.group)] = {current.value, current.none, {}};
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
            auto* button = named<QPushButton>(catalogue[i].button, info.frame);
            buttons_[i] = button;
            column->addWidget(button);
            onMouseMove(button, [this, i] { program_MouseMove(i); });
            onClick(button, [this, i] { program_Click(i); });
        }
        if (info.group == Group::Antivirus) {
            cmdAntivirus = says(named<QPushButton>("cmdAntivirus", info.frame),
                                QT_TR_NOOP("Проверить на вирусы"));
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

    showCaptions();

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
    for (size_t g = 0; g < groups_.size(); ++g) {
        const QString& field = s.*Programs::field(Group(g));
        groups_[g].record = hasNone(field) ? QString() : field;
    }
    showGroups();
}

void frmPrograms::showCaptions() {
    const auto catalogue = Programs::catalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        buttons_[i]->setText(Words::text(Words::For::Player, catalogue[i].caption));
}

void frmPrograms::showGroups() {
    for (const GroupLabel& group : groups_)
        group.label->setText(group.record.isEmpty() ? tr(group.none) : Words::shown(group.record));
}

void frmPrograms::retranslateUi() {
    showCaptions();
    showGroups();
    // The drawing sets offered_ anew as it runs: it runs from a copy.
    if (const std::function<void()> offered = offered_)
        offered();
}

void frmPrograms::program_MouseMove(size_t index) {
    offered_ = [this, index] {
        program_MouseMove(index);
    };
    const Program& program = Programs::catalogue()[index];
    panel_->offer(Words::text(Words::For::Player, program.name), Num(program.price),
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
    offered_ = [this] {
        cmdAntivirus_MouseMove();
    };
    panel_->offer(tr("Проверка"), Num(Virus::CheckPrice),
                  tr("Проверить и уничтожить (если возможно) вирусы с компьютера. Если удалить не "
                     "удастся, тогда вам не нужно будет платить за проверку."));
}

void frmPrograms::cmdAntivirus_Click() {
    Virus::check(game().state, effects());
}

void frmPrograms::Form_MouseMove() {
    offered_ = nullptr;
    panel_->clear();
}

void frmPrograms::disableUpTo(const Program& program) {
    const auto catalogue = Programs::catalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (Programs::covers(program, catalogue[i]))
            disable(buttons_[i]);
}

void frmPrograms::recorded(const Program& program) {
    if (size_t(program.group) < groups_.size()) {
        groups_[size_t(program.group)].record = game().state.*Programs::field(program.group);
        showGroups();
    }
    if (program.group == Group::Antivirus)
        cmdAntivirus->setEnabled(true);
}
