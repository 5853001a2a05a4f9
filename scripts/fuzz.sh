#!/bin/sh
# Runs every libFuzzer harness of build-fuzz (see tests/fuzz/CMakeLists.txt) one after the other with the
# given libFuzzer options (no blanks inside an option), for example
#   scripts/fuzz.sh -max_total_time=60
#   scripts/fuzz.sh -runs=10000000 -max_total_time=2400
# A harness's own options stand in tests/fuzz/NAME.optionen, its dictionary in tests/fuzz/NAME.dict.
# New inputs go to build-fuzz/korpus/NAME, findings to build-fuzz/funde, the log to build-fuzz/NAME.log.
# Prints executions and seconds per harness; exits with 1 when a harness is missing or crashed.
set -u
cd "$(dirname "$0")/.."
optionen=${*:--max_total_time=60}
status=0
for quelle in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$quelle" _fuzz.cpp)
    harness=build-fuzz/tests/fuzz/${name}_fuzz
    if [ ! -x "$harness" ]; then
        echo "$name: $harness fehlt, erst build-fuzz bauen (siehe README)"
        status=1
        continue
    fi
    mkdir -p "build-fuzz/korpus/$name" build-fuzz/funde
    zusatz="-artifact_prefix=build-fuzz/funde/$name- -print_final_stats=1"
    [ -f "tests/fuzz/$name.dict" ] && zusatz="$zusatz -dict=tests/fuzz/$name.dict"
    [ -f "tests/fuzz/$name.optionen" ] && zusatz="$zusatz $(cat "tests/fuzz/$name.optionen")"
    korpus="build-fuzz/korpus/$name"
    for saat in "tests/fuzz/korpus/$name" "tests/fuzz/korpus/${name}_fuzz"; do
        [ -d "$saat" ] && korpus="$korpus $saat"
    done
    # shellcheck disable=SC2086
    if "$harness" $optionen $zusatz $korpus >"build-fuzz/$name.log" 2>&1; then
        ergebnis="keine Abstürze"
    else
        ergebnis="ABSTURZ, siehe build-fuzz/$name.log und build-fuzz/funde"
        status=1
    fi
    laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$name.log" | tail -1)
    sekunden=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "build-fuzz/$name.log" | tail -1)
    echo "$name: ${laeufe:-?} Ausführungen in ${sekunden:-?} s, $ergebnis"
done
exit $status
