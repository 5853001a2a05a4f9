#pragma once
// The main window. It owns the case (`Fall`) and its driver (`Fallsteuerung`) and is the driver's screen
// (`Oberflaeche`: message boxes and focus moves). Every event writes what the clerk typed into the case,
// lets the driver act and then renders the whole case into the controls again, so the controls always
// show the case as it stands. The controls come from the tables of Bauplan and lie on the design area,
// which the resizer scales; the menu bar above it takes its own height.

#include <QDate>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "Eingangsamt.h"
#include "Fall.h"
#include "Fallsteuerung.h"
#include "Oberflaeche.h"
#include "Skalierer.h"
#include "Stufenfall.h"

class QLabel;
class QLineEdit;
class QMenuBar;
class QRadioButton;

namespace bda::fenster {

struct Bauteil;
class Datumsfeld;
class Druckziel;
class Fallbefehle;
class Hilfefenster;
class Rechtsmitteleditor;
class Stufendialog;

// The smallest font the window shows, in points; the minimum size keeps every font at this or above.
inline constexpr double mindestpunkte = 8.0;

class Hauptform : public QWidget, private Oberflaeche {
   public:
    explicit Hauptform(QWidget* eltern = nullptr);
    ~Hauptform() override;

    const Fall& fall() const { return fall_; }
    // The help topic of the chosen entry grade: 6 for professors C 3 and C 4, 3 for every other.
    int hilfethema() const;
    // The width a message box needs for its whole title `titel` in the title bar, in pixels.
    static int titelbreite(const QString& titel);
    // The help viewer once it has been opened.
    Hilfefenster* hilfefenster() const { return hilfe_; }
    // The step schedule once `Grundgehälter` has opened it.
    Stufendialog* stufendialog() const { return stufen_; }
    // The legal-remedy editor laid over the window by RB_Text.
    Rechtsmitteleditor* rechtsmittel();
    // The area below the menu bar that holds the controls at their design places.
    QWidget* entwurf() const { return entwurf_; }
    QMenuBar* menüleiste() const { return menüleiste_; }
    // The case-file commands of the "Fall" menu.
    Fallbefehle& befehle() const { return *befehle_; }
    // The case's experience step; none while the clerk has entered none.
    const std::optional<Stufenfall>& erfahrungsstufe() const { return erfahrungsstufe_; }
    // Shows another case (a new one, an opened file) with its experience step; the office's data
    // (authority, signers, address field) stay.
    void fallErsetzen(const Fall& fall, std::optional<Steuerelement> fokus, std::optional<Stufenfall> stufe);
    // A message box with an OK button only and no icon.
    void meldungsfenster(const QString& titel, const QString& text);
    // A question with "Ja" and "Nein" ("Nein" the default), no icon, the application's title; true for "Ja".
    bool jaNeinFrage(const QString& text);

   protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

   private:
    struct Wertzeile {
        QLabel* tag = nullptr;
        QLabel* monat = nullptr;
        QLabel* jahr = nullptr;
    };

    void meldung(std::string_view text) override;
    void fokus(Steuerelement ziel) override;

    void lückenbeschriftungenSetzen();

    // HauptformAufbau.cpp
    void aufbauen();
    QWidget* erzeugen(const Bauteil& teil, QWidget* behälter);
    void zuordnen();
    void tabfolgeSetzen();
    template <class T>
    T* bauteil(const std::string& name) const;
    Wertzeile wertzeile(const std::string& endung) const;

    // HauptformEreignisse.cpp
    void verbinden();
    QDate kalenderanfang(int index) const;
    void datumEnter(int index);
    void eingabeBearbeitet(int index);
    void hilfeGeklickt();
    void hilfeZeigen();

    // HauptformMenue.cpp
    void menüAufbauen();
    void beenden();
    void überBdaRechner();

    // HauptformDarstellung.cpp
    void darstellen();

    // HauptformBescheid.cpp
    void bescheiddatenBearbeiten();

    // HauptformStufe.cpp
    void erfahrungsstufeBearbeiten();
    void stufeAusgeben(QWidget* über, const std::function<void(Druckziel&)>& ziel);

    // HauptformDruck.cpp
    void bescheidGeklickt();
    void berechnungGeklickt();
    void druckvorschau();
    void druckenMitWahl();
    void alsPdfSpeichern();
    void ausgeben(const std::function<void(Druckziel&)>& ziel);
    void stufenGeklickt();
    bool druckVorbereiten();
    bool bescheidFreigeben(bool passtAufEineSeite, const std::function<bool(const QString&)>& frage);
    void pdfSpeichern(QWidget* über, Druckziel& ziel, const QString& stamm) const;
    QString pdfVorschlag(QString stamm) const;
    void rechtsmittelUmschalten();
    QRect rechtsmittelbereich() const;

    Fall fall_;
    std::optional<Stufenfall> erfahrungsstufe_;
    Fallsteuerung steuerung_;
    Skalierer skalierer_;
    QWidget* entwurf_ = nullptr;
    QMenuBar* menüleiste_ = nullptr;
    std::map<std::string, QWidget*> bauteile_;
    std::array<Datumsfeld*, Feld::anzahl> datum_{};
    std::array<QLineEdit*, anzahlEingaben> eingabe_{};
    std::array<QLabel*, anzahlEingaben> zähler_{};
    std::array<QRadioButton*, Eingangsamt::anzahl> eingangsamt_{};
    std::array<Wertzeile, anzahlZeitraumzeilen> rahmen1_{};
    std::array<Wertzeile, anzahlZeitraumzeilen> rahmen2_{};
    Wertzeile überschritten_;
    Wertzeile gesamt_;
    QWidget* ssFrame1_ = nullptr;
    QWidget* ssFrame2_ = nullptr;
    QLabel* text3_ = nullptr;
    QLabel* label10_ = nullptr;
    QLabel* bdaDatum_ = nullptr;
    Hilfefenster* hilfe_ = nullptr;
    Stufendialog* stufen_ = nullptr;
    Rechtsmitteleditor* rechtsmittel_ = nullptr;
    std::unique_ptr<Fallbefehle> befehle_;
};

template <class T>
T* Hauptform::bauteil(const std::string& name) const {
    return qobject_cast<T*>(bauteile_.at(name));
}

}  // namespace bda::fenster
