"""Writes the seed corpus of xlsx_fuzz: a report form and a minimal workbook, each both as a
whole file (first byte 0) and as NUL-separated parts (first byte 1).

Usage: make_fuzz_corpus.py [OUTDIR]   (default: fuzz_corpus beside this script)
"""

import io
import os
import sys
import tempfile
import zipfile

import make_form

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELS = "http://schemas.openxmlformats.org/package/2006/relationships"
DOC = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"

MINIMAL = {
    "[Content_Types].xml":
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-'
        'officedocument.spreadsheetml.calcChain+xml"/></Types>',
    "_rels/.rels":
        '<Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/officeDocument" '
        'Target="xl/workbook.xml"/></Relationships>' % (RELS, DOC),
    "xl/workbook.xml":
        '<x:workbook xmlns:x="%s" xmlns:r="%s"><x:sheets><x:sheet name="R" sheetId="1" r:id="rId1"/>'
        '</x:sheets><x:definedNames/></x:workbook>' % (MAIN, DOC),
    "xl/_rels/workbook.xml.rels":
        '<Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/worksheet" Target="worksheets/sheet1.xml"/>'
        '<Relationship Id="rId2" Type="%s/calcChain" Target="calcChain.xml"/></Relationships>' % (RELS, DOC, DOC),
    "xl/worksheets/sheet1.xml":
        '<x:worksheet xmlns:x="%s"><x:sheetData><x:row r="8" spans="1:3"><x:c r="A8"><x:v>1</x:v></x:c>'
        '<x:c r="C8"/></x:row><x:row><x:c/><x:c t="s"><x:v>0</x:v></x:c></x:row><x:row r="30"><x:c r="B30">'
        '<x:f t="shared" ref="B30:C31" si="0">A30+$A$1+SUM(A:A)+\'S 1\'!B2</x:f><x:v>3</x:v></x:c>'
        '<x:c r="C30"><x:f t="shared" si="0"/></x:c></x:row><x:row r="31"><x:c r="B31"><x:f t="shared" si="0"/>'
        '</x:c></x:row></x:sheetData></x:worksheet>' % MAIN,
    "xl/calcChain.xml": '<calcChain xmlns="%s"><c r="B30" i="1"/></calcChain>' % MAIN,
}


def zipped(parts):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in parts.items():
            z.writestr(zipfile.ZipInfo(name, (2000, 1, 1, 0, 0, 0)), text)
    return buffer.getvalue()


def as_parts(parts, sheet):
    rels = parts["xl/_rels/workbook.xml.rels"]
    return b"\x01" + b"\x00".join(p.encode() if isinstance(p, str) else p for p in (
        parts[sheet], parts["xl/workbook.xml"], rels, parts["[Content_Types].xml"]))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "fuzz_corpus")
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "form.xlsx")
        make_form.build_form(path)
        form_bytes = open(path, "rb").read()
        with zipfile.ZipFile(path) as z:
            form = {name: z.read(name).decode() for name in z.namelist()}
    # In the parts layout the first sheet is always xl/worksheets/sheet1.xml.
    form["xl/_rels/workbook.xml.rels"] = form["xl/_rels/workbook.xml.rels"] \
        .replace("/xl/worksheets/sheet1.xml", "worksheets/other.xml") \
        .replace("/xl/worksheets/sheet2.xml", "worksheets/sheet1.xml")
    seeds = {
        "form_file": b"\x00" + form_bytes,
        "form_parts": as_parts(form, make_form.REPORT_PART),
        "minimal_file": b"\x00" + zipped(MINIMAL),
        "minimal_parts": as_parts(MINIMAL, "xl/worksheets/sheet1.xml"),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
