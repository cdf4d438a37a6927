#pragma once
// Small working directories for tests: food tables with a handful of foods,
// the delivered text files, and the current directory set to it.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <map>
#include <ostream>
#include <vector>

struct FixLivsmedel {
    QString kod;
    QString namn;
    QString grupp1;
    QString grupp2;
    QString enhet = QStringLiteral("port");
    QVariant portion = 100.0;
    QString kgpris;
    std::map<int, double> naring;                    // by slot 15..65
    std::vector<std::pair<QString, double>> enheter; // enhet1..4 with grams
};

// The row of a food table for a test food.
std::vector<QVariant> LivsmedelsRad(const FixLivsmedel& l);

// Writes a food table of these foods into dir/<tabell>.db.
void SkrivFixturTabell(const QString& katalog, const QString& tabell,
                       const std::vector<FixLivsmedel>& foods);

// A few foods across the picture groups, enough for the lists and searches.
std::vector<FixLivsmedel> StandardLivsmedel();

// A generated table of n foods with every nutrient filled, names in no
// particular order, groups spread over the picture regions.
std::vector<FixLivsmedel> GenereradeLivsmedel(int n);

// A temporary working directory that becomes the current directory for the
// lifetime of the object. It holds the delivered text files and the
// norm table, and food tables made of the given foods.
class Arbetskatalog {
public:
    explicit Arbetskatalog(const std::vector<FixLivsmedel>& foods = StandardLivsmedel(),
                           bool medTextfiler = true);
    ~Arbetskatalog();
    Arbetskatalog(const Arbetskatalog&) = delete;
    Arbetskatalog& operator=(const Arbetskatalog&) = delete;

    QString sokvag() const { return m_dir.path(); }
    QString fil(const QString& namn) const { return m_dir.filePath(namn); }
    void skriv(const QString& namn, const QByteArray& innehall) const;
    QByteArray las(const QString& namn) const;
    // Copies these files (all of its files when empty) from the prepared
    // working directory ($NUTRAVA_KATALOG, else ~/Nutrava) over this one's.
    // False when that directory has no food table, so nothing was copied.
    bool hamtaFranPrepareradKatalog(const QStringList& filer = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_foreg;
};

// The project's data folder (delivered files).
QString DataKatalog();
// The reference data folder when it is present, else an empty text.
QString ReferensdataKatalog();

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
