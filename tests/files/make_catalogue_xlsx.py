"""Writes a catalogue workbook with openpyxl, an independent writer: the CSV text on stdin
becomes the first sheet (numbers as number cells, other text as shared strings); a second
sheet of notes follows so that a reader taking any sheet but the first would fail.

With --excel the workbook is then rewritten as Excel itself stores one: text in the shared
string table, numbers with 17 significant digits (53.84 as 53.840000000000003). Other
writers' habits, after that: --prefixed names every spreadsheet element with a prefix
("x:c"), --no-refs leaves out the reference of a cell right after the one before it, and
--no-rels drops the workbook's relationships (a damaged file).

    make_catalogue_xlsx.py OUT.xlsx [--excel] [--prefixed] [--no-refs] [--no-rels] < catalogue.csv
"""
import csv
import io
import re
import sys
import zipfile

import openpyxl

NUMBER = re.compile(r"^[0-9]+(\.[0-9]+)?$")


def main():
    text = sys.stdin.read()
    delimiter = ";" if text.split("\n", 1)[0].count(";") > text.split("\n", 1)[0].count(",") else ","
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Profiles"
    for row in csv.reader(io.StringIO(text), delimiter=delimiter):
        sheet.append([float(v) if NUMBER.match(v) else (v if v else None) for v in row])
    notes = book.create_sheet("Notes")
    notes.append(["code", "role", "Ix_cm4"])
    notes.append(["not a profile", "nothing", "x"])
    book.save(sys.argv[1])
    options = sys.argv[2:]
    if "--excel" in options:
        as_excel(sys.argv[1])
    if {"--prefixed", "--no-refs", "--no-rels"} & set(options):
        other_writer(sys.argv[1], options)


def as_excel(path):
    with zipfile.ZipFile(path) as z:
        parts = {name: z.read(name) for name in z.namelist()}
    strings = []

    def shared(match):
        strings.append(match.group(2))
        return '<c r="%s" t="s"><v>%d</v></c>' % (match.group(1), len(strings) - 1)

    def long_number(match):
        return "<v>%s</v>" % ("%.17g" % float(match.group(1)))

    for name in list(parts):
        if name.startswith("xl/worksheets/"):
            text = parts[name].decode()
            text = re.sub(r'<c r="([A-Z]+[0-9]+)" t="inlineStr"><is><t>([^<]*)</t></is></c>',
                          shared, text)
            text = re.sub(r"<v>([0-9.]+)</v>", long_number, text)
            parts[name] = text.encode()
    items = "".join("<si><t>%s</t></si>" % s for s in strings)
    parts["xl/sharedStrings.xml"] = (
        '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">%s</sst>' % items
    ).encode()
    rels = parts["xl/_rels/workbook.xml.rels"].decode()
    parts["xl/_rels/workbook.xml.rels"] = rels.replace(
        "</Relationships>",
        '<Relationship Id="rIdSst" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
        'relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>').encode()
    types = parts["[Content_Types].xml"].decode()
    parts["[Content_Types].xml"] = types.replace(
        "</Types>",
        '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-'
        'officedocument.spreadsheetml.sharedStrings+xml"/></Types>').encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in parts.items():
            z.writestr(name, data)


MAIN_NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
COLUMN = re.compile(r"[A-Z]+")


def column_number(ref):
    n = 0
    for ch in COLUMN.match(ref).group(0):
        n = n * 26 + ord(ch) - ord("A") + 1
    return n


def without_refs(sheet):
    def row(match):
        previous = [0]

        def cell(c):
            col = column_number(c.group(1))
            keep = col != previous[0] + 1
            previous[0] = col
            return "<c" + (' r="%s"' % c.group(1) if keep else "")

        return re.sub(r'<c r="([A-Z]+[0-9]+)"', cell, match.group(0))

    return re.sub(r"<row\b.*?</row>", row, sheet, flags=re.S)


def other_writer(path, options):
    with zipfile.ZipFile(path) as z:
        parts = {name: z.read(name) for name in z.namelist()}
    for name in list(parts):
        spreadsheet = name == "xl/workbook.xml" or name == "xl/sharedStrings.xml" or (
            name.startswith("xl/worksheets/") and name.endswith(".xml"))
        if not spreadsheet:
            continue
        text = parts[name].decode()
        if "--no-refs" in options and name.startswith("xl/worksheets/"):
            text = without_refs(text)
        if "--prefixed" in options and MAIN_NS in text:
            text = text.replace(MAIN_NS, MAIN_NS.replace("xmlns=", "xmlns:x="))
            text = re.sub(r"<(/?)([A-Za-z][A-Za-z0-9]*)(?=[\s/>])", r"<\1x:\2", text)
        parts[name] = text.encode()
    if "--no-rels" in options:
        del parts["xl/_rels/workbook.xml.rels"]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in parts.items():
            z.writestr(name, data)


main()
