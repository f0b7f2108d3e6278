#include "core/app/ParentPin.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace ParentPin {

QByteArray derive(const QString &pin, const QByteArray &salt, int iterations)
{
    // One block of PBKDF2 (RFC 8018): SHA-256 gives the 32 bytes wanted.
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, pin.toUtf8());
    mac.addData(salt);
    mac.addData("\0\0\0\1", 4);
    QByteArray u = mac.result();
    QByteArray out = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype j = 0; j < out.size(); ++j)
            out[j] = char(out.at(j) ^ u.at(j));
    }
    return out;
}

PinHash make(const QString &pin)
{
    PinHash h;
    h.salt.resize(16);
    QRandomGenerator::system()->generate(h.salt.begin(), h.salt.end());
    h.iterations = Iterations;
    h.hash = derive(pin, h.salt, h.iterations);
    return h;
}

bool matches(const PinHash &stored, const QString &pin)
{
    if (!stored.isSet() || stored.iterations < 1)
        return false;
    const QByteArray typed = derive(pin, stored.salt, stored.iterations);
    // The same time whatever the first differing byte.
    char differ = char(typed.size() != stored.hash.size());
    for (qsizetype i = 0; i < qMin(typed.size(), stored.hash.size()); ++i)
        differ = char(differ | (typed.at(i) ^ stored.hash.at(i)));
    return differ == 0;
}

} // namespace ParentPin
