"""Makes report forms and broken workbooks for the .xlsx export tests.

Usage: make_form.py VARIANT OUT

The workbooks are written by openpyxl and, where a case needs what openpyxl cannot write
(shared formulas, a calculation chain, a report sheet whose part is not sheet1.xml, damaged or
hostile archives), patched at the zip level afterwards.
"""

import re
import struct
import sys
import zipfile

from openpyxl import Workbook
from openpyxl.chart import BarChart, Reference
from openpyxl.styles import Font, PatternFill
from openpyxl.workbook.defined_name import DefinedName

REPORT = "Έκθεση"
DATA = "Δεδομένα"
REPORT_PART = "xl/worksheets/sheet2.xml"


def replace(text, old, new):
    """str.replace that insists the text was there, so a form never silently lacks a feature."""
    if old not in text:
        raise SystemExit("make_form.py: %r not found" % old)
    return text.replace(old, new)


def build_form(out):
    wb = Workbook()
    data = wb.active
    data.title = DATA
    data["A1"] = "Προφίλ"
    data["B1"] = "Ix"
    data["A2"] = "KA-03"
    data["B2"] = 123.4
    data["C2"] = "=B2*2"
    data["C3"] = "='%s'!B18*2" % REPORT
    data.column_dimensions["A"].width = 25

    ws = wb.create_sheet(REPORT)
    ws["A1"] = "Έκθεση υπολογισμού"
    ws["A1"].font = Font(bold=True, size=14)
    ws.merge_cells("A1:C1")
    ws["B3"] = "παλιό"
    ws["B3"].font = Font(italic=True)
    ws["D5"] = "=SUM(B8:B11)"
    for row in (8, 9, 10, 11, 13, 18, 26, 30, 31, 35):
        ws.cell(row=row, column=1, value="Μέγεθος %d" % row)
        ws.cell(row=row, column=3, value="kN")
    ws["B8"] = 1.5
    ws["B8"].font = Font(bold=True)
    ws["B10"] = 7
    ws["B11"] = "old text"
    ws["B13"] = 3
    ws["B13"].fill = PatternFill("solid", fgColor="FFFF00")
    ws["B18"] = 0
    ws["B18"].number_format = "0.00"
    ws["B26"] = 2
    ws["B26"].number_format = "0.000"
    ws["B30"] = "=B26*2"
    ws["B30"].font = Font(color="FF0000")
    ws["B31"] = "x"
    ws["B35"] = 5
    ws["E20"] = "keep"
    for row in (38, 39, 40):
        ws.cell(row=row, column=1, value=row * 10)
        ws.cell(row=row, column=2, value="=A%d*2" % row)
    ws.row_dimensions[22].fill = PatternFill("solid", fgColor="00CCFF")
    ws.column_dimensions["A"].width = 42
    ws.column_dimensions["B"].width = 14
    ws.column_dimensions["C"].width = 10
    wb.defined_names.append(DefinedName("WindPressure", attr_text="'%s'!$B$18" % REPORT))
    wb.save(out)
    assert wb.worksheets[1]._id == 2

    def patch(name, text):
        if name == "xl/workbook.xml":
            # Report tab first, though its part stays sheet2.xml; calcPr left for the export to add.
            sheets = re.findall(r"<sheet [^>]*/>", text)
            text = replace(text, sheets[0] + sheets[1], sheets[1] + sheets[0])
            text = replace(text, re.search(r"<calcPr[^>]*/>", text).group(0), "")
        elif name == REPORT_PART:
            text = replace(text, '<c r="B11" t="inlineStr"><is><t>old text</t></is></c>',
                           '<c r="B11" t="s"><v>0</v></c>')
            # Cached results as a spreadsheet program leaves them; D5's will be stale after export.
            text = replace(text, "<f>SUM(B8:B11)</f><v></v>", "<f>SUM(B8:B11)</f><v>999</v>")
            # Hints of the cells' column range that an export must not leave stale.
            for row, spans in ((1, "1:3"), (8, "1:3"), (20, "5:5")):
                text = replace(text, '<row r="%d">' % row, '<row r="%d" spans="%s">' % (row, spans))
            text = replace(text, "<f>A38*2</f>", '<f t="shared" ref="B38:B40" si="0">A38*2</f>')
            for row in (39, 40):
                text = replace(text, "<f>A%d*2</f>" % row, '<f t="shared" si="0"/>')
        elif name == "xl/_rels/workbook.xml.rels":
            text = replace(
                text, "</Relationships>",
                '<Relationship Id="rIdCalc" Target="calcChain.xml" Type="http://schemas.'
                'openxmlformats.org/officeDocument/2006/relationships/calcChain"/>'
                '<Relationship Id="rIdStrings" Target="sharedStrings.xml" Type="http://schemas.'
                'openxmlformats.org/officeDocument/2006/relationships/sharedStrings"/></Relationships>')
        elif name == "[Content_Types].xml":
            text = replace(
                text, "</Types>",
                '<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-'
                'officedocument.spreadsheetml.calcChain+xml"/>'
                '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-'
                'officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
        return text

    calc_chain = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
                  '<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
                  '<c r="D5" i="2"/><c r="B30"/><c r="B38"/><c r="B39"/><c r="B40"/>'
                  '<c r="C2" i="1"/><c r="C3"/></calcChain>')
    shared_strings = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
                      '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                      'count="1" uniqueCount="1"><si><t>old text</t></si></sst>')
    rewrite(out, patch, extra={"xl/calcChain.xml": calc_chain, "xl/sharedStrings.xml": shared_strings})


