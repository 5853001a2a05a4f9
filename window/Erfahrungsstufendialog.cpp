#include "Erfahrungsstufendialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Datumsfeld.h"
#include "Datumstext.h"
#include "Farben.h"
#include "Mengenangabe.h"
#include "Rueckfrage.h"
#include "Zeitraumdelegat.h"
#include "Zeitraumtabelle.h"

namespace bda::fenster {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString datumstext(std::chrono::year_month_day datum) { return QString::fromStdString(textAusDatum(datum)); }

// A duration of the 30-day reckoning in months and days, as the rounding to months reads it:
// "50 Monate 10 Tage", "9 Monate", "0 Tage".
QString spanne(const Zeitspanne& z) {
    const int monate = 12 * z.jahre + z.monate;
    QStringList teile;
    if (monate != 0) teile << QString::fromStdString(anzahl(monate, "Monat", "Monate"));
    if (z.tage != 0 || monate == 0) teile << QString::fromStdString(anzahl(z.tage, "Tag", "Tage"));
    return teile.join(QLatin1Char(' '));
}

QString monate(int n) { return QString::fromStdString(anzahl(n, "Monat", "Monate")); }

// A cell of the program's: read, never typed into.
QTableWidgetItem* festeZelle(const QString& inhalt) {
    auto* zelle = new QTableWidgetItem(inhalt);
    zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return zelle;
}

QFormLayout* gruppe(QVBoxLayout* dialog, const QString& titel, int dehnung = 0) {
    auto* kasten = new QGroupBox(titel);
    auto* form = new QFormLayout(kasten);
    dialog->addWidget(kasten, dehnung);
    return form;
}

// A form row whose caption's mnemonic lands in the field, with a hint to its right.
void formzeile(QFormLayout* form, const QString& beschriftung, QWidget* feld, const QString& hinweis) {
    auto* reihe = new QWidget;
    auto* anordnung = new QHBoxLayout(reihe);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(feld);
    anordnung->addWidget(new QLabel(hinweis), 1);
    form->addRow(beschriftung, reihe);
    if (auto* titel = qobject_cast<QLabel*>(form->labelForField(reihe))) titel->setBuddy(feld);
}

const char* const spaltentitel[Spalte::anzahl] = {"Beginn", "Ende",      "Art",
                                                  "Person", "anerkannt", "Beschreibung"};

}  // namespace

