// Builds the program's tables from delivered sources:
//   nutrava-import livsmedel EXPORT.xlsx KATALOG TABELL REGELKATALOG
//   nutrava-import normer NORMER.csv KATALOG
#include "food/import.h"
#include "person/normtabell.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    QTextStream err(stderr);
    QTextStream out(stdout);
    if (a.size() == 6 && a[1] == QLatin1String("livsmedel")) {
        Importregler regler;
        const QString fel = LasImportregler(a[5], regler);
        if (!fel.isEmpty()) {
            err << fel << "\n";
            return 1;
        }
        const ImportResultat r = ImporteraLivsmedelsdatabas(a[2], a[3], a[4], regler);
        if (!r.fel.isEmpty()) {
            err << r.fel << "\n";
            return 1;
        }
        out << a[4] << ": " << r.livsmedel << " livsmedel, version " << r.utgava << "\n";
        return 0;
    }
    if (a.size() == 4 && a[1] == QLatin1String("normer")) {
        QFile f(a[2]);
        if (!f.open(QIODevice::ReadOnly)) {
            err << "Kan ej öppna " << a[2] << "\n";
            return 1;
        }
        std::vector<std::vector<QVariant>> rader;
        QString fel = TolkaNormCsv(QString::fromUtf8(f.readAll()), rader);
        if (fel.isEmpty()) fel = SkrivNormtabell(a[3], rader);
        if (!fel.isEmpty()) {
            err << a[2] << ": " << fel << "\n";
            return 1;
        }
        out << "normer: " << rader.size() << " rader\n";
        return 0;
    }
    err << "Användning:\n  nutrava-import livsmedel EXPORT.xlsx KATALOG TABELL REGELKATALOG\n"
           "  nutrava-import normer NORMER.csv KATALOG\n";
    return 2;
}
