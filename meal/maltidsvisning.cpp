#include "meal/maltidsvisning.h"

#include "app/text.h"
#include "meal/maltidsrad.h"

QString MaltidsCell(const Maltidsrad& r, int kolumn) {
    switch (kolumn) {
    case 0:
        return r.livsmedel.text();
    case 1: {
        const float antal = r.portionsstorlek <= 0.01f ? 0.0f : r.gram / r.portionsstorlek;
        return antal <= 0.01f ? QStringLiteral("-") : SystemFast(antal, 7, 1);
    }
    case 2:
        return r.enhet.text();
    case 3:
        return r.gram <= 0.01f ? QStringLiteral("-") : SystemFast(r.gram, 7, 0);
    case 4:
        return r.kgpris <= 0.01f ? QStringLiteral("-") : SystemFast(r.kgpris, 7, 2);
    default:
        return {};
    }
}

unsigned RadFarg(int rad) {
    static constexpr unsigned farger[10] = {0x000000, 0x0000FF, 0xFF0000, 0x008000, 0xFF00FF,
                                            0x800080, 0x00FF00, 0x808080, 0x00FFFF, 0x000000};
    if (rad <= 0) return farger[0];
    return farger[((rad - 1) % 9) + 1];
}
