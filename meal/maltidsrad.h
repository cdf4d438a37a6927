#pragma once
// One food row of a meal as it is stored in recipe files and the meal
// clipboard: 532 bytes, length-prefixed Windows-1252 texts, little-endian floats.
#include <QString>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "row records are written byte for byte as little-endian floats");
static_assert(sizeof(float) == 4);

// A text with a length byte and room for N characters. The length byte may
// come from a file, so it is never trusted beyond N.
template <int N> struct KortText {
    std::uint8_t langd;
    char tecken[N];

    int antal() const { return langd > N ? N : langd; }
    QString text() const;
    void satt(const QString& s);
    void sattBytes(const char* data, int n) {
        if (n > N) n = N;
        if (n < 0) n = 0;
        langd = static_cast<std::uint8_t>(n);
        if (n) std::memcpy(tecken, data, static_cast<std::size_t>(n));
    }
    void klipp() {
        if (langd > N) langd = static_cast<std::uint8_t>(N);
    }
    bool ar(const char* s) const {
        const auto n = std::strlen(s);
        return static_cast<std::size_t>(antal()) == n && std::memcmp(tecken, s, n) == 0;
    }
};

QString kortTextTillQString(const char* data, int n);
int qstringTillKortText(const QString& s, char* data, int max);

template <int N> QString KortText<N>::text() const {
    return kortTextTillQString(tecken, antal());
}
template <int N> void KortText<N>::satt(const QString& s) {
    langd = static_cast<std::uint8_t>(qstringTillKortText(s, tecken, N));
}

struct Maltidsrad {
    KortText<22> kod;
    KortText<80> livsmedel;
    KortText<16> enhet;
    char fyllnad1[3];
    float portionsstorlek;
    KortText<16> Enhet1;
    char fyllnad2[3];
    float port1;
    KortText<16> Enhet2;
    char fyllnad3[3];
    float port2;
    KortText<16> Enhet3;
    char fyllnad4[3];
    float port3;
    KortText<16> Enhet4;
    char fyllnad5[3];
    float port4;
    float gram;
    float kgpris;
    KortText<5> tagg;
    char fyllnad6[2];
    std::int32_t reserv;
    float naring[51];
    char reserv2[84];

    // "0" marks an empty row; every test of whether a row holds a food is this.
    bool tom() const { return kod.ar("0"); }
    bool harLivsmedel() const { return !tom(); }
    // Empties the row as a new calculation does; the alternative units and
    // the tag are left as they are.
    void tomma();
    // Cuts length bytes that exceed their fields, as a record from a file may hold.
    void normalisera();
};

static_assert(sizeof(Maltidsrad) == 532);
static_assert(offsetof(Maltidsrad, kod) == 0);
static_assert(offsetof(Maltidsrad, livsmedel) == 23);
static_assert(offsetof(Maltidsrad, enhet) == 104);
static_assert(offsetof(Maltidsrad, portionsstorlek) == 124);
static_assert(offsetof(Maltidsrad, Enhet1) == 128);
static_assert(offsetof(Maltidsrad, port1) == 148);
static_assert(offsetof(Maltidsrad, Enhet2) == 152);
static_assert(offsetof(Maltidsrad, port2) == 172);
static_assert(offsetof(Maltidsrad, Enhet3) == 176);
static_assert(offsetof(Maltidsrad, port3) == 196);
static_assert(offsetof(Maltidsrad, Enhet4) == 200);
static_assert(offsetof(Maltidsrad, port4) == 220);
static_assert(offsetof(Maltidsrad, gram) == 224);
static_assert(offsetof(Maltidsrad, kgpris) == 228);
static_assert(offsetof(Maltidsrad, tagg) == 232);
static_assert(offsetof(Maltidsrad, reserv) == 240);
static_assert(offsetof(Maltidsrad, naring) == 244);
static_assert(offsetof(Maltidsrad, reserv2) == 448);

constexpr int kDagar = 7;
constexpr int kMaltider = 4;
constexpr int kRader = 30; // row 0 stands for the grid's title row
constexpr int kNaring = 51;
