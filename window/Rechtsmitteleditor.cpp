#include "Rechtsmitteleditor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "Behoerdenplatzhalter.h"
#include "Farben.h"

namespace bda::fenster {

using druck::Belehrungsdatei;
using druck::Belehrungslesung;

namespace {

constexpr int grenze = static_cast<int>(belehrungssatzlänge);

bool istPaarAb(const QString& text, int i) {
    return i + 1 < text.size() && ((text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()) ||
                                   (text.at(i) == QLatin1Char('\r') && text.at(i + 1) == QLatin1Char('\n')));
}

// The characters a text takes in the record: code points, a line end "\r\n" counted once.
int satzlänge(const QString& text) {
    int länge = 0;
    for (int i = 0; i < text.size(); i += istPaarAb(text, i) ? 2 : 1) ++länge;
    return länge;
}

// Where character n of the text begins, counted as satzlänge counts; the end when it has fewer.
int stelleVon(const QString& text, int n) {
    int i = 0;
    for (; i < text.size() && n > 0; --n) i += istPaarAb(text, i) ? 2 : 1;
    return std::min(i, static_cast<int>(text.size()));
}

// Where the n characters before `ende` begin.
int stelleVor(const QString& text, int ende, int n) {
    int i = ende;
    for (; i > 0 && n > 0; --n) i -= i >= 2 && istPaarAb(text, i - 2) ? 2 : 1;
    return i;
}

QString fußtext(int frei) {
    const QString tasten =
        QStringLiteral(
            "    Eingabetaste: speichern    Esc: schließen ohne zu speichern    $: neue Zeile im Druck    "
            "%1: Briefkopf und Anschrift der Behörde aus den Bescheiddaten")
            .arg(QString::fromUtf8(behördenplatzhalter.data(),
                                   static_cast<qsizetype>(behördenplatzhalter.size())));
    if (frei >= 0) return QStringLiteral("Noch %1 von 1000 Zeichen frei.").arg(frei) + tasten;
    return QStringLiteral("%1 Zeichen zu viel: Der rot markierte Rest fällt beim Speichern weg.").arg(-frei) +
           tasten;
}

}  // namespace

Rechtsmitteleditor::Rechtsmitteleditor(QWidget* fenster, Belehrungsdatei datei, Meldung meldung, Frage frage)
    : QPlainTextEdit(fenster),
      fuß_(new QLabel(this)),
      datei_(std::move(datei)),
      meldung_(std::move(meldung)),
      frage_(std::move(frage)) {
    setObjectName(QStringLiteral("Rechtsmittel"));
    fuß_->setObjectName(QStringLiteral("Rechtsmittel_Fuss"));
    fuß_->setContentsMargins(4, 2, 4, 2);
    fuß_->setAutoFillBackground(true);
    fuß_->setBackgroundRole(QPalette::Window);
    fuß_->setWordWrap(true);
    fuß_->setText(fußtext(grenze));
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!lädt_) begrenzen();
    });
    hide();
}

int Rechtsmitteleditor::freieZeichen() const { return grenze - länge_; }

void Rechtsmitteleditor::umschalten(const QRect& bereich) {
    if (istOffen()) {
        verbergen();
    } else {
        öffnen(bereich);
    }
}

void Rechtsmitteleditor::verbergen() { hide(); }

bool Rechtsmitteleditor::speichern() {
    QString fehler;
    if (!datei_.schreiben(document()->toRawText().toStdString(), fehler)) {
        meldung_(fehler);
        return false;
    }
    verbergen();
    return true;
}

// Enter and Esc belong to the editor while it has the focus, whatever shortcuts the window holds.
bool Rechtsmitteleditor::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ShortcutOverride) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Escape) {
            ereignis->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(ereignis);
}

void Rechtsmitteleditor::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            speichern();
            return;
        case Qt::Key_Escape:
            verbergen();
            return;
        default:
            QPlainTextEdit::keyPressEvent(ereignis);
    }
}

void Rechtsmitteleditor::resizeEvent(QResizeEvent* ereignis) {
    QPlainTextEdit::resizeEvent(ereignis);
    fußAnordnen();
}

