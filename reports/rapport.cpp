#include "reports/rapport.h"

#include "app/text.h"
#include "app/tillstand.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstring>

const char* const kDagnamn[7] = {"Dag 1", "Dag 2", "Dag 3", "Dag 4", "Dag 5", "Dag 6", "Dag 7"};
const char* const kRapportMaltidsnamn[4] = {"Frukost  ", "Lunch    ", "Middag   ", "Mellanmål"};

QString Kronor(double x) {
    return SystemTal(x, 2);
}

namespace {

// One report line being built: a reused buffer, copied out once into a
// text of its final size. The report writes some ten thousand lines, so no
// line goes through intermediate texts.
class Linje {
public:
    Linje() : m_buf(512) {}

    Linje& borja() {
        m_n = 0;
        return *this;
    }
    Linje& operator<<(QStringView s) {
        plats(s.size());
        if (!s.isEmpty())
            std::memcpy(m_buf.data() + m_n, s.utf16(),
                        static_cast<std::size_t>(s.size()) * sizeof(char16_t));
        m_n += s.size();
        return *this;
    }
    Linje& operator<<(char16_t c) {
        plats(1);
        m_buf[static_cast<std::size_t>(m_n++)] = c;
        return *this;
    }
    // A stored Windows-1252 text, at most max characters of it.
    template <int N> Linje& ansi(const KortText<N>& t, int max = N) {
        const int n = t.antal() < max ? t.antal() : max;
        plats(n);
        FranAnsiSkriv(m_buf.data() + m_n, t.tecken, n);
        m_n += n;
        return *this;
    }
    // Blanks up to the given width; a longer line stays as it is.
    Linje& fyll(qsizetype bredd) {
        if (m_n < bredd) {
            plats(bredd - m_n);
            std::fill(m_buf.data() + m_n, m_buf.data() + bredd, u' ');
            m_n = bredd;
        }
        return *this;
    }
    // Right-aligned in a column of the given width.
    Linje& hoger(QStringView s, qsizetype bredd) {
        for (qsizetype k = s.size(); k < bredd; ++k) *this << u' ';
        return *this << s;
    }
    Linje& tal(double v, int bredd, int decimaler) {
        plats(kTalSkrivMax);
        const int n = TalSkriv(m_buf.data() + m_n, v, bredd, decimaler);
        if (n < 0) return *this << QStringView(Tal(v, bredd, decimaler));
        m_n += n;
        return *this;
    }
    Linje& kronor(double v, char16_t decimaltecken) {
        plats(kTalSkrivMax);
        const int n = decimaltecken ? TvaDecimalerSkriv(m_buf.data() + m_n, v, decimaltecken) : -1;
        if (n < 0) return *this << QStringView(Kronor(v));
        m_n += n;
        return *this;
    }
    qsizetype storlek() const { return m_n; }
    QString text() const { return QString(reinterpret_cast<const QChar*>(m_buf.data()), m_n); }

private:
    void plats(qsizetype k) {
        if (m_n + k > static_cast<qsizetype>(m_buf.size()))
            m_buf.resize(static_cast<std::size_t>(2 * (m_n + k)));
    }
    std::vector<char16_t> m_buf;
    qsizetype m_n = 0;
};

// The decimal separator Kronor writes, when the fast path may write it.
char16_t kronorDecimaltecken() {
    const QLocale loc;
    const QString punkt = loc.decimalPoint();
    if (punkt.size() != 1 || loc.zeroDigit() != QStringLiteral("0")) return 0;
    return punkt.at(0).unicode();
}

class Komponist {
public:
    Komponist(const Tillstand& t, const Rapportval& v)
        : T(t), V(v), m_decimaltecken(kronorDecimaltecken()) {
        R.Rapportrader.reserve(4096);
        R.Rapportrader.push_back({QStringLiteral("del1"), QStringLiteral("del2")});
        for (int s = 15; s <= 65; ++s) {
            if (T.NvVal[static_cast<std::size_t>(s)]) valda.push_back(s);
            // The unit is what follows the first blank of the label.
            const QString& etikett = nv(s).nvEtikett;
            const qsizetype blank = etikett.indexOf(u' ');
            m_enhet[static_cast<std::size_t>(s)] =
                blank >= 0 ? etikett.mid(blank + 1) : QStringLiteral(" ");
        }
    }

