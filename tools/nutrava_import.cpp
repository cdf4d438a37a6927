// Imports the Swedish Food Agency's Excel export into a food table:
//   nutrava-import EXPORT.xlsx KATALOG TABELL REGELKATALOG
#include "food/import.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (a.size() != 5) {
        err << "Användning: nutrava-import EXPORT.xlsx KATALOG TABELL REGELKATALOG\n";
        return 2;
    }
    Importregler regler;
    QString fel = LasImportregler(a[4], regler);
    if (!fel.isEmpty()) {
        err << fel << "\n";
        return 1;
    }
    const ImportResultat r = ImporteraLivsmedelsdatabas(a[1], a[2], a[3], regler);
    if (!r.fel.isEmpty()) {
        err << r.fel << "\n";
        return 1;
    }
    QTextStream(stdout) << a[3] << ": " << r.livsmedel << " livsmedel, version " << r.utgava
                        << "\n";
    return 0;
}