// The foot line takes as many lines as its text needs at the editor's width, below the text.
void Rechtsmitteleditor::fußAnordnen() {
    const QRect innen = contentsRect();
    const int höhe = fuß_->heightForWidth(innen.width());
    setViewportMargins(0, 0, 0, höhe);
    fuß_->setGeometry(innen.left(), innen.bottom() + 1 - höhe, innen.width(), höhe);
}

void Rechtsmitteleditor::öffnen(const QRect& bereich) {
    const Belehrungslesung lesung = datei_.lesen();
    if (!lesung.fehler.isEmpty()) {
        meldung_(lesung.fehler);
        return;
    }
    QString hinweis;
    if (lesung.satz.text.empty()) {
        const auto vorgabe = datei_.vorgabe();
        if (!vorgabe) hinweis = Belehrungsdatei::vorgabeFehltImEditor();
        textLaden(QString::fromStdString(vorgabe.value_or(std::string())));
    } else {
        hinweis = datei_.öffnungshinweis(lesung.satz);
        // A text with faults is shown as it is, for the clerk to mend first.
        const std::string text =
            hinweis.isEmpty() ? Platzhalterangebot::anbieten(lesung.satz.text, datei_, frage_, meldung_)
                              : lesung.satz.text;
        textLaden(QString::fromStdString(text));
    }
    setGeometry(bereich);
    show();
    raise();
    setFocus();
    if (!hinweis.isEmpty()) meldung_(hinweis);
}

void Rechtsmitteleditor::textLaden(const QString& text) {
    lädt_ = true;
    setPlainText(text);
    lädt_ = false;
    länge_ = satzlänge(document()->toRawText());
    anzeigen();
}

// A change that takes the text beyond 1000 characters, or a longer text read from the file beyond its
// length, loses what it added too much just before the cursor: a typed character is refused, a pasted
// text cut to what still fits. Deleting is never hindered.
void Rechtsmitteleditor::begrenzen() {
    const int erlaubt = std::max(länge_, grenze);
    const auto entfernen = [this](int anfang, int ende) {
        QTextCursor cursor = textCursor();
        lädt_ = true;
        cursor.joinPreviousEditBlock();
        cursor.setPosition(anfang);
        cursor.setPosition(ende, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
        lädt_ = false;
    };
    QString text = document()->toRawText();
    if (const int länge = satzlänge(text); länge > erlaubt) {
        const int ende = textCursor().position();
        entfernen(stelleVor(text, ende, länge - erlaubt), ende);
        text = document()->toRawText();
    }
    // Nothing (or too little) before the cursor to take away, as for a text set from outside: the end
    // of the text goes.
    if (satzlänge(text) > erlaubt) entfernen(stelleVon(text, erlaubt), static_cast<int>(text.size()));
    länge_ = satzlänge(document()->toRawText());
    anzeigen();
}

// The count at the foot, the placeholders marked, and the part beyond the 1000th character marked where
// a save cuts it.
void Rechtsmitteleditor::anzeigen() {
    fuß_->setText(fußtext(freieZeichen()));
    fußAnordnen();
    QList<QTextEdit::ExtraSelection> markierung;
    const QString platzhalter =
        QString::fromUtf8(behördenplatzhalter.data(), static_cast<qsizetype>(behördenplatzhalter.size()));
    const auto genau = QTextDocument::FindCaseSensitively;
    for (QTextCursor fund = document()->find(platzhalter, 0, genau); !fund.isNull();
         fund = document()->find(platzhalter, fund, genau)) {
        QTextEdit::ExtraSelection stelle;
        stelle.cursor = fund;
        stelle.format.setBackground(Farben::gelb);
        stelle.format.setFontWeight(QFont::Bold);
        markierung << stelle;
    }
    if (länge_ > grenze) {
        QTextEdit::ExtraSelection rest;
        rest.cursor = QTextCursor(document());
        rest.cursor.setPosition(stelleVon(document()->toRawText(), grenze));
        rest.cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        rest.format.setBackground(QColor(255, 200, 200));
        markierung << rest;
    }
    setExtraSelections(markierung);
}

}  // namespace bda::fenster
