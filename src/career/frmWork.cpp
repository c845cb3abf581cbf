// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "career/frmWork.h"

#include "core/frmTheEnd.h"
#include "rules/Jobs.h"
#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The board at the top of the window is laid out in twips from the window's corner, as the
// verdict line's two parts are placed there when the window loads.
constexpr int BoardWidth = 7200;
constexpr int BoardHeight = 3180;
// The verdict line's place on the board: its parts stand side by side from VerdictLeft, one
// pixel apart, and the last one wraps within what is left of VerdictRight.
constexpr int VerdictLeft = 3855;
constexpr int VerdictTop = 2520;
constexpr int VerdictRight = 6855;
constexpr int VerdictGap = 15;

// The verdict line is set small enough for its parts to fit their places, whatever the
// desktop's font.
void verdictFont(QLabel* label) {
    QFont font = label->font();
    font.setPixelSize(11);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QLabel* verdictPart(const char* name, QWidget* window) {
    auto* label = named<QLabel>(name, window);
    verdictFont(label);
    label->setWordWrap(true);
    setForeColor(label, Qt::white);
    return label;
}

} // namespace

frmWork::frmWork(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Работа"));

    // The board: the picture, the current job, and the job under the pointer with its verdict,
    // light on dark under any desktop theme.
    auto* board = new QWidget(this);
    board->setFixedHeight(Twips::toPixels(BoardHeight));
    board->setMinimumWidth(Twips::toPixels(BoardWidth));
    board->setAutoFillBackground(true);
    QPalette dark = board->palette();
    dark.setColor(QPalette::Window, QColor(0x24, 0x32, 0x4a));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xee, 0xf6));
    dark.setColor(QPalette::Link, QColor(0xff, 0xd1, 0x66));
    board->setPalette(dark);

    imgOffice = named<Picture>("imgOffice", u"work/office"_s, board);
    Twips::place(imgOffice, 240, 240, 3360, 2520);
    Label14 = says(named<QLabel>("Label14", board), QT_TR_NOOP("Сейчас вы:"));
    Twips::place(Label14, 3855, 240, 3150, 270);
    lblWWho = figure("lblWWho", QString(), board);
    relateToCaption(lblWWho, Label14);
    Twips::place(lblWWho, 3855, 510, 3150, 330);
    lbladdSpec = named<QLabel>("lbladdSpec", QString(), board);
    lbladdSpec->setWordWrap(true);
    lbladdSpec->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(lbladdSpec, 3855, 960, 3150, 1440);
    lblWCan = named<QLabel>("lblWCan", QString(), board);
    verdictFont(lblWCan);
    lblWCan->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setForeColor(lblWCan, QColor(0xff, 0x9e, 0x80));
    Twips::place(lblWCan, 4140, VerdictTop, 405, 195);

    // The jobs and their salaries.
    Label10 = says(heading("Label10", {}, this), QT_TR_NOOP("Работа:"));
    Label11 = says(heading("Label11", {}, this), QT_TR_NOOP("Зарплата:"));
    struct Row {
        QPushButton*& button;
        const char* buttonName;
        QLabel*& salary;
        const char* salaryName;
    };
    const Row rows[Jobs::Count] = {
        {cmdWGruschik, "cmdWGruschik", Label1, "Label1"},
        {cmdWTaxi, "cmdWTaxi", Label2, "Label2"},
        {cmdWGardener, "cmdWGardener", Label3, "Label3"},
        {cmdWBegProg, "cmdWBegProg", Label4, "Label4"},
        {cmdWProg, "cmdWProg", Label5, "Label5"},
        {cmdWProva, "cmdWProva", Label6, "Label6"},
        {cmdWebmaster, "cmdWebmaster", Label7, "Label7"},
        {cmdWHakker, "cmdWHakker", Label8, "Label8"},
        {cmdWAdministrator, "cmdWAdministrator", Label9, "Label9"},
        {cmdWPresident, "cmdWPresident", Label13, "Label13"},
    };
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(12);
    table->setVerticalSpacing(4);
    table->addWidget(Label10, 0, 0);
    table->addWidget(Label11, 0, 1, Qt::AlignHCenter);
    for (size_t i = 0; i < Jobs::Count; ++i) {
        const Jobs::Job& job = Jobs::all()[i];
        const Row& row = rows[i];
        row.button = named<QPushButton>(row.buttonName, this);
        jobButtons_[i] = row.button;
        row.button->setMinimumHeight(28);
        row.salary = figure(row.salaryName, Num(job.salary), this);
        salaries_[i] = row.salary;
        table->addWidget(row.button, int(i) + 1, 0);
        table->addWidget(row.salary, int(i) + 1, 1, Qt::AlignHCenter);
        onMouseMove(row.button, [this, i] { job_MouseMove(i); });
        onClick(row.button, [this, i] { job_Click(i); });
    }
    table->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board);
    auto* below = new QVBoxLayout;
    below->setContentsMargins(12, 10, 12, 12);
    below->addLayout(table);
    layout->addLayout(below);
    cmdBack = addBackButton(below);
    setFixedWidth(Twips::toPixels(BoardWidth));
    showJobs();
}

