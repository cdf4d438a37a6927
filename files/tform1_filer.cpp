// The main window's file commands: calculations and recipes.
#include "app/dialoger.h"
#include "app/fonster.h"
#include "app/tform1.h"
#include "app/tillstand.h"
#include "app/uppstart.h"
#include "files/berakningsfil.h"
#include "food/tabellfil.h"
#include "meal/maltidsgrid.h"
#include "person/aktivitet.h"
#include "person/tformaktiv.h"
#include "results/omrakna.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace {
void aktivitetslistanLast() {
    if (auto* a = qobject_cast<TFormAktiv*>(Fonster(QStringLiteral("TFormAktiv")))) a->ListanLast();
}

// The ".norm" and, for an activity-based requirement, the ".akt" companion.
// Failures are silent; what was read stays.
void lasKompanjoner(const QString& fil) {
    QByteArray innehall;
    if (!LasHelaFilen(BytFiltillagg(fil, QStringLiteral(".norm")), innehall)) return;
    const NormfilData n = TolkaNormfil(innehall);
    for (int p = 0; p < n.antal; ++p) G.AktuellNorm[p] = n.norm[p];
    if (n.typ) G.NormTyp = *n.typ;
    if (n.text) G.AktuellNormText = *n.text;
    if (n.typ && *n.typ == QLatin1String("aktivnorm")) {
        LasAktivitetslista(BytFiltillagg(fil, QStringLiteral(".akt")));
        aktivitetslistanLast();
    }
}
} // namespace

bool TForm1::SparaBerakning() {
    const QString vald = Dialoger::SparaFil(QStringLiteral("Spara beräkning"), G.Dialogkatalog,
                                            QStringLiteral("vaxo (*.vaxo)"));
    if (vald.isEmpty()) return false;
    const QString vaxo = BytFiltillagg(vald, QStringLiteral(".vaxo"));
    bool sparad = false;
    if (SkrivFilSakert(
            vaxo, SkrivVaxo(G, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)))) {
        setWindowTitle(QDir::toNativeSeparators(QFileInfo(vaxo).absoluteFilePath()) +
                       QStringLiteral("   ") + G.AktuellNormText);
        G.Andrad = false;
        sparad = true;
    } else {
        Dialoger::Meddelande(QStringLiteral("Kan ej spara beräkningen"));
    }
    if (!SkrivFilSakert(BytFiltillagg(vald, QStringLiteral(".norm")),
                        SkrivNormfil(G.NormTyp, G.AktuellNormText, G.AktuellNorm)))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara aktuell norm"));
    if (!SparaAktivitetslista(BytFiltillagg(vald, QStringLiteral(".akt"))))
        Dialoger::Meddelande(QStringLiteral("Kan ej spara aktiviteterna."));
    return sparad;
}

void TForm1::HamtaBerakning1Click() {
    const QString fil = Dialoger::OppnaFil(QStringLiteral("Öppna beräkning"), G.Dialogkatalog,
                                           QStringLiteral("nutrava (*.vaxo)"));
    if (!fil.isEmpty()) {
        ::NyBerakning();
        lasKompanjoner(fil);
        QByteArray innehall;
        if (!LasHelaFilen(fil, innehall)) {
            Dialoger::Meddelande(QStringLiteral("Kan ej öppna beräkningen"));
        } else {
            const VaxoFil vaxo = TolkaVaxo(innehall);
            if (!vaxo.aktuelltFormat) {
                // The older format reads its companions again and starts anew.
                lasKompanjoner(fil);
                ::NyBerakning();
            }
            const Tabellfil& nu = DBISAMTableLivs;
            const Tabellfil& aldre = DBISAMTableFodbas2005;
            const QStringList saknas =
                FyllFranVaxo(G, vaxo, [&nu, &aldre](const QString& kod, bool aldreOcksa) {
                    auto p = HittaLivsmedel(nu, kod);
                    if (!p && aldreOcksa) p = HittaLivsmedel(aldre, kod);
                    return p;
                });
            for (const QString& s : saknas) Dialoger::Meddelande(s);
            const QString namn = QDir::toNativeSeparators(QFileInfo(fil).absoluteFilePath());
            setWindowTitle(vaxo.aktuelltFormat ? namn + QStringLiteral("   ") + G.AktuellNormText +
                                                     QStringLiteral("  /") + vaxo.datum
                                               : namn + QStringLiteral("   ") + G.AktuellNormText);
            Omrakna();
        }
    }
    // Also after a cancel or a failure: the price column is selected.
    StringGridMaltid->valjCell(4, StringGridMaltid->Row() < 1 ? 1 : StringGridMaltid->Row());
    G.AktuellKolumn = 4;
}

void TForm1::RaderaClick() {
    for (;;) {
        const QString fil = Dialoger::OppnaFil(QStringLiteral("Välj beräkning som du vill radera."),
                                               G.Dialogkatalog, QStringLiteral("nutrava (*.vaxo)"));
        if (fil.isEmpty()) return;
        if (QFile::exists(fil)) QFile::remove(fil);
        const QString akt = BytFiltillagg(fil, QStringLiteral(".akt"));
        if (QFile::exists(akt)) QFile::remove(akt);
        Dialoger::Meddelande(QDir::toNativeSeparators(BytFiltillagg(fil, QStringLiteral(".vaxo"))) +
                             QStringLiteral(" borttagen"));
    }
}

void TForm1::SparaRecept1Click() {
    const QString vald = Dialoger::SparaFil(QStringLiteral("Spara recept"), G.Dialogkatalog,
                                            QStringLiteral("recept (*.recept)"));
    if (vald.isEmpty()) return;
    if (SkrivFilSakert(BytFiltillagg(vald, QStringLiteral(".recept")),
                       SkrivRecept(G.Berakning[G.AktuellDag][G.AktuellMaltid])))
        Dialoger::Meddelande(QStringLiteral("Receptet är sparat."));
    else
        Dialoger::Meddelande(QStringLiteral("Kan ej spara beräkningen"));
}

void TForm1::HamtaRecept1Click() {
    const QString vald = Dialoger::OppnaFil(QStringLiteral("Hämta recept"), G.Dialogkatalog,
                                            QStringLiteral("recept (*.recept)"));
    if (vald.isEmpty()) return;
    const QString fil = BytFiltillagg(vald, QStringLiteral(".recept"));
    if (!QFile::exists(fil)) return;
    QByteArray innehall;
    if (!LasHelaFilen(fil, innehall)) return;
    if (!HamtaRecept(G.Berakning[G.AktuellDag][G.AktuellMaltid], innehall)) return;
    G.Andrad = true;
    Omrakna();
}
