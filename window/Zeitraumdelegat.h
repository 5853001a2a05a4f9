#pragma once
// The editors of the period table: the program's masked date field (with its calendar and keys) for
// the start and the end, a combo box of the kinds, a line for the person and the description. Every
// change is handed to the table at once, so the result follows the typing. Tab, Shift+Tab and Enter
// close an editor only when `prüfen` lets its text go; the table then goes on from the cell.

#include <QDate>
#include <QStyledItemDelegate>
#include <functional>

namespace bda::fenster {

class Zeitraumdelegat : public QStyledItemDelegate {
   public:
    explicit Zeitraumdelegat(QObject* eltern = nullptr);

    // Whether the editor's text may stand; shows the message itself when not.
    std::function<bool(QWidget* editor, const QModelIndex& zelle)> prüfen;
    // The editor of `zelle` is closed by Tab (vorwärts), Shift+Tab or Enter: where the focus goes on.
    std::function<void(const QModelIndex& zelle, bool vorwärts, bool enter)> weiter;
    // Where the calendar of an empty date cell opens.
    std::function<QDate(const QModelIndex& zelle)> kalenderanfang;

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& zelle) const override;
    void setEditorData(QWidget* editor, const QModelIndex& zelle) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& zelle) const override;

   protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

   private:
    void schließen(QWidget* editor, bool vorwärts, bool enter);

    bool prüft_ = false;  // a message of `prüfen` is open: the editor's loss of focus closes nothing
};

}  // namespace bda::fenster
