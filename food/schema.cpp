#include "food/schema.h"

namespace {
const char* const kNaring[51] = {
    "Energi _kJ_ _kJ_",
    "Energi _kcal_ _kcal_",
    "Vatten _g_",
    "Aska _g_",
    "Protein _g_",
    "Fett _g_",
    "Kolhydrater _g_",
    "Retinol _mcg_",
    "Karoten _mcg_",
    "Retinolekv _mcg_",
    "D vitamin _mcg_",
    "a-Tokoferol _mg_",
    "Tiamin _mg_",
    "Askorbinsyra _mg_",
    "Riboflavin _mg_",
    "Niacin _mg_",
    "Niacinekv _mg_",
    "Vitamin B6 _mg_",
    "Vitamin B12 _mcg_",
    "Kalcium _mg_",
    "Fosfor _mg_",
    "Järn _mg_",
    "Magnesium _mg_",
    "Natrium _mg_",
    "Kalium _mg_",
    "Zink _mg_",
    "Mättade fettsyror _g_",
    "Enkelomättade fettsyror _",
    "Fleromättade fettsyror _g",
    "Kolesterol _mg_",
    "Monosackarider _g_",
    "Disackarider _g_",
    "Sackaros _g_",
    "Fibrer _g_",
    "Alkohol _g_",
    "Fettsyra C4-C10 _g_",
    "Fettsyra C12:0 _g_",
    "Fettsyra C14:0 _g_",
    "Fettsyra C16:0 _g_",
    "Fettsyra C18:0 _g_",
    "Fettsyra C20:0 _g_",
    "Fettsyra C16:1 _g_",
    "Fettsyra C18:1 _g_",
    "Fettsyra C18:2 _g_",
    "Fettsyra C18:3 _g_",
    "Fettsyra C20:4 _g_",
    "Fettsyra C20:5 _g_",
    "Fettsyra C22:5 _g_",
    "Fettsyra C22:6 _g_",
    "Folat _mcg_",
    "Selen _mcg_",
};

std::vector<Faltdef> bygg(bool norm) {
    std::vector<Faltdef> f;
    if (norm) {
        f.push_back({"Nr", Falttyp::Heltal, 0});
        f.push_back({"Norm", Falttyp::Text, 100});
    } else {
        f.push_back({"Kod", Falttyp::Text, 12});
        f.push_back({"Livsmedel", Falttyp::Text, 100});
    }
    f.push_back({"Portionsstorlek", Falttyp::Flyttal, 0});
    f.push_back({"Enhet", Falttyp::Text, 10});
    f.push_back({"Grupp1", Falttyp::Text, 30});
    f.push_back({"Grupp2", Falttyp::Text, 30});
    f.push_back({"kgpris", Falttyp::Text, 10});
    f.push_back({"Datum", Falttyp::Text, 10});
    f.push_back({"Grossist", Falttyp::Text, 12});
    f.push_back({"Grossartnr", Falttyp::Text, 20});
    f.push_back({"ean", Falttyp::Text, 20});
    f.push_back({"Res1", Falttyp::Text, 20});
    f.push_back({"Res2", Falttyp::Text, 20});
    f.push_back({"Avfall _%_", Falttyp::Flyttal, 0});
    for (const char* n : kNaring) f.push_back({n, Falttyp::Flyttal, 0});
    if (!norm) {
        static const char* const port[] = {"port1", "port2", "port3", "port4"};
        static const char* const enhet[] = {"enhet1", "enhet2", "enhet3", "enhet4"};
        for (int i = 0; i < 4; ++i) {
            f.push_back({port[i], Falttyp::Flyttal, 0});
            f.push_back({enhet[i], Falttyp::Text, 16});
        }
    }
    return f;
}
} // namespace

const std::vector<Faltdef>& LivsmedelsFalt() {
    static const std::vector<Faltdef> f = bygg(false);
    return f;
}

const std::vector<Faltdef>& NormFalt() {
    static const std::vector<Faltdef> f = bygg(true);
    return f;
}

const QStringList& NaringsFaltnamn() {
    static const QStringList l = [] {
        QStringList x;
        for (const char* n : kNaring) x << QString::fromUtf8(n);
        return x;
    }();
    return l;
}

QString SqlNamn(const QString& namn) {
    QString s = namn;
    s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

QStringList SkapaTabellSql(const QString& tabell, const std::vector<Faltdef>& falt,
                           bool namnindex) {
    QStringList kolumner;
    for (std::size_t i = 0; i < falt.size(); ++i) {
        const Faltdef& f = falt[i];
        QString k = SqlNamn(QString::fromUtf8(f.namn));
        switch (f.typ) {
        case Falttyp::Text:
            k += QStringLiteral(" TEXT");
            break;
        case Falttyp::Flyttal:
            k += QStringLiteral(" REAL");
            break;
        case Falttyp::Heltal:
            k += QStringLiteral(" INTEGER");
            break;
        }
        if (i == 0) k += QStringLiteral(" PRIMARY KEY NOT NULL");
        kolumner << k;
    }
    QStringList sql;
    sql << QStringLiteral("CREATE TABLE %1 (%2)").arg(SqlNamn(tabell), kolumner.join(u", "));
    if (namnindex) {
        sql << QStringLiteral("CREATE INDEX %1 ON %2 (\"Livsmedel\" COLLATE SVENSKA)")
                   .arg(SqlNamn(tabell + QStringLiteral("_Livsmedel")), SqlNamn(tabell));
    }
    return sql;
}
