// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Saved games and the files the game reads are Windows-1251 text, as the game has always
// written them.

#include <QByteArray>
#include <QString>

QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);
