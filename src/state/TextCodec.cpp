// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString fromCp1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}