    Rapport kor() {
        switch (V.vad) {
        case 0:
            rapportMaltid(T.AktuellDag, T.AktuellMaltid);
            break;
        case 1:
            if (V.komprimerad)
                rapportDagKomprimerad(T.AktuellDag);
            else
                rapportDag(T.AktuellDag);
            break;
        default:
            if (V.komprimerad) {
                for (int d = 0; d < 7; ++d)
                    if (T.R.DagSumma[d][0] > 0.5f) rapportDagKomprimerad(d);
            } else {
                rapportAllaDagar();
            }
            break;
        }
        // Rows beyond the last one written belong to no block.
        R.Rapportrader.resize(static_cast<std::size_t>(R.NastaRapportrad));
        return std::move(R);
    }

private:
    const Tillstand& T;
    const Rapportval& V;
    const char16_t m_decimaltecken;
    Rapport R;
    Linje L;
    std::vector<int> valda;
    std::array<QString, 66> m_enhet;
    bool harForsta = false;

    void rad(QString text, const QString& titel) {
        const auto n = static_cast<std::size_t>(R.NastaRapportrad);
        if (R.Rapportrader.size() == n) {
            R.Rapportrader.push_back({std::move(text), titel});
        } else {
            if (R.Rapportrader.size() < n) R.Rapportrader.resize(n + 1);
            R.Rapportrader[n].del1 = std::move(text);
            R.Rapportrader[n].del2 = titel;
        }
        ++R.NastaRapportrad;
    }
    void rad(const Linje& l, const QString& titel) { rad(l.text(), titel); }
    void forsta(const QString& titel) {
        if (harForsta) return;
        harForsta = true;
        R.ForstaRubrik = titel;
    }
    const NvPost& nv(int s) const { return T.NvKatalog[static_cast<std::size_t>(s)]; }
    static QString dagnamn(int d) { return QString::fromUtf8(kDagnamn[d]); }
    static QString maltidsnamn(int m) { return QString::fromUtf8(kRapportMaltidsnamn[m]); }

    // The column-group loop: the first text, then six columns a line. The
    // cell appends its 7-character column.
    template <typename F> void kolumngrupp(QStringView forst, const QString& titel, F&& cell) {
        int q = 15;
        auto taSex = [&] {
            int tagna = 0;
            while (q <= 65 && tagna < 6) {
                if (T.NvVal[static_cast<std::size_t>(q)]) {
                    cell(q);
                    ++tagna;
                }
                ++q;
            }
        };
        L.borja() << forst;
        L.fyll(50);
        taSex();
        rad(L, titel);
        while (q <= 65) {
            L.borja().fyll(50);
            taSex();
            rad(L, titel);
        }
        rad(QString(), titel);
    }
    void summagrupp(QStringView forst, const QString& titel, const float* v) {
        kolumngrupp(forst, titel, [&](int s) { L.tal(v[s - 15], 7, nv(s).nvDecimaler); });
    }
    // A sum line's first text: its name, and with prices the cost after
    // the given blanks.
    QString summatext(QStringView namn, int blanka, double kostnad) const {
        if (!V.pris) return namn.toString();
        Linje l;
        l << namn;
        for (int k = 0; k < blanka; ++k) l << u' ';
        l.tal(kostnad, 0, 2) << u" kr";
        return l.text();
    }

    void naringsrubrik(const QString& titel, QStringView forst) {
        forsta(titel);
        kolumngrupp(forst, titel, [&](int s) { L.hoger(nv(s).nvNamn, 7); });
    }

    void livsmedelUtforligt(int d, int m, const QString& titel) {
        const int hogsta = valda.empty() ? 0 : valda.back();
        for (int r = 1; r < kRader; ++r) {
            const Maltidsrad& x = T.Berakning[d][m][r];
            if (x.tom()) continue;
            const double g = x.gram;
            std::size_t i = 0;
            auto sex = [&] {
                for (int k = 0; k < 6 && i < valda.size(); ++k, ++i) {
                    const int s = valda[i];
                    const double n = x.naring[s - 15];
                    if (n < -0.1)
                        L << u"      -";
                    else
                        L.tal(n * g / 100, 7, nv(s).nvDecimaler);
                }
            };
            L.borja().ansi(x.livsmedel, 50).fyll(50);
            sex();
            rad(L, titel);
            L.borja();
            if (!V.pris) {
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                if (x.portionsstorlek > 0.9f && a > 0.01) {
                    L.tal(a, 0, 2) << u' ';
                    L.ansi(x.enhet) << u" = ";
                }
                L.tal(g, 0, 0) << u" gram";
            } else {
                L.tal(g, 0, 0) << u" gram";
                const double k = x.kgpris * g / 1000;
                if (k > 0.01 && x.kgpris > 0.01f) {
                    L.fyll(21).kronor(k, m_decimaltecken) << u" kr   (";
                    L.kronor(x.kgpris, m_decimaltecken) << u" kr/kg)";
                }
            }
            L.fyll(50);
            sex();
            rad(L, titel);
            while (i < valda.size() && valda[i - 1] < hogsta) {
                L.borja().fyll(50);
                sex();
                rad(L, titel);
            }
            rad(QString(), titel);
        }
    }

