#include "food/tabellfil.h"

#include "food/schema.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <atomic>

namespace {

int jamforSvenska(void*, int la, const void* a, int lb, const void* b) {
    // QCollator is not safe to share between threads; the program has one.
    thread_local QCollator kollator = [] {
        QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), la);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lb);
    int r = kollator.compare(sa, sb);
    if (r == 0) r = QString::compare(sa, sb); // a total order: equal only when identical
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

QString nyttAnslutningsnamn() {
    static std::atomic<int> nummer{0};
    return QStringLiteral("nutrava-%1").arg(++nummer);
}

} // namespace

bool RegistreraSvenskSortering(const QSqlDatabase& db) {
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return false;
    sqlite3* handle = *static_cast<sqlite3* const*>(h.data());
    if (!handle) return false;
    return sqlite3_create_collation(handle, "SVENSKA", SQLITE_UTF8, nullptr, jamforSvenska) ==
           SQLITE_OK;
}

Tabellfil::~Tabellfil() {
    stang();
}

QString Tabellfil::filnamn(const QString& katalog, const QString& tabell) {
    return QDir(katalog.isEmpty() ? QStringLiteral(".") : katalog)
        .filePath(tabell + QStringLiteral(".db"));
}

QString Tabellfil::oppna(const QString& katalog, const QString& tabell, bool baraLasa) {
    stang();
    m_tabell = tabell;
    m_sokvag = filnamn(katalog, tabell);
    const QString visadKatalog = QDir::toNativeSeparators(QFileInfo(m_sokvag).absoluteDir().path());
    const QString fil = QFileInfo(m_sokvag).fileName();
    // The driver would create a missing file; an absent table must be reported.
    if (!QFileInfo(m_sokvag).isFile()) {
        return QStringLiteral("Tabellen %1 (filen %2) finns inte i katalogen %3.")
            .arg(tabell, fil, visadKatalog);
    }
    m_anslutning = nyttAnslutningsnamn();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_anslutning);
    db.setDatabaseName(m_sokvag);
    if (baraLasa) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QString fel;
    if (!db.open()) {
        fel = db.lastError().text();
    } else {
        RegistreraSvenskSortering(db);
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(SqlNamn(tabell))))
            fel = q.lastError().text();
    }
    if (!fel.isEmpty()) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_anslutning);
        m_anslutning.clear();
        return QStringLiteral("Kan ej öppna tabellen %1 (filen %2 i katalogen %3): %4")
            .arg(tabell, fil, visadKatalog, fel);
    }
    m_oppen = true;
    return {};
}

void* Tabellfil::uppslag() const {
    if (!m_oppen) return nullptr;
    if (!m_uppslag) {
        // Qt's parameter binding formats a placeholder name for every value it
        // binds; the look-up runs for every row of an opened calculation, so
        // it goes to SQLite directly.
        const QVariant h = db().driver()->handle();
        if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return nullptr;
        sqlite3* handle = *static_cast<sqlite3* const*>(h.data());
        const QByteArray sql =
            QStringLiteral("SELECT * FROM %1 WHERE \"Kod\" = ?").arg(SqlNamn(m_tabell)).toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(handle, sql.constData(), static_cast<int>(sql.size()), &st,
                               nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return nullptr;
        }
        m_uppslag = st;
    }
    return m_uppslag;
}

std::shared_ptr<const Faltnamn> Tabellfil::faltnamn() const {
    if (!m_faltnamn && m_oppen) {
        QStringList n;
        const QSqlRecord r = db().record(m_tabell);
        for (int i = 0; i < r.count(); ++i) n << r.fieldName(i);
        m_faltnamn = std::make_shared<const Faltnamn>(n);
    }
    return m_faltnamn;
}

Faltnamn::Faltnamn(const QStringList& n) : namn(n) {
    for (int i = 0; i < n.size(); ++i)
        if (!index.contains(n[i].toLower())) index.insert(n[i].toLower(), i);
}

void Tabellfil::stang() {
    if (m_uppslag) sqlite3_finalize(static_cast<sqlite3_stmt*>(m_uppslag));
    m_uppslag = nullptr;
    m_faltnamn.reset();
    if (m_anslutning.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_anslutning, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_anslutning);
    m_anslutning.clear();
    m_oppen = false;
}

QSqlDatabase Tabellfil::db() const {
    return QSqlDatabase::database(m_anslutning.isEmpty() ? QStringLiteral("-") : m_anslutning,
                                  false);
}

int Livsmedelspost::position(const QString& faltnamn) const {
    if (!namn) return -1;
    return namn->index.value(faltnamn.toLower(), -1);
}

QString Livsmedelspost::text(const QString& faltnamn) const {
    const int p = position(faltnamn);
    if (p < 0 || falt[static_cast<std::size_t>(p)].isNull()) return {};
    return falt[static_cast<std::size_t>(p)].toString();
}

float Livsmedelspost::tal(int p) const {
    if (p < 0 || static_cast<std::size_t>(p) >= falt.size()) return 0.0f;
    const QVariant& v = falt[static_cast<std::size_t>(p)];
    if (v.isNull()) return 0.0f;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? static_cast<float>(d) : 0.0f;
}

std::optional<Livsmedelspost> HittaLivsmedel(const Tabellfil& t, const QString& kod) {
    auto* st = static_cast<sqlite3_stmt*>(t.uppslag());
    if (!st) return std::nullopt;
    const QByteArray k = kod.toUtf8();
    sqlite3_reset(st);
    sqlite3_bind_text(st, 1, k.constData(), static_cast<int>(k.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) != SQLITE_ROW) {
        sqlite3_reset(st);
        return std::nullopt;
    }
    Livsmedelspost p;
    p.namn = t.faltnamn();
    const int antal = sqlite3_column_count(st);
    p.falt.reserve(static_cast<std::size_t>(antal));
    for (int i = 0; i < antal; ++i) {
        switch (sqlite3_column_type(st, i)) {
        case SQLITE_INTEGER:
            p.falt.emplace_back(static_cast<qlonglong>(sqlite3_column_int64(st, i)));
            break;
        case SQLITE_FLOAT:
            p.falt.emplace_back(sqlite3_column_double(st, i));
            break;
        case SQLITE_NULL:
            p.falt.emplace_back();
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            p.falt.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(st, i)));
            break;
        }
        }
    }
    // No statement is left open over the table between look-ups.
    sqlite3_reset(st);
    return p;
}

bool SkrivFalt(const Tabellfil& t, const QString& kod, const QString& faltnamn,
               const QVariant& varde) {
    if (!t.arOppen()) return false;
    QSqlQuery q(t.db());
    q.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE \"Kod\" = ?")
                  .arg(SqlNamn(t.tabell()), SqlNamn(faltnamn)));
    q.addBindValue(varde);
    q.addBindValue(kod);
    return q.exec() && q.numRowsAffected() == 1;
}
