#!/usr/bin/env python3
"""Writes N random realistic bda-fall scripts into FOLDER: a birth date (1945-1990), an appointment 20 to 45
years later, grade clicks now and then, up to four periods in the fields 3 to 16, in 15 % of the cases a new
birth date typed over the case and the appointment again, in 10 % a moved appointment. The same N gives the
same scripts. To check that freshly saved cases re-check as "gleich":

    scripts/zufallsfaelle.py 300 /tmp/faelle
    mkdir /tmp/gespeichert
    for f in /tmp/faelle/*.txt; do build/tools/bda-fall --speichern /tmp/gespeichert/$(basename $f .txt).bda $f; done
    build/tools/bda-fall --pruefen /tmp/gespeichert
"""

import datetime
import os
import random
import sys


def text(tag):
    return tag.strftime("%d/%m/%Y")


def zwischen(von, bis):
    return von + datetime.timedelta(days=random.randint(0, (bis - von).days))


def jahre(n):
    return datetime.timedelta(days=365 * n)


def skript():
    zeilen = []
    geburt = zwischen(datetime.date(1945, 1, 1), datetime.date(1990, 12, 31))
    zeilen.append(f"datum 0 {text(geburt)}")
    if random.random() < 0.5:
        zeilen.append(f"amt {random.randint(0, 3)}")
    ernennung = zwischen(geburt + jahre(20), min(geburt + jahre(45), datetime.date(2030, 12, 31)))
    zeilen.append(f"datum 2 {text(ernennung)}")
    for _ in range(random.randint(0, 4)):
        feld = random.choice([3, 5, 7, 11, 13, 15])
        beginn = zwischen(geburt + jahre(17), ernennung)
        ende = zwischen(beginn, min(beginn + datetime.timedelta(days=900), ernennung))
        zeilen += [f"datum {feld} {text(beginn)}", f"datum {feld + 1} {text(ende)}"]
    if random.random() < 0.2:
        zeilen.append(f"amt {random.randint(0, 3)}")
    if random.random() < 0.15:
        zeilen.append(f"datum 0 {text(zwischen(datetime.date(1950, 1, 1), datetime.date(1985, 12, 31)))}")
        zeilen.append(f"datum 2 {text(ernennung)}")
    if random.random() < 0.1:
        zeilen.append(f"datum 2 {text(zwischen(geburt + jahre(18), ernennung))}")
    return "\n".join(zeilen) + "\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    anzahl, ordner = int(sys.argv[1]), sys.argv[2]
    random.seed(19)
    os.makedirs(ordner, exist_ok=True)
    for i in range(anzahl):
        with open(os.path.join(ordner, f"fall{i:03}.txt"), "w", encoding="utf-8") as datei:
            datei.write(skript())


if __name__ == "__main__":
    main()
