#pragma once
// The help viewer: a small window of its own that shows one help topic by its number (3: the regular
// BDA and its postponement, 6: professors C 3 and C 4). F1 in it shows the help's own contents, Escape
// closes it.

#include <QTextBrowser>

namespace bda::fenster {

class Hilfefenster : public QTextBrowser {
   public:
    explicit Hilfefenster(QWidget* eltern);

    // Loads topic `thema` and brings the window to the front.
    void zeigen(int thema);
    int thema() const { return thema_; }
    // The list of topics and keys.
    void inhaltZeigen();

    static QUrl adresse(int thema);
    static QUrl inhaltsadresse();

   protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

   private:
    int thema_ = 0;
};

}  // namespace bda::fenster
