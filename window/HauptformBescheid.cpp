#include "Bescheiddialog.h"
#include "Briefkopf.h"
#include "Hauptform.h"

namespace bda::fenster {

// The dialog's values go into the case; the office's data (authority, signers, address field) also into
// the settings, so the next case and the next start have them.
void Hauptform::bescheiddatenBearbeiten() {
    Bescheiddialog dialog(fall_.bescheid, QString::fromStdString(fall_.name), this);
    const bool angenommen = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (!angenommen) return;
    Bescheiddaten& d = fall_.bescheid;
    d.behörde.kopfzeile1 = dialog.kopfzeile1().toStdString();
    d.behörde.kopfzeile2 = dialog.kopfzeile2().toStdString();
    d.behörde.straße = dialog.behördenstraße().toStdString();
    d.behörde.ort = dialog.behördenort().toStdString();
    d.anschriftfeld = dialog.anschriftfeld();
    d.unterschrift1 = dialog.unterschrift1().toStdString();
    d.unterschrift2 = dialog.unterschrift2().toStdString();
    d.anrede = dialog.anrede().toStdString();
    d.anschrift1 = dialog.anschrift1().toStdString();
    d.anschrift2 = dialog.anschrift2().toStdString();
    d.dienstanschrift = dialog.dienstanschrift().toStdString();
    d.bescheiddatum = dialog.bescheiddatum().toStdString();
    d.bezugsjahr = dialog.bezugsjahr();
    d.geschäftszeichen = dialog.geschäftszeichen().toStdString();
    steuerung_.nameSetzen(dialog.name().toStdString());
    Briefkopf::sichern(d);
    darstellen();
}

}  // namespace bda::fenster
