#include "Zeitanrechnung.h"

#include <algorithm>
#include <deque>
#include <limits>

namespace bda {

namespace {

// A maximum flow by shortest augmenting paths on a small dense graph.
class Fluss {
   public:
    explicit Fluss(int knoten) : rest_(knoten, std::vector<int>(knoten, 0)) {}

    void kante(int von, int nach, int kapazität) { rest_[von][nach] += kapazität; }

    void maximieren(int quelle, int senke) {
        const int n = static_cast<int>(rest_.size());
        for (;;) {
            std::vector<int> vorgänger(n, -1);
            vorgänger[quelle] = quelle;
            std::deque<int> offen{quelle};
            while (!offen.empty() && vorgänger[senke] < 0) {
                const int u = offen.front();
                offen.pop_front();
                for (int v = 0; v < n; ++v) {
                    if (vorgänger[v] < 0 && rest_[u][v] > 0) {
                        vorgänger[v] = u;
                        offen.push_back(v);
                    }
                }
            }
            if (vorgänger[senke] < 0) return;
            int menge = std::numeric_limits<int>::max();
            for (int v = senke; v != quelle; v = vorgänger[v])
                menge = std::min(menge, rest_[vorgänger[v]][v]);
            for (int v = senke; v != quelle; v = vorgänger[v]) {
                rest_[vorgänger[v]][v] -= menge;
                rest_[v][vorgänger[v]] += menge;
            }
        }
    }

    // What flows from `von` to `nach` on an edge that had no capacity backwards.
    int menge(int von, int nach) const { return rest_[nach][von]; }

   private:
    std::vector<std::vector<int>> rest_;
};

}  // namespace

std::vector<Zuteilung> zuteilen(const std::vector<Anrechnungsteil>& teile,
                                const std::vector<int>& höchstwerte) {
    std::vector<int> grenzen;
    for (const auto& teil : teile) {
        if (teil.bis > teil.von) {
            grenzen.push_back(teil.von);
            grenzen.push_back(teil.bis);
        }
    }
    std::sort(grenzen.begin(), grenzen.end());
    grenzen.erase(std::unique(grenzen.begin(), grenzen.end()), grenzen.end());
    const int abschnitte = std::max(0, static_cast<int>(grenzen.size()) - 1);
    const int gruppen = static_cast<int>(höchstwerte.size());

    auto deckt = [&](const Anrechnungsteil& teil, int a) {
        return teil.von <= grenzen[a] && grenzen[a + 1] <= teil.bis;
    };
    // The first part in order that covers section `a` and passes `passt`; -1 for none.
    auto ersterTeil = [&](int a, auto passt) {
        for (int i = 0; i < static_cast<int>(teile.size()); ++i) {
            if (deckt(teile[i], a) && passt(teile[i])) return i;
        }
        return -1;
    };

    // anteil[a] lists (part, units) of section a.
    std::vector<std::vector<std::pair<int, int>>> anteil(abschnitte);
    const int quelle = 0;
    const int senke = 1 + gruppen + abschnitte;
    Fluss fluss(senke + 1);
    for (int g = 0; g < gruppen; ++g) fluss.kante(quelle, 1 + g, höchstwerte[g]);
    for (int a = 0; a < abschnitte; ++a) {
        const int länge = grenzen[a + 1] - grenzen[a];
        const int frei = ersterTeil(a, [](const Anrechnungsteil& t) { return t.gruppe < 0; });
        if (frei >= 0) {
            anteil[a].emplace_back(frei, länge);
            continue;
        }
        fluss.kante(1 + gruppen + a, senke, länge);
        for (int g = 0; g < gruppen; ++g) {
            if (ersterTeil(a, [g](const Anrechnungsteil& t) { return t.gruppe == g; }) >= 0)
                fluss.kante(1 + g, 1 + gruppen + a, länge);
        }
    }
    fluss.maximieren(quelle, senke);
    for (int a = 0; a < abschnitte; ++a) {
        for (int g = 0; g < gruppen; ++g) {
            const int menge = fluss.menge(1 + g, 1 + gruppen + a);
            if (menge > 0)
                anteil[a].emplace_back(ersterTeil(a, [g](const Anrechnungsteil& t) { return t.gruppe == g; }),
                                       menge);
        }
    }

    std::vector<Zuteilung> ergebnis(teile.size());
    for (int a = 0; a < abschnitte; ++a) {
        int summe = 0;
        for (const auto& [teil, menge] : anteil[a]) {
            ergebnis[teil].gezählt += menge;
            summe += menge;
        }
        for (int i = 0; i < static_cast<int>(teile.size()); ++i) {
            if (!deckt(teile[i], a)) continue;
            int eigen = 0;
            for (const auto& [teil, menge] : anteil[a]) {
                if (teil == i) eigen += menge;
            }
            ergebnis[i].anderswoGezählt += summe - eigen;
        }
    }
    return ergebnis;
}

}  // namespace bda
