#include "food/nvkatalog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NvValTabell v{};
    TolkaNvVal(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), v);
    const int n = RaknaNvVal(v);
    if (n < 0 || n > 51) __builtin_trap();
    // What is written must read back as the same selection.
    NvValTabell igen{};
    if (!TolkaNvVal(SkrivNvVal(v, true), igen).ok) __builtin_trap();
    for (int s = 15; s <= 65; ++s)
        if (igen[static_cast<std::size_t>(s)] != v[static_cast<std::size_t>(s)]) __builtin_trap();
    return 0;
}
