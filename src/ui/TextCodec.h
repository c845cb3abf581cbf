#pragma once
// Saved games and the files the game reads are Windows-1251 text, as the game has always
// written them.

#include <QByteArray>
#include <QColor>
#include <QString>

class QWidget;

QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);

// A control's text colour ("fore colour"): set once, read back by the game and the tests.
void setForeColor(QWidget* control, const QColor& color);
QColor foreColor(const QWidget* control);
