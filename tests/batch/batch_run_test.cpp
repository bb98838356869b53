// The batch against the window: each schedule row's results and refusals must be what the
// replay tool shows for the same bay entered by hand.

#include "batch/batch_run.h"
#include "app/replay_script.h"
#include "batch/bay_designer.h"
#include "files/schedule_csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace cw::batch {
namespace {

constexpr const char* kHeader =
    "id,series,system,A1,A2,L1,L2,H1,H2,glass,band,pressure,speed,d,f,structure_weight,"
    "snow_height,slope\n";

using Row = std::map<std::string, std::string>;

struct BatchRun {
    BatchSummary summary;
    std::vector<Row> rows;
    std::string csv;
};

// Runs a schedule and reads the result CSV back with the schedule reader.
BatchRun runSchedule(const std::string& schedule, const std::string& locale,
                     Language language = Language::English) {
    BatchRun run;
    BatchOptions options;
    options.numberFormat = NumberFormat::fromLocale(locale);
    options.language = language;
    const char delimiter = options.numberFormat.decimal == "," ? ';' : ',';
    std::istringstream in(schedule);
    std::ostringstream out;
    auto sink = csvSink(out, "out", delimiter, false);
    run.summary = runBatch(in, "schedule.csv", schedule.size(), *sink, options);
    run.csv = out.str();
    std::istringstream back(run.csv);
    files::readSchedule(back, [&](const files::ScheduleRow& row) {
        Row r;
        for (std::size_t i = 0; i < row.header().names().size(); ++i)
            r[row.header().names()[i]] = std::string(row.field(i));
        run.rows.push_back(std::move(r));
    });
    return run;
}

QJsonObject replayDump(const std::string& script, const std::string& locale) {
    std::istringstream in(script + "click Command1\ndump\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runReplay(in, out, err, NumberFormat::fromLocale(locale)), 0) << err.str();
    return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
}

// The result columns and the panel's fields they read.
const std::map<std::string, std::string> kResultControls = {
    {"pressure_in_force_kNm2", "Text3"},
    {"wind_speed_of_run_kmh", "Text30"},
    {"required_Jx_cm4", "Text5"},
    {"required_Wx_cm3", "Text9"},
    {"moment_kNcm", "Text25"},
    {"transom_required_Jx_cm4", "Text15"},
    {"transom_required_Jy_cm4", "Text17"},
    {"mullion", "Text6"},
    {"mullion_Ix_cm4", "Text20"},
    {"mullion_Wx_cm3", "Text35"},
    {"transom", "Text14"},
    {"deflection_mm", "Text18"},
    {"allowable_deflection_mm", "Text23"},
    {"stress_kNcm2", "Text36"},
};

std::string verdictOf(const QJsonValue& v) {
    return v.isNull() ? std::string() : v.toString().toStdString();
}

struct BayCase {
    const char* name;
    const char* row;            // the schedule row, in the C locale
    const char* script;         // the same bay entered by hand (NEXT and the dump follow)
    const char* refusedColumn;  // the column a refusal names; nullptr when the row runs
    const char* requiredJx;     // a known value of the worked examples, or nullptr
};

// Rows that run and rows the window refuses, each against the same bay in the replay tool.
const BayCase kBays[] = {
    {"veltra_one_span", "W-01,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\nclick Option1\ntype Text38 15\n",
     nullptr, "30.52"},
    {"korin_two_spans_pressure", "W-02,korin,two-spans,150,150,400,200,100,200,10,,1,,200,15,,,",
     "click Option11\nclick Option13\ntype Text4 150\ntype Text7 150\ntype Text2 400\n"
     "type Text13 200\ntype Text10 100\ntype Text12 200\ntype Text8 1\nclick Command2\n"
     "type Text38 15\n",
     nullptr, "261.90"},
    {"terrax_sloped", "W-03,terrax,one-span,150,150,300,,100,200,10,8-20,,,200,15,0.1,100,30",
     "click Option12\nclick Option9\ntype Text4 150\ntype Text7 150\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\nclick Option2\ntype Text38 15\n",
     nullptr, "232.18"},
    {"terrax_two_spans", "W-04,terrax,two-spans,150,150,400,200,100,200,10,,1,,200,15,,,",
     "click Option12\nclick Option13\ntype Text4 150\ntype Text7 150\ntype Text2 400\n"
     "type Text13 200\ntype Text10 100\ntype Text12 200\ntype Text8 1\nclick Command2\n"
     "type Text38 15\n",
     nullptr, "261.90"},
    {"veltra_fixed_ends_speed", "W-05,veltra,fixed-ends,120,120,300,,100,200,10,,,120,200,15,,,",
     "click Option10\nclick Option14\ntype Text4 120\ntype Text7 120\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\ntype Text11 120\nclick Command4\ntype Text38 15\n",
     nullptr, nullptr},
    {"korin_no_fit", "W-06,korin,one-span,300,300,900,,100,150,10,20-100,,,200,15,,,",
     "click Option11\nclick Option9\ntype Text4 300\ntype Text7 300\ntype Text2 900\n"
     "type Text10 100\ntype Text12 150\nclick Option3\ntype Text38 15\n",
     nullptr, nullptr},
    {"glass_thick_deflection_small", "W-12,veltra,one-span,120,90,250,,100,150,24,0-8,,,300,8,,,",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\nclick Option1\ntype Text16 24\ntype Text37 300\n"
     "type Text38 8\n",
     nullptr, nullptr},
    {"negative_a1", "W-07,veltra,one-span,-120,90,250,,100,150,10,0-8,,,200,15,,,",
     "click Option10\nclick Option9\ntype Text4 -120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\nclick Option1\ntype Text38 15\n",
     "A1", nullptr},
    {"no_wind_load", "W-08,veltra,one-span,120,90,250,,100,150,10,,,,200,15,,,",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\ntype Text38 15\n",
     "band", nullptr},
    {"l2_above_l1", "W-09,korin,two-spans,150,150,200,300,100,200,10,0-8,,,200,15,,,",
     "click Option11\nclick Option13\ntype Text4 150\ntype Text7 150\ntype Text2 200\n"
     "type Text13 300\ntype Text10 100\ntype Text12 200\nclick Option1\ntype Text38 15\n",
     "L2", nullptr},
    {"divisor_fraction", "W-10,veltra,one-span,120,90,250,,100,150,10,0-8,,,0.4,15,,,",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\nclick Option1\ntype Text37 0.4\ntype Text38 15\n",
     "d", nullptr},
    {"deflection_empty", "W-13,veltra,one-span,120,90,250,,100,150,10,0-8,,,200,,,,",
     "click Option10\nclick Option9\ntype Text4 120\ntype Text7 90\ntype Text2 250\n"
     "type Text10 100\ntype Text12 150\nclick Option1\ntype Text38 \n",
     "f", nullptr},
    {"slope_out_of_range", "W-14,terrax,one-span,150,150,300,,100,200,10,8-20,,,200,15,0.1,100,95",
     "click Option12\nclick Option9\ntype Text4 150\ntype Text7 150\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\nclick Option2\ntype Text38 15\ntype Text42 95\n",
     "slope", nullptr},
    {"pressure_not_a_number", "W-15,korin,one-span,150,150,300,,100,200,10,,1x,,200,15,,,",
     "click Option11\nclick Option9\ntype Text4 150\ntype Text7 150\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\ntype Text8 1x\nclick Command2\ntype Text38 15\n",
     "pressure", nullptr},
    {"speed_too_high", "W-16,korin,one-span,150,150,300,,100,200,10,,,2000,200,15,,,",
     "click Option11\nclick Option9\ntype Text4 150\ntype Text7 150\ntype Text2 300\n"
     "type Text10 100\ntype Text12 200\ntype Text11 2000\nclick Command4\ntype Text38 15\n",
     "speed", nullptr},
};

TEST(BatchAgainstReplay, EveryRowGivesTheWindowsResultsOrItsRefusal) {
    std::string schedule = kHeader;
    for (const BayCase& c : kBays)
        schedule += std::string(c.row) + "\n";
    // English messages: the window's English captions.
    const BatchRun run = runSchedule(schedule, "C");
    ASSERT_FALSE(run.summary.failure);
    ASSERT_EQ(run.rows.size(), std::size(kBays));
    std::size_t refused = 0;
    for (std::size_t i = 0; i < std::size(kBays); ++i) {
        const BayCase& c = kBays[i];
        SCOPED_TRACE(c.name);
        const Row& row = run.rows[i];
        const QJsonObject dump = replayDump(std::string("click Command10\n") + c.script, "C");
        const QJsonObject controls = dump["controls"].toObject();
        const QJsonArray messages = dump["messages"].toArray();
        if (c.refusedColumn) {
            ++refused;
            ASSERT_FALSE(messages.isEmpty());
            // The batch names its columns where the window names its buttons.
            EXPECT_EQ(row.at("error"),
                      std::string(c.refusedColumn) + ": " +
                          files::inColumnWords(messages[0].toString().toStdString(), Language::English));
            for (const auto& [column, control] : kResultControls)
                EXPECT_EQ(row.at(column), "") << column;
            continue;
        }
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_EQ(row.at("error"), "");
        for (const auto& [column, control] : kResultControls) {
            const QJsonObject field = controls[QString::fromStdString(control)].toObject();
            const std::string shown =
                field["visible"].toBool() ? field["text"].toString().toStdString() : "";
            if (column == "mullion" && shown.empty()) {
                EXPECT_EQ(row.at(column), "Δεν υπάρχει τέτοια κολώνα");
            } else {
                EXPECT_EQ(row.at(column), shown) << column;
            }
        }
        const QJsonObject verdicts = dump["verdicts"].toObject();
        EXPECT_EQ(row.at("stress_verdict"), verdictOf(verdicts["stress"]));
        EXPECT_EQ(row.at("deflection_verdict"), verdictOf(verdicts["deflection"]));
        if (c.requiredJx) {
            EXPECT_EQ(row.at("required_Jx_cm4"), c.requiredJx);
        }
        // The inputs come back as given.
        EXPECT_EQ(row.at("id") + ",", std::string(c.row).substr(0, row.at("id").size() + 1));
    }
    EXPECT_EQ(run.summary.rows, std::size(kBays));
    EXPECT_EQ(run.summary.refused, refused);
    EXPECT_EQ(exitStatus(run.summary), 1);
}

// Choices the window offers as option buttons are checked by the batch itself.
TEST(BatchChoices, UnknownOrMissingChoicesNameTheirColumn) {
    const struct {
        const char* row;
        const char* error;
    } cases[] = {
        {"X,alu,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,",
         "series: The column \"series\" holds \"alu\": expected veltra, korin or terrax."},
        {"X,,one-span,120,90,250,,100,150,10,0-8,,,200,15,,,",
         "series: The column \"series\" is empty: expected veltra, korin or terrax."},
        {"X,Veltra,one span,120,90,250,,100,150,10,0-8,,,200,15,,,",
         "system: The column \"system\" holds \"one span\": expected one-span, fixed-ends or "
         "two-spans."},
        {"X,terrax,fixed-ends,120,90,250,,100,150,10,0-8,,,200,15,,,",
         "system: The column \"system\" holds \"fixed-ends\": expected one-span or two-spans."},
        {"X,korin,one-span,120,90,250,,100,150,10,0-10,,,200,15,,,",
         "band: The column \"band\" holds \"0-10\": expected 0-8, 8-20 or 20-100."},
        {"X,korin,one-span,120,90,250,,100,150,10,0-8,1,,200,15,,,",
         "band: Give one wind load: the columns \"band\", \"pressure\" and \"speed\" give more "
         "than one."},
    };
    std::string schedule = kHeader;
    for (const auto& c : cases)
        schedule += std::string(c.row) + "\n";
    const BatchRun run = runSchedule(schedule, "C");
    ASSERT_EQ(run.rows.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(run.rows[i].at("error"), cases[i].error);
    EXPECT_EQ(run.summary.refused, std::size(cases));
}

// Under Greek settings a schedule is written with semicolons and decimal commas; the same bays
// give the same numbers, written with commas, and the messages are Greek.
TEST(BatchLocale, SemicolonAndDecimalCommaUnderGreekSettings) {
    const std::string greek =
        "\xEF\xBB\xBFid;series;system;A1;A2;L1;L2;H1;H2;glass;band;pressure;speed;d;f;"
        "structure_weight;snow_height;slope\r\n"
        "W-03;terrax;one-span;150;150;300;;100;200;10;8-20;;;200;15;0,1;100;30\r\n"
        "W-02;korin;two-spans;150;150;400;200;100;200;10;;1,0;;200;15;;;\r\n"
        "W-20;terrax;one-span;150;150;300;;100;200;10;8-20;;;200;15;0.1;100;30\r\n"
        "\"W-21; a\";veltra;one-span;120,5;90;250;;100;150;10;0-8;;;200;12,5;;;\r\n";
    const std::string point =
        std::string(kHeader) +
        "W-03,terrax,one-span,150,150,300,,100,200,10,8-20,,,200,15,0.1,100,30\n"
        "W-02,korin,two-spans,150,150,400,200,100,200,10,,1.0,,200,15,,,\n"
        "W-20,terrax,one-span,150,150,300,,100,200,10,8-20,,,200,15,0,100,30\n"
        "\"W-21; a\",veltra,one-span,120.5,90,250,,100,150,10,0-8,,,200,12.5,,,\n";
    const BatchRun el = runSchedule(greek, "el_GR", Language::Greek);
    const BatchRun c = runSchedule(point, "C", Language::English);
    ASSERT_FALSE(el.summary.failure);
    ASSERT_EQ(el.rows.size(), 4U);
    ASSERT_EQ(c.rows.size(), 4U);
    EXPECT_EQ(el.csv.substr(0, 9), "id;series");
    const auto commaToPoint = [](std::string s) {
        for (char& ch : s)
            if (ch == ',')
                ch = '.';
        return s;
    };
    for (const std::size_t i : {0U, 1U, 3U}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(el.rows[i].at("error"), "");
        EXPECT_FALSE(el.rows[i].at("required_Jx_cm4").empty());
        for (const auto& [column, control] : kResultControls)
            EXPECT_EQ(commaToPoint(el.rows[i].at(column)), c.rows[i].at(column)) << column;
    }
    EXPECT_EQ(el.rows[0].at("required_Jx_cm4"), "232,18");
    EXPECT_EQ(el.rows[3].at("id"), "W-21; a");
    // "0.1" is no number under Greek settings: the window's hint about the separator.
    EXPECT_EQ(el.rows[2].at("error"),
              "structure_weight: Το πεδίο «Βάρος προφίλ (kN / m^2)» δεν περιέχει αριθμό: \"0.1\"."
              " Στις τοπικές ρυθμίσεις το δεκαδικό διαχωριστικό είναι το κόμμα: 0,1");
    EXPECT_EQ(el.summary.refused, 1U);
}

TEST(BatchSchedule, AScheduleThatCannotBeReadStopsWithTheReason) {
    const struct {
        const char* schedule;
        const char* failure;
    } cases[] = {
        {"", "The schedule schedule.csv has no header line with column names."},
        {"id,series,A1\nW,veltra,1\n", "The schedule schedule.csv has no column \"system\"."},
        {"id,series,system,series\n",
         "The schedule schedule.csv names the column \"series\" "
         "twice (line 1)."},
        {"series,system\nveltra,one-span,3\n",
         "Line 2 of the schedule schedule.csv has more fields than the header has names."},
        {"series,system\n\"veltra,one-span\n",
         "The schedule schedule.csv ends inside a quoted field (line 2)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.schedule);
        const BatchRun run = runSchedule(c.schedule, "C");
        ASSERT_TRUE(run.summary.failure);
        EXPECT_EQ(*run.summary.failure, c.failure);
        EXPECT_EQ(exitStatus(run.summary), 2);
    }
}

TEST(BatchSchedule, AHeaderWithoutRowsGivesTheResultHeaderAndStatusZero) {
    const BatchRun run = runSchedule(kHeader, "C");
    EXPECT_FALSE(run.summary.failure);
    EXPECT_EQ(run.summary.rows, 0U);
    EXPECT_EQ(exitStatus(run.summary), 0);
    EXPECT_EQ(run.csv.rfind("id,series,system,A1,", 0), 0U);
    EXPECT_NE(run.csv.find(",error\r\n"), std::string::npos);
}

}  // namespace
}  // namespace cw::batch
