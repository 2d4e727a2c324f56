// Bytes that neither repeat nor compress, the same for the same seed: a
// chunk written twice or skipped shows, and a cut or a damage in a
// compressed archive falls where its offset says.
#pragma once

#include <QByteArray>

namespace support {

inline QByteArray noise(int size, quint32 seed = 0)
{
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u + seed;
    for (char &c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return bytes;
}

} // namespace support
