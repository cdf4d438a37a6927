// The ".norm" companion reader.
#include "files/berakningsfil.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const NormfilData n =
        TolkaNormfil(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (n.antal < 0 || n.antal > 51) __builtin_trap();
    if (n.text && n.text->size() > 80) __builtin_trap();
    return 0;
}
