// libFuzzer target for catalogue files, CSV or .xlsx by content. Besides the sanitizers it
// checks what the selection relies on:
// - a file gives a catalogue or faults (at most ten) with a message naming it, never both;
// - a catalogue's mullions and transoms with properties are in selection order, each band
//   starting at the Ix of the row before, every value finite and above zero, codes unique;
// - the selection of each row's own Ix finds a row with that Ix, and nothing above the last;
// - CSV text reads the same with a byte-order mark in front.

#include "design/catalogue.h"
#include "files/catalogue_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "catalogue_fuzz: %s\n", what);
    std::abort();
}

void check(bool ok, const char* what) {
    if (!ok)
        fail(what);
}

template <typename Row>
void checkOrder(const std::vector<Row>& rows) {
    std::set<std::string> codes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        check(r.ix_mm4 > 0, "Ix not above zero");
        check(std::isfinite(r.upper_cm4) && r.upper_cm4 >= double(r.ix_mm4) / 10000.0,
              "selection Ix below the profile's own");
        check(r.lower_cm4 == (i == 0 ? 0.0 : rows[i - 1].upper_cm4), "band not from the row before");
        check(r.lower_cm4 <= r.upper_cm4, "rows out of order");
        check(codes.insert(r.code).second, "a code twice");
    }
}

void checkCatalogue(const cw::Catalogue& c) {
    check(!c.mullions.empty(), "a catalogue without mullions");
    checkOrder(c.mullions);
    for (const cw::MullionRow& m : c.mullions) {
        check(std::isfinite(m.fibre_mm) && m.fibre_mm > 0.0, "fibre not above zero");
        check(std::isfinite(m.wx_cm3) && m.wx_cm3 > 0.0, "Wx not above zero");
        const cw::MullionRow* chosen = cw::chooseMullion(c, m.upper_cm4);
        check(chosen && chosen->upper_cm4 == m.upper_cm4, "own Ix does not select its Ix");
    }
    check(!cw::chooseMullion(c, std::nextafter(c.mullions.back().upper_cm4, 1e300)),
          "a mullion above the largest Ix");
    if (!c.transoms.empty() && !c.transoms.front().byBand) {
        checkOrder(c.transoms);
    } else {
        for (std::size_t i = 0; i < c.transoms.size(); ++i) {
            check(c.transoms[i].lower_cm4 < c.transoms[i].upper_cm4, "empty band");
            check(i == 0 || c.transoms[i - 1].upper_cm4 <= c.transoms[i].lower_cm4,
                  "overlapping bands");
        }
    }
}

cw::files::CatalogueLoad checked(std::string_view bytes, std::string_view name) {
    cw::files::CatalogueLoad load = cw::files::readCatalogueBytes(bytes, name);
    if (load.catalogue) {
        check(load.faults.empty() && load.message.empty(), "a catalogue with faults");
        checkCatalogue(*load.catalogue);
    } else {
        check(!load.faults.empty() && load.faults.size() <= cw::kMostCatalogueFaults,
              "refused without faults, or more than ten");
        check(load.message.find(name) != std::string::npos, "the message does not name the file");
    }
    return load;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const cw::files::CatalogueLoad plain = checked(bytes, "fuzz.csv");
    if (!bytes.starts_with("PK\x03\x04") && !bytes.starts_with("\xEF\xBB\xBF")) {
        const cw::files::CatalogueLoad marked =
            checked("\xEF\xBB\xBF" + std::string(bytes), "fuzz.csv");
        check(plain.catalogue.has_value() == marked.catalogue.has_value() &&
                  plain.faults.size() == marked.faults.size(),
              "a byte-order mark changes the outcome");
        for (std::size_t i = 0; i < plain.faults.size(); ++i)
            check(plain.faults[i].kind == marked.faults[i].kind &&
                      plain.faults[i].line == marked.faults[i].line,
                  "a byte-order mark changes a fault");
    }
    return 0;
}
