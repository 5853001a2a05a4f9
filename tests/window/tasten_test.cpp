#include <QAbstractButton>
#include <QKeySequence>
#include <QMenuBar>
#include <QTextBrowser>

#include "Fenstertest.h"
#include "Hilfefenster.h"

namespace bda::fenster {

namespace {

using TastenTest = Fenstertest;

// Every button, label and menu of the menu bar that marks a letter with "&" counts; Qt presses the
// first one with that letter only, so a letter used twice would leave the other control out of reach.
TEST_F(TastenTest, JederBefehlHatEinenEigenenBuchstaben) {
    QMap<QString, QString> vergeben;
    QList<QWidget*> mitText;
    for (auto* knopf : fenster->findChildren<QAbstractButton*>()) mitText << knopf;
    for (auto* label : fenster->findChildren<QLabel*>()) mitText << label;
    for (QWidget* teil : mitText) {
        const auto* knopf = qobject_cast<QAbstractButton*>(teil);
        const auto* label = qobject_cast<QLabel*>(teil);
        if (label && (label->textFormat() == Qt::PlainText || !label->buddy())) continue;
        const QKeySequence folge = QKeySequence::mnemonic(knopf ? knopf->text() : label->text());
        if (folge.isEmpty()) continue;
        const QString taste = folge.toString();
        EXPECT_FALSE(vergeben.contains(taste))
            << taste.toStdString() << ": " << teil->objectName().toStdString() << " and "
            << vergeben.value(taste).toStdString();
        vergeben.insert(taste, teil->objectName());
    }
    for (const QAction* menü : fenster->menüleiste()->actions()) {
        const QString taste = QKeySequence::mnemonic(menü->text()).toString();
        EXPECT_FALSE(vergeben.contains(taste))
            << taste.toStdString() << ": menu " << menü->text().toStdString();
        vergeben.insert(taste, menü->text());
    }
    EXPECT_EQ(vergeben.size(), 7 + 2) << "seven buttons, the menus Fall and Hilfe";
}

// Alt+L presses Hilfe; in the help F1 shows the contents and Escape closes it.
TEST_F(TastenTest, HilfeMitAltLInhaltMitF1SchliessenMitEsc) {
    QTest::keyClick(datum(0), Qt::Key_L, Qt::AltModifier);
    // A button pressed by its letter shows itself pressed for a moment before it acts.
    ASSERT_TRUE(QTest::qWaitFor([this] { return fenster->hilfefenster() != nullptr; }));
    Hilfefenster* hilfe = fenster->hilfefenster();
    ASSERT_TRUE(hilfe->isVisible());
    EXPECT_EQ(hilfe->source(), Hilfefenster::adresse(3));
    ASSERT_TRUE(QTest::qWaitForWindowActive(hilfe));
    QTest::keyClick(hilfe, Qt::Key_F1);
    EXPECT_EQ(hilfe->source(), Hilfefenster::inhaltsadresse());
    EXPECT_TRUE(hilfe->toPlainText().contains("Professoren C 3 und C 4"));
    EXPECT_TRUE(hilfe->toPlainText().contains("Besoldungsdienstalter (BDA) nach § 28 BBesG"));
    QTest::keyClick(hilfe, Qt::Key_Escape);
    EXPECT_FALSE(hilfe->isVisible());
}

}  // namespace

}  // namespace bda::fenster
