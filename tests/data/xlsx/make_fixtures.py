#!/usr/bin/python3
"""Writes the spreadsheet fixtures of this folder (run it here; its output is committed).

Each good sheet has a .tsv twin holding the same contests in the text import format, so that a
test can compare the two imports byte for byte. The sheets are written the ways producers write
them: the operator's own style (prefixed element names, no cell positions, texts as "str" cells,
balls as numbers that read "04", a wrong dimension), a desktop program's style (positioned cells,
shared strings, rich text runs), inline strings with three-digit balls, and a reordered, wider
sheet. The bad ones show one fault each.
"""

import os
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
HISTORY = os.path.join(HERE, "..", "megasena-history.tsv")
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"

HEADINGS = ["Concurso", "Data do Sorteio", "Bola1", "Bola2", "Bola3", "Bola4", "Bola5", "Bola6",
            "Ganhadores 6 acertos", "Cidade / UF", "Rateio 6 acertos", "Ganhadores 5 acertos",
            "Rateio 5 acertos", "Ganhadores 4 acertos", "Rateio 4 acertos", "Acumulado 6 acertos",
            "Arrecadação Total", "Estimativa prêmio", "Acumulado Sorteio Especial Mega da Virada",
            "Observação"]


def history(count=None):
    with open(HISTORY, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f][1:-1]
    return rows if count is None else rows[:count]


def full_row(contest):
    """The operator's twenty columns for a contest (number, balls, winners, prize)."""
    number, balls, winners, prize = contest[0], contest[1:7], contest[7], contest[8]
    return ([("n", number), ("str", "")] + [("n", b) for b in balls] +
            [("n", winners), ("str", ""), ("str", prize), ("n", "0"), ("str", "R$0,00"), ("n", "0"),
             ("str", "R$0,00"), ("str", "R$0,00"), ("str", "R$0,00"), ("str", "R$0,00"), ("str", "R$0,00"),
             ("str", "")])


def column_name(index):
    name = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        name = chr(65 + rest) + name
    return name


def write_zip(name, parts):
    with zipfile.ZipFile(os.path.join(HERE, name), "w", zipfile.ZIP_DEFLATED) as z:
        for part, data in parts.items():
            z.writestr(zipfile.ZipInfo(part, (2026, 8, 21, 0, 0, 0)), data, zipfile.ZIP_DEFLATED, 9)


def package(sheet, shared=None, prefix="", target="worksheets/sheet1.xml", rel_id="rId1"):
    p = prefix + ":" if prefix else ""
    ns = ' xmlns%s="%s"' % (":" + prefix if prefix else "", MAIN)
    parts = {
        "[Content_Types].xml":
            '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/'
            'content-types"><Default Extension="xml" ContentType="application/xml"/></Types>',
        "_rels/.rels":
            '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/'
            '2006/relationships"><Relationship Id="r1" Type="%s/officeDocument" Target="xl/workbook.xml"/>'
            '</Relationships>' % RELS,
        "xl/workbook.xml":
            '<?xml version="1.0" encoding="UTF-8"?><%sworkbook%s xmlns:r="%s"><%ssheets><%ssheet name="Mega-Sena" '
            'sheetId="1" r:id="%s"/></%ssheets></%sworkbook>' % (p, ns, RELS, p, p, rel_id, p, p),
        "xl/_rels/workbook.xml.rels":
            '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/'
            '2006/relationships"><Relationship Id="%s" Type="%s/worksheet" Target="%s"/></Relationships>'
            % (rel_id, RELS, target),
    }
    parts["xl/" + target.lstrip("/").replace("xl/", "", 1) if not target.startswith("/") else target[1:]] = sheet
    if shared is not None:
        parts["xl/sharedStrings.xml"] = (
            '<?xml version="1.0" encoding="UTF-8"?><sst xmlns="%s" count="%d">%s</sst>'
            % (MAIN, len(shared), "".join(shared)))
    return parts


def operator_sheet(contests, headings=HEADINGS):
    """The operator's style: x: prefix, no positions, texts as "str", dimension A1:T1."""
    def cell(kind, value):
        if kind == "str":
            return '<x:c t="str"><x:v>%s</x:v></x:c>' % escape(value)
        return '<x:c><x:v>%s</x:v></x:c>' % value
    rows = ["<x:row>" + "".join(cell("str", h) for h in headings) + "</x:row>"]
    for contest in contests:
        rows.append("<x:row>" + "".join(cell(k, v) for k, v in full_row(contest)) + "</x:row>")
    return ('<?xml version="1.0" encoding="utf-8"?><x:worksheet xmlns:x="%s"><x:dimension ref="A1:T1"/>'
            '<x:sheetData>%s</x:sheetData></x:worksheet>' % (MAIN, "".join(rows)))


def positioned_sheet(rows, shared):
    """A desktop program's style: every row and cell positioned, texts shared. rows: {row: {col: (kind, value)}}."""
    index = {}
    out = []
    for r in sorted(rows):
        cells = []
        for c in sorted(rows[r]):
            kind, value = rows[r][c]
            ref = "%s%d" % (column_name(c), r)
            if kind == "s":
                if value not in index:
                    index[value] = len(shared)
                    shared.append("<si><t>%s</t></si>" % escape(value))
                cells.append('<c r="%s" t="s"><v>%d</v></c>' % (ref, index[value]))
            elif kind == "inline":
                cells.append('<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, escape(value)))
            else:
                cells.append('<c r="%s"><v>%s</v></c>' % (ref, value))
        out.append('<row r="%d">%s</row>' % (r, "".join(cells)))
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><worksheet xmlns="%s"><dimension ref="A1"/>'
            '<sheetData>%s</sheetData></worksheet>' % (MAIN, "".join(out)))


