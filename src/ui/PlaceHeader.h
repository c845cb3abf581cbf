// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a place window opens: its picture at a fixed size, and beside it the texts that introduce
// the place (a heading, a text that wraps to the width the window gives it).

#include <QString>

#include <initializer_list>

class Picture;
class QHBoxLayout;
class QLabel;
class QSize;
class QWidget;

// A place window opens with its title and its picture: the art named, at a fixed size.
Picture* openPlace(QWidget* window, const QString& title, const char* pictureName,
                   const QString& art, QSize size);

// A text that wraps to the width the window gives it.
QLabel* wrappedText(const char* name, const QString& text, QWidget* parent);

// The row that opens a place: the picture at the top left, the texts beside it from the top
// down, taking the rest of the width.
QHBoxLayout* placeHeader(Picture* picture, std::initializer_list<QWidget*> texts);
