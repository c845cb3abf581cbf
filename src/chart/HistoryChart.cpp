// The history window's chart (see core/HistoryChart.h): money and the bank balance on the left
// axis, satiety and mood on the right one, over the days.

#include "core/HistoryChart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <vector>

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

class Chart : public HistoryChart {
public:
    explicit Chart(QWidget* parent) {
        chart_ = new QChart;
        chart_->legend()->setAlignment(Qt::AlignBottom);
        chart_->setMargins(QMargins(4, 4, 4, 4));
        days_ = axis(u"День"_s, Qt::AlignBottom);
        dollars_ = axis(u"$"_s, Qt::AlignLeft);
        points_ = axis(u"Сытость и настроение"_s, Qt::AlignRight);
        money_ = line(u"Деньги"_s, dollars_);
        bank_ = line(u"Счет в банке"_s, dollars_);
        satiety_ = line(u"Сытость"_s, points_);
        mood_ = line(u"Настроение"_s, points_);
        view_ = new QChartView(chart_, parent);
        view_->setObjectName(u"chtDays"_s);
        view_->setRenderHint(QPainter::Antialiasing);
        view_->setMinimumSize(680, 300);
    }

    QWidget* widget() override { return view_; }

    void show(const History::Days& days) override {
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
    }

private:
    QValueAxis* axis(const QString& title, Qt::Alignment where) {
        auto* axis = new QValueAxis(chart_);
        axis->setTitleText(title);
        axis->setLabelFormat(u"%d"_s);
        chart_->addAxis(axis, where);
        return axis;
    }

    QLineSeries* line(const QString& title, QValueAxis* values) {
        auto* series = new QLineSeries(chart_);
        series->setName(title);
        chart_->addSeries(series);
        series->attachAxis(days_);
        series->attachAxis(values);
        return series;
    }

    QChart* chart_;
    QChartView* view_;
    QLineSeries *money_, *bank_, *satiety_, *mood_;
    QValueAxis *days_, *dollars_, *points_;
};

} // namespace

extern "C" Q_DECL_EXPORT HistoryChart* timburiaMakeHistoryChart(QWidget* parent) {
    return new Chart(parent);
}
