// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translation.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {

// The remembered source of a property lives on the object as a dynamic property of this
// prefix and the property's name, holding the context and the source.
constexpr char Prefix[] = "tr:";

void apply(QObject* object, const QByteArray& name) {
    const QVariantList remembered = object->property(name.constData()).toList();
    if (remembered.size() != 2)
        return;
    const QByteArray context = remembered[0].toByteArray();
    const QByteArray source = remembered[1].toByteArray();
    object->setProperty(name.constData() + sizeof(Prefix) - 1,
                        QCoreApplication::translate(context.constData(), source.constData()));
}

void retranslateOne(QObject* object) {
    const QList<QByteArray> names = object->dynamicPropertyNames();
    for (const QByteArray& name : names)
        if (name.startsWith(Prefix))
            apply(object, name);
}

} // namespace

void translatable(QObject* object, const char* property, const char* context, const char* source) {
    const QByteArray name = QByteArray(Prefix) + property;
    object->setProperty(name.constData(), QVariantList{QByteArray(context), QByteArray(source)});
    apply(object, name);
}

const char* textProperty(const QObject* object) {
    if (qobject_cast<const QGroupBox*>(object) || qobject_cast<const QMenu*>(object))
        return "title";
    if (const auto* widget = qobject_cast<const QWidget*>(object); widget && widget->isWindow())
        return "windowTitle";
    return "text";
}

void retranslate(QObject* root) {
    retranslateOne(root);
    // Setting a text may delete objects of the list (a text box's document makes its own), so
    // each is held by a pointer that knows when it has gone.
    const QList<QObject*> all = root->findChildren<QObject*>();
    QList<QPointer<QObject>> held(all.begin(), all.end());
    for (const QPointer<QObject>& object : std::as_const(held))
        if (object)
            retranslateOne(object);
}
