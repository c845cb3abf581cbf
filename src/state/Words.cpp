// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/Words.h"

#include <QCoreApplication>

namespace Words {

QString shown(const QString& record) {
    if (record.isEmpty())
        return record;
    const QByteArray source = record.toUtf8();
    return QCoreApplication::translate(Context, source.constData());
}

QString text(For reader, const char* source) {
    return reader == For::Record ? QString::fromUtf8(source)
                                 : QCoreApplication::translate(Context, source);
}

} // namespace Words
