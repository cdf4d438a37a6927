// Recipe files: whatever the records hold, nothing lands outside the meal
// and every text stays within its field.
#include "app/tillstand.h"
#include "files/berakningsfil.h"
#include "meal/berakning.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Tillstand* t = new Tillstand;
    Maltidsrad* maltid = t->Berakning[0][0];
    HamtaRecept(maltid,
                QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (int r = 0; r < kRader; ++r) {
        if (maltid[r].kod.langd > 22 || maltid[r].livsmedel.langd > 80 || maltid[r].tagg.langd > 5)
            __builtin_trap();
        maltid[r].livsmedel.text();
    }
    SkrivRecept(maltid);
    if (size % 7 == 0) TomBerakning(*t);
    return 0;
}
