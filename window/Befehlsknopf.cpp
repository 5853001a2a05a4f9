#include "Befehlsknopf.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace bda::fenster {

Befehlsknopf::Befehlsknopf(const QIcon& bild, QWidget* parent) : QPushButton(parent) { setIcon(bild); }

void Befehlsknopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString beschriftung = option.text;
    option.text.clear();
    option.icon = QIcon();
    maler.drawControl(QStyle::CE_PushButton, option);

    icon().paint(&maler, bildfläche(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const int unterstreichen = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                                   ? Qt::TextShowMnemonic
                                   : Qt::TextHideMnemonic;
    maler.drawItemText(rect(), Qt::AlignCenter | unterstreichen, palette(), isEnabled(), beschriftung,
                       QPalette::ButtonText);
}

QRect Befehlsknopf::bildfläche() const {
    const int seite = std::min(height() * 3 / 5, 2 * fontMetrics().height());
    return {seite / 3, (height() - seite) / 2, seite, seite};
}

void Befehlsknopf::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(ereignis);
}

}  // namespace bda::fenster
