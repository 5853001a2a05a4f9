#pragma once
// Where the main window stands: its size and position are kept in the user's settings when it closes
// and restored at the next start; the first start uses the design size.

class QWidget;
class QSize;

namespace bda::fenster {

namespace Fensterplatz {

// The stored placement of `fenster`, or `entwurf` (client size in pixels) when none is stored.
void wiederherstellen(QWidget& fenster, QSize entwurf);

void sichern(const QWidget& fenster);

}  // namespace Fensterplatz

}  // namespace bda::fenster
