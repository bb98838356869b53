// curtainwall-batch SCHEDULE.csv [-o RESULTS.csv|RESULTS.xlsx] [--locale NAME]: every bay of a
// schedule designed as the window designs it, one result row a bay.

#include "batch/batch_run.h"
#include "files/catalogue_file.h"
#include "export/atomic_file.h"
#include "bay/locale_names.h"
#include "text/messages.h"

#include <unistd.h>

#include <sys/stat.h>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: curtainwall-batch SCHEDULE.csv [-o RESULTS.csv|RESULTS.xlsx] [--locale NAME]\n"
    "                         [--catalogue FILE]\n"
    "       curtainwall-batch --help | --version\n"
    "  Designs every bay of the schedule; results as CSV on standard output unless -o names\n"
    "  a .csv or .xlsx file. Numbers are read and written in the notation of NAME (default C,\n"
    "  a point); messages are Greek under an el locale, English otherwise. The output is\n"
    "  written under a temporary name and put in place only when complete; it must not be\n"
    "  the schedule itself.\n"
    "  --catalogue FILE designs every row with a user catalogue (.csv or .xlsx). Optional\n"
    "  columns: catalogue (a catalogue file for that row, from the schedule's folder unless\n"
    "  absolute; FILE where empty), basis (allowable or limit-states), alloy (e.g. 6060 T6),\n"
    "  hanging (top or base) and sk (ground snow load, kN/m2). A schedule with a basis column\n"
    "  gets these columns repeated after the results, then the limit-state results:\n"
    "  limit_state_mullion, governing_check, utilisation, limit_state_verdict (pass, fail,\n"
    "  passes unverified or not checked) and section_class.\n"
    "Exit status:\n"
    "  0  every row was designed\n"
    "  1  some rows were refused (the reason is in their error column)\n"
    "  2  the run did not complete: the schedule could not be read, the results could not be\n"
    "     written (any earlier output file is as it was), the output is the schedule, the\n"
    "     locale is not installed, or the command line is wrong\n";

bool endsWithNoCase(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size())
        return false;
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) != tail[i])
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::string locale = "C";
    std::string schedulePath;
    std::string outputPath;
    std::string cataloguePath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc) {
            locale = argv[++i];
        } else if (arg.rfind("--locale=", 0) == 0) {
            locale = arg.substr(9);
        } else if (arg == "--catalogue" && i + 1 < argc) {
            cataloguePath = argv[++i];
        } else if (arg == "-o" && i + 1 < argc) {
            outputPath = argv[++i];
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "curtainwall-batch " << CW_VERSION << '\n';
            return 0;
        } else if (schedulePath.empty() && (arg == "-" || arg.rfind("-", 0) != 0)) {
            schedulePath = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (schedulePath.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    if (!cw::localeInstalled(locale)) {
        std::cerr << "curtainwall-batch: " << cw::unknownLocaleMessage(locale) << '\n';
        return 2;
    }

    cw::batch::BatchOptions options;
    options.numberFormat = cw::NumberFormat::fromLocale(locale);
    options.language = locale.rfind("el", 0) != 0 ? cw::Language::English : cw::Language::Greek;
    const char delimiter = options.numberFormat.decimal == "," ? ';' : ',';
    if (!cataloguePath.empty()) {
        cw::files::CatalogueLoad load = cw::files::loadCatalogueFile(cataloguePath);
        if (!load.catalogue) {
            std::cerr << "curtainwall-batch: "
                      << cw::files::describeCatalogueFaults(
                             std::filesystem::path(cataloguePath).filename().string(),
                             load.faults, options.language)
                      << '\n';
            return 2;
        }
        options.catalogue = std::make_shared<const cw::Catalogue>(std::move(*load.catalogue));
    }

    std::ifstream file;
    std::istream* schedule = &std::cin;
    std::optional<std::size_t> size;
    std::string name = schedulePath == "-" ? "(standard input)" : schedulePath;
    struct stat input {};
    bool inputKnown = false;
    if (schedulePath != "-") {
        struct stat st {};
        if (::stat(schedulePath.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            size = std::size_t(st.st_size);
        file.open(schedulePath, std::ios::binary);
        if (!file || (::stat(schedulePath.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) {
            std::cerr << "curtainwall-batch: "
                      << cw::say(cw::Message::ScheduleUnreadable, options.language, {name}) << '\n';
            return 2;
        }
        inputKnown = ::stat(schedulePath.c_str(), &input) == 0;
        schedule = &file;
        options.scheduleFolder = std::filesystem::path(schedulePath).parent_path();
    } else {
        inputKnown = ::fstat(STDIN_FILENO, &input) == 0;
    }
    // Writing the results over the schedule would destroy it before it is read.
    if (!outputPath.empty() && inputKnown && cw::xlsx::sameFile(input, outputPath)) {
        std::cerr << "curtainwall-batch: "
                  << cw::say(cw::Message::OutputIsInput, options.language, {outputPath, name})
                  << '\n';
        return 2;
    }

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (terminal)
        options.progress = [](std::size_t rows, std::optional<double> share) {
            if (share)
                std::fprintf(stderr, "\r%zu rows, %3.0f %%", rows, *share * 100.0);
            else
                std::fprintf(stderr, "\r%zu rows", rows);
            std::fflush(stderr);
        };

    std::unique_ptr<cw::batch::ResultSink> sink;
    const std::string target = outputPath.empty() ? outputPath : cw::xlsx::writeTarget(outputPath);
    if (outputPath.empty())
        sink = cw::batch::csvSink(std::cout, "(standard output)", delimiter, false);
    else if (endsWithNoCase(outputPath, ".xlsx"))
        sink = cw::batch::xlsxSink(target, options.numberFormat);
    else  // Spreadsheet programs take a file for UTF-8 only with the mark.
        sink = cw::batch::csvFileSink(target, delimiter, true);

    const cw::batch::BatchSummary summary =
        cw::batch::runBatch(*schedule, name, size, *sink, options);
    if (terminal && summary.rows >= 16384)
        std::fputc('\n', stderr);
    if (summary.failure) {
        std::cerr << "curtainwall-batch: " << *summary.failure << '\n';
        return 2;
    }
    if (summary.refused > 0)
        std::cerr << "curtainwall-batch: " << cw::batch::refusedLine(summary, options.language)
                  << '\n';
    return cw::batch::exitStatus(summary);
}
