#pragma once
// Where the player finds the game's author: the start window, the about box and the end
// screen all show these.

#include <QString>

namespace Contacts {
inline QString email() {
    return QStringLiteral("zarnitsyn@timburia.example.org");
}
inline QString web() {
    return QStringLiteral("https://timburia.example.org/");
}
} // namespace Contacts
