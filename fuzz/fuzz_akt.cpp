// The ".akt" reader, and the list it gives through the recomputation.
#include "person/aktivitet.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Aktivitetslista l;
    LasAkt(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), l);
    Aktivitetsvarden v;
    float norm[51] = {};
    const float ideal[6] = {15, 30, 55, 12.5f, 7.5f, 10};
    RaknaAktiviteterKarna(l, v, norm, ideal, [](int nr, float n[51]) {
        if (nr < 1 || nr > 16) __builtin_trap();
        n[0] = 1;
        return true;
    });
    const QByteArray ut = SkrivAkt(l);
    if (ut.count("\r\n") != 120) __builtin_trap();
    return 0;
}
