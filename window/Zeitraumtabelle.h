#pragma once
// The periods of the experience step as a table the clerk fills by keyboard. Tab and Shift+Tab go through
// the cells that take input and leave the table at its ends; Enter goes on to the next such cell and,
// after the last cell of the last row, asks for a new row; Entf asks to remove the current row. A date
// cell takes F2, F3 and F4 as the date fields do: the field opens with the key.

#include <QTableWidget>
#include <functional>

namespace bda::fenster {

// The columns of the table.
namespace Spalte {
enum : int { beginn, ende, art, person, anerkannt, beschreibung, anzahl };
}

class Zeitraumtabelle : public QTableWidget {
   public:
    explicit Zeitraumtabelle(QWidget* eltern = nullptr);

    // The cell takes input: it is editable, or it is a check box that is enabled.
    bool bedienbar(int zeile, int spalte) const;
    // Goes on from `von` to the next (or previous) cell that takes input and opens it. Past the last
    // cell Enter asks `amEnde`; Tab, and Enter when `amEnde` declines, leave the table.
    void weiter(const QModelIndex& von, bool vorwärts, bool enter);

    // Enter after the last cell of the last row, or in the empty table: true when it moved the focus
    // (to a new row), false to leave the table.
    std::function<bool()> amEnde;
    // Entf on row `zeile`: asks and removes.
    std::function<void(int zeile)> zeileEntfernen;

   protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    bool focusNextPrevChild(bool vorwärts) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;

   private:
    QModelIndex nächsteZelle(int zeile, int spalte, bool vorwärts) const;
    void betreten(const QModelIndex& zelle);
    void verlassen(bool vorwärts);
};

}  // namespace bda::fenster
