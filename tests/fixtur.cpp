#include "tests/fixtur.h"

#include "food/schema.h"
#include "food/tabellskrivare.h"
#include "person/normtabell.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

QString DataKatalog() {
    return QStringLiteral(NUTRAVA_KALLKOD "/data");
}

QString ReferensdataKatalog() {
    const QString d = QStringLiteral(NUTRAVA_KALLKOD "/../shared/data");
    return QDir(d).exists() ? QDir(d).canonicalPath() : QString();
}

std::vector<QVariant> LivsmedelsRad(const FixLivsmedel& l) {
    const auto& falt = LivsmedelsFalt();
    std::vector<QVariant> r(falt.size());
    r[0] = l.kod;
    r[1] = l.namn;
    r[2] = l.portion;
    r[3] = l.enhet;
    r[4] = l.grupp1;
    r[5] = l.grupp2;
    r[6] = l.kgpris;
    for (int s = 15; s <= 65; ++s) r[static_cast<std::size_t>(s - 1)] = 0.0;
    for (const auto& [slot, v] : l.naring) {
        if (slot < 15 || slot > 65) throw std::out_of_range("slot");
        r[static_cast<std::size_t>(slot - 1)] = v;
    }
    for (std::size_t i = 0; i < l.enheter.size() && i < 4; ++i) {
        r[65 + 2 * i] = l.enheter[i].second;
        r[66 + 2 * i] = l.enheter[i].first;
    }
    return r;
}

void SkrivFixturTabell(const QString& katalog, const QString& tabell,
                       const std::vector<FixLivsmedel>& foods) {
    std::vector<std::vector<QVariant>> rader;
    for (const auto& l : foods) rader.push_back(LivsmedelsRad(l));
    const QString fel = SkrivTabell(QDir(katalog).filePath(tabell + QStringLiteral(".db")), tabell,
                                    LivsmedelsFalt(), true, rader);
    if (!fel.isEmpty()) throw std::runtime_error(fel.toStdString());
}

std::vector<FixLivsmedel> StandardLivsmedel() {
    auto l = [](const char* kod, const char* namn, const char* g1, const char* g2) {
        FixLivsmedel f;
        f.kod = QString::fromUtf8(kod);
        f.namn = QString::fromUtf8(namn);
        f.grupp1 = QString::fromUtf8(g1);
        f.grupp2 = QString::fromUtf8(g2);
        return f;
    };
    std::vector<FixLivsmedel> v;
    v.push_back(l("1", "Nöt talg", "Fett, olja", "Matfett"));
    v.back().naring = {{15, 2746}, {16, 656}, {19, 7}, {20, 71}};
    v.push_back(l("2", "Morot", "Grönsaker, baljväxter, svamp", "Rotfrukter"));
    v.push_back(l("3", "Tomat", "Grönsaker, baljväxter, svamp", "Grönsaker"));
    v.push_back(l("4", "Gurka", "Grönsaker, baljväxter, svamp", "Grönsaker"));
    v.push_back(l("5", "Ärter gröna", "Grönsaker, baljväxter, svamp", "Grönsaker"));
    v.push_back(l("6", "Apelsin", "Frukt, bär", "Frukt"));
    v.push_back(l("7", "Mjölk 3%", "Mejeri", "Mjölk"));
    v.back().enhet = QStringLiteral("glas");
    v.back().portion = 200.0;
    v.back().enheter = {{QStringLiteral("port"), 120.0}, {QStringLiteral("dl"), 66.0}};
    v.push_back(l("8", "Ost hårdost 28%", "Pålägg", "Ost"));
    v.push_back(l("9", "Soppa tomat", "Rätter", "Övrigt"));
    v.push_back(l("10", "Tomatsoppa", "Rätter", "Övrigt"));
    v.push_back(l("11", "Åkerbär", "Frukt, bär", "Bär"));
    v.push_back(l("12", "Kaffe bryggt", "Dryck", "Drycker"));
    v.push_back(l("9001", "RESERV", "", ""));
    return v;
}

