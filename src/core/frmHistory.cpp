#include "core/frmHistory.h"

#include "core/HistoryChart.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibrary>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The chart module, beside the program (the build folder) or where an installation puts it;
// looked for once, and kept loaded for as long as the program runs.
struct ChartModule {
    MakeHistoryChart make = nullptr;
    QString error;
};

const ChartModule& chartModule() {
    static const ChartModule module = [] {
        ChartModule found;
        const QString here = QCoreApplication::applicationDirPath();
        const QString places[] = {here + u"/timburia-chart"_s,
                                  here + u"/../lib/timburia/timburia-chart"_s};
        for (const QString& path : places) {
            QLibrary library(path);
            found.make =
                reinterpret_cast<MakeHistoryChart>(library.resolve(TIMBURIA_HISTORY_CHART_FACTORY));
            if (found.make)
                return found;
            if (found.error.isEmpty())
                found.error = library.errorString();
        }
        return found;
    }();
    return module;
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

    if (const ChartModule& module = chartModule(); module.make) {
        chart_.reset(module.make(this));
        chtDays = chart_->widget();
    } else {
        auto* missing = named<QLabel>("chtDays", u"График не нарисовать: "_s + module.error, this);
        missing->setWordWrap(true);
        chtDays = missing;
    }

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

frmHistory::~frmHistory() = default;

void frmHistory::Form_Load() {
    showHistory();
}

void frmHistory::showHistory() {
    const History::Days& days = game().history;
    if (chart_)
        chart_->show(days);

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
