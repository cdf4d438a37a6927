#include "food/nvkatalog.h"

#include "app/text.h"

#include <QList>

namespace {

// An integer as the run-time library reads one: leading blanks, a sign, digits.
bool lasHeltal(const QByteArray& s, int& varde) {
    qsizetype i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    if (i >= s.size()) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > 1000000000) return false;
    }
    varde = static_cast<int>(neg ? -v : v);
    return true;
}

} // namespace

NvKatalogResultat TolkaNvKatalog(const QByteArray& innehall, NvKatalogTabell& katalog) {
    NvKatalogResultat res;
    const QList<QByteArray> alla = DelaRader(innehall);
    for (qsizetype nr = 0; nr < alla.size(); ++nr) {
        const QByteArray& ra = alla[nr];
        if (ra.startsWith('*')) continue;
        const QString rad = FranAnsi(DosTillAnsi(ra));
        int index = 0;
        if (!lasHeltal(ra.left(2), index)) {
            res.status = NvKatalogResultat::Status::FelIndex;
            res.rad = static_cast<int>(nr + 1);
            res.felText = rad;
            return res;
        }
        if (index < 0 || index >= kKatalogStorlek) continue; // outside the catalogue
        const QString r = rad.mid(3);
        // 1-based positions of the first blank and comma, 0 when there is none;
        // the parts are cut exactly as "copy(R, from, count)" would cut them.
        const qsizetype b = r.indexOf(u' ') + 1;
        const qsizetype c = r.indexOf(u',') + 1;
        auto kopia = [&r](qsizetype fran, qsizetype antal) {
            if (fran < 1) fran = 1;
            if (antal <= 0 || fran > r.size()) return QString();
            return r.mid(fran - 1, antal);
        };
        const QString namn = kopia(1, b - 1);
        const QString enhet = kopia(b + 1, c - b - 1);
        const QString etikett = kopia(1, c - 1);
        const qsizetype d = c; // 0-based index of the character after the comma
        const QChar dec = d < r.size() ? r.at(d) : QChar();
        if (!(dec >= u'0' && dec <= u'9')) {
            res.status = NvKatalogResultat::Status::FelDecimaler;
            res.rad = static_cast<int>(nr + 1);
            res.felText = dec.isNull() ? QString() : QString(dec);
            return res;
        }
        NvPost& p = katalog[static_cast<std::size_t>(index)];
        p.nvNamn = namn.left(12);
        p.nvEnhet = enhet.left(2);
        p.nvEtikett = etikett.left(12);
        p.nvDecimaler = dec.unicode() - u'0';
    }
    return res;
}

NvValResultat TolkaNvVal(const QByteArray& innehall, NvValTabell& val) {
    NvValResultat res;
    const QList<QByteArray> alla = DelaRader(innehall);
    for (qsizetype nr = 0; nr < alla.size(); ++nr) {
        const QByteArray t = alla[nr].trimmed();
        if (t.isEmpty()) continue; // reading a number passes over empty lines
        qsizetype slut = 0;
        while (slut < t.size() && t[slut] != ' ' && t[slut] != '\t') ++slut;
        int n = 0;
        if (!lasHeltal(t.left(slut), n)) {
            res.ok = false;
            res.rad = static_cast<int>(nr + 1);
            res.felText = FranAnsi(t.left(slut));
            return res;
        }
        if (n >= 0 && n < kKatalogStorlek) val[static_cast<std::size_t>(n)] = true;
    }
    return res;
}

int RaknaNvVal(const NvValTabell& val) {
    int n = 0;
    for (int s = kForstaSlot; s <= kSistaSlot; ++s) n += val[static_cast<std::size_t>(s)] ? 1 : 0;
    return n;
}

QByteArray SkrivNvVal(const NvValTabell& val, bool medSlot18) {
    QByteArray ut;
    for (int s = kForstaSlot; s <= kSistaSlot; ++s) {
        if (s == 18 && !medSlot18) continue;
        if (val[static_cast<std::size_t>(s)]) ut += QByteArray::number(s) + "\r\n";
    }
    return ut;
}

const std::array<NvRuta, 50>& NvRutor() {
    static const std::array<NvRuta, 50> rutor = {{
        {15, "kJ", true},
        {16, "kcal", true},
        {17, "vatten g", false},
        {19, "prot g", true},
        {20, "fett g", true},
        {21, "kolhydrater g", true},
        {22, "retinol mg", true},
        {23, "karoten mg", true},
        {24, "retinol ekv mg", true},
        {25, "D-vit ug", true},
        {26, "tokoferol mg", true},
        {27, "tiamin mg", true},
        {28, "C-vit mg", true},
        {29, "riboflavin mg", true},
        {30, "niacin mg", true},
        {31, "niacin ekv mg", true},
        {32, "B6 mg", true},
        {33, "B12 ug", true},
        {34, "kalcium mg", true},
        {35, "fosf mg", true},
        {36, "järn mg", true},
        {37, "magnesium mg", true},
        {38, "natrium mg", true},
        {39, "kalium mg", true},
        {40, "zink mg", true},
        {41, "fett mättat g", true},
        {42, "fett enkelomättat g", true},
        {43, "fett fleromättat g", true},
        {44, "kolesterol mg", true},
        {45, "monosackarider g", true},
        {46, "disackarider g", true},
        {47, "sackaros g", true},
        {48, "fiber g", true},
        {49, "alkohol g", true},
        {50, "F410, smörsyra g", true},
        {51, "F120, laurinsyra g", true},
        {52, "F140, myristinsyra g", true},
        {53, "F160, palmitinsyra g", true},
        {54, "F180, stearinsyra g", true},
        {55, "F200, arakidinsyra g", true},
        {56, "F161, palmitoljesyra g", true},
        {57, "F181, oljesyra g", true},
        {58, "F182, linolsyra g", true},
        {59, "F183, linolensyra g", true},
        {60, "F204, arakidonsyra g", true},
        {61, "F205, eikosapentaensyra g", true},
        {62, "F225, dokosapentaensyra g", true},
        {63, "F226, cervonsyra g", true},
        {64, "folacin ug", true},
        {65, "selen ug", true},
    }};
    return rutor;
}
