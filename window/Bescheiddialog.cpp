#include "Bescheiddialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "Datumsfeld.h"
#include "Fall.h"
#include "Rueckfrage.h"

namespace bda::fenster {

namespace {

// The salutations in the order of the choice, with the code each stores.
const struct {
    const char* text;
    const char* code;
} anreden[] = {{"Herrn", "b"}, {"Frau", "c"}, {"Fräulein", "d"}, {"(keine)", ""}};

QString ohneFüllung(const std::string& text) {
    QString ergebnis = QString::fromStdString(text);
    while (ergebnis.endsWith(QLatin1Char(' '))) ergebnis.chop(1);
    return ergebnis;
}

// A field and what stands to its right (the count of characters left, or a hint) in one form row.
QWidget* zeile(QWidget* feld, QLabel* rechts) {
    auto* zeile = new QWidget;
    auto* anordnung = new QHBoxLayout(zeile);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(feld, 1);
    rechts->setMinimumWidth(rechts->fontMetrics().horizontalAdvance(QStringLiteral("noch 40 Zeichen")));
    anordnung->addWidget(rechts);
    return zeile;
}

// A form row whose caption's mnemonic lands in the field, not in the row around it.
void zeileAnfügen(QFormLayout* form, const QString& beschriftung, QWidget* feld, QLabel* rechts) {
    QWidget* reihe = zeile(feld, rechts);
    form->addRow(beschriftung, reihe);
    if (auto* titel = qobject_cast<QLabel*>(form->labelForField(reihe))) titel->setBuddy(feld);
}

QFormLayout* gruppe(QVBoxLayout* dialog, const QString& titel) {
    auto* kasten = new QGroupBox(titel);
    auto* form = new QFormLayout(kasten);
    dialog->addWidget(kasten);
    return form;
}

}  // namespace

Bescheiddialog::Bescheiddialog(const Bescheiddaten& daten, const QString& name, QWidget* eltern)
    : QDialog(eltern) {
    setObjectName(QStringLiteral("Bescheiddaten"));
    setWindowTitle(QStringLiteral("Bescheiddaten"));
    auto* anordnung = new QVBoxLayout(this);

    QFormLayout* behörde = gruppe(anordnung, QStringLiteral("Behörde (für alle Fälle gespeichert)"));
    const Behörde& amt = daten.behörde;
    kopfzeile1_ = textfeld(behörde, QStringLiteral("Kopfzeile &1:"), QStringLiteral("Kopfzeile1"),
                           decltype(amt.kopfzeile1)::länge, amt.kopfzeile1.text());
    kopfzeile2_ = textfeld(behörde, QStringLiteral("Kopfzeile &2:"), QStringLiteral("Kopfzeile2"),
                           decltype(amt.kopfzeile2)::länge, amt.kopfzeile2.text());
    behördenstraße_ =
        textfeld(behörde, QStringLiteral("&Straße und Hausnummer:"), QStringLiteral("Behördenstraße"),
                 decltype(amt.straße)::länge, amt.straße.text());
    behördenort_ = textfeld(behörde, QStringLiteral("&Postleitzahl und Ort:"), QStringLiteral("Behördenort"),
                            decltype(amt.ort)::länge, amt.ort.text());
    anschriftfeld_ = new QComboBox;
    anschriftfeld_->setObjectName(QStringLiteral("Anschriftfeld"));
    anschriftfeld_->addItem(QStringLiteral("Form A"), static_cast<int>(Anschriftform::a));
    anschriftfeld_->addItem(QStringLiteral("Form B"), static_cast<int>(Anschriftform::b));
    anschriftfeld_->setCurrentIndex(anschriftfeld_->findData(static_cast<int>(daten.anschriftfeld)));
    zeileAnfügen(behörde, QStringLiteral("Anschriftf&eld nach DIN 5008:"), anschriftfeld_,
                 new QLabel(QStringLiteral("A: ab 27 mm, B: ab 45 mm vom oberen Rand")));
    unterschrift1_ = textfeld(behörde, QStringLiteral("Sachlich und rechnerisch &richtig:"),
                              QStringLiteral("Unterschrift1"), decltype(daten.unterschrift1)::länge,
                              daten.unterschrift1.text());
    unterschrift2_ = textfeld(behörde, QStringLiteral("&Festgestellt:"), QStringLiteral("Unterschrift2"),
                              decltype(daten.unterschrift2)::länge, daten.unterschrift2.text());

    QFormLayout* empfänger = gruppe(anordnung, QStringLiteral("Empfänger"));
    name_ = textfeld(empfänger, QStringLiteral("&Name:"), QStringLiteral("Name"), namenslänge,
                     name.toStdString());
    anrede_ = new QComboBox;
    anrede_->setObjectName(QStringLiteral("Anrede"));
    for (const auto& a : anreden) anrede_->addItem(QString::fromUtf8(a.text), QString::fromUtf8(a.code));
    const int gewählt = anrede_->findData(ohneFüllung(daten.anrede.text()));
    anrede_->setCurrentIndex(gewählt >= 0 ? gewählt : anrede_->count() - 1);
    empfänger->addRow(QStringLiteral("&Anrede:"), anrede_);
    anschrift1_ = textfeld(empfänger, QStringLiteral("Ans&chrift 1:"), QStringLiteral("Anschrift1"),
                           decltype(daten.anschrift1)::länge, daten.anschrift1.text());
    anschrift2_ = textfeld(empfänger, QStringLiteral("Anschrif&t 2:"), QStringLiteral("Anschrift2"),
                           decltype(daten.anschrift2)::länge, daten.anschrift2.text());
    dienstanschrift_ =
        textfeld(empfänger, QStringLiteral("&Dienstanschrift:"), QStringLiteral("Dienstanschrift"),
                 decltype(daten.dienstanschrift)::länge, daten.dienstanschrift.text());

    QFormLayout* bescheid = gruppe(anordnung, QStringLiteral("Bescheid"));
    bescheiddatum_ = new Datumsfeld;
    bescheiddatum_->setObjectName(QStringLiteral("Bescheiddatum"));
    bescheiddatum_->datumstextSetzen(
        QString::fromStdString(datumstextAusBriefdatum(daten.bescheiddatum.text())));
    // Enter in the date field accepts the dialog, as in every other field.
    connect(bescheiddatum_, &Datumsfeld::enterGedrueckt, this, &QDialog::accept);
    zeileAnfügen(bescheid, QStringLiteral("&Bescheiddatum:"), bescheiddatum_,
                 new QLabel(QStringLiteral("leer: heutiges Datum")));
    bezugsjahr_ = new QLineEdit(daten.bezugsjahr ? QString::number(daten.bezugsjahr) : QString());
    bezugsjahr_->setObjectName(QStringLiteral("Bezugsjahr"));
    bezugsjahr_->setMaxLength(4);
    bezugsjahr_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), this));
    zeileAnfügen(bescheid, QStringLiteral("Bezugs&jahr:"), bezugsjahr_,
                 new QLabel(QStringLiteral("2003 bis 2005: Hinweis Tarifrunde 2003")));
    geschäftszeichen_ =
        textfeld(bescheid, QStringLiteral("&Geschäftszeichen:"), QStringLiteral("Geschäftszeichen"),
                 decltype(daten.geschäftszeichen)::länge, daten.geschäftszeichen.text());

    // One column of captions through all three groups.
    const QList<QFormLayout*> formen = {behörde, empfänger, bescheid};
    int breite = 0;
    for (QFormLayout* form : formen) {
        for (int i = 0; i < form->rowCount(); ++i) {
            if (QLayoutItem* feld = form->itemAt(i, QFormLayout::LabelRole)) {
                breite = std::max(breite, feld->widget()->sizeHint().width());
            }
        }
    }
    for (QFormLayout* form : formen) {
        for (int i = 0; i < form->rowCount(); ++i) {
            if (QLayoutItem* feld = form->itemAt(i, QFormLayout::LabelRole))
                feld->widget()->setMinimumWidth(breite);
        }
    }

    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knöpfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knöpfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knöpfe, &QDialogButtonBox::accepted, this, &Bescheiddialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    anordnung->addWidget(knöpfe);

    // The letterhead is set up once; from then on the dialog is about the case.
    (amt.kopfzeile1.istLeer() ? static_cast<QWidget*>(kopfzeile1_) : name_)->setFocus(Qt::OtherFocusReason);
}

