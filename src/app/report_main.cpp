// curtainwall-report INPUT -o OUT.pdf [--language el|en] [--locale NAME] [--project FILE]: the
// calculation package of a bay file, or of every bay of a schedule, as a PDF.

#include "export/atomic_file.h"
#include "bay/locale_names.h"
#include "files/project_file.h"
#include "report/report_run.h"
#include "text/messages.h"

#include <QGuiApplication>

#include <sys/stat.h>

#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: curtainwall-report INPUT -o OUT.pdf [--language el|en] [--locale NAME]\n"
    "                          [--project FILE]\n"
    "       curtainwall-report --help\n"
    "  INPUT is a bay file (.cwbay) or a schedule (.csv). The PDF is written under a\n"
    "  temporary name and put in place only when complete; it must not be the input.\n"
    "  FILE is a project file (JSON: name, site, client, engineer, checker, revisions)\n"
    "  for the title page and the page headers; without it a bay file's own project is used.\n"
    "Exit status:\n"
    "  0  the report was written (a schedule's refused rows are listed in it)\n"
    "  1  the input could not be read, or the PDF could not be written (any earlier file\n"
    "     OUT.pdf is as it was)\n"
    "  2  nothing was done: the command line is wrong, the locale is not installed, the\n"
    "     project file is refused, or the output is the input\n";

}  // namespace

int main(int argc, char** argv) {
    cw::report::ReportRequest request;
    bool localeGiven = false;
    std::string projectFile;
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
            request.language = language == "en" ? cw::Language::English : cw::Language::Greek;
        } else if (arg == "--locale" && hasValue) {
            request.locale = argv[++i];
            localeGiven = true;
        } else if (arg == "--project" && hasValue) {
            projectFile = argv[++i];
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
    if (localeGiven && !cw::localeInstalled(request.locale)) {
        std::cerr << "curtainwall-report: " << cw::unknownLocaleMessage(request.locale) << '\n';
        return 2;
    }
    const cw::Language language = request.language.value_or(cw::Language::Greek);
    if (!projectFile.empty()) {
        cw::files::ProjectFileResult project = cw::files::readProjectFile(projectFile);
        if (!project.project) {
            std::cerr << "curtainwall-report: "
                      << cw::files::projectFileErrorMessage(*project.error, projectFile, language)
                      << '\n';
            return 2;
        }
        request.project = std::move(*project.project);
    }
    if (struct stat input {}; ::stat(request.input.c_str(), &input) == 0 &&
                              cw::xlsx::sameFile(input, request.output)) {
        std::cerr << "curtainwall-report: "
                  << cw::say(cw::Message::OutputIsInput, language, {request.output, request.input})
                  << '\n';
        return 2;
    }
    // The PDF goes to a temporary file beside its place, renamed there once complete.
    const std::string shownOutput = request.output;
    const std::string target = cw::xlsx::writeTarget(request.output);
    cw::xlsx::AtomicFile pdfFile;
    if (!pdfFile.open(target)) {
        std::cerr << "curtainwall-report: "
                  << cw::say(cw::Message::ResultsUnwritable, language,
                             {shownOutput, cw::systemReason(pdfFile.error(), language)})
                  << '\n';
        return 1;
    }
    request.output = pdfFile.temporaryPath();

    // The PDF writer needs Qt Gui's fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const cw::report::ReportOutcome outcome = cw::report::writeReport(request);
    if (outcome.error) {
        std::cerr << *outcome.error << '\n';
        return 1;
    }
    struct stat before {};
    const bool replacing = ::stat(target.c_str(), &before) == 0 && S_ISREG(before.st_mode);
    if (!pdfFile.commit(replacing ? &before : nullptr)) {
        std::cerr << "curtainwall-report: "
                  << cw::say(cw::Message::ResultsUnwritable, language,
                             {shownOutput, cw::systemReason(pdfFile.error(), language)})
                  << '\n';
        return 1;
    }
    std::cout << outcome.bays << " bay(s), " << outcome.refused << " row(s) refused, "
              << outcome.pages << " page(s): " << shownOutput << '\n';
    return 0;
}
