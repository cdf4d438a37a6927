#include "food/losenord.h"

#include "app/tillstand.h"
#include "app/uppstart.h"

QString ReferensLosenord(Losenordsplats plats, const QString& redigeringsLosenord) {
    switch (plats) {
    case Losenordsplats::Normtabell:
    case Losenordsplats::Livsmedelstabell:
    case Losenordsplats::PrisJa:
        return redigeringsLosenord;
    case Losenordsplats::Aktivitetstabell:
    case Losenordsplats::InstallningarAndra:
    case Losenordsplats::PrisNej:
    case Losenordsplats::Tipstexter:
        break;
    }
    return QString::fromLatin1(kStandardLosenord);
}

bool RattLosenord(const QString& inmatat, const QString& referens) {
    return VersalerAZ(inmatat) == referens;
}
