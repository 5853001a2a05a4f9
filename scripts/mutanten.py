#!/usr/bin/env python3
"""Seeds one fault at a time into the program and runs the test suite against it.

Each fault of scripts/mutanten.txt (a boundary moved by one, a branch dropped, a loop cut short, a
comparison swapped) is written into its source file, the tests are built and run step by step until one
fails; then the file is put back. The table at the end says which step caught each fault, or that none
did. Run it in a worktree of its own, with a build folder configured there:

    git worktree add ../mutanten HEAD && cd ../mutanten
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    scripts/mutanten.py build [NAME-PREFIX ...]

MUTANTEN_SCHRITTE=kern,datei limits the run to those test steps (quicker while trimming one layer's tests).

Format of scripts/mutanten.txt: a line "@ FILE | NAME" starts a fault, the lines "- TEXT" that follow
are the text to replace (it must stand exactly once in FILE), the lines "+ TEXT" its replacement.
"""

import os
import subprocess
import sys
import time

QUELLE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The quick tests first, the random ones last: most faults are caught in seconds. Each step builds only
# what it runs, just before it runs.
SCHRITTE = [
    ("kern", "kern_tests", ["tests/core/kern_tests", "--gtest_filter=-Eigenschaften.*", "--gtest_brief=1"]),
    ("datei", "datei_tests", ["tests/datei/datei_tests", "--gtest_brief=1"]),
    ("werkzeug", "bda-fall", ["ctest", "-R", "^bda-fall", "--output-on-failure"]),
    ("druck", "druck_tests", ["tests/print/druck_tests", "--gtest_brief=1"]),
    ("fenster", "fenster_tests", ["tests/window/fenster_tests", "--gtest_filter=-Affentest.*", "--gtest_brief=1"]),
    ("eigenschaften", "kern_tests", ["tests/core/kern_tests", "--gtest_filter=Eigenschaften.*", "--gtest_brief=1"]),
    ("affentest", "fenster_tests", ["tests/window/fenster_tests", "--gtest_filter=Affentest.*", "--gtest_brief=1"]),
]
HÖCHSTENS_SEKUNDEN = 900


def lesen(pfad):
    mutanten, aktuell = [], None
    with open(pfad, encoding="utf-8") as datei:
        for nummer, zeile in enumerate(datei, 1):
            zeile = zeile.rstrip("\n")
            if zeile.startswith("@ "):
                datei_name, _, name = zeile[2:].partition(" | ")
                aktuell = {"datei": datei_name.strip(), "name": name.strip(), "alt": [], "neu": [],
                           "zeile": nummer}
                mutanten.append(aktuell)
            elif zeile.startswith("- ") or zeile == "-":
                aktuell["alt"].append(zeile[2:])
            elif zeile.startswith("+ ") or zeile == "+":
                aktuell["neu"].append(zeile[2:])
            elif zeile.strip() and not zeile.startswith("#"):
                sys.exit(f"{pfad}:{nummer}: unverständliche Zeile: {zeile}")
    return mutanten


def ausführen(befehl, ordner):
    try:
        ergebnis = subprocess.run(befehl, cwd=ordner, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  timeout=HÖCHSTENS_SEKUNDEN)
        return ergebnis.returncode == 0
    except subprocess.TimeoutExpired:
        return False


def prüfen(mutant, bau):
    pfad = os.path.join(QUELLE, mutant["datei"])
    with open(pfad, encoding="utf-8") as datei:
        original = datei.read()
    alt, neu = "\n".join(mutant["alt"]), "\n".join(mutant["neu"])
    if original.count(alt) != 1:
        return f"Text steht {original.count(alt)}-mal in {mutant['datei']} (Zeile {mutant['zeile']})"
    try:
        with open(pfad, "w", encoding="utf-8") as datei:
            datei.write(original.replace(alt, neu))
        for schritt, ziel, befehl in SCHRITTE:
            if not ausführen(["cmake", "--build", bau, "--target", ziel], QUELLE):
                return "übersetzt nicht"
            if not ausführen(befehl, bau):
                return "gefangen: " + schritt
        return "NICHT GEFANGEN"
    finally:
        with open(pfad, "w", encoding="utf-8") as datei:
            datei.write(original)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    bau = os.path.abspath(sys.argv[1])
    präfixe = sys.argv[2:]
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    gewählt = os.environ.get("MUTANTEN_SCHRITTE")
    if gewählt:
        SCHRITTE[:] = [s for s in SCHRITTE if s[0] in gewählt.split(",")]
    mutanten = [m for m in lesen(os.path.join(QUELLE, "scripts", "mutanten.txt"))
                if not präfixe or any(m["name"].startswith(p) for p in präfixe)]
    for schritt, ziel, befehl in SCHRITTE:
        if not ausführen(["cmake", "--build", bau, "--target", ziel], QUELLE):
            sys.exit("Der unveränderte Stand übersetzt nicht.")
        if not ausführen(befehl, bau):
            sys.exit(f"Der unveränderte Stand besteht den Schritt {schritt} nicht.")
    gefangen = 0
    for mutant in mutanten:
        anfang = time.time()
        urteil = prüfen(mutant, bau)
        gefangen += urteil.startswith("gefangen")
        print(f"{mutant['name']}\t{urteil}\t{time.time() - anfang:.0f} s", flush=True)
    print(f"{gefangen} von {len(mutanten)} Fehlern gefangen")


if __name__ == "__main__":
    main()
