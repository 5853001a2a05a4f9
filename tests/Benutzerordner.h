#pragma once
// Each test process gets user folders of its own: tests side by side (ctest -j) share no settings and no
// legal-remedy file, and the clerk's own files are neither read nor changed.

#include <QFile>
#include <QTemporaryDir>

namespace bda {

// Points the XDG folders below `ordner`; call it before the QApplication exists.
inline void eigeneBenutzerordner(const QTemporaryDir& ordner) {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        qputenv(name, QFile::encodeName(ordner.filePath(QString::fromLatin1(name))));
    }
}

}  // namespace bda
