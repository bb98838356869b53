#include "report/report_run.h"

#include "report/bay_diagrams.h"
#include "report/diagrams.h"
#include "report/figure.h"
#include "report/pdf_report.h"
#include "report/report_input.h"
#include "text/messages.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

ReportOutcome writeReport(const ReportRequest& request) {
    ReportOutcome outcome;
    const NumberFormat fmt = NumberFormat::fromLocale(request.locale);
    const std::string project =
        request.project.empty()
            ? QFileInfo(QString::fromStdString(request.input)).fileName().toStdString()
            : request.project;
    // A schedule's report speaks the language asked for, or Greek as the window starts.
    Language language = request.language.value_or(Language::Greek);
    bool languageKnown = request.language.has_value();
    std::unique_ptr<PdfReport> pdf;
    const auto start = [&](Language inLanguage) {
        if (!pdf)
            pdf = std::make_unique<PdfReport>(
                ReportMeta{project, today(), programName(), inLanguage});
    };
    const ReportInputResult read =
        readReportInput(request.input, fmt, request.language, [&](ReportBay&& bay) {
            if (!languageKnown) {
                language = bay.language;
                languageKnown = true;
            }
            start(language);
            pdf->addBay(bay.name, bayBlocks(bay));
        });
    if (read.error) {
        outcome.error = *read.error;
        return outcome;
    }
    start(language);
    pdf->addRefused(read.refused);
    if (auto error = pdf->write(QString::fromStdString(request.output))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.bays = read.bays;
    outcome.refused = read.refused.size();
    outcome.pages = pdf->pageCount();
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
    PdfReport pdf(ReportMeta{pdfFile.absoluteDir().dirName().toStdString(), today(), programName(),
                             bay.language});
    pdf.addBay(bay.name, bayBlocks(bay));
    if (auto error = pdf.write(QString::fromStdString(output))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.bays = 1;
    outcome.pages = pdf.pageCount();
    return outcome;
}

std::optional<std::string> writeBayDiagramsSvg(const BayDocument& bay, const NumberFormat& fmt,
                                               const std::string& output) {
    const ReportBay r = collectBay(std::string(), bay, fmt);
    if (r.refusal)
        return say(Message::ExportPictureNothing, r.language) + " " + *r.refusal;
    // What the window's Diagrams panel first shows: under limit states, the governing
    // combination.
    const BayDiagrams d = bayDiagrams(r.run);
    if (d.cases.empty())
        return say(Message::ExportPictureNothing, r.language);
    const Figure f = bayDiagramFigure(d, d.governing, r.language, fmt);
    const QString path = QFile::decodeName(output.c_str());
    if (writeFigureSvg(f, path, QString::fromStdString(say(Message::ReportHeadingDiagrams,
                                                           r.language))))
        return say(Message::ExportPictureFailed, r.language, {output});
    return std::nullopt;
}

}  // namespace cw::report
