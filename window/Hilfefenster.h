#pragma once
// The help viewer: a small window of its own that shows one help topic by its number (3: the regular
// BDA and its postponement, 6: professors C 3 and C 4).

#include <QTextBrowser>

class Hilfefenster : public QTextBrowser {
   public:
    explicit Hilfefenster(QWidget* eltern);

    // Loads topic `thema` and brings the window to the front.
    void zeigen(int thema);
    int thema() const { return thema_; }

    static QUrl adresse(int thema);

   private:
    int thema_ = 0;
};