    void energirad(const float a[4], const QString& titel) {
        rad(QString(), titel);
        L.borja() << u"Energifördelning: Protein ";
        L.tal(a[0], 3, 0) << u"%   Fett ";
        L.tal(a[1], 3, 0) << u"%     Kolhydrat ";
        L.tal(a[2], 3, 0) << u'%';
        if (a[3] > 1.0f) {
            L << u"     Alkohol ";
            L.tal(a[3], 3, 0) << u'%';
        }
        rad(L, titel);
    }

    void cirkel(const float a0, const float a1, const float a2, const float a3,
                const QString& titel) {
        R.Cirkeldata.push_back({{a0, a1, a2, a3}, titel});
    }

    // kind: 0 meal, 1 day, 2 period
    void stapelblock(int slag, int d, int m, const QString& titel) {
        rad(QString(), titel);
        rad(QString(), titel);
        L.borja() << T.AktuellNormText << u"    ";
        if (slag == 0)
            L << QStringView(maltidsnamn(m));
        else if (slag == 1)
            L << QStringView(dagnamn(d));
        else
            L << u"Perioden";
        rad(L, titel);
        rad(QString(), titel);
        rad(QStringLiteral("                                50%           100%          150%       "
                           "%av rek.     Rek."),
            titel);
        rad(QString(), titel);
        for (int s : valda) {
            const int p = s - 15;
            const NvPost& n = nv(s);
            L.borja() << u'!' << n.nvNamn << u' ';
            if (slag == 0) {
                const float andel = T.Maltidsandel[m];
                L.tal(T.R.MaltidSumma[d][m][p], 0, n.nvDecimaler) << u' ';
                L << m_enhet[static_cast<std::size_t>(s)] << u" ?";
                if (andel > 0.001f)
                    L.tal(T.R.MaltidProcent[d][m][p] / static_cast<double>(andel), 0, 0);
                else
                    L << u' ';
                L << u'&';
                if (andel > 0.001f)
                    L.tal(static_cast<double>(T.AktuellNorm[p]) * andel, 0, 0);
                else
                    L << u' ';
            } else {
                const float v = slag == 1 ? T.R.DagSumma[d][p] : T.R.PeriodMedel[p];
                const float procent = slag == 1 ? T.R.DagProcent[d][p] : T.R.PeriodProcent[p];
                L.tal(v, 0, n.nvDecimaler) << u' ';
                L << m_enhet[static_cast<std::size_t>(s)] << u" ?";
                L.tal(procent, 0, 0) << u'&';
                L.tal(T.AktuellNorm[p], 0, 0);
            }
            L << u'@';
            rad(L, titel);
        }
    }

    void maltidSummaBlock(int d, int m, const QString& titel) {
        summagrupp(summatext(u"* Summa *", 12, T.R.MaltidKostnad[d][m]), titel,
                   T.R.MaltidSumma[d][m]);
        maltidSlut(d, m, titel);
    }

    void maltidSlut(int d, int m, const QString& titel) {
        if (V.stapel) stapelblock(0, d, m, titel);
        float a[4];
        for (int k = 0; k < 4; ++k) a[k] = T.R.MaltidEnergiandel[k][d][m];
        if (V.energi) energirad(a, titel);
        cirkel(a[0], a[1], a[2], a[3], titel);
    }

    void maltidKort(int d, int m, const QString& titel) {
        forsta(titel);
        rad(V.pris ? QStringLiteral("Livsmedel                                             Gram"
                                    "      kr      kgpris")
                   : QStringLiteral("Livsmedel                                          Antal  "
                                    "Sort     Gram"),
            titel);
        rad(QString(), titel);
        for (int r = 1; r < kRader; ++r) {
            const Maltidsrad& x = T.Berakning[d][m][r];
            if (x.tom()) continue;
            const double g = x.gram;
            L.borja().ansi(x.livsmedel, 50).fyll(50);
            if (V.pris) {
                L.tal(g, 6, 0);
                const double k = x.kgpris * g / 1000;
                if (k > 0.01 && x.kgpris > 0.01f) {
                    L << u"      ";
                    L.kronor(k, m_decimaltecken) << u"      ";
                    L.kronor(x.kgpris, m_decimaltecken);
                }
            } else {
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                L.tal(a, 5, 2) << u"  ";
                const qsizetype sort = L.storlek();
                if (a > 0.01) L.ansi(x.enhet);
                L.fyll(sort + 9).tal(g, 6, 0);
            }
            rad(L, titel);
        }
        rad(QString(), titel);
        if (V.pris) {
            L.borja() << u"Pris: ";
            L.tal(T.R.MaltidKostnad[d][m], 0, 2) << u" kr";
            rad(L, titel);
            rad(QString(), titel);
        }
        maltidSlut(d, m, titel);
    }

