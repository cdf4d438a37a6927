#include "reports/rapport.h"

#include "app/text.h"
#include "app/tillstand.h"

const char* const kDagnamn[7] = {"Dag 1", "Dag 2", "Dag 3", "Dag 4", "Dag 5", "Dag 6", "Dag 7"};
const char* const kRapportMaltidsnamn[4] = {"Frukost  ", "Lunch    ", "Middag   ", "Mellanmål"};

QString Kronor(double x) {
    return SystemTal(x, 2);
}

namespace {

QString pad50(const QString& s) {
    return s.size() >= 50 ? s : s + QString(50 - s.size(), u' ');
}
QString kolumn(const QString& s) {
    return s.size() >= 7 ? s : QString(7 - s.size(), u' ') + s;
}
QString fast(const QString& s, int n) {
    return s.size() >= n ? s.left(n) : s + QString(n - s.size(), u' ');
}
QString utfyllt(const QString& s, int n) {
    return s.size() >= n ? s : s + QString(n - s.size(), u' ');
}

class Komponist {
public:
    Komponist(const Tillstand& t, const Rapportval& v) : T(t), V(v) {
        R.Rapportrader.reserve(4096);
        R.Rapportrader.push_back({QStringLiteral("del1"), QStringLiteral("del2")});
        for (int s = 15; s <= 65; ++s)
            if (T.NvVal[static_cast<std::size_t>(s)]) valda.push_back(s);
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
    Rapport R;
    // Lines are built here and copied out once, at their final size.
    QString m_buf;
    QString kopia() const { return QString(m_buf.constData(), m_buf.size()); }
    static void pad50till(QString& s) {
        if (s.size() < 50) s.resize(50, u' ');
    }
    std::vector<int> valda;
    bool harForsta = false;

    void rad(QString text, const QString& titel) {
        const auto n = static_cast<std::size_t>(R.NastaRapportrad);
        if (R.Rapportrader.size() <= n) R.Rapportrader.resize(n + 1);
        R.Rapportrader[n].del1 = std::move(text);
        R.Rapportrader[n].del2 = titel;
        ++R.NastaRapportrad;
    }
    void forsta(const QString& titel) {
        if (harForsta) return;
        harForsta = true;
        R.ForstaRubrik = titel;
    }
    const NvPost& nv(int s) const { return T.NvKatalog[static_cast<std::size_t>(s)]; }
    QString maltidstitel(int d, int m) const {
        return QString::fromUtf8(kDagnamn[d]) + u' ' + QString::fromUtf8(kRapportMaltidsnamn[m]);
    }

    // The column-group loop: the first text, then six columns a line. The
    // cell appends its 7-character column.
    template <typename F> void kolumngrupp(const QString& forst, const QString& titel, F&& cell) {
        int q = 15;
        auto taSex = [&](QString& linje) {
            int tagna = 0;
            while (q <= 65 && tagna < 6) {
                if (T.NvVal[static_cast<std::size_t>(q)]) {
                    cell(linje, q);
                    ++tagna;
                }
                ++q;
            }
        };
        m_buf.resize(0); // keeps the capacity
        m_buf += forst;
        pad50till(m_buf);
        taSex(m_buf);
        rad(kopia(), titel);
        while (q <= 65) {
            m_buf.resize(0); // keeps the capacity
            pad50till(m_buf);
            taSex(m_buf);
            rad(kopia(), titel);
        }
        rad(QString(), titel);
    }
    void summagrupp(const QString& forst, const QString& titel, const float* v) {
        kolumngrupp(forst, titel,
                    [&](QString& l, int s) { TalTill(l, v[s - 15], 7, nv(s).nvDecimaler); });
    }

    void naringsrubrik(const QString& titel, const QString& forst) {
        forsta(titel);
        kolumngrupp(forst, titel, [&](QString& l, int s) { l += kolumn(nv(s).nvNamn); });
    }

    void livsmedelUtforligt(int d, int m, const QString& titel) {
        const int hogsta = valda.empty() ? 0 : valda.back();
        for (int r = 1; r < kRader; ++r) {
            const Maltidsrad& x = T.Berakning[d][m][r];
            if (x.tom()) continue;
            const double g = x.gram;
            auto varde = [&](QString& l, int s) {
                const double n = x.naring[s - 15];
                if (n < -0.1)
                    l += QLatin1StringView("      -");
                else
                    TalTill(l, n * g / 100, 7, nv(s).nvDecimaler);
            };
            std::size_t i = 0;
            auto sex = [&](QString& linje) {
                for (int k = 0; k < 6 && i < valda.size(); ++k, ++i) varde(linje, valda[i]);
            };
            m_buf.resize(0); // keeps the capacity
            m_buf += x.livsmedel.text().left(50);
            pad50till(m_buf);
            sex(m_buf);
            rad(kopia(), titel);
            QString mangd;
            if (!V.pris) {
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                if (x.portionsstorlek > 0.9f && a > 0.01)
                    mangd = Tal(a, 0, 2) + u' ' + x.enhet.text() + QStringLiteral(" = ") +
                            Tal(g, 0, 0) + QStringLiteral(" gram");
                else
                    mangd = Tal(g, 0, 0) + QStringLiteral(" gram");
            } else {
                mangd = Tal(g, 0, 0) + QStringLiteral(" gram");
                const double k = x.kgpris * g / 1000;
                if (k > 0.01 && x.kgpris > 0.01f)
                    mangd = utfyllt(mangd, 21) + Kronor(k) + QStringLiteral(" kr   (") +
                            Kronor(x.kgpris) + QStringLiteral(" kr/kg)");
            }
            m_buf.resize(0); // keeps the capacity
            m_buf += mangd;
            pad50till(m_buf);
            sex(m_buf);
            rad(kopia(), titel);
            while (i < valda.size() && valda[i - 1] < hogsta) {
                m_buf.resize(0); // keeps the capacity
                pad50till(m_buf);
                sex(m_buf);
                rad(kopia(), titel);
            }
            rad(QString(), titel);
        }
    }

    void energirad(const float a[4], const QString& titel) {
        rad(QString(), titel);
        QString l = QStringLiteral("Energifördelning: Protein ") + Tal(a[0], 3, 0) +
                    QStringLiteral("%   Fett ") + Tal(a[1], 3, 0) +
                    QStringLiteral("%     Kolhydrat ") + Tal(a[2], 3, 0) + u'%';
        if (a[3] > 1.0f) l += QStringLiteral("     Alkohol ") + Tal(a[3], 3, 0) + u'%';
        rad(l, titel);
    }

    void cirkel(const float a0, const float a1, const float a2, const float a3,
                const QString& titel) {
        R.Cirkeldata.push_back({{a0, a1, a2, a3}, titel});
    }

    // kind: 0 meal, 1 day, 2 period
    void stapelblock(int slag, int d, int m, const QString& titel) {
        rad(QString(), titel);
        rad(QString(), titel);
        const QString slut =
            slag == 0 ? QString::fromUtf8(kRapportMaltidsnamn[m])
                      : (slag == 1 ? QString::fromUtf8(kDagnamn[d]) : QStringLiteral("Perioden"));
        rad(T.AktuellNormText + QStringLiteral("    ") + slut, titel);
        rad(QString(), titel);
        rad(QStringLiteral("                                50%           100%          150%       "
                           "%av rek.     Rek."),
            titel);
        rad(QString(), titel);
        for (int s : valda) {
            const int p = s - 15;
            const NvPost& n = nv(s);
            float v;
            QString procent, krav;
            if (slag == 0) {
                v = T.R.MaltidSumma[d][m][p];
                const float andel = T.Maltidsandel[m];
                procent = andel > 0.001f
                              ? Tal(T.R.MaltidProcent[d][m][p] / static_cast<double>(andel), 0, 0)
                              : QStringLiteral(" ");
                krav = andel > 0.001f ? Tal(static_cast<double>(T.AktuellNorm[p]) * andel, 0, 0)
                                      : QStringLiteral(" ");
            } else if (slag == 1) {
                v = T.R.DagSumma[d][p];
                procent = Tal(T.R.DagProcent[d][p], 0, 0);
                krav = Tal(T.AktuellNorm[p], 0, 0);
            } else {
                v = T.R.PeriodMedel[p];
                procent = Tal(T.R.PeriodProcent[p], 0, 0);
                krav = Tal(T.AktuellNorm[p], 0, 0);
            }
            const qsizetype blank = n.nvEtikett.indexOf(u' ');
            const QString enhet = blank >= 0 ? n.nvEtikett.mid(blank + 1) : QStringLiteral(" ");
            rad(u'!' + n.nvNamn + u' ' + Tal(v, 0, n.nvDecimaler) + u' ' + enhet +
                    QStringLiteral(" ?") + procent + u'&' + krav + u'@',
                titel);
        }
    }

    void maltidSummaBlock(int d, int m, const QString& titel) {
        const QString forst = V.pris
                                  ? QStringLiteral("* Summa *            ") +
                                        Tal(T.R.MaltidKostnad[d][m], 0, 2) + QStringLiteral(" kr")
                                  : QStringLiteral("* Summa *");
        summagrupp(forst, titel, T.R.MaltidSumma[d][m]);
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
        if (V.pris) {
            rad(QStringLiteral("Livsmedel                                             Gram      kr "
                               "     kgpris"),
                titel);
            rad(QString(), titel);
            for (int r = 1; r < kRader; ++r) {
                const Maltidsrad& x = T.Berakning[d][m][r];
                if (x.tom()) continue;
                const double g = x.gram;
                QString l = pad50(x.livsmedel.text().left(50)) + Tal(g, 6, 0);
                const double k = x.kgpris * g / 1000;
                if (k > 0.01 && x.kgpris > 0.01f)
                    l += QStringLiteral("      ") + Kronor(k) + QStringLiteral("      ") +
                         Kronor(x.kgpris);
                rad(l, titel);
            }
            rad(QString(), titel);
            rad(QStringLiteral("Pris: ") + Tal(T.R.MaltidKostnad[d][m], 0, 2) +
                    QStringLiteral(" kr"),
                titel);
            rad(QString(), titel);
        } else {
            rad(QStringLiteral(
                    "Livsmedel                                          Antal  Sort     Gram"),
                titel);
            rad(QString(), titel);
            for (int r = 1; r < kRader; ++r) {
                const Maltidsrad& x = T.Berakning[d][m][r];
                if (x.tom()) continue;
                const double g = x.gram;
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                const QString sort = a > 0.01 ? utfyllt(x.enhet.text(), 9) : QString(9, u' ');
                rad(pad50(x.livsmedel.text().left(50)) + Tal(a, 5, 2) + QStringLiteral("  ") +
                        sort + Tal(g, 6, 0),
                    titel);
            }
            rad(QString(), titel);
        }
        maltidSlut(d, m, titel);
    }

    void rapportMaltid(int d, int m) {
        const QString titel = maltidstitel(d, m);
        if (V.detalj == 0) {
            naringsrubrik(titel, QStringLiteral("Livsmedel"));
            livsmedelUtforligt(d, m, titel);
            maltidSummaBlock(d, m, titel);
        } else {
            maltidKort(d, m, titel);
        }
    }

    void maltidsrader(int d) {
        const QString titel = QString::fromUtf8(kDagnamn[d]);
        for (int m = 0; m < 4; ++m) {
            if (!(T.R.MaltidSumma[d][m][0] >= 1.0f)) continue;
            const QString namn = QString::fromUtf8(kRapportMaltidsnamn[m]);
            summagrupp(V.pris ? namn + QStringLiteral("      ") +
                                    Tal(T.R.MaltidKostnad[d][m], 0, 2) + QStringLiteral(" kr")
                              : namn,
                       titel, T.R.MaltidSumma[d][m]);
        }
    }

    void dagSummaBlock(int d, bool utforlig) {
        if (!(T.R.DagSumma[d][0] >= 1.0f)) return;
        const QString titel = QString::fromUtf8(kDagnamn[d]);
        if (utforlig)
            summagrupp(V.pris ? QStringLiteral("Summa          ") + Tal(T.R.DagKostnad[d], 0, 2) +
                                    QStringLiteral(" kr")
                              : QStringLiteral("Summa"),
                       titel, T.R.DagSumma[d]);
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
        naringsrubrik(QString::fromUtf8(kDagnamn[d]), QStringLiteral("   "));
        maltidsrader(d);
        dagSummaBlock(d, true);
    }

    void dagsrader() {
        const QString titel = QStringLiteral("Sammanställning");
        for (int d = 0; d < 7; ++d) {
            if (!(T.R.DagSumma[d][0] >= 0.5f)) continue;
            const QString namn = QString::fromUtf8(kDagnamn[d]);
            summagrupp(V.pris ? namn + QString(11, u' ') + Tal(T.R.DagKostnad[d], 0, 2) +
                                    QStringLiteral(" kr")
                              : namn,
                       titel, T.R.DagSumma[d]);
        }
    }

    void periodBlock() {
        if (!(T.R.PeriodMedel[0] >= 1.0f)) return;
        const QString titel = QStringLiteral("Sammanställning");
        summagrupp(V.pris ? QStringLiteral("Medelvärde      ") + Tal(T.R.MedelKostnad, 0, 2) +
                                QStringLiteral(" kr")
                          : QStringLiteral("Medelvärde"),
                   titel, T.R.PeriodMedel);
        if (V.stapel) stapelblock(2, 0, 0, titel);
        if (V.energi) energirad(T.R.PeriodEnergiandel, titel);
        cirkel(T.R.PeriodEnergiandel[0], T.R.PeriodEnergiandel[1], T.R.PeriodEnergiandel[2],
               T.R.PeriodEnergiandel[3], titel);
    }

    void rapportAllaDagar() {
        if (V.detalj < 3)
            for (int d = 0; d < 7; ++d)
                if (T.R.DagSumma[d][0] > 0.5f) rapportDag(d);
        naringsrubrik(QStringLiteral("Sammanställning"), QStringLiteral("   "));
        dagsrader();
        periodBlock();
    }

    void rapportDagKomprimerad(int d) {
        const QString titel = QString::fromUtf8(kDagnamn[d]);
        forsta(titel);
        bool nagon = false;
        for (int m = 0; m < 4; ++m) {
            if (!(T.R.MaltidSumma[d][m][0] > 1.0f)) continue;
            nagon = true;
            rad(QStringLiteral("*** ") + QString::fromUtf8(kRapportMaltidsnamn[m]) +
                    QStringLiteral(" ***"),
                titel);
            for (int r = 1; r < kRader; ++r) {
                const Maltidsrad& x = T.Berakning[d][m][r];
                if (x.livsmedel.antal() == 0) continue;
                const double g = x.gram;
                const double a = x.portionsstorlek > 0.9f ? g / x.portionsstorlek : 0;
                rad(fast(x.livsmedel.text(), 62) + Tal(a, 8, 1) + QStringLiteral("  ") +
                        fast(x.enhet.text(), 8) + Tal(g, 6, 0) + QStringLiteral(" gram"),
                    titel);
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
