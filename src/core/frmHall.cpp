// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmHall.h"

#include "state/NumberText.h"
#include "state/Words.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum Column { Place, Dates, Days, Headline, BestJob, Money, Columns };

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A president is ranked by the days it took to the top, so those are the days the hall shows.
QString daysText(const Hall::Row& row) {
    if (row.daysToTop)
        return frmHall::tr("%1 (до президента)").arg(*row.daysToTop);
    return QString::number(row.days);
}

// The longer titles on two lines: the hall fits a screen of 800 pixels.
const char* const Titles[Columns] = {QT_TRANSLATE_NOOP("frmHall", "Место"),
                                     QT_TRANSLATE_NOOP("frmHall", "Даты"),
                                     QT_TRANSLATE_NOOP("frmHall", "Дней"),
                                     QT_TRANSLATE_NOOP("frmHall", "Итог"),
                                     QT_TRANSLATE_NOOP("frmHall", "Лучшая\nработа"),
                                     QT_TRANSLATE_NOOP("frmHall", "Больше\nвсего денег")};

} // namespace

frmHall::frmHall(Game& game)
    : Form(game, Name) {
    says(this, QT_TR_NOOP("Зал славы"));

    lblTitle = says(heading("lblTitle", {}, this), QT_TR_NOOP("Зал славы"));
    lblOrder = says(named<QLabel>("lblOrder", this),
                    QT_TR_NOOP("Десять лучших жизней.\nСначала компьютерные президенты (кто "
                               "быстрее дошел до вершины), потом остальные (кто дольше прожил)."));
    lblEmpty = says(named<QLabel>("lblEmpty", this), QT_TR_NOOP("Зал славы пока пуст."));
    lblNote = named<QLabel>("lblNote", this);
    lblNote->setWordWrap(true);
    markAsFigure(lblNote);

    tblHall = named<QTableWidget>("tblHall", 0, int(Columns), this);
    says(tblHall, "accessibleName", QT_TR_NOOP("Лучшие жизни"));
    showTitles();
    tblHall->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHall->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHall->setSelectionMode(QAbstractItemView::SingleSelection);
    tblHall->verticalHeader()->setVisible(false);
    tblHall->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Room to spare goes to the headline, between the numbers.
    tblHall->horizontalHeader()->setSectionResizeMode(Headline, QHeaderView::Stretch);
    tblHall->setWordWrap(false);
    // Ten rows are seen whole, without a scroll bar (nor room kept for one): the table is as
    // large as its rows and columns, and a window too large for a small screen scrolls whole.
    tblHall->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tblHall->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblHall->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblOrder);
    layout->addWidget(tblHall, 1);
    layout->addWidget(lblEmpty);
    layout->addWidget(lblNote);
    cmdBack = addBackButton(layout);
    cmdBack->setDefault(true);
}

void frmHall::Form_Load() {
    error_.clear();
    rows_ = Hall::load(Hall::pathIn(game().platform.dataFolder()), &error_);
    showRows();
    markLife(game().session.endedLife());
}

void frmHall::retranslateUi() {
    showTitles();
    showRows();
    markLife(game().session.endedLife());
}

void frmHall::showTitles() {
    QStringList titles;
    for (const char* title : Titles)
        titles << tr(title);
    tblHall->setHorizontalHeaderLabels(titles);
}

void frmHall::showRows() {
    tblHall->setRowCount(int(rows_.size()));
    for (int i = 0; i < int(rows_.size()); ++i) {
        const Hall::Row& row = rows_[size_t(i)];
        tblHall->setItem(i, Place, cell(QString::number(i + 1), true));
        tblHall->setItem(i, Dates, cell(row.firstDate + u" – "_s + row.lastDate, false));
        QTableWidgetItem* days = cell(daysText(row), true);
        if (row.daysToTop)
            days->setToolTip(tr("Прожито дней: %1").arg(row.days));
        tblHall->setItem(i, Days, days);
        tblHall->setItem(i, Headline, cell(Words::shown(row.headline), false));
        tblHall->setItem(i, BestJob, cell(Words::shown(row.bestJob), false));
        tblHall->setItem(i, Money, cell(Num(row.mostMoney) + u'$', true));
    }
    // An empty hall says so; one that could not be read keeps its (empty) table and says why.
    const bool empty = rows_.empty() && error_.isEmpty();
    tblHall->setVisible(!empty);
    lblEmpty->setVisible(empty);
}

void frmHall::markLife(const QString& life) {
    const auto ours = std::find_if(rows_.begin(), rows_.end(), [&](const Hall::Row& row) {
        return !life.isEmpty() && row.life == life;
    });
    const int marked = ours == rows_.end() ? -1 : int(ours - rows_.begin());
    QFont bold = tblHall->font();
    bold.setBold(true);
    for (int i = 0; i < tblHall->rowCount(); ++i)
        for (int column = 0; column < Columns; ++column)
            tblHall->item(i, column)->setFont(i == marked ? bold : tblHall->font());
    tblHall->clearSelection();
    if (marked >= 0) {
        tblHall->selectRow(marked);
        tblHall->scrollToItem(tblHall->item(marked, Place));
        lblNote->setText(tr("Ваша жизнь заняла в зале славы %1-е место.").arg(marked + 1));
    } else if (!error_.isEmpty()) {
        lblNote->setText(tr("Зал славы не прочитан: %1\nФайл оставлен как есть.").arg(error_));
    } else {
        lblNote->clear();
    }
    lblNote->setVisible(!lblNote->text().isEmpty());

    // Every row and column is seen whole, the marked row's bold text too.
    const QHeaderView* header = tblHall->horizontalHeader();
    const QAbstractItemView* cells = tblHall; // where the cells' widths are public
    const int frame = 2 * tblHall->frameWidth();
    int width = frame;
    for (int column = 0; column < Columns; ++column)
        width += std::max(header->sectionSizeHint(column), cells->sizeHintForColumn(column));
    tblHall->setMinimumSize(width, header->sizeHint().height() +
                                       tblHall->verticalHeader()->length() + frame);
}