    void rapportMaltid(int d, int m) {
        const QString titel = dagnamn(d) + u' ' + maltidsnamn(m);
        if (V.detalj == 0) {
            naringsrubrik(titel, u"Livsmedel");
            livsmedelUtforligt(d, m, titel);
            maltidSummaBlock(d, m, titel);
        } else {
            maltidKort(d, m, titel);
        }
    }

    void maltidsrader(int d) {
        const QString titel = dagnamn(d);
        for (int m = 0; m < 4; ++m) {
            if (!(T.R.MaltidSumma[d][m][0] >= 1.0f)) continue;
            summagrupp(summatext(maltidsnamn(m), 6, T.R.MaltidKostnad[d][m]), titel,
                       T.R.MaltidSumma[d][m]);
        }
    }

    void dagSummaBlock(int d, bool utforlig) {
        if (!(T.R.DagSumma[d][0] >= 1.0f)) return;
        const QString titel = dagnamn(d);
        if (utforlig)
            summagrupp(summatext(u"Summa", 10, T.R.DagKostnad[d]), titel, T.R.DagSumma[d]);
        if (V.stapel) stapelblock(1, d, 0, titel);
        float a[4];
        for (int k = 0; k < 4; ++k) a[k] = T.R.DagEnergiandel[k][d];
        if (V.energi) energirad(a, titel);
        cirkel(a[0], a[1], a[2], a[3], titel);
    }

    void rapportDag(int d) {
        if (V.detalj == 0 || V.detalj == 1)
            for (int m = 0; m < 4; ++m)
                if (T.R.MaltidSumma[d][m][0] > 1.0f) rapportMaltid(d, m);
        naringsrubrik(dagnamn(d), u"   ");
        maltidsrader(d);
        dagSummaBlock(d, true);
    }

    void dagsrader() {
        const QString titel = QStringLiteral("Sammanställning");
        for (int d = 0; d < 7; ++d) {
            if (!(T.R.DagSumma[d][0] >= 0.5f)) continue;
            summagrupp(summatext(dagnamn(d), 11, T.R.DagKostnad[d]), titel, T.R.DagSumma[d]);
        }
    }

    void periodBlock() {
        if (!(T.R.PeriodMedel[0] >= 1.0f)) return;
        const QString titel = QStringLiteral("Sammanställning");
        summagrupp(summatext(u"Medelvärde", 6, T.R.MedelKostnad), titel, T.R.PeriodMedel);
        if (V.stapel) stapelblock(2, 0, 0, titel);
        if (V.energi) energirad(T.R.PeriodEnergiandel, titel);
        cirkel(T.R.PeriodEnergiandel[0], T.R.PeriodEnergiandel[1], T.R.PeriodEnergiandel[2],
               T.R.PeriodEnergiandel[3], titel);
    }

    void rapportAllaDagar() {
        if (V.detalj < 3)
            for (int d = 0; d < 7; ++d)
                if (T.R.DagSumma[d][0] > 0.5f) rapportDag(d);
        naringsrubrik(QStringLiteral("Sammanställning"), u"   ");
        dagsrader();
        periodBlock();
    }

    void rapportDagKomprimerad(int d) {
        const QString titel = dagnamn(d);
        forsta(titel);
        bool nagon = false;
        for (int m = 0; m < 4; ++m) {
            if (!(T.R.MaltidSumma[d][m][0] > 1.0f)) continue;
            nagon = true;
            L.borja() << u"*** " << QStringView(maltidsnamn(m)) << u" ***";
            rad(L, titel);
            for (int r = 1; r < kRader; ++r) {
                const Maltidsrad& x = T.Berakning[d][m][r];
                if (x.livsmedel.antal() == 0) continue;
                const double g = x.gram;
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                L.borja().ansi(x.livsmedel, 62).fyll(62).tal(a, 8, 1) << u"  ";
                const qsizetype enhet = L.storlek();
                L.ansi(x.enhet, 8).fyll(enhet + 8).tal(g, 6, 0) << u" gram";
                rad(L, titel);
            }
            rad(QString(), titel);
        }
        // The day block starts on the empty line that closed the last meal.
        if (nagon) --R.NastaRapportrad;
        dagSummaBlock(d, false);
    }
};

} // namespace

Rapport KomponeraRapport(const Tillstand& t, const Rapportval& val) {
    return Komponist(t, val).kor();
}
