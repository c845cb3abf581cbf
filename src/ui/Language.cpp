// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

Language current = Language::Russian;
// Owned by the application; the pointers let a later change take them out again.
QPointer<QTranslator> gameTexts;
QPointer<QTranslator> qtTexts;

void drop(QPointer<QTranslator>& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

QTranslator* loaded(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString languageCode(Language language) {
    return language == Language::English ? u"en"_s : u"ru"_s;
}

std::optional<Language> languageFromCode(QStringView code) {
    if (code == u"ru")
        return Language::Russian;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

Language chooseLanguage(QStringView commandLine, QStringView kept, const QStringList& system) {
    for (QStringView code : {commandLine, kept})
        if (const std::optional<Language> language = languageFromCode(code))
            return *language;
    for (const QString& name : system)
        if (QLocale(name).language() == QLocale::Russian)
            return Language::Russian;
    return Language::English;
}

void useLanguage(Language language) {
    // Removing and installing each send a LanguageChange; the windows retranslate from
    // whatever is installed when they handle it, so the last one leaves them right.
    drop(gameTexts);
    drop(qtTexts);
    current = language;
    if (language == Language::Russian) {
        qtTexts = loaded(u"qtbase_ru"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    } else {
        gameTexts = loaded(u"timburia_en"_s, u":/i18n"_s);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    for (QTranslator* translator : {gameTexts.data(), qtTexts.data()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    if (!gameTexts && !qtTexts) {
        // Nothing installed, nothing removed: still the windows must hear of it.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

Language currentLanguage() {
    return current;
}