Erfahrungsstufendialog::Erfahrungsstufendialog(const Stufenfall& fall,
                                               std::function<void(const Stufenfall&)> geändert,
                                               std::function<void(Ausgabe)> ausgeben, QWidget* eltern)
    : QDialog(eltern), fall_(fall), geändert_(std::move(geändert)) {
    setObjectName(QStringLiteral("Erfahrungsstufe"));
    setWindowTitle(QStringLiteral("Erfahrungsstufe (ab 2009)"));
    auto* anordnung = new QVBoxLayout(this);

    QFormLayout* ernennung = gruppe(anordnung, QStringLiteral("Ernennung"));
    amt_ = new QComboBox;
    amt_->setObjectName(QStringLiteral("Stufe_Amt"));
    for (int amt = bundesregeln.kleinstesAmt; amt <= bundesregeln.größtesAmt; ++amt)
        amt_->addItem(QString::fromStdString(amtsname(amt)), amt);
    amt_->setAccessibleDescription(QStringLiteral("Das Amt der Besoldungsordnung A, ") +
                                   QString::fromStdString(ämterbereich()));
    formzeile(ernennung, QStringLiteral("&Amt:"), amt_, QStringLiteral("Besoldungsordnung A"));
    einfach_ = new QCheckBox(QStringLiteral("&Einfacher Dienst"));
    einfach_->setObjectName(QStringLiteral("Stufe_Einfach"));
    einfach_->setAccessibleDescription(
        QStringLiteral("Im einfachen Dienst dauern die Stufen 5 bis 7 je drei statt vier Jahre"));
    formzeile(ernennung, QString(), einfach_,
              QStringLiteral("Stufen 5 bis 7 je 3 Jahre (§ 27 Abs. 3 S. 2 BBesG)"));
    ernennung_ = new Datumsfeld;
    ernennung_->setObjectName(QStringLiteral("Stufe_Ernennung"));
    ernennung_->setAccessibleName(QStringLiteral("Tag der Ernennung"));
    ernennung_->setAccessibleDescription(
        QStringLiteral("Tag, an dem die erste Ernennung mit Anspruch auf Dienstbezüge wirksam wird"));
    formzeile(ernennung, QStringLiteral("&Tag der Ernennung:"), ernennung_,
              QStringLiteral("erste Ernennung mit Anspruch auf Dienstbezüge"));

    auto* zeitkasten = new QGroupBox(QStringLiteral("&Zeiträume"));
    auto* zeitanordnung = new QVBoxLayout(zeitkasten);
    anordnung->addWidget(zeitkasten, 3);
    tabelle_ = new Zeitraumtabelle;
    tabelle_->setObjectName(QStringLiteral("Stufe_Zeitraeume"));
    tabelle_->setAccessibleName(QStringLiteral("Zeiträume"));
    tabelle_->setAccessibleDescription(
        QStringLiteral("Je Zeile ein Zeitraum mit Beginn, Ende, Art, Person, Anerkennung und Beschreibung. "
                       "Enter nach der letzten Zelle fügt einen an, Entf entfernt den gewählten."));
    QStringList titel;
    for (const char* t : spaltentitel) titel << QString::fromUtf8(t);
    tabelle_->setHorizontalHeaderLabels(titel);
    delegat_ = new Zeitraumdelegat(tabelle_);
    tabelle_->setItemDelegate(delegat_);
    zeitanordnung->addWidget(tabelle_);
    auto* bedienung = new QLabel(
        QStringLiteral("Enter nach der letzten Zelle fügt einen Zeitraum an, Entf entfernt den gewählten. "
                       "In Beginn und Ende: F2 heutiges Datum, F3 leeren, F4 Kalender."));
    bedienung->setWordWrap(true);
    zeitanordnung->addWidget(bedienung);

    QFormLayout* ergebnis = gruppe(anordnung, QStringLiteral("Ergebnis"), 1);
    const auto wert = [](const char* name) {
        auto* label = new QLabel;
        label->setObjectName(QString::fromUtf8(name));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    stufe1_ = wert("Stufe_Beginn1");
    beiErnennung_ = wert("Stufe_BeiErnennung");
    anerkannt_ = wert("Stufe_Anerkannt");
    verzögerung_ = wert("Stufe_Verzoegerung");
    ergebnis->addRow(QStringLiteral("Fiktiver Beginn der Stufe 1:"), stufe1_);
    ergebnis->addRow(QStringLiteral("Stufe am Tag der Ernennung:"), beiErnennung_);
    ergebnis->addRow(QStringLiteral("Anerkannte Zeiten:"), anerkannt_);
    ergebnis->addRow(QStringLiteral("Verzögerung:"), verzögerung_);
    auto* stufenfeld = new QWidget;
    stufenfeld->setObjectName(QStringLiteral("Stufe_Stufen"));
    stufen_ = new QGridLayout(stufenfeld);
    stufen_->setContentsMargins(0, 0, 0, 0);
    stufen_->setHorizontalSpacing(12);
    const int stufenzahl = static_cast<int>(bundesregeln.laufzeitJahre.size()) + 1;
    for (int i = 0; i < stufenzahl; ++i) {
        auto* nummer = new QLabel(QStringLiteral("Stufe %1").arg(i + 1));
        stufen_->addWidget(nummer, 0, i, Qt::AlignHCenter);
        auto* ab = wert("");
        ab->setObjectName(QStringLiteral("Stufe_ab_%1").arg(i + 1));
        stufen_->addWidget(ab, 1, i, Qt::AlignHCenter);
    }
    stufen_->setColumnStretch(stufenzahl, 1);
    ergebnis->addRow(QStringLiteral("Stufen ab:"), stufenfeld);
    anrechnung_ = new QTableWidget(0, 5);
    anrechnung_->setObjectName(QStringLiteral("Stufe_Anrechnung"));
    anrechnung_->setHorizontalHeaderLabels({QStringLiteral("Zeitraum"), QStringLiteral("Länge"),
                                            QStringLiteral("angerechnet"), QStringLiteral("verzögert"),
                                            QStringLiteral("Vorschrift und Grund")});
    anrechnung_->verticalHeader()->hide();
    anrechnung_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    anrechnung_->setTabKeyNavigation(false);
    anrechnung_->setWordWrap(true);
    anrechnung_->setTextElideMode(Qt::ElideNone);
    anrechnung_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As high as its rows where there is room; the periods above get the rest.
    anrechnung_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    anrechnung_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    anrechnung_->horizontalHeader()->setStretchLastSection(true);
    anrechnung_->setAccessibleName(QStringLiteral("Anrechnung je Zeitraum"));
    anrechnung_->setAccessibleDescription(
        QStringLiteral("Je Zeitraum die Länge, was davon angerechnet wird, was die Stufen verzögert, und "
                       "warum er weniger zählt als seine Länge"));
    hinweise_ = wert("Stufe_Hinweise");
    hinweise_->setWordWrap(true);
    ergebnis->addRow(QStringLiteral("Hinweise:"), hinweise_);
    ergebnis->addRow(QStringLiteral("&Je Zeitraum:"), anrechnung_);
    if (auto* beschriftung = qobject_cast<QLabel*>(ergebnis->labelForField(anrechnung_)))
        beschriftung->setBuddy(anrechnung_);

    // One column of captions through the groups.
    const QList<QFormLayout*> formen = {ernennung, ergebnis};
    int breite = 0;
    for (QFormLayout* form : formen) {
        for (int i = 0; i < form->rowCount(); ++i) {
            if (QLayoutItem* feld = form->itemAt(i, QFormLayout::LabelRole))
                breite = std::max(breite, feld->widget()->sizeHint().width());
        }
    }
    for (QFormLayout* form : formen) {
        for (int i = 0; i < form->rowCount(); ++i) {
            if (QLayoutItem* feld = form->itemAt(i, QFormLayout::LabelRole))
                feld->widget()->setMinimumWidth(breite);
        }
    }

    auto* knöpfe = new QDialogButtonBox;
    const auto knopf = [&](const QString& beschriftung, const char* name, const QString& beschreibung,
                           QDialogButtonBox::ButtonRole rolle) {
        QPushButton* k = knöpfe->addButton(beschriftung, rolle);
        k->setObjectName(QString::fromUtf8(name));
        k->setAccessibleDescription(beschreibung);
        return k;
    };
    QPushButton* drucken = knopf(QStringLiteral("&Drucken …"), "Stufe_Drucken",
                                 QStringLiteral("Druckt Bescheid und Berechnung der Erfahrungsstufe"),
                                 QDialogButtonBox::ActionRole);
    QPushButton* vorschau =
        knopf(QStringLiteral("&Vorschau …"), "Stufe_Vorschau",
              QStringLiteral("Zeigt Bescheid und Berechnung vor dem Druck"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = knopf(QStringLiteral("&PDF/A …"), "Stufe_Pdf",
                             QStringLiteral("Speichert Bescheid und Berechnung als PDF/A-Datei"),
                             QDialogButtonBox::ActionRole);
    knopf(QStringLiteral("&Schließen"), "Stufe_Schliessen",
          QStringLiteral("Schließt das Fenster; die Eingaben bleiben im Fall (Esc)"),
          QDialogButtonBox::RejectRole);
    connect(drucken, &QPushButton::clicked, this, [ausgeben] { ausgeben(Ausgabe::drucken); });
    connect(vorschau, &QPushButton::clicked, this, [ausgeben] { ausgeben(Ausgabe::vorschau); });
    connect(pdf, &QPushButton::clicked, this, [ausgeben] { ausgeben(Ausgabe::pdf); });
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter belongs to the fields: no button is pressed by it unless it has the focus.
    for (QAbstractButton* k : knöpfe->buttons()) {
        if (auto* p = qobject_cast<QPushButton*>(k)) p->setAutoDefault(false);
    }
    anordnung->addWidget(knöpfe);

    // The case into the controls.
    füllt_ = true;
    amt_->setCurrentIndex(std::max(0, amt_->findData(fall_.amt)));
    einfach_->setChecked(fall_.einfacherDienst);
    ernennung_->datumstextSetzen(QString::fromStdString(fall_.ernennung));
    tabelle_->setRowCount(static_cast<int>(fall_.zeiträume.size()));
    for (std::size_t i = 0; i < fall_.zeiträume.size(); ++i)
        zeileFüllen(static_cast<int>(i), fall_.zeiträume[i]);
    füllt_ = false;

    // Columns wide enough for a date with its calendar button and for the longest kind.
    const QFontMetrics maß(tabelle_->font());
    const int datumsbreite = maß.horizontalAdvance(QStringLiteral("00/00/0000")) + 2 * maß.height() + 8;
    int artbreite = 0;
    for (const Zeitartangabe& a : zeitarten)
        artbreite = std::max(artbreite, maß.horizontalAdvance(text(a.bezeichnung)));
    tabelle_->setColumnWidth(Spalte::beginn, datumsbreite);
    tabelle_->setColumnWidth(Spalte::ende, datumsbreite);
    tabelle_->setColumnWidth(Spalte::art, artbreite + 3 * maß.height());
    tabelle_->setColumnWidth(Spalte::person, maß.horizontalAdvance(QStringLiteral("Person")) * 2);
    tabelle_->setColumnWidth(Spalte::anerkannt, maß.horizontalAdvance(QStringLiteral("anerkannt")) + 16);
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->setDefaultSectionSize(
        std::max(tabelle_->verticalHeader()->defaultSectionSize(), ernennung_->sizeHint().height() + 2));
    int tabellenbreite = tabelle_->verticalHeader()->sizeHint().width() + 2 * tabelle_->frameWidth() +
                         maß.horizontalAdvance(QStringLiteral("Beschreibung")) * 3;
    for (int spalte = 0; spalte < Spalte::beschreibung; ++spalte)
        tabellenbreite += tabelle_->columnWidth(spalte);
    tabelle_->setMinimumWidth(tabellenbreite);
    tabelle_->setMinimumHeight(tabelle_->horizontalHeader()->sizeHint().height() +
                               4 * tabelle_->verticalHeader()->defaultSectionSize() +
                               2 * tabelle_->frameWidth());
    anrechnung_->setMinimumHeight(anrechnung_->horizontalHeader()->sizeHint().height() +
                                  3 * anrechnung_->verticalHeader()->defaultSectionSize() +
                                  2 * anrechnung_->frameWidth());

    connect(amt_, &QComboBox::currentIndexChanged, this, [this] { übernehmen(); });
    connect(einfach_, &QCheckBox::toggled, this, [this] { übernehmen(); });
    connect(ernennung_, &Datumsfeld::bearbeitet, this, [this] { übernehmen(); });
    connect(ernennung_, &Datumsfeld::enterGedrueckt, this, [this] {
        if (const auto fehler = datumsfehler(ernennung_->datumstext().toStdString())) {
            melden(QString::fromStdString(*fehler));
            ernennung_->setFocus(Qt::OtherFocusReason);
            ernennung_->selectAll();
            return;
        }
        tabelle_->setFocus(Qt::TabFocusReason);
    });
    connect(tabelle_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* zelle) {
        if (füllt_) return;
        if (zelle->column() == Spalte::art) {
            füllt_ = true;
            zeileEinrichten(zelle->row());
            füllt_ = false;
        }
        übernehmen();
    });
    tabelle_->amEnde = [this] { return amEnde(); };
    tabelle_->zeileEntfernen = [this](int zeile) { zeileEntfernen(zeile); };
    delegat_->prüfen = [this](QWidget* editor, const QModelIndex& zelle) {
        return datumPrüfen(editor, zelle);
    };
    delegat_->weiter = [this](const QModelIndex& zelle, bool vorwärts, bool enter) {
        tabelle_->weiter(zelle, vorwärts, enter);
    };
    delegat_->kalenderanfang = [this](const QModelIndex& zelle) { return kalenderanfang(zelle); };

    ergebnis_ = stufenberechnen(fall_);
    darstellen();
    // The whole window at once where the screen has room; adjustSize() would stop at two thirds of it.
    if (const QScreen* bildschirm = screen())
        resize(sizeHint().boundedTo(bildschirm->availableGeometry().size()));
    amt_->setFocus(Qt::OtherFocusReason);
}

void Erfahrungsstufendialog::zeileFüllen(int zeile, const Stufenzeitraum& z) {
    const auto datum = [](const std::string& t) {
        auto* zelle = new QTableWidgetItem(istLeer(t) ? QString() : QString::fromStdString(t));
        zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        return zelle;
    };
    tabelle_->setItem(zeile, Spalte::beginn, datum(z.beginn));
    tabelle_->setItem(zeile, Spalte::ende, datum(z.ende));
    auto* art = new QTableWidgetItem(text(angabe(z.art).bezeichnung));
    art->setData(Qt::UserRole, static_cast<int>(z.art));
    art->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    tabelle_->setItem(zeile, Spalte::art, art);
    tabelle_->setItem(zeile, Spalte::person, new QTableWidgetItem(QString::fromStdString(z.person)));
    auto* anerkannt = new QTableWidgetItem;
    anerkannt->setCheckState(z.anerkannt ? Qt::Checked : Qt::Unchecked);
    tabelle_->setItem(zeile, Spalte::anerkannt, anerkannt);
    tabelle_->setItem(zeile, Spalte::beschreibung,
                      new QTableWidgetItem(QString::fromStdString(z.beschreibung)));
    zeileEinrichten(zeile);
}

// The person takes input only where the cap is per person, "anerkannt" only for förderliche Zeiten.
void Erfahrungsstufendialog::zeileEinrichten(int zeile) {
    const Zeitartangabe& a =
        angabe(static_cast<Zeitart>(tabelle_->item(zeile, Spalte::art)->data(Qt::UserRole).toInt()));
    tabelle_->item(zeile, Spalte::art)->setToolTip(text(a.vorschrift));
    QTableWidgetItem* person = tabelle_->item(zeile, Spalte::person);
    person->setFlags(a.jePerson ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                : Qt::ItemIsSelectable);
    person->setToolTip(a.jePerson
                           ? QStringLiteral("Das Kind oder der Angehörige: die Höchstdauer gilt je Person")
                           : QStringLiteral("Nur bei Kinderbetreuung und Pflege"));
    QTableWidgetItem* anerkannt = tabelle_->item(zeile, Spalte::anerkannt);
    if (a.anrechnung == Anrechnung::aufAnerkennung) {
        anerkannt->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        if (!anerkannt->data(Qt::CheckStateRole).isValid()) anerkannt->setCheckState(Qt::Unchecked);
        anerkannt->setToolTip(
            QStringLiteral("Angekreuzt, wenn die Zeit anerkannt ist (%1)").arg(text(a.vorschrift)));
    } else {
        // A tick that counts nothing is not shown; another kind starts without it.
        anerkannt->setFlags(Qt::ItemIsSelectable);
        anerkannt->setData(Qt::CheckStateRole, QVariant());
        anerkannt->setToolTip(QStringLiteral("Nur bei förderlichen Zeiten"));
    }
}

bool Erfahrungsstufendialog::zeileAnfügen() {
    const int zeile = tabelle_->rowCount();
    if (static_cast<std::size_t>(zeile) >= höchsteZeitraumzahl) {
        melden(
            QStringLiteral("Ein Fall fasst höchstens %1 Zeiträume. Bitte aneinander anschließende Zeiträume "
                           "gleicher Art zusammenfassen.")
                .arg(höchsteZeitraumzahl));
        return false;
    }
    füllt_ = true;
    tabelle_->insertRow(zeile);
    zeileFüllen(zeile, Stufenzeitraum{});
    füllt_ = false;
    übernehmen();
    tabelle_->setFocus(Qt::OtherFocusReason);
    const QModelIndex beginn = tabelle_->model()->index(zeile, Spalte::beginn);
    tabelle_->setCurrentIndex(beginn);
    tabelle_->scrollTo(beginn);
    tabelle_->edit(beginn);
    return true;
}

// Enter after the last cell: a new row, unless the last row is still empty; then the focus goes on.
bool Erfahrungsstufendialog::amEnde() {
    const int letzte = tabelle_->rowCount() - 1;
    if (letzte >= 0 && fall_.zeiträume.at(static_cast<std::size_t>(letzte)) == Stufenzeitraum{}) return false;
    return zeileAnfügen();
}

void Erfahrungsstufendialog::zeileEntfernen(int zeile) {
    const Stufenzeitraum& z = fall_.zeiträume.at(static_cast<std::size_t>(zeile));
    const bool ja = jaNeinBox(this, QStringLiteral("Zeitraum %1 (%2 bis %3, %4) entfernen?")
                                        .arg(zeile + 1)
                                        .arg(QString::fromStdString(z.beginn), QString::fromStdString(z.ende),
                                             text(angabe(z.art).bezeichnung)));
    tabelle_->setFocus(Qt::OtherFocusReason);
    if (!ja) return;
    const int spalte = tabelle_->currentColumn();
    füllt_ = true;
    tabelle_->removeRow(zeile);
    füllt_ = false;
    übernehmen();
    if (tabelle_->rowCount() > 0) {
        const int neu = std::min(zeile, tabelle_->rowCount() - 1);
        tabelle_->setCurrentCell(neu, tabelle_->bedienbar(neu, spalte) ? spalte : Spalte::beginn);
    }
}

// A date the program refuses, and an end before the start, keep the field open with the message.
bool Erfahrungsstufendialog::datumPrüfen(QWidget* editor, const QModelIndex& zelle) {
    auto* feld = qobject_cast<Datumsfeld*>(editor);
    if (!feld) return true;
    const std::string eingabe = feld->datumstext().toStdString();
    QString fehler;
    if (const auto f = datumsfehler(eingabe)) {
        fehler = QString::fromStdString(*f);
    } else if (const auto datum = datumAusText(eingabe)) {
        const bool istEnde = zelle.column() == Spalte::ende;
        const QString anderer = tabelle_->item(zelle.row(), istEnde ? Spalte::beginn : Spalte::ende)->text();
        const auto gegenüber = datumAusText(anderer.toStdString());
        if (gegenüber && istEnde && *datum < *gegenüber) {
            fehler = QStringLiteral(
                         "Das Datum %1 liegt vor dem Datum %2 und damit nicht in der richtigen "
                         "Zeitrichtung.")
                         .arg(feld->datumstext(), anderer);
        } else if (gegenüber && !istEnde && *gegenüber < *datum) {
            fehler = QStringLiteral(
                         "Das Datum %1 liegt nach dem Ende des Zeitraums %2 und damit nicht in der "
                         "richtigen Zeitrichtung.")
                         .arg(feld->datumstext(), anderer);
        }
    }
    if (fehler.isEmpty()) return true;
    melden(fehler);
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
}

// The start of a period opens the calendar at the appointment, its end at its start.
QDate Erfahrungsstufendialog::kalenderanfang(const QModelIndex& zelle) const {
    if (zelle.column() == Spalte::ende) {
        const QDate beginn = QDate::fromString(tabelle_->item(zelle.row(), Spalte::beginn)->text(),
                                               QStringLiteral("dd/MM/yyyy"));
        if (beginn.isValid()) return beginn;
    }
    return ernennung_->wert().value_or(QDate::currentDate());
}

void Erfahrungsstufendialog::übernehmen() {
    if (füllt_) return;
    fall_.amt = amt_->currentData().toInt();
    fall_.einfacherDienst = einfach_->isChecked();
    fall_.ernennung = ernennung_->datumstext().toStdString();
    fall_.zeiträume.clear();
    for (int zeile = 0; zeile < tabelle_->rowCount(); ++zeile) {
        const auto zelle = [&](int spalte) { return tabelle_->item(zeile, spalte); };
        const auto datum = [&](int spalte) {
            const QString t = zelle(spalte)->text();
            return t.isEmpty() ? std::string(leeresDatum) : t.toStdString();
        };
        Stufenzeitraum z;
        z.beginn = datum(Spalte::beginn);
        z.ende = datum(Spalte::ende);
        z.art = static_cast<Zeitart>(zelle(Spalte::art)->data(Qt::UserRole).toInt());
        z.person = zelle(Spalte::person)->text().toStdString();
        z.anerkannt = zelle(Spalte::anerkannt)->data(Qt::CheckStateRole).toInt() == Qt::Checked;
        z.beschreibung = zelle(Spalte::beschreibung)->text().toStdString();
        fall_.zeiträume.push_back(std::move(z));
    }
    ergebnis_ = stufenberechnen(fall_);
    darstellen();
    if (geändert_) geändert_(fall_);
}

void Erfahrungsstufendialog::darstellen() {
    const Stufenergebnis& e = ergebnis_;
    const QString fehlt = QStringLiteral("–");
    stufe1_->setText(e.berechnet ? datumstext(e.stufe1) : fehlt);
    beiErnennung_->setText(e.berechnet ? QStringLiteral("Stufe %1").arg(e.beiErnennung) : fehlt);
    anerkannt_->setText(
        e.berechnet ? QStringLiteral("%1, aufgerundet %2").arg(spanne(e.anerkannt), monate(e.anerkanntMonate))
                    : fehlt);
    verzögerung_->setText(
        e.berechnet
            ? QStringLiteral("%1, abgerundet %2").arg(spanne(e.verzögerung), monate(e.verzögerungMonate))
            : fehlt);
    for (int i = 0; i < stufen_->columnCount(); ++i) {
        QLayoutItem* ort = stufen_->itemAtPosition(1, i);
        auto* ab = ort ? qobject_cast<QLabel*>(ort->widget()) : nullptr;
        if (!ab) continue;
        const auto nummer = static_cast<std::size_t>(i);
        ab->setText(e.berechnet && nummer < e.stufen.size() ? datumstext(e.stufen[nummer]) : fehlt);
        QFont schrift = ab->font();
        schrift.setBold(e.berechnet && i + 1 == e.beiErnennung);
        ab->setFont(schrift);
    }
    anrechnung_->setRowCount(static_cast<int>(fall_.zeiträume.size()));
    for (std::size_t i = 0; i < fall_.zeiträume.size(); ++i) {
        const int zeile = static_cast<int>(i);
        const Zeitartangabe& a = angabe(fall_.zeiträume[i].art);
        anrechnung_->setItem(zeile, 0, festeZelle(QString::number(zeile + 1)));
        QStringList gründe{text(a.vorschrift)};
        if (i < e.zeiträume.size()) {
            const Zeitraumergebnis& z = e.zeiträume[i];
            for (const Kürzung k : z.gründe)
                gründe << QString::fromStdString(kürzungstext(k, a.art, bundesregeln));
            anrechnung_->setItem(zeile, 1, festeZelle(spanne(z.länge)));
            anrechnung_->setItem(zeile, 2, festeZelle(spanne(z.angerechnet)));
            anrechnung_->setItem(zeile, 3, festeZelle(spanne(z.verzögerung)));
        } else {
            for (int spalte = 1; spalte < 4; ++spalte) anrechnung_->setItem(zeile, spalte, festeZelle(fehlt));
        }
        anrechnung_->setItem(zeile, 4, festeZelle(gründe.join(QStringLiteral("; "))));
    }
    anrechnung_->resizeColumnsToContents();
    anrechnung_->horizontalHeader()->setStretchLastSection(true);
    QStringList hinweise;
    for (const std::string& h : e.hinweise) hinweise << QString::fromStdString(h);
    if (!e.berechnet && hinweise.isEmpty())
        hinweise << QStringLiteral("Bitte den Tag der Ernennung eingeben.");
    hinweise_->setText(hinweise.isEmpty() ? QStringLiteral("keine") : hinweise.join(QLatin1Char('\n')));
    // What the clerk should check stands out in the warning colour.
    QPalette farben = hinweise_->palette();
    farben.setColor(QPalette::WindowText, hinweise.isEmpty()
                                              ? QApplication::palette().color(QPalette::WindowText)
                                              : Farben::warnrot);
    hinweise_->setPalette(farben);
}

void Erfahrungsstufendialog::done(int ergebnis) {
    bool entfernt = false;
    füllt_ = true;
    for (int zeile = tabelle_->rowCount() - 1; zeile >= 0; --zeile) {
        if (fall_.zeiträume.at(static_cast<std::size_t>(zeile)) == Stufenzeitraum{}) {
            tabelle_->removeRow(zeile);
            entfernt = true;
        }
    }
    füllt_ = false;
    if (entfernt) übernehmen();
    QDialog::done(ergebnis);
}

// Enter goes on to the next field; a button with the focus is pressed by it.
void Erfahrungsstufendialog::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        if (auto* knopf = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            knopf->click();
        } else {
            focusNextChild();
        }
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void Erfahrungsstufendialog::melden(const QString& text) { meldungsbox(this, text); }

}  // namespace bda::fenster
