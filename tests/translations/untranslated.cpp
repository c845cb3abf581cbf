// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-untranslated SOURCES TS: every Russian text written in the code has a finished
// translation. lupdate only sees texts marked for translation; a text shown without its marker
// (a u"..."_s handed straight to a label) would stay Russian in every language, and this is
// what finds it. Each string literal of SOURCES (adjacent ones joined, as the compiler and
// lupdate join them) that holds a Cyrillic letter must be the source text of a finished
// message of TS, in any context. A literal that is the game's own word and never shown (a
// word of a file format) is let pass by "tr:keep" in a comment on its line.
// Prints each literal that fails, with its file and line, and ends with "N passed, N failed".

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QSet<QString> translatedSources(const QString& path) {
    QSet<QString> sources;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().hasAttribute(u"type"_s);
            if (!unfinished && !xml.readElementText().isEmpty())
                sources.insert(source);
        }
    }
    return sources;
}

struct Literal {
    QString text;
    int line;
    bool kept; // tr:keep on its line
};

bool cyrillic(const QString& text) {
    for (QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

// The string literals of C++ source, adjacent ones joined; comments and character literals
// skipped. Enough C++ for the game's code: no raw strings with Cyrillic in them.
QList<Literal> literals(const QString& code) {
    QList<Literal> found;
    const auto lineAt = [&code](qsizetype at) {
        return int(code.left(at).count(u'\n')) + 1;
    };
    const auto lineOf = [&code](qsizetype at) {
        const qsizetype begin = code.lastIndexOf(u'\n', at) + 1;
        qsizetype end = code.indexOf(u'\n', at);
        return code.mid(begin, (end < 0 ? code.size() : end) - begin);
    };
    bool joining = false; // the last token was a literal: the next one joins it
    qsizetype i = 0;
    const qsizetype n = code.size();
    while (i < n) {
        const QChar c = code[i];
        if (c == u'/' && i + 1 < n && code[i + 1] == u'/') {
            i = code.indexOf(u'\n', i);
            if (i < 0)
                break;
            continue;
        }
        if (c == u'/' && i + 1 < n && code[i + 1] == u'*') {
            const qsizetype end = code.indexOf(u"*/"_s, i + 2);
            i = end < 0 ? n : end + 2;
            continue;
        }
        if (c == u'\'') {
            ++i;
            while (i < n && code[i] != u'\'')
                i += code[i] == u'\\' ? 2 : 1;
            ++i;
            joining = false;
            continue;
        }
        if (c == u'"') {
            const qsizetype start = i;
            QString text;
            ++i;
            while (i < n && code[i] != u'"') {
                if (code[i] == u'\\' && i + 1 < n) {
                    const QChar e = code[i + 1];
                    text += e == u'n' ? u'\n' : e == u't' ? u'\t' : e;
                    i += 2;
                } else {
                    text += code[i++];
                }
            }
            ++i;
            // A user-defined suffix (_s) ends the literal's chance to be joined.
            const bool suffixed = i < n && code[i] == u'_';
            if (joining && !found.isEmpty()) {
                found.last().text += text;
                found.last().kept = found.last().kept || lineOf(start).contains(u"tr:keep"_s);
            } else {
                found.append({text, lineAt(start), lineOf(start).contains(u"tr:keep"_s)});
            }
            joining = !suffixed;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        // The prefixes of a literal (u, u8, L, U) keep a join going; anything else ends it.
        if ((c == u'u' || c == u'U' || c == u'L') && i + 1 < n &&
            (code[i + 1] == u'"' || (code[i + 1] == u'8' && i + 2 < n && code[i + 2] == u'"'))) {
            i += code[i + 1] == u'8' ? 2 : 1;
            continue;
        }
        joining = false;
        ++i;
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: timburia-untranslated SOURCES TS\n");
        return 2;
    }
    const QSet<QString> translated = translatedSources(args[2]);
    if (translated.isEmpty()) {
        std::printf("FAIL no finished translation in %s\n", qPrintable(args[2]));
        return 1;
    }
    int passed = 0, failed = 0;
    QDirIterator files(args[1], {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("FAIL cannot read %s\n", qPrintable(path));
            ++failed;
            continue;
        }
        for (const Literal& literal : literals(QString::fromUtf8(file.readAll()))) {
            if (!cyrillic(literal.text) || literal.kept)
                continue;
            if (translated.contains(literal.text)) {
                ++passed;
                continue;
            }
            ++failed;
            std::printf("FAIL %s:%d: no translation of \"%s\"\n", qPrintable(path), literal.line,
                        qPrintable(QString(literal.text).replace(u'\n', u"\\n"_s)));
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
