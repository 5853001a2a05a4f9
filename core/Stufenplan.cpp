#include "Stufenplan.h"

namespace bda {

using namespace std::chrono;

Stufenfolge stufenplan(year_month_day bda) {
    Stufenfolge plan;
    int jahre = 0;
    for (int nummer = 1; nummer <= anzahlStufen; ++nummer) {
        // The step reached after `nummer`: two years up to step 5, three up to 9, four beyond.
        if (nummer > 1) jahre += nummer <= 5 ? 2 : nummer <= 9 ? 3 : 4;
        const year_month_day erreicht = bda + years{jahre};
        plan[nummer - 1] = {nummer, nummer == 1 ? bda : erreicht.year() / erreicht.month() / day{1}, jahre};
    }
    return plan;
}

int stufeAm(const Stufenfolge& plan, year_month_day tag) {
    int stufe = 0;
    for (const Stufe& s : plan) {
        if (sys_days{s.ab} <= sys_days{tag}) stufe = s.nummer;
    }
    return stufe;
}

}  // namespace bda
