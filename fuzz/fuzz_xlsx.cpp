// The food agency's export reader and the import over what it reads.
#include "food/import.h"
#include "food/xlsx.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XlsxBlad blad;
    if (!LasXlsxData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                     blad)
             .isEmpty())
        return 0;
    static Importregler regler;
    std::vector<std::vector<QVariant>> rader;
    TolkaExport(blad, regler, rader);
    return 0;
}
