// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmHistory.h"

#include "core/ChartModule.h"
#include "state/NumberText.h"
#include "state/Words.h"
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
            return Words::shown(day.job);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const titles[Columns] = {QT_TRANSLATE_NOOP("frmHistory", "Дата"),
                                                    QT_TRANSLATE_NOOP("frmHistory", "Деньги"),
                                                    QT_TRANSLATE_NOOP("frmHistory", "Сытость"),
                                                    QT_TRANSLATE_NOOP("frmHistory", "Настроение"),
                                                    QT_TRANSLATE_NOOP("frmHistory", "Банк"),
                                                    QT_TRANSLATE_NOOP("frmHistory", "Работа")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < Columns)
            return frmHistory::tr(titles[section]);
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

    // The titles and the jobs are drawn again in the new language.
    void retranslate() {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, Columns - 1);
        if (rows_ > 0)
            Q_EMIT dataChanged(index(0, Job), index(rows_ - 1, Job), {Qt::DisplayRole});
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
    says(this, QT_TR_NOOP("История"));

    lblTitle = says(heading("lblTitle", {}, this), QT_TR_NOOP("Ваша жизнь по дням"));
    lblCount = named<QLabel>("lblCount", this);
    lblLast = named<QLabel>("lblLast", this);
    lblLast->setWordWrap(true);

    DaysChart made = makeDaysChart(
        this, "chtDays", QT_TR_NOOP("График: деньги, счет в банке, сытость и настроение по дням"));
    chart_ = std::move(made.chart);
    chtDays = made.widget;

    days_ = new DaysModel(game.history, this);
    grdDays = named<QTableView>("grdDays", this);
    says(grdDays, "accessibleName", QT_TR_NOOP("Дни"));
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

void frmHistory::retranslateUi() {
    days_->retranslate();
    showCount();
}

void frmHistory::showHistory() {
    const History::Days& days = game().history;
    if (chart_)
        chart_->show(days);
    grdDays->scrollToBottom();
    showCount();
}

void frmHistory::showCount() {
    const History::Days& days = game().history;
    if (days.empty()) {
        lblCount->setText(tr("Пока не прожито ни одного дня: запись делается в конце каждого "
                             "игрового дня."));
        lblLast->clear();
        return;
    }
    lblCount->setText(tr("Дней в истории: %1").arg(days.size()));
    const History::Day& last = days.back();
    lblLast->setText(tr("%1: деньги %2 $, сытость %3, настроение %4, в банке %5 $, работа: %6")
                         .arg(last.date, Num(last.money), Num(last.satiety), Num(last.mood),
                              Num(last.bank), Words::shown(last.job)));
}
