// The history window's chart (see core/HistoryChart.h): money and the bank balance on the left
// axis, satiety and mood on the right one, over the days.

#include "core/HistoryChart.h"
#include "state/ChartLine.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScreen>
#include <QValueAxis>

#include <algorithm>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A line of the chart: one value of each day, drawn from a few of them (state/ChartLine.h).
// Its lowest and highest values are among those drawn.
struct Line {
    QList<QPointF> points;
    double low = 0, high = 0;
};

Line lineOf(const History::Days& days, const std::function<double(const History::Day&)>& value,
            size_t buckets) {
    std::vector<double> values;
    values.reserve(days.size());
    for (const History::Day& day : days)
        values.push_back(value(day));
    Line line;
    const std::vector<size_t> kept = ChartLine::kept(values, buckets);
    line.points.reserve(qsizetype(kept.size()));
    for (const size_t i : kept) {
        line.points << QPointF(double(i + 1), values[i]);
        line.low = std::min(line.low, values[i]);
        line.high = std::max(line.high, values[i]);
    }
    return line;
}

// Dollars and the two feelings live on different scales: money runs to thousands while
// satiety and mood stay within a few dozen, so each pair has an axis of its own.
void fit(QValueAxis* axis, const Line& one, const Line& other) {
    const double low = std::min(one.low, other.low), high = std::max(one.high, other.high);
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
        // The plot is never wider than the screen: the lowest and the highest of the days under
        // each pixel across it draw the line as all the days would.
        const size_t buckets = size_t(std::max(view_->screen()->size().width(), 1));
        const Line money = lineOf(days, &History::Day::money, buckets);
        const Line bank = lineOf(
            days, [](const History::Day& day) { return double(day.bank); }, buckets);
        const Line satiety = lineOf(days, &History::Day::satiety, buckets);
        const Line mood = lineOf(days, &History::Day::mood, buckets);
        money_->replace(money.points);
        bank_->replace(bank.points);
        satiety_->replace(satiety.points);
        mood_->replace(mood.points);
        days_->setRange(1, double(std::max<size_t>(days.size(), 2)));
        days_->setTickCount(int(std::clamp<size_t>(days.size(), 2, 11)));
        fit(dollars_, money, bank);
        fit(points_, satiety, mood);
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
