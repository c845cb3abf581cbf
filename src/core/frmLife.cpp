// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmLife.h"

#include "core/ChartModule.h"
#include "rules/LifeStory.h"
#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString dollars(double amount) {
    return Num(amount) + u'$';
}

// A frame of caption and value rows. Each caption is its value's buddy, so a screen reader
// reads them together.
class Rows {
public:
    // The title and the captions are marked QT_TRANSLATE_NOOP("frmLife", ...).
    Rows(const char* title, QWidget* parent)
        : box_(new QGroupBox(parent))
        , grid_(new QGridLayout(box_)) {
        translatable(box_, "title", "frmLife", title);
        grid_->setHorizontalSpacing(8);
        grid_->setVerticalSpacing(3);
        grid_->setColumnStretch(1, 1);
        // The rows keep together at the top when the frame beside is taller.
        grid_->setAlignment(Qt::AlignTop);
    }

    // The value label; its caption in `captionLabel` when asked for.
    QLabel* add(const char* name, const char* caption, QLabel** captionLabel = nullptr) {
        const QString valueName = QString::fromLatin1(name);
        auto* label = named<QLabel>(valueName + u"Caption"_s, box_);
        translatable(label, "text", "frmLife", caption);
        QLabel* value = figure(name, {}, box_);
        relateToCaption(value, label);
        const int row = grid_->rowCount();
        grid_->addWidget(label, row, 0);
        grid_->addWidget(value, row, 1);
        if (captionLabel)
            *captionLabel = label;
        return value;
    }

    QGroupBox* box() const { return box_; }

private:
    QGroupBox* box_;
    QGridLayout* grid_;
};

} // namespace

frmLife::frmLife(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Итоги жизни"));

    lblCause = heading("lblCause", {}, this);
    lblDays = named<QLabel>("lblDays", this);

    Rows peaks(QT_TR_NOOP("Лучшее"), this);
    lblMostMoney = peaks.add("lblMostMoney", QT_TR_NOOP("Больше всего денег:"));
    lblBestJob = peaks.add("lblBestJob", QT_TR_NOOP("Лучшая работа:"));
    lblBestStatus = peaks.add("lblBestStatus", QT_TR_NOOP("Статус:"));
    lblBestEducation = peaks.add("lblBestEducation", QT_TR_NOOP("Образование:"));
    lblBestEnglish = peaks.add("lblBestEnglish", QT_TR_NOOP("Английский:"));
    Rows totals(QT_TR_NOOP("Всего"), this);
    lblSalaryEarned = totals.add("lblSalaryEarned", QT_TR_NOOP("Заработано зарплаты:"));
    lblFishCaught = totals.add("lblFishCaught", QT_TR_NOOP("Поймано рыб:"));
    lblProgramsInstalled = totals.add("lblProgramsInstalled", QT_TR_NOOP("Установлено программ:"));
    lblVirusesMet = totals.add("lblVirusesMet", QT_TR_NOOP("Встречено вирусов:"));
    lblDaysToTop =
        totals.add("lblDaysToTop", QT_TR_NOOP("Дней до президента:"), &captionOfDaysToTop_);
    auto* figures = new QHBoxLayout;
    figures->addWidget(peaks.box(), 1);
    figures->addWidget(totals.box(), 1);

    DaysChart made = makeDaysChart(
        this, "chtLife",
        QT_TR_NOOP("График жизни: деньги, счет в банке, сытость и настроение по дням"));
    chart_ = std::move(made.chart);
    chtLife = made.widget;

    auto* chronicle = says(named<QLabel>("lblChronicle", this), QT_TR_NOOP("Хроника:"));
    lstChronicle = named<QListWidget>("lstChronicle", this);
    says(lstChronicle, "accessibleName", QT_TR_NOOP("Хроника жизни"));
    lstChronicle->setMinimumHeight(140);
    lstChronicle->setWordWrap(true);
    // Read, not chosen from: the keyboard moves through the lines and marks none.
    lstChronicle->setSelectionMode(QAbstractItemView::NoSelection);
    chronicle->setBuddy(lstChronicle);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCause);
    layout->addWidget(lblDays);
    layout->addLayout(figures);
    layout->addWidget(chtLife, 3);
    layout->addWidget(chronicle);
    layout->addWidget(lstChronicle, 2);
    cmdBack = addBackButton(layout);
    cmdBack->setDefault(true);

    connect(&game, &Game::stateChanged, this, &frmLife::stateChanged);
    connect(&game, &Game::dayRecorded, this, [this] { showLife(true); });
    connect(&game, &Game::historyReplaced, this, [this] { showLife(true); });
}

