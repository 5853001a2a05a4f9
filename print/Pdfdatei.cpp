#include "Pdfdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include "Druckauftrag.h"

namespace bda::druck {

namespace {

// Why a file could not be created, in the user's words where the cause is plain; the system's text
// otherwise.
QString grund(const QString& datei, const QString& systemgrund) {
    const QFileInfo info(datei);
    if (info.isDir()) return QStringLiteral("Unter diesem Namen steht schon ein Ordner.");
    // The nearest part of the path that exists: the folder itself, a file in its place, or a folder above.
    QFileInfo vorhanden(info.absolutePath());
    while (!vorhanden.exists() && vorhanden.absoluteFilePath() != vorhanden.absolutePath()) {
        vorhanden = QFileInfo(vorhanden.absolutePath());
    }
    const QString name = QDir::toNativeSeparators(vorhanden.absoluteFilePath());
    if (vorhanden.exists() && !vorhanden.isDir())
        return QStringLiteral("„%1“ ist eine Datei, kein Ordner.").arg(name);
    if (vorhanden.absoluteFilePath() != info.absolutePath()) {
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    if (!vorhanden.isWritable()) {
        return QStringLiteral("In den Ordner „%1“ darf nicht geschrieben werden.").arg(name);
    }
    return systemgrund;
}

QString meldung(const QString& datei, const QString& ursache) {
    return QStringLiteral(
               "Die Datei „%1“ konnte nicht gespeichert werden.\n%2\nBitte einen anderen Ort oder "
               "Namen wählen.")
        .arg(QDir::toNativeSeparators(datei), ursache);
}

}  // namespace

bool pdfSchreiben(const QString& datei, const QString& titel,
                  const std::function<bool(Druckauftrag&)>& inhalt, QString& fehler) {
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly)) {
        fehler = meldung(datei, grund(datei, ziel.errorString()));
        return false;
    }
    bool gedruckt = false;
    {
        QPdfWriter pdf(&ziel);
        pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("BDA-Rechner"));
        pdfEinrichten(pdf);
        Druckauftrag auftrag(pdf, Druckauftrag::Umfang::mehrereDokumente);
        gedruckt = inhalt(auftrag);
        if (!gedruckt) {
            fehler = meldung(datei, auftrag.fehler().isEmpty()
                                        ? QStringLiteral("Die Seiten konnten nicht erzeugt werden.")
                                        : auftrag.fehler());
        }
    }
    if (!gedruckt) {
        ziel.cancelWriting();
        return false;
    }
    if (!ziel.commit()) {
        fehler = meldung(datei, grund(datei, ziel.errorString()));
        return false;
    }
    return true;
}

}  // namespace bda::druck
