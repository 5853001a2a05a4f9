#pragma once
// The dialog "Bescheiddaten": the office's letterhead, address, envelope form and signers, the addressee
// and the notice's own date, year and file reference, used by keyboard alone (Tab through, Enter
// accepts, Esc cancels). It opens on the official's name once the letterhead is set, else on its first
// line. Every text field holds no more than its printed length and shows how many characters are left.
// It hands out plain values; the window writes them into the case and the settings.

#include <QDate>
#include <QDialog>
#include <QString>
#include <optional>

#include "Bescheiddaten.h"

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace bda::fenster {

class Datumsfeld;

class Bescheiddialog : public QDialog {
   public:
    // Filled from `daten` and the official's `name`.
    Bescheiddialog(const Bescheiddaten& daten, const QString& name, QWidget* eltern = nullptr);

    QString kopfzeile1() const;
    QString kopfzeile2() const;
    QString behördenstraße() const;
    QString behördenort() const;
    Anschriftform anschriftfeld() const;
    QString unterschrift1() const;
    QString unterschrift2() const;
    QString name() const;
    // "b" Herrn, "c" Frau, "d" Fräulein, blank for none.
    QString anrede() const;
    QString anschrift1() const;
    QString anschrift2() const;
    QString dienstanschrift() const;
    // As the notice prints it, "dd.mm.yyyy"; blank for today's date. Valid once the dialog is accepted.
    QString bescheiddatum() const;
    // 0 for none. Valid once the dialog is accepted.
    int bezugsjahr() const;
    QString geschäftszeichen() const;

    // Refuses an invalid notice date or reference year with a message; the field gets the focus back.
    void accept() override;

   private:
    QLineEdit* textfeld(QFormLayout* form, const QString& beschriftung, const QString& name,
                        std::size_t länge, const std::string& text);
    void melden(const std::string& text);

    QLineEdit* kopfzeile1_;
    QLineEdit* kopfzeile2_;
    QLineEdit* behördenstraße_;
    QLineEdit* behördenort_;
    QComboBox* anschriftfeld_;
    QLineEdit* unterschrift1_;
    QLineEdit* unterschrift2_;
    QLineEdit* name_;
    QComboBox* anrede_;
    QLineEdit* anschrift1_;
    QLineEdit* anschrift2_;
    QLineEdit* dienstanschrift_;
    Datumsfeld* bescheiddatum_;
    QLineEdit* bezugsjahr_;
    QLineEdit* geschäftszeichen_;
};

}  // namespace bda::fenster