std::vector<FixLivsmedel> GenereradeLivsmedel(int n) {
    static const char* const ord[] = {"Äpple", "Banan", "Morot",   "Ost", "Mjölk",
                                      "Bröd",  "Soppa", "Gröt",    "Lax", "Kyckling",
                                      "Ärter", "Öl",    "Potatis", "Smör"};
    static const char* const bild[] = {"Mjölk",     "Ost",        "Matfett", "Bröd", "Spannmål",
                                       "Potatis",   "Rotfrukter", "Kött",    "Fisk", "Grönsaker",
                                       "Frukt,bär", "Drycker",    "Övrigt"};
    std::vector<FixLivsmedel> v;
    v.reserve(static_cast<std::size_t>(n));
    unsigned x = 12345;
    auto slump = [&x] { return x = x * 1103515245u + 12345u, (x >> 8) & 0xFFFF; };
    for (int i = 1; i <= n; ++i) {
        FixLivsmedel f;
        f.kod = QString::number(i);
        f.namn =
            QStringLiteral("%1 %2 %3")
                .arg(QString::fromUtf8(ord[slump() % 14]), QString::fromUtf8(ord[slump() % 14]))
                .arg(slump() % 1000);
        f.grupp1 = QStringLiteral("Grupp %1").arg(slump() % 28);
        f.grupp2 = QString::fromUtf8(bild[slump() % 13]);
        f.portion = 50.0 + slump() % 200;
        f.kgpris = QStringLiteral("%1,50").arg(10 + slump() % 300);
        for (int s = 15; s <= 65; ++s) f.naring[s] = (slump() % 10000) / 100.0;
        f.enheter = {{QStringLiteral("port"), 120.0}, {QStringLiteral("dl"), 66.0}};
        v.push_back(std::move(f));
    }
    return v;
}

Arbetskatalog::Arbetskatalog(const std::vector<FixLivsmedel>& foods, bool medTextfiler) {
    if (!m_dir.isValid()) throw std::runtime_error("temporary directory");
    SkrivFixturTabell(m_dir.path(), QStringLiteral("fodbas100"), foods);
    SkrivFixturTabell(m_dir.path(), QStringLiteral("fodbas2005"), foods);
    if (medTextfiler) {
        QFile csv(DataKatalog() + QStringLiteral("/normer.csv"));
        if (!csv.open(QIODevice::ReadOnly)) throw std::runtime_error("normer.csv");
        std::vector<std::vector<QVariant>> rader;
        QString fel = TolkaNormCsv(QString::fromUtf8(csv.readAll()), rader);
        if (fel.isEmpty()) fel = SkrivNormtabell(m_dir.path(), rader);
        if (!fel.isEmpty()) throw std::runtime_error(fel.toStdString());
        for (const char* n : {"nvnamn.txt", "nvval.txt", "aktiv.txt", "info.txt"})
            QFile::copy(DataKatalog() + u'/' + QString::fromLatin1(n),
                        m_dir.filePath(QString::fromLatin1(n)));
    }
    m_foreg = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

Arbetskatalog::~Arbetskatalog() {
    QDir::setCurrent(m_foreg);
}

void Arbetskatalog::skriv(const QString& namn, const QByteArray& innehall) const {
    QFile f(m_dir.filePath(namn));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("write");
    f.write(innehall);
}

QByteArray Arbetskatalog::las(const QString& namn) const {
    QFile f(m_dir.filePath(namn));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool Arbetskatalog::hamtaFranPrepareradKatalog(const QStringList& filer) const {
    const QDir fran(
        qEnvironmentVariable("NUTRAVA_KATALOG", QDir::homePath() + QStringLiteral("/Nutrava")));
    if (!fran.exists(QStringLiteral("fodbas100.db"))) return false;
    const QStringList namn = filer.isEmpty() ? fran.entryList(QDir::Files) : filer;
    for (const QString& n : namn) {
        if (!fran.exists(n)) continue;
        QFile::remove(fil(n));
        if (!QFile::copy(fran.filePath(n), fil(n)))
            throw std::runtime_error("copy " + n.toStdString());
    }
    return true;
}
