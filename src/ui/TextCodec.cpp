#include "ui/TextCodec.h"

#include <QPalette>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QWidget>

QByteArray toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString fromCp1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

void setForeColor(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    control->setPalette(palette);
}

QColor foreColor(const QWidget* control) {
    return control->palette().color(QPalette::WindowText);
}
