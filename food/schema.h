#pragma once
// Field layouts of the food tables (fodbas100, fodbas2005) and the norm
// table (normer). Positions 15..65 hold the 51 nutrients in slot order.
#include <QString>
#include <QStringList>

#include <vector>

enum class Falttyp { Text, Flyttal, Heltal };

struct Faltdef {
    const char* namn;
    Falttyp typ;
    int storlek; // characters, for text fields
};

const std::vector<Faltdef>& LivsmedelsFalt();
const std::vector<Faltdef>& NormFalt();

// The nutrient field names, position p = slot p + 15.
const QStringList& NaringsFaltnamn();

// CREATE TABLE and CREATE INDEX statements for a table of the given layout.
// The food tables get a primary key "Kod" and the name index "Livsmedel" in
// Swedish order; the norm table a primary key "Nr".
QStringList SkapaTabellSql(const QString& tabell, const std::vector<Faltdef>& falt, bool namnindex);

// A quoted SQL identifier.
QString SqlNamn(const QString& namn);
