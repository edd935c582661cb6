#pragma once

#include <QCryptographicHash>
#include <QFile>
#include <QString>

namespace testing {

// A file's SHA-256, for showing that the program left it byte for byte as it was; empty
// when the file cannot be read.
inline QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace testing
