#include "app/text.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

float TextTillTal(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ') ++start;
    QByteArray s = text.mid(start).toLatin1();
    const qsizetype komma = s.indexOf(',');
    if (komma >= 0) s[komma] = '.';
    // Only a plain decimal number counts: strtod alone would also take
    // "inf", "nan", hex and leading whitespace.
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    qsizetype siffror = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++siffror;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++siffror;
    }
    if (siffror == 0) return 0.0f;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        qsizetype exp = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++exp;
        if (exp == 0) return 0.0f;
    }
    if (i != n) return 0.0f;
    // toLatin1 turns characters outside Latin-1 into "?", which fails above,
    // so only ASCII digits reach strtod.
    const double d = std::strtod(s.constData(), nullptr);
    const float f = static_cast<float>(d);
    if (!std::isfinite(f)) return 0.0f;
    return f;
}

QList<QByteArray> DelaRader(const QByteArray& innehall) {
    QList<QByteArray> ut = innehall.split('\n');
    if (!ut.isEmpty() && ut.last().isEmpty()) ut.removeLast();
    for (QByteArray& r : ut)
        if (r.endsWith('\r')) r.chop(1);
    return ut;
}

QByteArray DosTillAnsi(QByteArray rad) {
    static constexpr unsigned char par[9][2] = {{0x8E, 0xC4}, {0x8F, 0xC5}, {0x99, 0xD6},
                                                {0x84, 0xE4}, {0x86, 0xE5}, {0x94, 0xF6},
                                                {0xF8, 0xB0}, {0x8A, 0xE8}, {0x82, 0xE9}};
    // Applied pair by pair in this order, as a chain of replacements would be.
    for (const auto& p : par) {
        for (char& c : rad) {
            if (static_cast<unsigned char>(c) == p[0]) c = static_cast<char>(p[1]);
        }
    }
    return rad;
}

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those are unused.
constexpr char16_t kCp1252Hog[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
} // namespace

void FranAnsiSkriv(char16_t* ut, const char* data, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        ut[i] = (b >= 0x80 && b < 0xA0) ? kCp1252Hog[b - 0x80] : char16_t(b);
    }
}

QString FranAnsi(const QByteArray& bytes) {
    QString ut(bytes.size(), Qt::Uninitialized);
    FranAnsiSkriv(reinterpret_cast<char16_t*>(ut.data()), bytes.constData(), bytes.size());
    return ut;
}

QByteArray TillAnsi(const QString& text) {
    QByteArray ut(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char b = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            b = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kCp1252Hog[k] == c && c != 0xFFFD) {
                    b = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        ut[i] = b;
    }
    return ut;
}

long long AvrundaHeltal(double varde) {
    if (!std::isfinite(varde)) return 0;
    const double r = std::round(varde); // std::round takes halves away from zero
    if (r >= 9.2e18 || r <= -9.2e18) return 0;
    return static_cast<long long>(r);
}

long long AvrundaJamnt(double varde) {
    if (!std::isfinite(varde)) return 0;
    const double r = std::nearbyint(varde); // default rounding mode: halves to even
    if (r >= 9.2e18 || r <= -9.2e18) return 0;
    return static_cast<long long>(r);
}

