// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The history window's chart (see core/HistoryChart.h): money and the bank balance on the left
// axis, satiety and mood on the right one, over the days.

#include "core/HistoryChart.h"
#include "state/ChartLine.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A line of the chart: one value of each day. The series draws a few of them, the lowest and
// the highest under each pixel across the plot (state/ChartLine.h), which look the same as all
// of them at that width and keep the window quick for a life of a hundred years.
struct Line {
    QLineSeries* series = nullptr;
    std::vector<double> values;
    double low = 0, high = 0;

    template <class Value> void take(const History::Days& days, Value value) {
        values.clear();
        values.reserve(days.size());
        low = high = 0;
        for (const History::Day& day : days) {
            values.push_back(double(value(day)));
            low = std::min(low, values.back());
            high = std::max(high, values.back());
        }
    }

    void draw(size_t buckets) const {
        const std::vector<size_t> kept = ChartLine::kept(values, buckets);
        QList<QPointF> points;
        points.reserve(qsizetype(kept.size()));
        for (const size_t i : kept)
            points << QPointF(double(i + 1), values[i]);
        series->replace(points);
    }
};

// The chart's titles in the player's language, set again when the view hears that it changed
// (the module runs in the game's application, under its translation). It lives on the view, as
// the titled axes and lines do.
class Titles : public QObject {
public:
    explicit Titles(QWidget* view)
        : QObject(view) {
        view->installEventFilter(this);
    }

    // The object's property shows `source` (marked QT_TRANSLATE_NOOP("HistoryChart", ...)).
    void add(QObject* object, const char* property, const char* source) {
        titles_.push_back({object, property, source});
        show(titles_.back());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            for (const Title& title : titles_)
                show(title);
        return QObject::eventFilter(watched, event);
    }

private:
    struct Title {
        QObject* object;
        const char* property;
        const char* source;
    };
    static void show(const Title& title) {
        title.object->setProperty(title.property,
                                  QCoreApplication::translate("HistoryChart", title.source));
    }
    std::vector<Title> titles_;
};

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
        view_ = new QChartView(chart_, parent);
        titles_ = new Titles(view_);
        days_ = axis(QT_TRANSLATE_NOOP("HistoryChart", "День"), Qt::AlignBottom);
        dollars_ = axis("$", Qt::AlignLeft);
        points_ = axis(QT_TRANSLATE_NOOP("HistoryChart", "Сытость и настроение"), Qt::AlignRight);
        money_.series = line(QT_TRANSLATE_NOOP("HistoryChart", "Деньги"), dollars_);
        bank_.series = line(QT_TRANSLATE_NOOP("HistoryChart", "Счет в банке"), dollars_);
        satiety_.series = line(QT_TRANSLATE_NOOP("HistoryChart", "Сытость"), points_);
        mood_.series = line(QT_TRANSLATE_NOOP("HistoryChart", "Настроение"), points_);
        view_->setObjectName(u"chtDays"_s);
        view_->setRenderHint(QPainter::Antialiasing);
        view_->setMinimumSize(680, 300);
        // The lines are drawn again for the plot's new width: the axes stay as they are, the
        // lowest and highest days being drawn at any width.
        resized_ =
            QObject::connect(chart_, &QChart::plotAreaChanged, chart_, [this](const QRectF& area) {
                if (bucketsFor(area.width()) != buckets_)
                    draw(bucketsFor(area.width()));
            });
    }

    // The view outlives this (it is the window's to delete) and must not call back into it.
    ~Chart() override { QObject::disconnect(resized_); }

    QWidget* widget() override { return view_; }

    void show(const History::Days& days) override {
        money_.take(days, [](const History::Day& day) { return day.money; });
        bank_.take(days, [](const History::Day& day) { return day.bank; });
        satiety_.take(days, [](const History::Day& day) { return day.satiety; });
        mood_.take(days, [](const History::Day& day) { return day.mood; });
        days_->setRange(1, double(std::max<size_t>(days.size(), 2)));
        days_->setTickCount(int(std::clamp<size_t>(days.size(), 2, 11)));
        fit(dollars_, money_, bank_);
        fit(points_, satiety_, mood_);
        // Before the window is first laid out the plot has no width yet: the lines are drawn
        // once it has one.
        if (const QRectF area = chart_->plotArea(); area.isEmpty())
            buckets_ = 0;
        else
            draw(bucketsFor(area.width()));
    }

private:
    // A stretch of days for each pixel across the plot.
    static size_t bucketsFor(double width) { return size_t(std::max(width, 1.0)); }

    void draw(size_t buckets) {
        buckets_ = buckets;
        for (const Line* line : {&money_, &bank_, &satiety_, &mood_})
            line->draw(buckets);
    }

    QValueAxis* axis(const char* title, Qt::Alignment where) {
        auto* axis = new QValueAxis(chart_);
        titles_->add(axis, "titleText", title);
        axis->setLabelFormat(u"%d"_s);
        chart_->addAxis(axis, where);
        return axis;
    }

    QLineSeries* line(const char* title, QValueAxis* values) {
        auto* series = new QLineSeries(chart_);
        titles_->add(series, "name", title);
        chart_->addSeries(series);
        series->attachAxis(days_);
        series->attachAxis(values);
        return series;
    }

    QChart* chart_;
    QChartView* view_;
    Titles* titles_;
    Line money_, bank_, satiety_, mood_;
    QValueAxis *days_, *dollars_, *points_;
    size_t buckets_ = 0;
    QMetaObject::Connection resized_;
};

} // namespace

extern "C" Q_DECL_EXPORT HistoryChart* timburiaMakeHistoryChart(QWidget* parent) {
    return new Chart(parent);
}
