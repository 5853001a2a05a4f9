#pragma once
// The masked date field: "dd/mm/yyyy" with "_" where nothing is typed, so an empty field reads
// "__/__/____". Key presses reach the window with their character code (Enter is 13), and a small
// button at the right drops down a calendar. F2 puts in today's date, F3 empties the field and F4
// opens the calendar.

#include <QDate>
#include <QLineEdit>
#include <optional>

class Kalenderblatt;
class QToolButton;

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

    void kalenderZeigen();
    // The calendar popup while it exists, for tests and accessibility.
    Kalenderblatt* kalender() const { return kalender_; }

   Q_SIGNALS:
    // A key with a character code was pressed, before the character reaches the field.
    void tastendruck(int zeichen);
    // The user changed the text: typing, the calendar, F2 or F3.
    void bearbeitet();
    void fokussiert();

   protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

   private:
    void datumEinsetzen(QDate datum);
    void knopfAnordnen();

    QToolButton* knopf_;
    Kalenderblatt* kalender_ = nullptr;
};
