#pragma once
// One table of the embedded store: a SQLite database file named after the
// table, in its directory, opened on its own connection with the Swedish
// collation registered.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

struct Faltnamn;

class Tabellfil {
public:
    Tabellfil() = default;
    ~Tabellfil();
    Tabellfil(const Tabellfil&) = delete;
    Tabellfil& operator=(const Tabellfil&) = delete;

    static QString filnamn(const QString& katalog, const QString& tabell);

    // Opens an existing table. Returns an empty text on success, otherwise a
    // Swedish sentence naming the file and its directory.
    QString oppna(const QString& katalog, const QString& tabell, bool baraLasa = false);
    void stang();
    bool arOppen() const { return m_oppen; }

    QSqlDatabase db() const;
    const QString& tabell() const { return m_tabell; }
    const QString& sokvag() const { return m_sokvag; }

    // The table's field names.
    std::shared_ptr<const Faltnamn> faltnamn() const;

    // The look-up by code, prepared once per connection (a sqlite3_stmt).
    void* uppslag() const;

private:
    mutable void* m_uppslag = nullptr;
    mutable std::shared_ptr<const Faltnamn> m_faltnamn;
    QString m_anslutning;
    QString m_tabell;
    QString m_sokvag;
    bool m_oppen = false;
};

// Registers the collation SVENSKA (Swedish order) on a SQLite connection.
bool RegistreraSvenskSortering(const QSqlDatabase& db);

// The field names of a table and where each stands, looked up without
// regard to letter case.
struct Faltnamn {
    QStringList namn;
    QHash<QString, int> index; // lower-case name -> position
    explicit Faltnamn(const QStringList& n);
};

// A record read from a food table: every field by position, and by name
// without regard to letter case.
struct Livsmedelspost {
    std::vector<QVariant> falt;
    std::shared_ptr<const Faltnamn> namn;

    int position(const QString& faltnamn) const; // -1 when there is no such field
    QString text(const QString& faltnamn) const;
    // Field at position (counting from 0) read as a float; empty reads as 0.
    float tal(int position) const;
    // Nutrient at position p (0..50): the field at index 14 + p.
    float naring(int p) const { return tal(14 + p); }
};

// Looks a food up by its code (primary key).
std::optional<Livsmedelspost> HittaLivsmedel(const Tabellfil& t, const QString& kod);

// Writes one field of the record with the given code. Returns false when
// the record is missing or the write fails.
bool SkrivFalt(const Tabellfil& t, const QString& kod, const QString& faltnamn,
               const QVariant& varde);
