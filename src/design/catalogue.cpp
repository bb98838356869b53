#include "design/catalogue.h"

#include "design/builtin_catalogue_files.h"
#include "design/catalogue_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace cw {

namespace {

constexpr Series kSeries[] = {Series::Veltra, Series::KorinDalvo, Series::Terrax};

std::size_t indexOf(Series series) {
    return static_cast<std::size_t>(series);
}

// Rows ascending in upper_cm4: the first whose upper bound is at least J. For bands (each
// starting at or above the end of the one before) that is the only band that can hold J.
template <typename Row>
const Row* firstCovering(const std::vector<Row>& rows, double J) {
    const auto it = std::partition_point(rows.begin(), rows.end(),
                                         [J](const Row& row) { return row.upper_cm4 < J; });
    return it == rows.end() ? nullptr : &*it;
}

const TransomRow* inBand(const std::vector<TransomRow>& rows, double J) {
    const TransomRow* row = firstCovering(rows, J);
    return row && row->lower_cm4 < J ? row : nullptr;
}

}  // namespace

std::string_view seriesCatalogueFile(Series series) {
    switch (series) {
    case Series::Veltra: return "veltra.csv";
    case Series::KorinDalvo: return "korin-dalvo.csv";
    case Series::Terrax: break;
    }
    return "terrax.csv";
}

const MullionRow* chooseMullion(const Catalogue& catalogue, double requiredJx_cm4) {
    if (!(requiredJx_cm4 > 0.0))
        return nullptr;
    return firstCovering(catalogue.mullions, requiredJx_cm4);
}

const TransomRow* chooseTransom(const Catalogue& catalogue, double requiredJx_cm4,
                                bool shortUpperSpan) {
    if (!catalogue.transoms.empty() && !catalogue.transoms.front().byBand)
        return requiredJx_cm4 > 0.0 ? firstCovering(catalogue.transoms, requiredJx_cm4) : nullptr;
    if (shortUpperSpan)
        if (const TransomRow* row = inBand(catalogue.shortUpperSpanTransoms, requiredJx_cm4))
            return row;
    return inBand(catalogue.transoms, requiredJx_cm4);
}

Catalogues::Catalogues(std::vector<Catalogue> bySeries) : m_catalogues(std::move(bySeries)) {
    if (m_catalogues.size() != std::size(kSeries)) {
        std::fputs("curtainwall: a catalogue is needed for each series\n", stderr);
        std::abort();
    }
}

const Catalogue& Catalogues::of(Series series) const {
    return m_catalogues[indexOf(series)];
}

const Catalogues& builtInCatalogues() {
    static const Catalogues catalogues = [] {
        std::vector<Catalogue> read;
        for (const Series series : kSeries) {
            const std::string_view file = seriesCatalogueFile(series);
            CatalogueRead r = readCatalogue(builtInCatalogueFile(file), file);
            if (!r.catalogue) {
                std::fprintf(stderr, "curtainwall: %s\n",
                             describeCatalogueFaults(file, r.faults).c_str());
                std::abort();
            }
            read.push_back(std::move(*r.catalogue));
        }
        return Catalogues(std::move(read));
    }();
    return catalogues;
}

}  // namespace cw
