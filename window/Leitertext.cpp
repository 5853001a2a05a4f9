#include "Leitertext.h"

#include <QPainter>
#include <QStyle>

namespace bda::fenster {

QRect Leitertext::textfläche() const {
    int einzug = indent();
    if (einzug < 0) einzug = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().adjusted(margin() + einzug, margin(), -margin() - einzug, -margin());
}

QString Leitertext::gezeigterText() const {
    const QString& ganz = text();
    if (wordWrap()) return ganz;
    // The leader is the run of blanks and points at the end; the words before it always stay.
    qsizetype leiter = ganz.size();
    while (leiter > 0 && (ganz[leiter - 1] == QLatin1Char('.') || ganz[leiter - 1] == QLatin1Char(' ')))
        --leiter;
    if (leiter < ganz.size() && ganz[leiter] == QLatin1Char('.')) ++leiter;  // "Lebensj." keeps its point
    // Nothing can be left off: the caption is painted whole, and not measured (start-up paints ~100).
    if (leiter == ganz.size()) return ganz;
    const int breite = textfläche().width();
    if (ganz == merkText_ && breite == merkBreite_ && font() == merkSchrift_) return merkGezeigt_;
    merkText_ = ganz;
    merkBreite_ = breite;
    merkSchrift_ = font();
    merkGezeigt_ = ganz;
    const QFontMetrics maß = fontMetrics();
    if (maß.horizontalAdvance(ganz) <= breite) return merkGezeigt_;
    // The longest cut of the leader that fits, found by halving; blanks at its end are dropped.
    qsizetype passt = leiter;
    qsizetype zuLang = ganz.size();
    while (zuLang - passt > 1) {
        const qsizetype mitte = (passt + zuLang) / 2;
        (maß.horizontalAdvance(ganz.left(mitte)) <= breite ? passt : zuLang) = mitte;
    }
    merkGezeigt_ = ganz.left(passt);
    while (merkGezeigt_.size() > leiter && merkGezeigt_.endsWith(QLatin1Char(' '))) merkGezeigt_.chop(1);
    return merkGezeigt_;
}

int Leitertext::textanfang(int von) const {
    const QString gezeigt = gezeigterText();
    const QRect fläche = textfläche();
    const int gesamt = fontMetrics().horizontalAdvance(gezeigt);
    const Qt::Alignment waagerecht =
        QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    const int links = waagerecht & Qt::AlignHCenter ? fläche.left() + (fläche.width() - gesamt) / 2
                      : waagerecht & Qt::AlignRight ? fläche.right() + 1 - gesamt
                                                    : fläche.left();
    return links + fontMetrics().horizontalAdvance(gezeigt.left(von));
}

void Leitertext::paintEvent(QPaintEvent* ereignis) {
    const QString gezeigt = gezeigterText();
    if (gezeigt == text()) {
        QLabel::paintEvent(ereignis);
        return;
    }
    QPainter maler(this);
    drawFrame(&maler);
    style()->drawItemText(&maler, textfläche(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), gezeigt, foregroundRole());
}

}  // namespace bda::fenster
