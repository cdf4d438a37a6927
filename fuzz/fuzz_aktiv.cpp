// The aktiv.txt reader: whatever it reads is written back as 600 lines.
#include "person/aktivitet.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Aktivitetstabell t;
    TolkaAktivtxt(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), t);
    if (SkrivAktivtxt(t).count("\r\n") < 600) __builtin_trap();
    Aktivitetsnamn(t);
    return 0;
}
