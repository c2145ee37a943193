#pragma once
#include <QByteArray>

namespace teste {

// A progressive grey 2048 x 2048 JPEG whose later scans hold `dados` (none: empty, one pass each).
inline QByteArray JpegDeVarreduras(int varreduras, const QByteArray& dados = {}) {
    auto seg = [](char m, const QByteArray& c) {
        return QByteArray("\xFF", 1) + m + char((c.size() + 2) >> 8) + char(c.size() + 2) + c;
    };
    QByteArray j = QByteArray("\xFF\xD8", 2) + seg('\xDB', '\0' + QByteArray(64, 1)) +
                   seg('\xC2', QByteArray("\x08\x08\x00\x08\x00\x01\x01\x11\x00", 9)) +
                   seg('\xC4', QByteArray("\0\1", 2) + QByteArray(16, 0)) +
                   seg('\xC4', QByteArray("\x10\1", 2) + QByteArray(16, 0));
    for (int i = 0; i < varreduras; ++i)
        j += seg('\xDA', QByteArray(i ? "\1\1\0\1\x3F\0" : "\1\1\0\0\0\0", 6)) + dados;
    return j + QByteArray("\xFF\xD9", 2);
}

} // namespace teste
