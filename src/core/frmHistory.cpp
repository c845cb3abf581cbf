#include "core/frmHistory.h"

#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Dollars and the two feelings live on different scales: money runs to thousands while
// satiety and mood stay within a few dozen, so each pair has an axis of its own.
void fit(QValueAxis* axis, const std::vector<QLineSeries*>& series) {
    double low = 0, high = 0;
    for (const QLineSeries* line : series)
        for (const QPointF& point : line->points()) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    // At least two on each side, so that a flat or empty line still gets whole-number ticks.
    const double margin = std::max((high - low) * 0.05, 2.0);
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
}

QLineSeries* line(QChart* chart, const QString& title, QValueAxis* days, QValueAxis* values) {
    auto* series = new QLineSeries(chart);
    series->setName(title);
    chart->addSeries(series);
    series->attachAxis(days);
    series->attachAxis(values);
    return series;
}

enum Column { Date, Money, Satiety, Mood, Bank, Job, Columns };

} // namespace

frmHistory::frmHistory(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"История"_s);

    lblTitle = heading("lblTitle", u"Ваша жизнь по дням"_s, this);
    lblCount = named<QLabel>("lblCount", this);
    lblLast = named<QLabel>("lblLast", this);
    lblLast->setWordWrap(true);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    days_ = new QValueAxis(chart_);
    days_->setTitleText(u"День"_s);
    days_->setLabelFormat(u"%d"_s);
    dollars_ = new QValueAxis(chart_);
    dollars_->setTitleText(u"$"_s);
    dollars_->setLabelFormat(u"%d"_s);
    points_ = new QValueAxis(chart_);
    points_->setTitleText(u"Сытость и настроение"_s);
    points_->setLabelFormat(u"%d"_s);
    chart_->addAxis(days_, Qt::AlignBottom);
    chart_->addAxis(dollars_, Qt::AlignLeft);
    chart_->addAxis(points_, Qt::AlignRight);
    money_ = line(chart_, u"Деньги"_s, days_, dollars_);
    bank_ = line(chart_, u"Счет в банке"_s, days_, dollars_);
    satiety_ = line(chart_, u"Сытость"_s, days_, points_);
    mood_ = line(chart_, u"Настроение"_s, days_, points_);

    chtDays = named<QChartView>("chtDays", chart_, this);
    chtDays->setRenderHint(QPainter::Antialiasing);
    chtDays->setMinimumSize(680, 300);

    grdDays = named<QTableWidget>("grdDays", 0, int(Columns), this);
    grdDays->setHorizontalHeaderLabels(
        {u"Дата"_s, u"Деньги"_s, u"Сытость"_s, u"Настроение"_s, u"Банк"_s, u"Работа"_s});
    grdDays->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDays->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDays->verticalHeader()->setVisible(false);
    grdDays->horizontalHeader()->setSectionResizeMode(Job, QHeaderView::Stretch);
    grdDays->setMinimumHeight(160);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblCount);
    layout->addWidget(chtDays, 3);
    layout->addWidget(grdDays, 2);
    layout->addWidget(lblLast);
    cmdBack = addBackButton(layout);

    connect(&game, &Game::historyChanged, this, &frmHistory::showHistory);
}

void frmHistory::Form_Load() {
    showHistory();
}

void frmHistory::showHistory() {
    const History::Days& days = game().history;
    QList<QPointF> money, bank, satiety, mood;
    for (size_t i = 0; i < days.size(); ++i) {
        const double day = double(i + 1);
        money << QPointF(day, days[i].money);
        bank << QPointF(day, days[i].bank);
        satiety << QPointF(day, days[i].satiety);
        mood << QPointF(day, days[i].mood);
    }
    money_->replace(money);
    bank_->replace(bank);
    satiety_->replace(satiety);
    mood_->replace(mood);
    days_->setRange(1, double(std::max<size_t>(days.size(), 2)));
    days_->setTickCount(int(std::clamp<size_t>(days.size(), 2, 11)));
    fit(dollars_, {money_, bank_});
    fit(points_, {satiety_, mood_});

    grdDays->setRowCount(int(days.size()));
    for (size_t i = 0; i < days.size(); ++i) {
        const History::Day& day = days[i];
        const QString cells[Columns] = {day.date,      Num(day.money), Num(day.satiety),
                                        Num(day.mood), Num(day.bank),  day.job};
        for (int column = 0; column < Columns; ++column) {
            QTableWidgetItem* item = grdDays->item(int(i), column);
            if (!item) {
                item = new QTableWidgetItem;
                if (column != Date && column != Job)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grdDays->setItem(int(i), column, item);
            }
            item->setText(cells[column]);
        }
    }
    grdDays->scrollToBottom();

    if (days.empty()) {
        lblCount->setText(u"Пока не прожито ни одного дня: запись делается в конце каждого "
                          "игрового дня."_s);
        lblLast->clear();
        return;
    }
    lblCount->setText(u"Дней в истории: %1"_s.arg(days.size()));
    const History::Day& last = days.back();
    lblLast->setText(u"%1: деньги %2 $, сытость %3, настроение %4, в банке %5 $, работа: %6"_s.arg(
        last.date, Num(last.money), Num(last.satiety), Num(last.mood), Num(last.bank), last.job));
}
