#include "bay/catalogue_ref.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <utility>

namespace cw {

std::string catalogueSha256(std::string_view bytes) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return digest.toHex().toStdString();
}

Series seriesOfUse(CatalogueUse use) {
    return use == CatalogueUse::Sloped ? Series::Terrax : Series::Veltra;
}

CatalogueRef catalogueRefOf(const Catalogue& catalogue, std::string path, std::string_view bytes) {
    return CatalogueRef{catalogue.name, std::move(path), catalogueSha256(bytes)};
}

}  // namespace cw