QLineEdit* Bescheiddialog::textfeld(QFormLayout* form, const QString& beschriftung, const QString& name,
                                    std::size_t länge, const std::string& text) {
    auto* feld = new QLineEdit(ohneFüllung(text));
    feld->setObjectName(name);
    feld->setMaxLength(static_cast<int>(länge));
    auto* rest = new QLabel;
    rest->setObjectName(name + QStringLiteral("_Rest"));
    const auto zählen = [feld, rest, länge] {
        rest->setText(
            QStringLiteral("noch %1 Zeichen").arg(static_cast<qsizetype>(länge) - feld->text().size()));
    };
    zählen();
    connect(feld, &QLineEdit::textChanged, rest, zählen);
    zeileAnfügen(form, beschriftung, feld, rest);
    return feld;
}

QString Bescheiddialog::kopfzeile1() const { return kopfzeile1_->text(); }
QString Bescheiddialog::kopfzeile2() const { return kopfzeile2_->text(); }
QString Bescheiddialog::behördenstraße() const { return behördenstraße_->text(); }
QString Bescheiddialog::behördenort() const { return behördenort_->text(); }
Anschriftform Bescheiddialog::anschriftfeld() const {
    return static_cast<Anschriftform>(anschriftfeld_->currentData().toInt());
}
QString Bescheiddialog::unterschrift1() const { return unterschrift1_->text(); }
QString Bescheiddialog::unterschrift2() const { return unterschrift2_->text(); }
QString Bescheiddialog::name() const { return name_->text(); }
QString Bescheiddialog::anrede() const { return anrede_->currentData().toString(); }
QString Bescheiddialog::anschrift1() const { return anschrift1_->text(); }
QString Bescheiddialog::anschrift2() const { return anschrift2_->text(); }
QString Bescheiddialog::dienstanschrift() const { return dienstanschrift_->text(); }
QString Bescheiddialog::geschäftszeichen() const { return geschäftszeichen_->text(); }

QString Bescheiddialog::bescheiddatum() const {
    std::string fehler;
    return QString::fromStdString(
        briefdatumAusText(bescheiddatum_->datumstext().toStdString(), fehler).value_or(""));
}

int Bescheiddialog::bezugsjahr() const {
    std::string fehler;
    return bezugsjahrAusText(bezugsjahr_->text().toStdString(), fehler).value_or(0);
}

void Bescheiddialog::accept() {
    std::string fehler;
    if (!briefdatumAusText(bescheiddatum_->datumstext().toStdString(), fehler)) {
        melden(fehler);
        bescheiddatum_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!bezugsjahrAusText(bezugsjahr_->text().toStdString(), fehler)) {
        melden(fehler);
        bezugsjahr_->setFocus(Qt::OtherFocusReason);
        bezugsjahr_->selectAll();
        return;
    }
    QDialog::accept();
}

// The clerk corrects the field in this dialog.
void Bescheiddialog::melden(const std::string& text) { meldungsbox(this, QString::fromStdString(text)); }

}  // namespace bda::fenster
