// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's frame "Куда пойти": a picture for each place with its caption below,
// three to a row. The arrow keys on a picture move the keyboard focus to the next picture
// that way; at the grid's edge it stays.

#include <QGroupBox>

#include <vector>

class Picture;

class PlaceGrid : public QGroupBox {
public:
    explicit PlaceGrid(QWidget* parent);

    // The next place's picture, named `name` and showing the art `art`, captioned with the
    // place's name, marked QT_TRANSLATE_NOOP("PlaceGrid", ...).
    Picture* add(const char* name, const char* art, const char* caption);
    int count() const { return int(pictures_.size()); }

    // The arrow key `key` pressed on the picture at `from`.
    void moveFocus(int from, int key);

private:
    std::vector<Picture*> pictures_;
};
