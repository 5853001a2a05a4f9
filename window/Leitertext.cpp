#include "Leitertext.h"

#include <QPainter>
#include <QStyle>

QRect Leitertext::textfläche() const {
    int einzug = indent();
    if (einzug < 0) einzug = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().adjusted(margin() + einzug, margin(), -margin() - einzug, -margin());
}

QString Leitertext::gezeigterText() const {
    QString gezeigt = text();
    if (wordWrap()) return gezeigt;
    const int breite = textfläche().width();
    const QFontMetrics maß = fontMetrics();
    // The leader is the run of blanks and points at the end; the words before it always stay.
    qsizetype leiter = gezeigt.size();
    while (leiter > 0 &&
           (gezeigt[leiter - 1] == QLatin1Char('.') || gezeigt[leiter - 1] == QLatin1Char(' '))) {
        --leiter;
    }
    if (leiter < gezeigt.size() && gezeigt[leiter] == QLatin1Char('.'))
        ++leiter;  // "Lebensj." keeps its point
    while (gezeigt.size() > leiter && maß.horizontalAdvance(gezeigt) > breite) {
        gezeigt.chop(1);
        while (gezeigt.size() > leiter && gezeigt.endsWith(QLatin1Char(' '))) gezeigt.chop(1);
    }
    return gezeigt;
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
