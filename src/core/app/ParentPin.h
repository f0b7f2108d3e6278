#pragma once

#include <QByteArray>
#include <QString>

// The parent's PIN, kept only as a salted, slow hash (PBKDF2 with
// HMAC-SHA256), never as typed. It keeps a child out of the parent's
// windows; it is no guard against someone with the user's own account.
struct PinHash
{
    QByteArray salt;
    int iterations = 0;
    QByteArray hash;
    bool isSet() const { return !hash.isEmpty(); }
};

namespace ParentPin {

inline constexpr int Iterations = 120000;
// At least this many characters.
inline constexpr int Shortest = 4;

// PBKDF2-HMAC-SHA256 of the PIN's UTF-8 bytes, 32 bytes long.
QByteArray derive(const QString &pin, const QByteArray &salt, int iterations);
// A new hash of `pin` with a random salt.
PinHash make(const QString &pin);
bool matches(const PinHash &stored, const QString &pin);

} // namespace ParentPin
