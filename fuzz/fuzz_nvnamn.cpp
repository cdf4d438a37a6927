#include "food/nvkatalog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NvKatalogTabell k{};
    TolkaNvKatalog(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                   k);
    for (const NvPost& p : k) {
        if (p.nvNamn.size() > 12 || p.nvEtikett.size() > 12 || p.nvEnhet.size() > 2 ||
            p.nvDecimaler < 0 || p.nvDecimaler > 9)
            __builtin_trap();
    }
    return 0;
}
