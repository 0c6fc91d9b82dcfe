#pragma once

#include <QByteArray>
#include <QtEndian>
#include <vector>

// Each image's data in an icon or cursor file: the bytes its directory entry
// points at.
inline std::vector<QByteArray> imageDataOf(const QByteArray& File) {
    std::vector<QByteArray> out;
    const int count = qFromLittleEndian<quint16>(File.constData() + 4);
    for (int i = 0; i < count; ++i) {
        const char* e = File.constData() + 6 + 16 * i;
        out.push_back(File.mid(int(qFromLittleEndian<quint32>(e + 12)),
                               int(qFromLittleEndian<quint32>(e + 8))));
    }
    return out;
}
