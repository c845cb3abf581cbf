// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// JSON for the game's own files, read and written straight from and to their bytes.
//
// A century of play is a history of 36,500 days; building a QJsonDocument of it to write it,
// or to read it, costs a tenth of a second at every day's end, where the game has a few
// milliseconds. The writer appends what Qt's compact JSON would be, byte for byte (so that
// files read the same whichever wrote them); the reader walks the text once and hands each
// value to the caller, believing nothing it cannot check: strict JSON, UTF-8 that is valid,
// no control character inside a string, and a limit to how deep values nest.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace JsonText {

// Appends `text` as a JSON string, quoted and escaped.
void appendString(QByteArray& out, QStringView text);
// Appends a finite number as Qt writes it: a whole number in digits, any other in the shortest
// form that reads back the same. A number that is not finite is written as 0.
void appendNumber(QByteArray& out, double value);

class Reader {
public:
    explicit Reader(QByteArrayView text)
        : text_(text) {}

    enum class Kind { Object, Array, String, Number, Literal, Invalid };
    // What the next value is, without taking it.
    Kind next();

    // Each takes the next value, or fails the reader (and returns nothing) when it is not one.
    std::optional<QString> string();
    std::optional<double> number();
    bool skip(); // any value

    // The object's members: `member(key)` is called for each and must take its value.
    template <class Member> bool object(Member&& member);
    // The array's elements: `element()` is called for each and must take it.
    template <class Element> bool array(Element&& element);

    // Whether the whole text was one value with nothing but blanks after it.
    bool finished();
    bool failed() const { return failed_; }

private:
    bool take(char c);
    bool enter();
    void leave() { --depth_; }
    void skipBlanks();
    bool fail() {
        failed_ = true;
        return false;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    int depth_ = 0;
    bool failed_ = false;
};

// The members of one object that a file of the game must have, each taken into its place as a
// string or a finite number and counted by its number (0, 1, ...): a file's reader takes them
// as they come, in any order, and then asks whether all were there.
class Fields {
public:
    explicit Fields(Reader& reader)
        : reader_(reader) {}
    // False, and the reader failed, when the value is not of the kind.
    bool text(unsigned field, QString& into);
    bool finite(unsigned field, double& into);
    // Whether the fields 0 to count - 1 were all taken (those numbered after them are the
    // members a file may lack).
    bool all(unsigned count) const {
        const unsigned needed = (1U << count) - 1;
        return (seen_ & needed) == needed;
    }
    bool has(unsigned field) const { return (seen_ & (1U << field)) != 0; }

private:
    Reader& reader_;
    unsigned seen_ = 0;
};

template <class Member> bool Reader::object(Member&& member) {
    if (!enter() || !take('{'))
        return fail();
    skipBlanks();
    if (!take('}')) {
        do {
            std::optional<QString> key = string();
            if (!key || !take(':') || !member(*key) || failed_)
                return fail();
        } while (take(','));
        if (!take('}'))
            return fail();
    }
    leave();
    return true;
}

template <class Element> bool Reader::array(Element&& element) {
    if (!enter() || !take('['))
        return fail();
    skipBlanks();
    if (!take(']')) {
        do {
            if (!element() || failed_)
                return fail();
        } while (take(','));
        if (!take(']'))
            return fail();
    }
    leave();
    return true;
}

} // namespace JsonText
