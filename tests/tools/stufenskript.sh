#!/bin/sh
# bda-fall's experience step: each word of the "stufe" actions at work (the grade and the einfacher
# Dienst, a kind, a granted period, the cap per person), against values worked by hand from the rules.
# Usage: stufenskript.sh PATH-TO-bda-fall
set -u
tool=$1
fehler=0

pruefe() {  # script, step on the day of appointment, Stufe 1 to 8 from, months recognised, months of delay
    json=$(printf '%b' "$1" | "$tool" | tr -d ' \n')
    stufen=$(printf '"%s",' $3)
    erwartet="\"bei_ernennung\":$2,\"stufen\":[${stufen%,}],\"anerkannt_monate\":$4,\"verzoegerung_monate\":$5,"
    printf '%s' "$json" | grep -qF -- "$erwartet" || { echo "FAIL: '$1' gives $json"; fehler=1; }
}

e='stufe ernennung 15/03/2012\n'
# 5 months 15 days without pay, rounded down to 5: Stufe 4 and later 5 months on.
pruefe "${e}stufe zeitraum 10/04/2018 24/09/2018 ohne_bezuege\n" 1 \
    "01/03/2012 01/03/2014 01/03/2017 01/08/2020 01/08/2023 01/08/2027 01/08/2031 01/08/2035" 0 5
# Stufen 5 to 7 last 3 years each.
pruefe "stufe amt A 5\nstufe einfach ja\n$e" 1 \
    "01/03/2012 01/03/2014 01/03/2017 01/03/2020 01/03/2023 01/03/2026 01/03/2029 01/03/2032" 0 0
# 12 months granted: Stufe 1 from 01/03/2011, Stufe 2 from 01/03/2013.
pruefe "${e}stufe zeitraum 01/01/2010 31/12/2010 foerderlich anerkannt\n" 1 \
    "01/03/2011 01/03/2013 01/03/2016 01/03/2019 01/03/2022 01/03/2026 01/03/2030 01/03/2034" 12 0
# 2 x 24 months of care: one child's cap is 36 months, two children's 48 months in all.
kind='stufe zeitraum 01/01/2000 31/12/2001 kinderbetreuung Anna\nstufe zeitraum 01/01/2002 31/12/2003 kinderbetreuung'
pruefe "$e$kind Anna\n" 2 \
    "01/03/2009 01/03/2011 01/03/2014 01/03/2017 01/03/2020 01/03/2024 01/03/2028 01/03/2032" 36 0
pruefe "$e$kind Ben\n" 2 \
    "01/03/2008 01/03/2010 01/03/2013 01/03/2016 01/03/2019 01/03/2023 01/03/2027 01/03/2031" 48 0

exit $fehler
