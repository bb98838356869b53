#include "document/bay_file_commands.h"

#include "text/messages.h"

#include <QString>

#include <utility>

namespace cw {

namespace {

QString qtPath(const std::string& path) {
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

}  // namespace

bool saveBay(WindowState& w, const std::string& path) {
    const BayDocument document = documentOf(w);
    if (const auto reason = files::writeBayFile(qtPath(path), document, w.numberFormat())) {
        w.message(
            say(Message::BayFileNotSaved, w.languageShowing(), {path, reason->toStdString()}));
        return false;
    }
    w.document = {path, document};
    return true;
}

bool openBay(Form& f, const std::string& path) {
    const WindowState& w = f.state();
    const files::CatalogueSources catalogues = catalogueSourcesOf(w);
    files::BayOpening opening =
        files::readBayOpening(path, w.numberFormat(), w.languageShowing(), catalogues);
    return showOpenedBay(f, path, std::move(opening));
}

}  // namespace cw
