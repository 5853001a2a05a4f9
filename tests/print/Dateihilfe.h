#pragma once
// Bytes on disk for the tests of the legal-remedy files.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string>

#include "Windows1252.h"

inline std::string bytesVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<missing>";
}

inline void schreibeBytes(const QString& pfad, const std::string& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A record as the file holds it: the text in Windows-1252, padded with blanks to 1000 bytes.
inline std::string satz(const std::string& utf8) {
    const std::string bytes = nachWindows1252(utf8);
    return bytes + std::string(1000 - bytes.size(), ' ');
}
