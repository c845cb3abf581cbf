// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/NumberText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Parses an optionally signed decimal numeral (digits, an optional fraction, an optional
// exponent) at the start of text. Returns how many characters it took, 0 when there is no
// numeral there.
qsizetype scanNumeral(QStringView text, double& value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit()) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expStart = j;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit())
            ++j;
        if (j > expStart)
            i = j;
    }
    bool ok = false;
    value = text.first(i).toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        value = 0;
    return i;
}

} // namespace

double Val(QStringView text) {
    const QStringView trimmed = text.trimmed();
    double value = 0;
    const qsizetype used = scanNumeral(trimmed, value);
    if (used == 0 || used != trimmed.size())
        return 0;
    return value;
}

double LeadingVal(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    double value = 0;
    return scanNumeral(text.sliced(start), value) > 0 ? value : 0;
}

double Int(double x) {
    return std::floor(x);
}

QString Num(double x) {
    if (x == 0) // also turns -0 into "0"
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return QString::fromLatin1(buffer);
}

QString Str(double x) {
    return x < 0 ? Num(x) : u' ' + Num(x);
}

qint16 Sat16(double x) {
    if (std::isnan(x))
        return 0;
    if (x >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (x <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(x);
}

qint16 AddSat16(qint16 a, double b) {
    return Sat16(double(a) + b);
}

void AddTo(QString& field, double amount) {
    field = Num(Val(field) + amount);
}

bool IsAmount(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}
