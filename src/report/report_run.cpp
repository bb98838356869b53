#include "report/report_run.h"

#include "report/bay_diagrams.h"
#include "report/diagrams.h"
#include "report/figure.h"
#include "report/package.h"
#include "report/pdf_report.h"
#include "report/report_input.h"
#include "text/messages.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace cw::report {

namespace {

std::string today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace

std::string programName() {
    return std::string("curtainwall ") + CW_REPORT_VERSION;
}

namespace {

// The package's front: the title page, the design basis, the contents, the summary of every
// bay (failures first) and the anchor forces of every bay.
void addFront(PdfReport& pdf, const ProjectData& project, Language language,
              const NumberFormat& fmt, std::vector<BaySummary> summaries) {
    // The schedule's order: the refused rows where they stood among the bays.
    std::stable_sort(summaries.begin(), summaries.end(),
                     [](const BaySummary& a, const BaySummary& b) { return a.line < b.line; });
    PackageFront front = packageFront(project, today(), programName(), language, fmt, summaries);
    pdf.addFront(say(Message::PackageTitle, language), std::move(front.title));
    pdf.addFront(say(Message::PackageHeadingBasis, language), std::move(front.basis));
    pdf.addContents();
    pdf.addFront(say(Message::PackageHeadingSummary, language), std::move(front.summary));
    if (!front.anchors.empty())
        pdf.addFront(say(Message::PackageHeadingAnchors, language), std::move(front.anchors));
}

}  // namespace

ReportOutcome writeReport(const ReportRequest& request) {
    ReportOutcome outcome;
    const NumberFormat fmt = NumberFormat::fromLocale(request.locale);
    // A schedule's report speaks the language asked for, or Greek as the window starts.
    Language language = request.language.value_or(Language::Greek);
    bool languageKnown = request.language.has_value();
    std::unique_ptr<PdfReport> pdf;
    const auto start = [&](Language inLanguage) {
        if (!pdf)
            pdf = std::make_unique<PdfReport>(
                ReportMeta{std::string(), today(), programName(), inLanguage});
    };
    std::vector<BaySummary> summaries;
    std::optional<ProjectData> bayProject;
    const ReportInputResult read =
        readReportInput(request.input, fmt, request.language, [&](ReportBay&& bay) {
            if (!languageKnown) {
                language = bay.language;
                languageKnown = true;
            }
            start(language);
            if (!bayProject)
                bayProject = bay.document.project;
            summaries.push_back(summarizeBay(bay, int(summaries.size())));
            summaries.back().line = bay.line;
            pdf->addBay(bay.name, bayBlocks(bay));
        });
    if (read.error) {
        outcome.error = *read.error;
        return outcome;
    }
    start(language);
    for (const RefusedRow& row : read.refused) {
        summaries.push_back(summarizeRefused(row, language));
        summaries.back().line = row.line;
    }
    // A schedule has no project of its own: only the project file names one.
    const ProjectData project =
        request.project ? *request.project
                        : (read.bayFile && bayProject ? *bayProject : ProjectData{});
    pdf->setProject(project.name);
    addFront(*pdf, project, language, fmt, std::move(summaries));
    pdf->addRefused(read.refused);
    if (auto error = pdf->write(QString::fromStdString(request.output))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.bays = read.bays;
    outcome.refused = read.refused.size();
    outcome.pages = pdf->pageCount();
    outcome.frontPages = pdf->frontPageCount();
    return outcome;
}

ReportOutcome writeBayReport(const BayDocument& document, const NumberFormat& fmt,
                             const std::string& output, const Catalogue* catalogue) {
    ReportOutcome outcome;
    const QFileInfo pdfFile(QString::fromStdString(output));
    const ReportBay bay = collectBay(pdfFile.completeBaseName().toStdString(), document, fmt,
                                     std::nullopt, catalogue);
    // A report of inputs that give no run would print a refusal under a report's title; the
    // window says why instead and writes nothing.
    if (bay.refusal) {
        outcome.error = say(Message::ReportOfRefusedRun, bay.language, {*bay.refusal});
        return outcome;
    }
    PdfReport pdf(ReportMeta{document.project.name, today(), programName(), bay.language});
    addFront(pdf, document.project, bay.language, fmt, {summarizeBay(bay, 0)});
    pdf.addBay(bay.name, bayBlocks(bay));
    if (auto error = pdf.write(QString::fromStdString(output))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.bays = 1;
    outcome.pages = pdf.pageCount();
    outcome.frontPages = pdf.frontPageCount();
    return outcome;
}

std::optional<std::string> writeBayDiagramsSvg(const BayDocument& bay, const NumberFormat& fmt,
                                               const std::string& output,
                                               const Catalogue* catalogue,
                                               std::optional<std::size_t> set) {
    const ReportBay r = collectBay(std::string(), bay, fmt, std::nullopt, catalogue);
    if (r.refusal)
        return say(Message::ExportPictureNothing, r.language) + " " + *r.refusal;
    // What the window's Diagrams panel first shows: under limit states, the governing
    // combination.
    const BayDiagrams d = bayDiagrams(r.run);
    if (d.cases.empty())
        return say(Message::ExportPictureNothing, r.language);
    const Figure f = bayDiagramFigure(d, set && *set < d.cases.size() ? *set : d.governing,
                                      r.language, fmt);
    const QString path = QFile::decodeName(output.c_str());
    if (writeFigureSvg(f, path, QString::fromStdString(say(Message::ReportHeadingDiagrams,
                                                           r.language))))
        return say(Message::ExportPictureFailed, r.language, {output});
    return std::nullopt;
}

}  // namespace cw::report
