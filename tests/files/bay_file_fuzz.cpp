// libFuzzer target for the bay-file reader. The input is a bay file, read under a decimal
// comma and a decimal point. Besides the sanitizers it checks that a file that opens, saved
// again, opens to the same document and saves to the same bytes, and that a refusal names a
// field exactly when its kind concerns one.

#include "files/bay_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using cw::files::BayFileErrorKind;

void fail(const char* what) {
    std::fprintf(stderr, "bay_file_fuzz: %s\n", what);
    std::abort();
}

void check(const QByteArray& json, const cw::NumberFormat& fmt) {
    const cw::files::BayFileReadResult read = cw::files::bayDocumentFromJson(json, fmt);
    if (read.document.has_value() == read.error.has_value())
        fail("neither or both of a document and an error");
    if (read.error) {
        const bool namesField = !read.error->field.empty();
        const BayFileErrorKind kind = read.error->kind;
        const bool concernsField = kind != BayFileErrorKind::Unreadable &&
                                   kind != BayFileErrorKind::TooLarge &&
                                   kind != BayFileErrorKind::NotJson;
        if (namesField != concernsField)
            fail("a refusal names a field when it should not, or none when it should");
        if (kind == BayFileErrorKind::NotJson && read.error->jsonOffset < 0)
            fail("a JSON refusal without its offset");
        return;
    }
    const QByteArray saved = cw::files::bayDocumentToJson(*read.document, fmt);
    const cw::files::BayFileReadResult again = cw::files::bayDocumentFromJson(saved, fmt);
    if (!again.document)
        fail("a saved document does not open");
    if (!(*again.document == *read.document))
        fail("a saved document opens to another document");
    if (cw::files::bayDocumentToJson(*again.document, fmt) != saved)
        fail("saving twice gives other bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    check(json, cw::NumberFormat{",", "-", "+"});
    check(json, cw::NumberFormat{".", "-", "+"});
    return 0;
}