void frmWork::showJobs() {
    const QString salaryCaption = spokenCaption(Label11->text());
    for (size_t i = 0; i < Jobs::Count; ++i) {
        const Jobs::Job& job = Jobs::all()[i];
        const QString caption = Words::shown(job.caption);
        jobButtons_[i]->setText(caption);
        // A salary's caption is its job's button, which a label cannot name as its caption:
        // each says the other.
        const QString salary = salaries_[i]->text();
        salaries_[i]->setAccessibleName(u"%1: %2"_s.arg(spokenCaption(caption), salary));
        jobButtons_[i]->setAccessibleDescription(u"%1: %2"_s.arg(salaryCaption, salary));
    }
}

void frmWork::showWho() {
    lblWWho->setText(who_.isEmpty() ? tr("безработный") : Words::shown(who_));
}

// Each part of the verdict keeps its place while its words fit it; a longer wording takes the
// room it needs and a blank's more, between it and the next word, and moves the parts after it
// along.
void frmWork::placeVerdict() {
    const auto width = [](const QLabel* label, const QString& text, int place) {
        const QFontMetrics metrics = label->fontMetrics();
        if (metrics.horizontalAdvance(text) * Twips::PerPixel <= place)
            return place;
        return metrics.horizontalAdvance(text + u' ') * Twips::PerPixel;
    };
    const int you = width(lbladdYou, lbladdYou->text(), 270);
    Twips::place(lbladdYou, VerdictLeft, VerdictTop, you, 195);
    const int notLeft = VerdictLeft + you + VerdictGap;
    const int notWidth = width(lblWCan, tr("не"), 405);
    Twips::place(lblWCan, notLeft, VerdictTop, notWidth, 195);
    const int restLeft = notLeft + notWidth + VerdictGap;
    Twips::place(lbladdOnthisW, restLeft, VerdictTop, VerdictRight - restLeft, 435);
}

void frmWork::Form_Load() {
    const QString& job = game().state.lblMyWork;
    who_ = !hasNone(job) ? job : QString();
    showWho();

    //: The verdict line over the picture reads as one sentence of three parts: "Вы", then
    //: "не" or nothing, then "можете работать на этой работе".
    lbladdOnthisW =
        says(verdictPart("lbladdOnthisW", this), QT_TR_NOOP("можете работать на этой работе"));
    lbladdYou = says(verdictPart("lbladdYou", this), QT_TR_NOOP("Вы"));
    placeVerdict();
    lbladdOnthisW->show();
    lbladdYou->show();
}

void frmWork::retranslateUi() {
    showJobs();
    showWho();
    if (judged_)
        job_MouseMove(*judged_);
    if (lbladdYou)
        placeVerdict();
}

void frmWork::job_MouseMove(size_t job) {
    const Jobs::Job& hovered = Jobs::all()[job];
    judged_ = job;
    qualifies_ = hovered.qualifies(game().state);
    lbladdSpec->setText(Words::shown(hovered.description));
    lblWCan->setText(qualifies_ ? QString() : tr("не"));
}

void frmWork::job_Click(size_t job) {
    // A click from the keyboard comes without the pointer over the button, and the verdict
    // shown may be another job's: the job is judged afresh, so no one is hired or turned away
    // by another job's verdict.
    if (judged_ != job)
        job_MouseMove(job);
    const Jobs::Job& clicked = Jobs::all()[job];
    GameState& s = game().state;
    if (!qualifies_) {
        Jobs::refuse(s, clicked, effects());
        return;
    }
    const bool promoted = s.lblMyWork != clicked.name;
    Jobs::hire(s, clicked, effects());
    who_ = clicked.shownAs;
    showWho();
    if (!clicked.endsGame)
        return;
    // The top of a career ends the life's story, though the game goes on.
    if (promoted)
        game().session.endLife();
    game().handOver(this, frmTheEnd::Name);
}
