// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "career/frmStudy.h"

#include "rules/Study.h"
#include "state/Words.h"
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
    says(this, QT_TR_NOOP("Обучение"));

    imgStudy = named<Picture>("imgStudy", u"study/classroom"_s, this);
    imgStudy->setFixedSize(240, 180);

    auto* courses = new QVBoxLayout;
    const auto table = Study::courses();
    for (size_t i = 0; i < table.size(); ++i) {
        const Study::Course& course = table[i];
        captions_[i] = Study::caption(course, Study::State::Start);
        auto* button = named<QPushButton>(course.button, Words::shown(captions_[i]), this);
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

    auto* panel =
        new InfoPanel(this, {{"Label2", {}, "lblWhat", {}}, {"lblZen", {}, "lblCost", {}}});
    Label2 = says(findChild<QLabel*>(u"Label2"_s), QT_TR_NOOP("Кратко:"));
    lblZen = says(findChild<QLabel*>(u"lblZen"_s), QT_TR_NOOP("Цена в день:"));
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
        captions_[i] = Study::caption(table[i], state);
        buttons_[i]->setText(Words::shown(captions_[i]));
        if (state == Study::State::Finished)
            buttons_[i]->setEnabled(false);
    }
}

void frmStudy::course_Click(size_t course) {
    captions_[course] =
        Study::click(game().state, Study::courses()[course], captions_[course], effects());
    buttons_[course]->setText(Words::shown(captions_[course]));
}

void frmStudy::course_MouseMove(size_t course) {
    pointedAt_ = course;
    const Study::Course& c = Study::courses()[course];
    lblCost->setText(QString::fromLatin1(c.price));
    lblWhat->setText(Words::text(Words::For::Player, c.shortName));
}

void frmStudy::Form_MouseMove() {
    pointedAt_.reset();
    lblCost->setText(u"00"_s);
    lblWhat->setText(InfoPanel::Nothing);
}

void frmStudy::retranslateUi() {
    for (size_t i = 0; i < std::size(buttons_); ++i)
        buttons_[i]->setText(Words::shown(captions_[i]));
    if (pointedAt_)
        course_MouseMove(*pointedAt_);
}
