// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlaceGrid.h"

#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Translation.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int Columns = 3;
constexpr char Context[] = "PlaceGrid";
} // namespace

PlaceGrid::PlaceGrid(QWidget* parent)
    : QGroupBox(parent) {
    translatable(this, "title", Context, QT_TRANSLATE_NOOP("PlaceGrid", "Куда пойти"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
}

Picture* PlaceGrid::add(const char* name, const char* art, const char* caption) {
    auto* cell = new QWidget(this);
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* picture = named<Picture>(name, QString::fromLatin1(art), cell);
    picture->setMinimumSize(84, 63);
    translatable(picture, "toolTip", Context, caption);
    translatable(picture, "accessibleName", Context, caption);
    picture->setCursor(Qt::PointingHandCursor);
    auto* label = new QLabel(cell);
    translatable(label, "text", Context, caption);
    label->setAlignment(Qt::AlignHCenter);
    column->addWidget(picture, 1);
    column->addWidget(label);
    const int index = count();
    static_cast<QGridLayout*>(layout())->addWidget(cell, index / Columns, index % Columns);
    pictures_.push_back(picture);
    return picture;
}

void PlaceGrid::moveFocus(int from, int key) {
    const int column = from % Columns;
    int to = from;
    if (key == Qt::Key_Left && column > 0)
        to = from - 1;
    else if (key == Qt::Key_Right && column + 1 < Columns && from + 1 < count())
        to = from + 1;
    else if (key == Qt::Key_Up && from >= Columns)
        to = from - Columns;
    else if (key == Qt::Key_Down && from + Columns < count())
        to = from + Columns;
    if (to != from)
        pictures_[to]->setFocus(Qt::TabFocusReason);
}
