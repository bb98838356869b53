#include "document/bay_file_commands.h"

#include "document/catalogue_commands.h"

#include "input/bay_document_io.h"
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
    const files::BayFileReadResult read = files::readBayFile(qtPath(path), f.numberFormat());
    if (!read.document) {
        // A reader that gives neither a document nor a reason is a fault of the reader.
        const files::BayFileError error =
            read.error.value_or(files::BayFileError{files::BayFileErrorKind::Unreadable, {}});
        f.state().message(files::bayFileErrorMessage(error, path, f.state().languageShowing()));
        return false;
    }
    const BayDocument& d = *read.document;
    bool catalogueChosenAnew = false;
    if (d.catalogue) {
        CatalogueOfBay ofBay = findCatalogueOfBay(f.state(), *d.catalogue, d.series);
        catalogueChosenAnew = ofBay.chosenByUser;
        openDocument(f, d, std::move(ofBay.found));
    } else {
        openDocument(f, d);
    }
    // What the window holds now is what counts as saved: a run may have written its texts
    // over in its own notation.
    f.state().document = {path, documentOf(f.state())};
    // The file still names the catalogue it was saved with: the one chosen instead is a
    // change to save.
    if (catalogueChosenAnew)
        f.state().document.saved.catalogue = d.catalogue;
    return true;
}

}  // namespace cw
