#pragma once
// The program's message and question boxes over the window that shows them: no icon, the program's name as
// title, plain text. Afterwards that window is active again, whatever the window manager activates.

#include <QString>

class QWidget;

namespace bda::fenster {

void meldungsbox(QWidget* über, const QString& text);

// "Ja" and "Nein", "Nein" the default; true for "Ja".
bool jaNeinBox(QWidget* über, const QString& text);

}  // namespace bda::fenster
