#include "food/tabellskrivare.h"

#include "food/tabellfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdio>

QString SkrivTabell(const QString& sokvag, const QString& tabell, const std::vector<Faltdef>& falt,
                    bool namnindex, const std::vector<std::vector<QVariant>>& rader) {
    static std::atomic<int> nummer{0};
    const QString tmp = sokvag + QStringLiteral(".tmp%1").arg(++nummer);
    QFile::remove(tmp);
    const QString anslutning = QStringLiteral("nutrava-skriv-%1").arg(nummer.load());
    QString fel;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), anslutning);
        db.setDatabaseName(tmp);
        if (!db.open()) {
            fel = db.lastError().text();
        } else {
            RegistreraSvenskSortering(db);
            QSqlQuery q(db);
            for (const QString& sql : SkapaTabellSql(tabell, falt, namnindex)) {
                if (fel.isEmpty() && !q.exec(sql)) fel = q.lastError().text();
            }
            if (fel.isEmpty()) {
                db.transaction();
                QStringList platser;
                for (std::size_t i = 0; i < falt.size(); ++i) platser << QStringLiteral("?");
                QSqlQuery ins(db);
                ins.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                .arg(SqlNamn(tabell), platser.join(u',')));
                for (const auto& rad : rader) {
                    for (std::size_t i = 0; i < falt.size(); ++i)
                        ins.bindValue(static_cast<int>(i), i < rad.size() ? rad[i] : QVariant());
                    if (!ins.exec()) {
                        fel = ins.lastError().text();
                        break;
                    }
                }
                if (fel.isEmpty()) {
                    if (!db.commit()) fel = db.lastError().text();
                } else {
                    db.rollback();
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(anslutning);
    if (fel.isEmpty()) {
        // rename() replaces the old file in one step on POSIX systems.
        if (std::rename(QFile::encodeName(tmp).constData(),
                        QFile::encodeName(sokvag).constData()) != 0)
            fel = QStringLiteral("kan inte byta namn på den tillfälliga filen");
    }
    if (!fel.isEmpty()) {
        QFile::remove(tmp);
        return QStringLiteral("Kan ej skriva tabellen %1 (%2): %3")
            .arg(tabell, QDir::toNativeSeparators(QFileInfo(sokvag).absoluteFilePath()), fel);
    }
    return {};
}
