// curtainwall-report INPUT -o OUT.pdf [--language el|en] [--locale NAME]: the calculation
// report of a bay file, or of every bay of a schedule, as a PDF.

#include "report/report_run.h"

#include <QGuiApplication>

#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: curtainwall-report INPUT -o OUT.pdf [--language el|en] [--locale NAME]\n"
    "  INPUT is a bay file (.cwbay) or a schedule (.csv)\n";

}  // namespace

int main(int argc, char** argv) {
    cw::report::ReportRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if ((arg == "-o" || arg == "--output") && hasValue) {
            request.output = argv[++i];
        } else if (arg == "--language" && hasValue) {
            const std::string language = argv[++i];
            if (language != "el" && language != "en") {
                std::cerr << "--language takes el or en\n" << kUsage;
                return 2;
            }
            request.language = language == "en" ? cw::BayLanguage::English : cw::BayLanguage::Greek;
        } else if (arg == "--locale" && hasValue) {
            request.locale = argv[++i];
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (request.input.empty() && arg.rfind("-", 0) != 0) {
            request.input = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (request.input.empty() || request.output.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    // The PDF writer needs Qt Gui's fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const cw::report::ReportOutcome outcome = cw::report::writeReport(request);
    if (outcome.error) {
        std::cerr << *outcome.error << '\n';
        return 1;
    }
    std::cout << outcome.bays << " bay(s), " << outcome.refused << " row(s) refused, "
              << outcome.pages << " page(s): " << request.output << '\n';
    return 0;
}
