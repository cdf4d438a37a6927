// The calculation file reader in both formats, filling a calculation.
#include "app/tillstand.h"
#include "files/berakningsfil.h"
#include "food/tabellfil.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const VaxoFil f =
        TolkaVaxo(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const auto& dag : f.maltider)
        for (const auto& maltid : dag)
            if (maltid.size() > 30) __builtin_trap();
    static Tillstand* t = new Tillstand;
    FyllFranVaxo(*t, f, [](const QString& kod, bool) -> std::optional<Livsmedelspost> {
        if (kod.size() % 3 != 0) return std::nullopt;
        Livsmedelspost p;
        p.falt.resize(73);
        p.falt[14] = 1.5;
        return p;
    });
    SkrivVaxo(*t, QStringLiteral("d"));
    return 0;
}
