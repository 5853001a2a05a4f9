#include "Rueckfrage.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace bda::fenster {

void meldungsbox(QWidget* über, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, über);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    über->activateWindow();
}

bool jaNeinBox(QWidget* über, const QString& text) {
    QMessageBox frage(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                      QMessageBox::Yes | QMessageBox::No, über);
    frage.setTextFormat(Qt::PlainText);
    frage.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    frage.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    frage.setDefaultButton(QMessageBox::No);
    const bool ja = frage.exec() == QMessageBox::Yes;
    über->activateWindow();
    return ja;
}

}  // namespace bda::fenster
