#pragma once
// Accessible names and descriptions in German for the controls of the main window, so a screen
// reader says "Beginn Zeitraum 1 (Viertel)" instead of "Datum_3" or nothing.

#include <functional>
#include <map>
#include <string>

class QString;
class QWidget;

namespace bda::fenster {

// Names and describes every control of `bauteile` (by Qt object name) that a screen reader stops at
// or reads a value from.
void zugänglichMachen(const std::map<std::string, QWidget*>& bauteile);

// Tells a screen reader that `teil` now shows `wert`, as a value change of the control.
void ansagen(QWidget* teil, const QString& wert);

// Sees every announcement, also where no screen reader listens (tests); an empty function stops it.
void ansagenBeobachten(std::function<void(QWidget*, const QString&)> beobachter);

}  // namespace bda::fenster
