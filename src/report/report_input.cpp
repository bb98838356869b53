#include "report/report_input.h"

#include "files/bay_file.h"
#include "files/schedule_columns.h"
#include "files/schedule_csv.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <fstream>

namespace cw::report {

namespace {

// The first non-blank byte of a bay file opens its JSON object.
bool looksLikeBayFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char c = 0;
    while (in.get(c))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c == '{';
    return false;
}

std::string stem(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString();
}

}  // namespace

ReportInputResult readReportInput(const std::string& path, const NumberFormat& fmt,
                                  std::optional<Language> language,
                                  const std::function<void(ReportBay&&)>& onBay) {
    ReportInputResult result;
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        result.error = path + ": no such file";
        return result;
    }
    // Refusals in the language of the report: the bay file's own, or Greek for a schedule.
    const Language messages = language.value_or(Language::Greek);
    if (looksLikeBayFile(path)) {
        const files::BayFileReadResult read = files::readBayFile(QString::fromStdString(path), fmt);
        if (!read.document) {
            result.error = files::bayFileErrorMessage(*read.error, path, messages);
            return result;
        }
        onBay(collectBay(stem(path), *read.document, fmt, language));
        result.bays = 1;
        result.bayFile = true;
        return result;
    }

    // The schedule's columns and refusals are the batch's: one schedule serves both.
    std::optional<files::ColumnMap> columns;
    const std::filesystem::path scheduleFolder = std::filesystem::path(path).parent_path();
    const files::ScheduleReadResult read =
        files::readScheduleFile(path, [&](const files::ScheduleRow& row) {
            if (!columns)
                columns.emplace(row.header());
            const files::RowTexts texts = files::rowTexts(row, *columns);
            std::string id(texts[static_cast<std::size_t>(files::Column::Id)]);
            if (id.empty())
                id = "#" + std::to_string(row.line());
            files::RowBay bay = files::bayOfRow(texts, fmt, messages);
            if (bay.error) {
                result.refused.push_back({row.line(), id, *bay.error});
                return;
            }
            // A row's catalogue is read as a bay file's is: a file that cannot be read
            // refuses the bay rather than design it with other profiles.
            if (!bay.catalogue.empty()) {
                const std::filesystem::path file =
                    files::scheduleCataloguePath(bay.catalogue, scheduleFolder);
                bay.document.catalogue = CatalogueRef{file.filename().string(), file.string(), {}};
            }
            ReportBay collected = collectBay(id, bay.document, fmt, language);
            if (collected.refusal) {
                result.refused.push_back(
                    {row.line(), id, files::inColumnWords(*collected.refusal, messages)});
                return;
            }
            ++result.bays;
            collected.line = row.line();
            onBay(std::move(collected));
        });
    if (read.error)
        result.error = files::scheduleFailure(read, path, messages);
    return result;
}

}  // namespace cw::report
