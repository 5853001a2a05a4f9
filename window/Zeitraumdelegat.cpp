#include "Zeitraumdelegat.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "Datumsfeld.h"
#include "Datumstext.h"
#include "Zeitart.h"
#include "Zeitraumtabelle.h"

namespace bda::fenster {

namespace {

const char* const zelleEigenschaft = "zelle";

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool istDatum(int spalte) { return spalte == Spalte::beginn || spalte == Spalte::ende; }

QModelIndex zelleVon(const QObject* editor) {
    return editor->property(zelleEigenschaft).value<QPersistentModelIndex>();
}

}  // namespace

Zeitraumdelegat::Zeitraumdelegat(QObject* eltern) : QStyledItemDelegate(eltern) {}

QWidget* Zeitraumdelegat::createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                                       const QModelIndex& zelle) const {
    // The editors hand every change over at once; the signal belongs to the delegate.
    auto* selbst = const_cast<Zeitraumdelegat*>(this);
    QWidget* editor = nullptr;
    if (istDatum(zelle.column())) {
        auto* feld = new Datumsfeld(eltern);
        const QPersistentModelIndex ort(zelle);
        feld->anfangsdatumSetzen([selbst, ort] {
            return selbst->kalenderanfang && ort.isValid() ? selbst->kalenderanfang(ort) : QDate();
        });
        connect(feld, &Datumsfeld::bearbeitet, selbst, [selbst, feld] { Q_EMIT selbst->commitData(feld); });
        // A day picked in the calendar is typed and confirmed, as Enter confirms it.
        connect(feld, &Datumsfeld::enterGedrueckt, selbst,
                [selbst, feld] { selbst->schließen(feld, true, true); });
        editor = feld;
    } else if (zelle.column() == Spalte::art) {
        auto* wahl = new QComboBox(eltern);
        for (const Zeitartangabe& a : zeitarten) {
            wahl->addItem(text(a.bezeichnung), static_cast<int>(a.art));
            wahl->setItemData(wahl->count() - 1, text(a.vorschrift), Qt::ToolTipRole);
        }
        connect(wahl, &QComboBox::currentIndexChanged, selbst,
                [selbst, wahl] { Q_EMIT selbst->commitData(wahl); });
        editor = wahl;
    } else {
        auto* zeile = new QLineEdit(eltern);
        zeile->setMaxLength(zelle.column() == Spalte::person ? 40 : 80);
        connect(zeile, &QLineEdit::textEdited, selbst, [selbst, zeile] { Q_EMIT selbst->commitData(zeile); });
        editor = zeile;
    }
    editor->setProperty(zelleEigenschaft, QVariant::fromValue(QPersistentModelIndex(zelle)));
    editor->setAccessibleName(zelle.model()->headerData(zelle.column(), Qt::Horizontal).toString() +
                              QStringLiteral(" Zeitraum %1").arg(zelle.row() + 1));
    return editor;
}

void Zeitraumdelegat::setEditorData(QWidget* editor, const QModelIndex& zelle) const {
    if (auto* feld = qobject_cast<Datumsfeld*>(editor)) {
        const QString wert = zelle.data(Qt::EditRole).toString();
        // While the clerk types, the cell holds what he typed: the field keeps its cursor.
        if (!feld->hasFocus()) feld->datumstextSetzen(wert.isEmpty() ? text(leeresDatum) : wert);
    } else if (auto* wahl = qobject_cast<QComboBox*>(editor)) {
        wahl->setCurrentIndex(wahl->findData(zelle.data(Qt::UserRole)));
    } else if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
        if (zeile->text() != zelle.data(Qt::EditRole).toString())
            zeile->setText(zelle.data(Qt::EditRole).toString());
    }
}

void Zeitraumdelegat::setModelData(QWidget* editor, QAbstractItemModel* modell,
                                   const QModelIndex& zelle) const {
    if (auto* feld = qobject_cast<Datumsfeld*>(editor)) {
        const QString wert = feld->datumstext();
        modell->setData(zelle, wert == text(leeresDatum) ? QString() : wert, Qt::EditRole);
    } else if (auto* wahl = qobject_cast<QComboBox*>(editor)) {
        if (wahl->currentIndex() < 0) return;
        modell->setData(zelle, wahl->currentData(), Qt::UserRole);
        modell->setData(zelle, wahl->currentText(), Qt::DisplayRole);
    } else if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
        modell->setData(zelle, zeile->text(), Qt::EditRole);
    }
}

void Zeitraumdelegat::schließen(QWidget* editor, bool vorwärts, bool enter) {
    const QPersistentModelIndex zelle(zelleVon(editor));
    if (prüfen) {
        prüft_ = true;
        const bool gut = prüfen(editor, zelle);
        prüft_ = false;
        if (!gut) return;
    }
    Q_EMIT commitData(editor);
    Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (weiter && zelle.isValid()) weiter(zelle, vorwärts, enter);
}

bool Zeitraumdelegat::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* editor = qobject_cast<QWidget*>(objekt);
    if (!editor) return false;
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const auto tasten = taste->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (tasten == Qt::NoModifier) {
            switch (taste->key()) {
                case Qt::Key_Tab:
                    schließen(editor, !(taste->modifiers() & Qt::ShiftModifier), false);
                    return true;
                case Qt::Key_Backtab:
                    schließen(editor, false, false);
                    return true;
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    schließen(editor, true, true);
                    return true;
                default:
                    break;
            }
        }
    } else if (ereignis->type() == QEvent::FocusOut && prüft_) {
        return true;
    }
    return QStyledItemDelegate::eventFilter(objekt, ereignis);
}

}  // namespace bda::fenster
