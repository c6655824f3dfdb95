#!/usr/bin/python3
"""A straightforward bet checker with Python sets, as a player who scripts would write it.

Reads a contest file (tab-separated: number, six drawn numbers, winners, prize; a heading
line and a closing line), one bet file per group (numbers separated by ";", one bet a line),
checks every bet against the newest N contests and writes the same .Result file as
"norvadel-cli check": newest contest first, for each contest the groups from the last to the
first, each a blank line, a heading line and one line per bet.

Usage: reference_check.py --contests FILE [--last N] --bets FILE [--bets FILE ...] --out FILE
"""
import argparse
import os

LEVELS = {1: "Sol", 2: "Duque", 3: "Terno", 4: "Quadra", 5: "Quina", 6: "Sena"}


def read_contests(path):
    contests = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            fields = line.split("\t")
            if not fields[0].strip().isdigit():
                continue  # the heading and the closing line
            drawn = [int(x) for x in fields[1:7]]
            contests.append(("%05d" % int(fields[0]), drawn))
    contests.reverse()  # newest first
    return contests


def read_bets(path):
    bets = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            parts = line.split(";")
            if not 6 <= len(parts) <= 15:
                continue
            try:
                numbers = [int(p) for p in parts]
            except ValueError:
                continue
            if min(numbers) < 1 or max(numbers) > 60 or len(set(numbers)) != len(numbers):
                continue
            numbers.sort()
            bets.append((set(numbers), ";".join("%02d" % n for n in numbers)))
    return bets


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--contests", required=True)
    parser.add_argument("--last", type=int)
    parser.add_argument("--bets", action="append", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    contests = read_contests(args.contests)
    if args.last is not None:
        contests = contests[: args.last]
    groups = [(os.path.basename(p).split(".")[0], read_bets(p)) for p in args.bets]

    with open(args.out, "w", encoding="utf-8", newline="") as out:
        for number, drawn in contests:
            drawn_text = ";".join("%02d" % n for n in drawn)
            for name, bets in reversed(groups):
                out.write("\t\t\t\t\r\n")
                out.write("%s\t<- Concurso\tGrupo: %s\t\t\r\n" % (number, name))
                for numbers, bet_text in bets:
                    hit = numbers & set(drawn)
                    hits = ";".join("%02d" % n for n in drawn if n in hit)
                    level = LEVELS.get(len(hit), "None")
                    out.write("%s\t%s\t%s\t%s\t%s\r\n" % (number, drawn_text, bet_text, hits or "None", level))
        out.write("\t\t\t\t\r\n")


if __name__ == "__main__":
    main()