frmLife::~frmLife() = default;

void frmLife::Form_Load() {
    showLife(true);
}

frmLife::Shown frmLife::now() const {
    const GameState& state = game().state;
    const Chronicle::Entries& entries = state.story.entries;
    return {History::dateOf(state), game().history.size(), entries.size(),
            entries.empty() ? Chronicle::Entry() : entries.back()};
}

void frmLife::stateChanged() {
    // A milestone noted by the clock or the life update while the window is open; the chart
    // waits for the day's end, when its day comes.
    if (now() != shown_)
        showLife(false);
}

void frmLife::retranslateUi() {
    showLife(false);
}

void frmLife::showLife(bool chart) {
    const GameState& state = game().state;
    const LifeStory::Summary life = LifeStory::summarize(state, game().history);
    shown_ = now();

    lblCause->setText(Words::shown(life.headline));
    lblDays->setText(
        tr("С %1 по %2, прожито дней: %3").arg(life.firstDate, life.lastDate).arg(life.days));
    lblMostMoney->setText(dollars(life.mostMoney));
    const QString bestJob = Words::shown(life.bestJob);
    lblBestJob->setText(
        life.bestSalary > 0 ? tr("%1, %2 в день").arg(bestJob, dollars(life.bestSalary)) : bestJob);
    lblBestStatus->setText(Words::shown(life.status));
    lblBestEducation->setText(Words::shown(life.education));
    lblBestEnglish->setText(Words::shown(life.english));
    lblSalaryEarned->setText(dollars(life.salaryEarned));
    lblFishCaught->setText(Num(life.fishCaught));
    lblProgramsInstalled->setText(QString::number(life.programsInstalled));
    lblVirusesMet->setText(QString::number(life.virusesMet));
    lblDaysToTop->setText(life.daysToTop ? QString::number(*life.daysToTop) : QString());
    lblDaysToTop->setVisible(life.daysToTop.has_value());
    captionOfDaysToTop_->setVisible(life.daysToTop.has_value());

    if (chart && chart_)
        chart_->show(game().history);
    showChronicle();
}

void frmLife::showChronicle() {
    const Chronicle::Entries& entries = game().state.story.entries;
    // The player reading back through the chronicle keeps the place (the line at the top, the
    // line the keyboard is on); one at its end follows the new lines.
    const QScrollBar* bar = lstChronicle->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    const QModelIndex top = lstChronicle->indexAt(QPoint(0, 0));
    const int topRow = top.isValid() ? top.row() : 0;
    const int row = lstChronicle->currentRow();
    const bool onLast = row < 0 || row == lstChronicle->count() - 1;

    lstChronicle->clear();
    if (entries.empty()) {
        auto* none = new QListWidgetItem(
            tr("Хроника пока пуста: в ней появятся работа, учеба, покупки и другие события жизни."),
            lstChronicle);
        none->setFlags(Qt::ItemIsEnabled);
        return;
    }
    for (const Chronicle::Entry& entry : entries)
        lstChronicle->addItem(entry.date + u"  "_s + Chronicle::text(entry, Words::For::Player));
    const int last = lstChronicle->count() - 1;
    lstChronicle->setCurrentRow(onLast ? last : std::min(row, last));
    if (following)
        lstChronicle->scrollToBottom();
    else
        lstChronicle->scrollToItem(lstChronicle->item(std::min(topRow, last)),
                                   QAbstractItemView::PositionAtTop);
}
