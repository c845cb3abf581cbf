// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlaceHeader.h"

#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Picture* openPlace(QWidget* window, const QString& title, const char* pictureName,
                   const QString& art, QSize size) {
    window->setWindowTitle(title);
    auto* picture = named<Picture>(pictureName, art, window);
    picture->setFixedSize(size);
    return picture;
}

QLabel* wrappedText(const char* name, const QString& text, QWidget* parent) {
    auto* label = named<QLabel>(name, text, parent);
    label->setWordWrap(true);
    return label;
}

QHBoxLayout* placeHeader(Picture* picture, std::initializer_list<QWidget*> texts) {
    auto* column = new QVBoxLayout;
    for (QWidget* text : texts)
        column->addWidget(text);
    column->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(column, 1);
    return row;
}
