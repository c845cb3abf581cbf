// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/InfoPanel.h"
#include "ui/Accessible.h"

#include "ui/Kit.h"
#include "ui/Translation.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

InfoPanel::InfoPanel(QWidget* parent, std::initializer_list<Row> rows)
    : QGroupBox(parent) {
    setObjectName(u"infoPanel"_s);
    grid_ = new QGridLayout(this);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(4);
    grid_->setColumnStretch(1, 1);
    for (const Row& row : rows) {
        auto* value = named<QLabel>(row.valueName, row.initial, this);
        markAsFigure(value);
        if (row.captionName) {
            auto* caption = named<QLabel>(row.captionName, row.caption, this);
            relateToCaption(value, caption);
            grid_->addWidget(caption, line_, 0);
            grid_->addWidget(value, line_, 1);
        } else {
            QFont heading = value->font();
            heading.setPointSize(heading.pointSize() + 2);
            value->setFont(heading);
            grid_->addWidget(value, line_, 0, 1, 2);
        }
        ++line_;
    }
}

InfoPanel::InfoPanel(QWidget* parent, std::initializer_list<Row> rows,
                     const char* descriptionCaptionName, const QString& descriptionCaption)
    : InfoPanel(parent, rows) {
    if (descriptionCaptionName)
        grid_->addWidget(named<QLabel>(descriptionCaptionName, descriptionCaption, this), line_++,
                         0, 1, 2);
    txtSpec = named<QPlainTextEdit>("txtSpec", this);
    txtSpec->setReadOnly(true);
    // What is under the pointer is read, never typed into: the box takes no keyboard focus, so
    // it never sits focused, unseen, while Enter goes elsewhere. (Pages that are read at length,
    // the help and the sites, keep the focus so the keyboard can scroll them.)
    txtSpec->setFocusPolicy(Qt::NoFocus);
    setHeightInLines(txtSpec, 4, 12);
    grid_->addWidget(txtSpec, line_, 0, 1, 2);
}

const QString InfoPanel::Nothing = u"------------"_s;

InfoPanel* InfoPanel::forGoods(QWidget* parent) {
    auto* panel = new InfoPanel(
        parent, {{nullptr, {}, "lblWhat", Nothing}, {"lblZen", {}, "lblM", u"0"_s}}, "Label2", {});
    panel->says("lblZen", QT_TRANSLATE_NOOP("InfoPanel", "Цена:"));
    panel->says("Label2", QT_TRANSLATE_NOOP("InfoPanel", "Кратко:"));
    panel->what_ = panel->value("lblWhat");
    panel->price_ = panel->value("lblM");
    return panel;
}

void InfoPanel::offer(const QString& what, const QString& price, const QString& text) {
    txtSpec->setPlainText(text);
    what_->setText(what);
    price_->setText(price);
}

void InfoPanel::clear(const QString& text) {
    offer(Nothing, u"0"_s, text);
}

void InfoPanel::says(const char* name, const char* source) {
    translatable(value(name), "text", "InfoPanel", source);
}

QLabel* InfoPanel::value(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}
