// A batch with --catalogue: every row designs with the user's catalogue, as the series option
// of its use, whatever series the row names.

#include "batch/batch_run.h"
#include "design/catalogue_reader.h"
#include "files/schedule_csv.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace cw::batch {
namespace {

constexpr const char* kSchedule =
    "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,structure_weight,"
    "snow_height,slope\n"
    "V,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,\n"
    "K,korin,fixed-ends,120,90,250,,100,150,10,0-8,,,200,15,,,\n"
    "T,terrax,one-span,150,150,300,,100,200,10,8-20,,,200,15,0.1,100,30\n";

std::map<std::string, std::string> mullions(const std::string& catalogueCsv) {
    BatchOptions options;
    options.numberFormat = NumberFormat::fromLocale("C");
    if (!catalogueCsv.empty()) {
        CatalogueRead read = readCatalogue(catalogueCsv, "user.csv");
        EXPECT_TRUE(read.catalogue);
        options.catalogue = std::make_shared<const Catalogue>(std::move(*read.catalogue));
    }
    std::istringstream in(kSchedule);
    std::ostringstream out;
    auto sink = csvSink(out, "out", ',', false);
    runBatch(in, "schedule.csv", std::string(kSchedule).size(), *sink, options);
    std::map<std::string, std::string> byId;
    std::istringstream back(out.str());
    files::readSchedule(back, [&](const files::ScheduleRow& row) {
        std::string id, mullion, error;
        for (std::size_t i = 0; i < row.header().names().size(); ++i) {
            const std::string& name = row.header().names()[i];
            if (name == "id")
                id = row.field(i);
            if (name == "mullion")
                mullion = row.field(i);
            if (name == "error")
                error = row.field(i);
        }
        byId[id] = error.empty() ? mullion : "refused";
    });
    return byId;
}

TEST(BatchCatalogue, EveryRowDesignsWithTheUsersRows) {
    // U-1 too small for any row, U-2 large enough for all.
    const std::string vertical =
        "use,code,role,Ix_cm4,e_mm\nvertical,U-1,mullion,0.5,50\nvertical,U-2,mullion,9000,60\n";
    const std::string sloped =
        "use,code,role,Ix_cm4,e_mm\nsloped,U-1,mullion,0.5,50\nsloped,U-2,mullion,9000,60\n";
    const struct {
        const char* name;
        std::string catalogue;
        std::map<std::string, std::string> mullion;  // by row id
    } cases[] = {
        // A vertical catalogue takes every row as Veltra: fixed ends and one span designed.
        {"vertical", vertical, {{"V", "U-2"}, {"K", "U-2"}, {"T", "U-2"}}},
        // A sloped one as Terrax, which has no fixed ends (that row only echoes its inputs)
        // and asks a single span for the sloped-glazing inputs the V row leaves empty.
        {"sloped", sloped, {{"V", "refused"}, {"K", ""}, {"T", "U-2"}}},
    };
    const std::map<std::string, std::string> builtIn = mullions("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mullions(c.catalogue), c.mullion);
    }
    // Without a catalogue the series' own rows, none of them named U-.
    for (const auto& [id, code] : builtIn)
        EXPECT_EQ(code.rfind("U-", 0), std::string::npos) << id;
}

}  // namespace
}  // namespace cw::batch
