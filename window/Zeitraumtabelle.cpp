#include "Zeitraumtabelle.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace bda::fenster {

Zeitraumtabelle::Zeitraumtabelle(QWidget* eltern) : QTableWidget(0, Spalte::anzahl, eltern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

bool Zeitraumtabelle::bedienbar(int zeile, int spalte) const {
    const QTableWidgetItem* zelle = item(zeile, spalte);
    if (!zelle || !(zelle->flags() & Qt::ItemIsEnabled)) return false;
    return (zelle->flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)) != 0;
}

// Across the rows, without wrapping round: past the ends there is no cell.
QModelIndex Zeitraumtabelle::nächsteZelle(int zeile, int spalte, bool vorwärts) const {
    const int schritt = vorwärts ? 1 : -1;
    for (;;) {
        spalte += schritt;
        if (spalte >= columnCount()) {
            spalte = 0;
            ++zeile;
        } else if (spalte < 0) {
            spalte = columnCount() - 1;
            --zeile;
        }
        if (zeile < 0 || zeile >= rowCount()) return {};
        if (bedienbar(zeile, spalte)) return model()->index(zeile, spalte);
    }
}

QModelIndex Zeitraumtabelle::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
    if (aktion != MoveNext && aktion != MovePrevious) return QTableWidget::moveCursor(aktion, tasten);
    const QModelIndex jetzt = currentIndex();
    const bool vorwärts = aktion == MoveNext;
    if (!jetzt.isValid())
        return nächsteZelle(vorwärts ? 0 : rowCount() - 1, vorwärts ? -1 : columnCount(), vorwärts);
    return nächsteZelle(jetzt.row(), jetzt.column(), vorwärts);
}

bool Zeitraumtabelle::focusNextPrevChild(bool vorwärts) {
    weiter(currentIndex(), vorwärts, false);
    return true;
}

void Zeitraumtabelle::weiter(const QModelIndex& von, bool vorwärts, bool enter) {
    const QModelIndex ziel =
        von.isValid() ? nächsteZelle(von.row(), von.column(), vorwärts) : nächsteZelle(0, -1, vorwärts);
    if (ziel.isValid()) {
        betreten(ziel);
    } else if (!(enter && amEnde && amEnde())) {
        verlassen(vorwärts);
    }
}

void Zeitraumtabelle::betreten(const QModelIndex& zelle) {
    if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    setCurrentIndex(zelle);
    scrollTo(zelle);
    if (zelle.flags() & Qt::ItemIsEditable) edit(zelle);
}

// To the control before or after the table, as Tab goes from any other control.
void Zeitraumtabelle::verlassen(bool vorwärts) {
    if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    QWidget::focusNextPrevChild(vorwärts);
}

void Zeitraumtabelle::keyPressEvent(QKeyEvent* ereignis) {
    const QModelIndex jetzt = currentIndex();
    const bool ohneTasten = (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (ereignis->key()) {
        case Qt::Key_Delete:
            if (ohneTasten && jetzt.isValid() && zeileEntfernen) {
                zeileEntfernen(jetzt.row());
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            weiter(jetzt.isValid() && bedienbar(jetzt.row(), jetzt.column()) ? jetzt : QModelIndex(), true,
                   true);
            return;
        case Qt::Key_F2:
        case Qt::Key_F3:
        case Qt::Key_F4:
            // The date field opens and takes the key: today's date, empty, the calendar.
            if (jetzt.isValid() && (jetzt.column() == Spalte::beginn || jetzt.column() == Spalte::ende) &&
                edit(jetzt, AllEditTriggers, nullptr)) {
                if (QWidget* feld = QApplication::focusWidget(); feld && feld != this) {
                    QKeyEvent kopie(QEvent::KeyPress, ereignis->key(), ereignis->modifiers());
                    QCoreApplication::sendEvent(feld, &kopie);
                }
                return;
            }
            break;
        default:
            break;
    }
    QTableWidget::keyPressEvent(ereignis);
}

// Coming by Tab the first cell that takes input opens, by Shift+Tab the last.
void Zeitraumtabelle::focusInEvent(QFocusEvent* ereignis) {
    QTableWidget::focusInEvent(ereignis);
    if (state() == EditingState) return;
    if (ereignis->reason() == Qt::TabFocusReason) {
        const QModelIndex erste = nächsteZelle(0, -1, true);
        if (erste.isValid()) betreten(erste);
    } else if (ereignis->reason() == Qt::BacktabFocusReason) {
        const QModelIndex letzte = nächsteZelle(rowCount() - 1, columnCount(), false);
        if (letzte.isValid()) betreten(letzte);
    }
}

}  // namespace bda::fenster
