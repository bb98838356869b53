"""Prints what a workbook holds, one fact per line, for the .xlsx export tests.

Usage: read_cells.py FILE

Each line is tab-separated: a kind, a key, and the value (JSON where it is one). Kinds:
  sheet    INDEX            title
  cell     SHEET!COORD      data type and value
  style    SHEET!COORD      font, fill and number format of a styled cell
  merged   SHEET!RANGE
  width    SHEET!COLUMN     column width
  rowstyle SHEET!ROW        fill of a formatted row
  name     NAME             what a defined name refers to
  entry    ZIP ENTRY        CRC-32 of the unpacked entry
  rel      WORKBOOK REL ID  type and target
  override PART NAME        content type
  wbchild  INDEX            child element of the workbook part, with calcPr's attributes
  cached   SHEET!COORD      the stored result of a formula cell
  layout   SHEET            "sorted" when rows and cells are in order, else the first misfit
  dimension SHEET           the stored used range and the one the cells span
  spans    SHEET!ROW        a row's spans hint
  sharedref SHEET!COORD     the range and index of a shared formula's first cell
"""

import json
import sys
import xml.etree.ElementTree as ET
import zipfile

import openpyxl
import openpyxl.utils.cell


def local(tag):
    return tag.rsplit("}", 1)[-1]


def layout(title, worksheet):
    """Order of rows and cells, the used range and spans hints, straight from the sheet XML."""
    facts = []
    misfit = None
    last = (0, 0)
    cells = []
    row_number = 0
    for element in worksheet.iter():
        if local(element.tag) == "row":
            # A row or cell without its reference follows the one before it.
            row_number = int(element.get("r")) if element.get("r") else row_number + 1
            last = (row_number, 0) if last[0] < row_number else last
            if element.get("spans"):
                facts.append(("spans", "%s!%s" % (title, element.get("r")), element.get("spans")))
        if local(element.tag) == "c":
            if element.get("r"):
                row, col = openpyxl.utils.cell.coordinate_to_tuple(element.get("r"))
            else:
                row, col = row_number, last[1] + 1
            if (row, col) <= last and misfit is None:
                misfit = element.get("r") or openpyxl.utils.get_column_letter(col) + str(row)
            last = (row, col)
            cells.append((row, col))
            formula = next((f for f in element if local(f.tag) == "f"), None)
            if formula is not None and formula.get("t") == "shared" and formula.get("ref"):
                where = "%s!%s%d" % (title, openpyxl.utils.get_column_letter(col), row)
                facts.append(("sharedref", where, "%s si=%s" % (formula.get("ref"), formula.get("si"))))
    facts.append(("layout", title, "sorted" if misfit is None else "misfit at " + misfit))
    stored = next((d.get("ref") for d in worksheet if local(d.tag) == "dimension"), None)
    span = "A1"
    if cells:
        low = openpyxl.utils.get_column_letter(min(c for _, c in cells)) + str(min(r for r, _ in cells))
        high = openpyxl.utils.get_column_letter(max(c for _, c in cells)) + str(max(r for r, _ in cells))
        span = low if low == high else low + ":" + high
    facts.append(("dimension", title, "stored=%s cells=%s" % (stored, span)))
    return facts


def main():
    path = sys.argv[1]
    out = []
    wb = openpyxl.load_workbook(path)
    for index, ws in enumerate(wb.worksheets):
        out.append(("sheet", str(index), ws.title))
        for (row, col), cell in sorted(ws._cells.items()):
            key = "%s!%s" % (ws.title, cell.coordinate)
            if cell.value is not None:
                out.append(("cell", key, "%s %s" % (cell.data_type, json.dumps(cell.value, ensure_ascii=False))))
            if cell.has_style:
                out.append(("style", key, "bold=%s italic=%s color=%s fill=%s format=%s" % (
                    cell.font.b, cell.font.i, cell.font.color.rgb if cell.font.color is not None and cell.font.color.type == "rgb" else None,
                    cell.fill.fgColor.rgb if cell.fill.fill_type else None, cell.number_format)))
        for merged in ws.merged_cells.ranges:
            out.append(("merged", "%s!%s" % (ws.title, merged.coord), ""))
        for letter, dim in sorted(ws.column_dimensions.items()):
            if dim.customWidth:
                out.append(("width", "%s!%s" % (ws.title, letter), repr(dim.width)))
        for number, dim in sorted(ws.row_dimensions.items()):
            if dim.fill is not None and dim.fill.fill_type:
                out.append(("rowstyle", "%s!%d" % (ws.title, number), dim.fill.fgColor.rgb))
    for name in wb.defined_names.definedName:
        out.append(("name", name.name, name.attr_text))
    results = openpyxl.load_workbook(path, data_only=True)
    for ws in wb.worksheets:
        for (row, col), cell in sorted(ws._cells.items()):
            if cell.data_type == "f":
                cached = results[ws.title][cell.coordinate].value
                out.append(("cached", "%s!%s" % (ws.title, cell.coordinate), json.dumps(cached, ensure_ascii=False)))

    with zipfile.ZipFile(path) as z:
        for info in z.infolist():
            out.append(("entry", info.filename, "%08x" % info.CRC))
        rels = ET.fromstring(z.read("xl/_rels/workbook.xml.rels"))
        for rel in rels:
            out.append(("rel", rel.get("Id"), "%s %s" % (rel.get("Type").rsplit("/", 1)[-1], rel.get("Target"))))
        types = ET.fromstring(z.read("[Content_Types].xml"))
        for node in types:
            if local(node.tag) == "Override":
                out.append(("override", node.get("PartName"), node.get("ContentType")))
        workbook = ET.fromstring(z.read("xl/workbook.xml"))
        for index, child in enumerate(workbook):
            attrs = " ".join("%s=%s" % (k, v) for k, v in sorted(child.attrib.items())) \
                if local(child.tag) == "calcPr" else ""
            out.append(("wbchild", str(index), ("%s %s" % (local(child.tag), attrs)).strip()))
        targets = {rel.get("Id"): rel.get("Target") for rel in rels}
        for sheet in workbook.iter():
            if local(sheet.tag) != "sheet":
                continue
            rid = next(v for k, v in sheet.attrib.items() if local(k) == "id")
            target = targets[rid]
            part = target[1:] if target.startswith("/") else "xl/" + target
            out.extend(layout(sheet.get("name"), ET.fromstring(z.read(part))))

    for fields in out:
        print("\t".join(fields))


if __name__ == "__main__":
    main()