def twin(name, contests):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as f:
        f.write("Concurso\tD1\tD2\tD3\tD4\tD5\tD6\tGanhadores6\tRateio6\n")
        for contest in contests:
            f.write("\t".join(contest) + "\n")


def main():
    first = history(6)

    # The operator's style, and the whole history in it.
    write_zip("operator.xlsx", package(operator_sheet(first), prefix="x", target="/xl/worksheets/sheet.xml",
                                       rel_id="R8b1c"))
    twin("operator.tsv", first)
    write_zip("history.xlsx", package(operator_sheet(history()), prefix="x", target="/xl/worksheets/sheet.xml",
                                      rel_id="R8b1c"))

    # A desktop program's style: shared strings (one a rich text with two runs and a phonetic
    # run), balls without their leading zero, contest numbers written as decimals.
    shared = ['<si><r><t>Con</t></r><r><rPr><b/></rPr><t>curso</t></r><rPh><t>X</t></rPh></si>']
    rows = {1: {0: ("raw", "0")}}
    rows[1] = {c: ("s", h) for c, h in enumerate(HEADINGS) if c != 0}
    for r, contest in enumerate(first, start=2):
        rows[r] = {0: ("n", contest[0] + ".0")}
        for b in range(6):
            rows[r][2 + b] = ("n", str(int(contest[1 + b])))
        rows[r][8] = ("n", contest[7])
        rows[r][10] = ("s", contest[8])
    sheet = positioned_sheet(rows, shared)
    sheet = sheet.replace('<row r="1">', '<row r="1"><c r="A1" t="s"><v>0</v></c>', 1)
    write_zip("shared-strings.xlsx", package(sheet, shared))
    twin("shared-strings.tsv", first)

    # Inline strings and three-digit balls, as an older copy of the operator's file wrote them.
    rows = {1: {c: ("inline", h) for c, h in enumerate(HEADINGS)}}
    for r, contest in enumerate(first, start=2):
        rows[r] = {0: ("n", contest[0])}
        for b in range(6):
            rows[r][2 + b] = ("n", "%03d" % int(contest[1 + b]))
        rows[r][8] = ("n", contest[7])
        rows[r][10] = ("inline", contest[8])
    write_zip("inline-three-digits.xlsx", package(positioned_sheet(rows, [])))
    twin("inline-three-digits.tsv", first)

    # Reordered and wider: the balls backwards after a new column, the number last, a blank row
    # and a title row above the heading; headings in other cases and spacing.
    order = ["Observação", "Extra", "Bola 6", "bola5", "BOLA4", "Bola3", "Bola2", "Bola1", "Rateio 6 acertos",
             "Ganhadores 6 acertos", "Outra", "Concurso"]
    rows = {1: {0: ("inline", "Resultados da Mega-Sena")}, 3: {c + 2: ("inline", h) for c, h in enumerate(order)}}
    for r, contest in enumerate(first, start=4):
        values = {"Bola1": contest[1], "Bola2": contest[2], "Bola3": contest[3], "BOLA4": contest[4],
                  "bola5": contest[5], "Bola 6": contest[6], "Ganhadores 6 acertos": contest[7],
                  "Rateio 6 acertos": contest[8], "Concurso": contest[0]}
        rows[r] = {}
        for c, h in enumerate(order):
            if h in values:
                kind = "inline" if h == "Rateio 6 acertos" else "n"
                rows[r][c + 2] = (kind, values[h])
            else:
                rows[r][c + 2] = ("inline", "x")
    write_zip("reordered-wide.xlsx", package(positioned_sheet(rows, [])))
    twin("reordered-wide.tsv", first)

    # Faults, one each.
    with open(os.path.join(HERE, "not-a-zip.xlsx"), "w", encoding="utf-8") as f:
        f.write("Concurso\tBola1\n1\t04\n")
    parts = package(operator_sheet(first))
    del parts["xl/workbook.xml"]
    write_zip("no-workbook.xlsx", parts)
    parts = package(operator_sheet(first))
    parts["xl/workbook.xml"] = '<?xml version="1.0"?><workbook xmlns="%s"><sheets/></workbook>' % MAIN
    write_zip("no-sheet.xlsx", parts)
    write_zip("malformed.xlsx", package(operator_sheet(first).replace("</x:row>", "</x:rowx>", 2), prefix="x"))
    write_zip("missing-heading.xlsx",
              package(operator_sheet(first, [h if h != "Bola3" else "Bola 33" for h in HEADINGS]), prefix="x"))
    bad = [list(c) for c in first]
    bad[2][4] = "61"  # the sheet's row 4
    write_zip("bad-row.xlsx", package(operator_sheet(bad), prefix="x"))
    write_zip("empty.xlsx", package('<?xml version="1.0"?><worksheet xmlns="%s"><sheetData/></worksheet>' % MAIN))
    write_zip("heading-only.xlsx", package(operator_sheet([]), prefix="x"))
    parts = package(operator_sheet(first), prefix="x")
    parts["xl/worksheets/sheet1.xml"] = b" " * (80 << 20)
    write_zip("bomb.xlsx", parts)


if __name__ == "__main__":
    main()