int TalSkriv(char16_t* ut, double varde, int bredd, int decimaler) {
    static constexpr double tiopotens[10] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    static constexpr unsigned long long tiopotensH[10] = {
        1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    if (decimaler < 0) decimaler = 0;
    if (decimaler > 9) decimaler = 9;
    if (bredd > kTalSkrivMax) return -1;
    if (!std::isfinite(varde)) varde = 0;
    const double x = varde * tiopotens[decimaler];
    const double a = std::fabs(x);
    if (!(a < 9e15)) return -1;
    // Rounded half away from zero; the small allowance keeps values such as
    // 2.675 stored as 2.67499999 from rounding down when they were meant as
    // a half. Below 2^53 the fraction is exact, so no library call is needed.
    unsigned long long n = static_cast<unsigned long long>(a);
    if (a - static_cast<double>(n) > 0.5 - 1e-9) ++n;
    const bool negativ = x < 0 && n != 0;
    // Written from the right, two digits at a time: this runs for every value
    // of every report line.
    static constexpr char par[] = "0001020304050607080910111213141516171819"
                                  "2021222324252627282930313233343536373839"
                                  "4041424344454647484950515253545556575859"
                                  "6061626364656667686970717273747576777879"
                                  "8081828384858687888990919293949596979899";
    char16_t buf[40];
    int i = static_cast<int>(std::size(buf));
    auto skriv = [&buf, &i](auto v, int minst) {
        const int fore = i;
        while (v >= 100) {
            const auto k = static_cast<unsigned>(v % 100);
            v /= 100;
            buf[--i] = static_cast<char16_t>(par[2 * k + 1]);
            buf[--i] = static_cast<char16_t>(par[2 * k]);
        }
        if (v >= 10) {
            buf[--i] = static_cast<char16_t>(par[2 * v + 1]);
            buf[--i] = static_cast<char16_t>(par[2 * v]);
        } else {
            buf[--i] = static_cast<char16_t>(u'0' + v);
        }
        while (fore - i < minst) buf[--i] = u'0';
    };
    // Almost every value fits in 32 bits, whose division is the cheaper.
    if (n < 4294967296ULL) {
        const auto n32 = static_cast<unsigned>(n);
        const auto skala = static_cast<unsigned>(tiopotensH[decimaler]);
        if (decimaler > 0) {
            skriv(n32 % skala, decimaler);
            buf[--i] = u'.';
        }
        skriv(n32 / skala, 1);
    } else {
        const unsigned long long skala = tiopotensH[decimaler];
        if (decimaler > 0) {
            skriv(n % skala, decimaler);
            buf[--i] = u'.';
        }
        skriv(n / skala, 1);
    }
    if (negativ) buf[--i] = u'-'; // "-0.0" cannot arise: n is 0 then
    const int langd = static_cast<int>(std::size(buf)) - i;
    int k = 0;
    for (; k < bredd - langd; ++k) ut[k] = u' ';
    std::memcpy(ut + k, buf + i, static_cast<std::size_t>(langd) * sizeof(char16_t));
    return k + langd;
}

void TalTill(QString& ut, double varde, int bredd, int decimaler) {
    char16_t buf[kTalSkrivMax];
    // A width beyond the buffer is padded here instead.
    const int n = TalSkriv(buf, varde, bredd > kTalSkrivMax ? 0 : bredd, decimaler);
    QString stort;
    QStringView s(buf, n > 0 ? n : 0);
    if (n < 0) {
        // Beyond 9e15 every double is whole: there is nothing to round.
        static constexpr double tiopotens[10] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
        const int d = decimaler < 0 ? 0 : (decimaler > 9 ? 9 : decimaler);
        stort = QString::number(varde * tiopotens[d] / tiopotens[d], 'f', d);
        s = stort;
    }
    for (qsizetype k = s.size(); k < bredd; ++k) ut += u' ';
    ut += s;
}

QString Tal(double varde, int bredd, int decimaler) {
    QString s;
    TalTill(s, varde, bredd, decimaler);
    return s;
}

QString SystemTal(double varde, int decimaler) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    if (!std::isfinite(varde)) varde = 0;
    return loc.toString(varde, 'f', decimaler);
}

int TvaDecimalerSkriv(char16_t* ut, double varde, char16_t decimaltecken) {
    // Exact only with a significand of 64 bits: 53 bits times 100 needs 60.
    if constexpr (std::numeric_limits<long double>::digits < 64) {
        return -1;
    } else {
        if (!(varde >= 0 && varde < 1e15)) return -1;
        const long double y = static_cast<long double>(varde) * 100;
        unsigned long long n = static_cast<unsigned long long>(y);
        // Ties go up, as the locale's own formatting takes them.
        if (y - static_cast<long double>(n) >= 0.5L) ++n;
        char16_t buf[24];
        int i = static_cast<int>(std::size(buf));
        const auto brak = static_cast<unsigned>(n % 100);
        buf[--i] = static_cast<char16_t>(u'0' + brak % 10);
        buf[--i] = static_cast<char16_t>(u'0' + brak / 10);
        buf[--i] = decimaltecken;
        unsigned long long heltal = n / 100;
        do {
            buf[--i] = static_cast<char16_t>(u'0' + heltal % 10);
            heltal /= 10;
        } while (heltal);
        const int langd = static_cast<int>(std::size(buf)) - i;
        std::memcpy(ut, buf + i, static_cast<std::size_t>(langd) * sizeof(char16_t));
        return langd;
    }
}

QString SystemFlyttal(double varde) {
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    if (!std::isfinite(varde)) varde = 0;
    return loc.toString(varde, 'g', 15);
}

QString SystemFast(double varde, int precision, int decimaler) {
    if (!std::isfinite(varde)) varde = 0;
    if (std::fabs(varde) >= std::pow(10.0, precision)) {
        QLocale loc;
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        return loc.toString(varde, 'E', precision - 1);
    }
    return SystemTal(varde, decimaler);
}