def rewrite(path, patch, extra=None, drop=()):
    with zipfile.ZipFile(path) as zin:
        items = [(info, zin.read(info.filename)) for info in zin.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as zout:
        for info, raw in items:
            if info.filename in drop:
                continue
            text = patch(info.filename, raw.decode("utf-8")) if info.filename.endswith((".xml", ".rels")) else None
            zout.writestr(info, text.encode("utf-8") if text is not None else raw)
        for name, text in (extra or {}).items():
            zout.writestr(name, text)


def patch_headers(path, name, change):
    """Calls change(local_header, central_header) on bytearrays of the entry's two headers."""
    blob = bytearray(open(path, "rb").read())
    eocd = blob.rfind(b"PK\x05\x06")
    count, _, cd_offset = struct.unpack_from("<HII", blob, eocd + 10)
    pos = cd_offset
    for _ in range(count):
        name_len, extra_len, comment_len = struct.unpack_from("<HHH", blob, pos + 28)
        local = struct.unpack_from("<I", blob, pos + 42)[0]
        if blob[pos + 46:pos + 46 + name_len].decode() == name:
            change(memoryview(blob)[local:local + 30], memoryview(blob)[pos:pos + 46])
            open(path, "wb").write(blob)
            return local
        pos += 46 + name_len + extra_len + comment_len
    raise SystemExit("no entry " + name)


def set_size(size):
    def change(local, central):
        struct.pack_into("<I", local, 22, size)
        struct.pack_into("<I", central, 24, size)
    return change


def main():
    variant, out = sys.argv[1], sys.argv[2]
    if variant == "form":
        build_form(out)
    elif variant == "no-workbook":
        with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
            z.writestr("hello.txt", "not a workbook")
    elif variant == "broken-rels":
        build_form(out)
        # rId2 is the relationship of the first tab's part.
        rewrite(out, lambda name, text: replace(text, re.search(r'<Relationship [^>]*Id="rId2"[^>]*/>', text).group(0), "")
                if name == "xl/_rels/workbook.xml.rels" else text)
    elif variant == "bad-sheet-xml":
        build_form(out)
        rewrite(out, lambda name, text: text[:len(text) // 2] if name == REPORT_PART else text)
    elif variant == "corrupt-sheet-data":
        build_form(out)
        local = patch_headers(out, REPORT_PART, lambda local, central: None)
        blob = bytearray(open(out, "rb").read())
        name_len, extra_len = struct.unpack_from("<HH", blob, local + 26)
        start = local + 30 + name_len + extra_len
        for i in range(start + 20, start + 40):
            blob[i] ^= 0x5A
        open(out, "wb").write(blob)
    elif variant == "encrypted-entry":
        build_form(out)

        def encrypt(local, central):
            struct.pack_into("<H", local, 6, struct.unpack_from("<H", local, 6)[0] | 1)
            struct.pack_into("<H", central, 8, struct.unpack_from("<H", central, 8)[0] | 1)
        patch_headers(out, "docProps/app.xml", encrypt)
    elif variant == "huge-entry":
        build_form(out)
        patch_headers(out, "docProps/app.xml", set_size(100 << 20))
    elif variant == "huge-total":
        build_form(out)
        rewrite(out, lambda name, text: text, extra={"xl/media/part%d.bin" % i: "x" for i in range(5)})
        for i in range(5):
            patch_headers(out, "xl/media/part%d.bin" % i, set_size(60 << 20))
    elif variant == "real-bomb":
        build_form(out)
        with zipfile.ZipFile(out, "a", zipfile.ZIP_DEFLATED) as z:
            with z.open("xl/media/zeros.bin", "w", force_zip64=True) as entry:
                chunk = bytes(1 << 20)
                for _ in range(300):
                    entry.write(chunk)
    elif variant in ARRAYS:
        build_form(out)
        anchor, ref, kind = ARRAYS[variant]
        rewrite(out, lambda name, text: put_block(text, anchor, ref, kind) if name == REPORT_PART else text)
    elif variant == "line-breaks":
        build_form(out)

        def breaks(name, text):
            # Texts the export does not write, with carriage returns kept as references.
            if name == REPORT_PART:
                text = replace(text, "<t>Μέγεθος 9</t>".encode("ascii", "xmlcharrefreplace").decode(),
                               "<t>Μέγεθος&#13;9&#13;&#10;τέλος</t>")
            elif name == "xl/worksheets/sheet1.xml":
                text = replace(text, "<t>KA-03</t>", "<t>KA&#13;03</t>")
                text = replace(text, "<f>B2*2</f><v></v>", "<f>B2*2</f><v>246.8</v>")
            return text
        rewrite(out, breaks)
    elif variant == "cached-elsewhere":
        build_form(out)

        def cached(name, text):
            # Results as a spreadsheet program stores them on the tab after the report.
            if name == "xl/worksheets/sheet1.xml":
                text = replace(text, "<f>B2*2</f><v></v>", "<f>B2*2</f><v>246.8</v>")
                text = replace(text, "B18*2</f><v></v></c>", "B18*2</f><v>0</v></c>"
                               '<c r="D3" t="str"><f>IF(C3=0,"zero","more")</f><v>zero</v></c>'
                               '<c r="E3" t="e"><f>1/0</f><v>#DIV/0!</v></c>')
            return text
        rewrite(out, cached)
    elif variant == "chart-first":
        wb = Workbook()
        wb.active["A1"] = 1
        chart_sheet = wb.create_chartsheet("Διάγραμμα", 0)
        chart = BarChart()
        chart.add_data(Reference(wb["Sheet"], min_col=1, min_row=1, max_row=1))
        chart_sheet.add_chart(chart)
        wb.save(out)
    else:
        raise SystemExit("unknown variant " + variant)


# Array formulas and data tables on the report tab: anchor cell, range, kind.
ARRAYS = {
    "array-over-written": ("B25", "B25:B27", "array"),
    "array-across-b": ("A26", "A26:C26", "array"),
    "array-over-cleared": ("B2", "B2:B4", "array"),
    "data-table": ("B41", "B41:C44", "dataTable"),
    "one-cell-array": ("B30", "B30", "array"),
    "array-beside-b": ("C26", "C26:D27", "array"),
}


def put_block(text, anchor, ref, kind):
    """Puts an array formula or data table at `anchor` in the report sheet XML."""
    row = re.match(r"[A-Z]+(\d+)", anchor).group(1)
    if kind == "array":
        formula = '<f t="array" ref="%s">ROW(%s)</f><v>1</v>' % (ref, ref)
    else:
        formula = '<f t="dataTable" ref="%s" dt2D="0" dtr="0" r1="A1"/><v>1</v>' % ref
    cell = re.search(r'<c r="%s"[^>]*?(/>|>.*?</c>)' % anchor, text)
    if cell:
        style = re.search(r' s="\d+"', cell.group(0))
        return text.replace(cell.group(0), '<c r="%s"%s>%s</c>' % (anchor, style.group(0) if style else "", formula))
    # The row may be missing, or hold only cells after the anchor's column.
    match = re.search(r'<row r="%s"[^>]*>' % row, text)
    if match:
        return text.replace(match.group(0), match.group(0) + '<c r="%s">%s</c>' % (anchor, formula))
    new_row = '<row r="%s"><c r="%s">%s</c></row>' % (row, anchor, formula)
    later = next((m for m in re.finditer(r'<row r="(\d+)"', text) if int(m.group(1)) > int(row)), None)
    if later:
        return text.replace(later.group(0), new_row + later.group(0), 1)
    return replace(text, "</sheetData>", new_row + "</sheetData>")


if __name__ == "__main__":
    main()
