// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmHistory.h"

#include "core/ChartModule.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Column { Date, Money, Satiety, Mood, Bank, Job, Columns };

} // namespace

// The game's days as the table's rows. Nothing is copied: a cell's text is made when the table
// draws it, so only the rows in sight cost anything, however long the life. The rows the table
// knows of are counted here, apart from the days themselves, so that a day that has just ended
// comes to the table as one new row.
class frmHistory::DaysModel : public QAbstractTableModel {
public:
    DaysModel(const History::Days& days, QObject* parent)
        : QAbstractTableModel(parent)
        , days_(days)
        , rows_(int(days.size())) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(Columns);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || size_t(index.row()) >= days_.size())
            return {};
        const int column = index.column();
        if (role == Qt::TextAlignmentRole)
            return column == Date || column == Job
                       ? QVariant()
                       : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
        if (role != Qt::DisplayRole)
            return {};
        const History::Day& day = days_[size_t(index.row())];
        switch (column) {
        case Date:
            return day.date;
        case Money:
            return Num(day.money);
        case Satiety:
            return Num(day.satiety);
        case Mood:
            return Num(day.mood);
        case Bank:
            return Num(day.bank);
        default:
            return day.job;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const QString titles[Columns] = {u"Дата"_s,       u"Деньги"_s, u"Сытость"_s,
                                                u"Настроение"_s, u"Банк"_s,   u"Работа"_s};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < Columns)
            return titles[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // The days the table has not seen yet join it as rows of their own.
    void addNewDays() {
        const int count = int(days_.size());
        if (count <= rows_)
            return reread();
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    }

    // The days are others: the table starts again from them.
    void reread() {
        beginResetModel();
        rows_ = int(days_.size());
        endResetModel();
    }

private:
    const History::Days& days_;
    int rows_;
};

frmHistory::frmHistory(Game& game)
    : Form(game, Name) {
    setWindowTitle(u"История"_s);

    lblTitle = heading("lblTitle", u"Ваша жизнь по дням"_s, this);
    lblCount = named<QLabel>("lblCount", this);
    lblLast = named<QLabel>("lblLast", this);
    lblLast->setWordWrap(true);

    DaysChart made = makeDaysChart(this, "chtDays",
                                   u"График: деньги, счет в банке, сытость и настроение по дням"_s);
    chart_ = std::move(made.chart);
    chtDays = made.widget;

    days_ = new DaysModel(game.history, this);
    grdDays = named<QTableView>("grdDays", this);
    grdDays->setAccessibleName(u"Дни"_s);
    grdDays->setModel(days_);
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

    connect(&game, &Game::dayRecorded, this, &frmHistory::dayRecorded);
    connect(&game, &Game::historyReplaced, this, &frmHistory::historyReplaced);
}

frmHistory::~frmHistory() = default;

void frmHistory::Form_Load() {
    historyReplaced();
}

void frmHistory::dayRecorded() {
    days_->addNewDays();
    showHistory();
}

void frmHistory::historyReplaced() {
    days_->reread();
    showHistory();
}

void frmHistory::showHistory() {
    const History::Days& days = game().history;
    if (chart_)
        chart_->show(days);
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
