// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "career/frmStudy.h"

#include "rules/Study.h"
#include "ui/Game.h"
#include "ui/InfoPanel.h"
#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmStudy::frmStudy(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"Обучение"_s);

    imgStudy = named<Picture>("imgStudy", u"study/classroom"_s, this);
    imgStudy->setFixedSize(240, 180);

    auto* courses = new QVBoxLayout;
    const auto table = Study::courses();
    for (size_t i = 0; i < table.size(); ++i) {
        const Study::Course& course = table[i];
        auto* button = named<QPushButton>(course.button, QString::fromUtf16(course.start), this);
        button->setMinimumHeight(40);
        buttons_[i] = button;
        courses->addWidget(button);
        onClick(button, [this, i] { course_Click(i); });
        onMouseMove(button, [this, i] { course_MouseMove(i); });
    }
    courses->addStretch(1);
    cmdSchool = buttons_[0];
    cmdEnglish = buttons_[1];
    cmdComp = buttons_[2];

    auto* panel = new InfoPanel(this, {{"Label2", u"Кратко:"_s, "lblWhat", {}},
                                       {"lblZen", u"Цена в день:"_s, "lblCost", {}}});
    Label2 = findChild<QLabel*>(u"Label2"_s);
    lblZen = findChild<QLabel*>(u"lblZen"_s);
    lblWhat = panel->value("lblWhat");
    lblCost = panel->value("lblCost");

    auto* top = new QHBoxLayout;
    top->addWidget(imgStudy, 0, Qt::AlignTop);
    top->addLayout(courses, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(panel);
    cmdBack = addBackButton(layout);
    setMinimumWidth(580);

    onMouseMove(this, &frmStudy::Form_MouseMove);
}

void frmStudy::Form_Load() {
    const auto table = Study::courses();
    for (size_t i = 0; i < table.size(); ++i) {
        const Study::State state = Study::stateAtLoad(game().state, table[i]);
        buttons_[i]->setText(Study::caption(table[i], state));
        if (state == Study::State::Finished)
            buttons_[i]->setEnabled(false);
    }
}

void frmStudy::course_Click(size_t course) {
    QPushButton* button = buttons_[course];
    const QString next =
        Study::click(game().state, Study::courses()[course], button->text(), effects());
    button->setText(next);
}

void frmStudy::course_MouseMove(size_t course) {
    const Study::Course& c = Study::courses()[course];
    lblCost->setText(QString::fromUtf16(c.price));
    lblWhat->setText(QString::fromUtf16(c.shortName));
}

void frmStudy::Form_MouseMove() {
    lblCost->setText(u"00"_s);
    lblWhat->setText(InfoPanel::Nothing);
}
