#pragma once
// The masked date field: "dd/mm/yyyy" with "_" where nothing is typed, so an empty field reads
// "__/__/____". Key presses reach the window with their character code (Enter is 13), and a small
// button at the right drops down a calendar. F2 puts in today's date, F3 empties the field and F4
// opens the calendar; a read-only field takes none of them.

#include <QDate>
#include <QLineEdit>
#include <functional>
#include <optional>

class QToolButton;

namespace bda::fenster {

class Kalender;

class Datumsfeld : public QLineEdit {
    Q_OBJECT

   public:
    explicit Datumsfeld(QWidget* parent = nullptr);

    // The text as the field shows it, "__/__/____" when empty.
    QString datumstext() const { return displayText(); }
    // Sets the text when it differs from the shown one; "__/__/____" empties the field.
    void datumstextSetzen(const QString& text);
    // The date the field holds; none while it is empty, incomplete or no real date.
    std::optional<QDate> wert() const;

    // Where the calendar of the empty field opens; today when none is given. Asked at every opening.
    void anfangsdatumSetzen(std::function<QDate()> geber) { anfangsdatum_ = std::move(geber); }
    // The day the calendar marks when it opens: the field's date, else the given opening date, kept
    // within the dates the field accepts.
    QDate kalenderanfang() const;

    void kalenderZeigen();
    // The calendar popup once it has been opened, for tests and accessibility.
    Kalender* kalender() const { return kalender_; }

   Q_SIGNALS:
    // Identifiers use umlauts everywhere but in signals and slots: moc cuts those names at their first
    // umlaut, so they spell ü as "ue" and so on.
    // Enter was pressed in the field (or a date taken from the calendar): the driver's turn.
    void enterGedrueckt();
    // The user changed the text: typing, the calendar, F2 or F3.
    void bearbeitet();
    // The field got the focus.
    void fokussiert();

   protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

   private:
    void datumEinsetzen(QDate datum);
    void kalenderGewählt(QDate datum);
    void knopfAnordnen();

    QToolButton* knopf_;
    Kalender* kalender_ = nullptr;
    std::function<QDate()> anfangsdatum_;
};

}  // namespace bda::fenster
