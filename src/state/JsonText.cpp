// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/JsonText.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace JsonText {

namespace {

constexpr char Hex[] = "0123456789abcdef";
// Deeper than any file of the game goes, and shallow enough for the stack.
constexpr int MaxDepth = 256;

// Whether the bytes are UTF-8: no stray continuation byte, no overlong form, no surrogate, no
// code point past U+10FFFF.
bool isUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t point = 0, least = 0;
        if ((c & 0xe0) == 0xc0) {
            length = 2, point = c & 0x1f, least = 0x80;
        } else if ((c & 0xf0) == 0xe0) {
            length = 3, point = c & 0x0f, least = 0x800;
        } else if ((c & 0xf8) == 0xf0) {
            length = 4, point = c & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xc0) != 0x80)
                return false;
            point = (point << 6) | (p[i] & 0x3f);
        }
        if (point < least || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
            return false;
        p += length;
    }
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void appendString(QByteArray& out, QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            out += c;
            continue;
        }
        out += '\\';
        switch (c) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case '\b':
            out += 'b';
            break;
        case '\f':
            out += 'f';
            break;
        case '\n':
            out += 'n';
            break;
        case '\r':
            out += 'r';
            break;
        case '\t':
            out += 't';
            break;
        default:
            out += "u00";
            out += Hex[u >> 4];
            out += Hex[u & 0xf];
        }
    }
    out += '"';
}

void appendNumber(QByteArray& out, double value) {
    if (!std::isfinite(value)) {
        out += '0';
        return;
    }
    constexpr double Whole = 9007199254740992.0; // 2^53: every whole number below is exact
    if (value == std::trunc(value) && std::fabs(value) <= Whole)
        out += QByteArray::number(qint64(value));
    else
        out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

void Reader::skipBlanks() {
    while (at_ < text_.size()) {
        const char c = text_[at_];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return;
        ++at_;
    }
}

bool Reader::take(char c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
        ++at_;
        return true;
    }
    return false;
}

bool Reader::enter() {
    if (++depth_ > MaxDepth)
        return false;
    return true;
}

Reader::Kind Reader::next() {
    skipBlanks();
    if (failed_ || at_ >= text_.size())
        return Kind::Invalid;
    const char c = text_[at_];
    if (c == '{')
        return Kind::Object;
    if (c == '[')
        return Kind::Array;
    if (c == '"')
        return Kind::String;
    if (c == '-' || isDigit(c))
        return Kind::Number;
    if (c == 't' || c == 'f' || c == 'n')
        return Kind::Literal;
    return Kind::Invalid;
}

std::optional<QString> Reader::string() {
    if (next() != Kind::String) {
        fail();
        return std::nullopt;
    }
    const qsizetype start = ++at_;
    // Most strings hold no escape: they are taken whole.
    qsizetype end = start;
    while (end < text_.size() && text_[end] != '"' && text_[end] != '\\' &&
           static_cast<unsigned char>(text_[end]) >= 0x20)
        ++end;
    QString value;
    qsizetype plainFrom = start;
    const auto takePlain = [&](qsizetype upTo) {
        const QByteArrayView plain = text_.sliced(plainFrom, upTo - plainFrom);
        if (!isUtf8(plain))
            return false;
        value += QString::fromUtf8(plain);
        return true;
    };
    at_ = end;
    while (true) {
        if (at_ >= text_.size() || static_cast<unsigned char>(text_[at_]) < 0x20) {
            fail();
            return std::nullopt;
        }
        const char c = text_[at_];
        if (c == '"') {
            if (!takePlain(at_)) {
                fail();
                return std::nullopt;
            }
            ++at_;
            return value;
        }
        if (c != '\\') {
            ++at_;
            continue;
        }
        if (!takePlain(at_) || at_ + 1 >= text_.size()) {
            fail();
            return std::nullopt;
        }
        const char escaped = text_[at_ + 1];
        at_ += 2;
        switch (escaped) {
        case '"':
            value += u'"';
            break;
        case '\\':
            value += u'\\';
            break;
        case '/':
            value += u'/';
            break;
        case 'b':
            value += u'\b';
            break;
        case 'f':
            value += u'\f';
            break;
        case 'n':
            value += u'\n';
            break;
        case 'r':
            value += u'\r';
            break;
        case 't':
            value += u'\t';
            break;
        case 'u': {
            if (at_ + 4 > text_.size()) {
                fail();
                return std::nullopt;
            }
            char16_t unit = 0;
            for (int i = 0; i < 4; ++i) {
                const int digit = hexValue(text_[at_ + i]);
                if (digit < 0) {
                    fail();
                    return std::nullopt;
                }
                unit = char16_t(unit << 4 | digit);
            }
            at_ += 4;
            value += QChar(unit);
            break;
        }
        default:
            fail();
            return std::nullopt;
        }
        plainFrom = at_;
    }
}

std::optional<double> Reader::number() {
    if (next() != Kind::Number) {
        fail();
        return std::nullopt;
    }
    // JSON's grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    const qsizetype start = at_;
    qsizetype p = at_;
    const auto digits = [&] {
        const qsizetype from = p;
        while (p < text_.size() && isDigit(text_[p]))
            ++p;
        return p > from;
    };
    if (text_[p] == '-')
        ++p;
    if (p < text_.size() && text_[p] == '0')
        ++p;
    else if (!digits()) {
        fail();
        return std::nullopt;
    }
    if (p < text_.size() && text_[p] == '.') {
        ++p;
        if (!digits()) {
            fail();
            return std::nullopt;
        }
    }
    if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
        ++p;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-'))
            ++p;
        if (!digits()) {
            fail();
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + p, value);
    at_ = p;
    // Too large for a double (read as infinite, which no file of the game holds) or too small
    // (read as nothing): strtod says which.
    if (error == std::errc::result_out_of_range)
        return std::strtod(std::string(text_.data() + start, size_t(p - start)).c_str(), nullptr);
    if (error != std::errc() || end != text_.data() + p) {
        fail();
        return std::nullopt;
    }
    return value;
}

bool Reader::skip() {
    switch (next()) {
    case Kind::Object:
        return object([this](const QString&) { return skip(); });
    case Kind::Array:
        return array([this] { return skip(); });
    case Kind::String:
        return string().has_value();
    case Kind::Number:
        return number().has_value();
    case Kind::Literal:
        for (const QByteArrayView word :
             {QByteArrayView("true"), QByteArrayView("false"), QByteArrayView("null")})
            if (text_.sliced(at_).startsWith(word)) {
                at_ += word.size();
                return true;
            }
        return fail();
    case Kind::Invalid:
        break;
    }
    return fail();
}

bool Reader::finished() {
    skipBlanks();
    return !failed_ && at_ == text_.size();
}

bool Fields::text(unsigned field, QString& into) {
    std::optional<QString> value = reader_.string();
    if (!value)
        return false;
    into = std::move(*value);
    seen_ |= 1U << field;
    return true;
}

bool Fields::finite(unsigned field, double& into) {
    const std::optional<double> value = reader_.number();
    if (!value || !std::isfinite(*value))
        return false;
    into = *value;
    seen_ |= 1U << field;
    return true;
}

} // namespace JsonText
