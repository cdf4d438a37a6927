#include "meal/livsmedelslista.h"

std::vector<int> LivsmedelIBildgrupp(const LivsmedelsindexTabell& index, const QString& grupptext) {
    const QString nyckel = Versaler(grupptext);
    std::vector<int> ut;
    for (std::size_t i = 0; i < index.poster.size(); ++i) {
        const QString& g = index.poster[i].grupp2Versal;
        if (!g.isEmpty() && nyckel.contains(g)) ut.push_back(static_cast<int>(i));
    }
    return ut;
}

std::vector<int> LivsmedelISLVGrupp(const LivsmedelsindexTabell& index, const QString& grupptext) {
    const QString nyckel = Versaler(grupptext);
    const bool kort = nyckel.size() <= 2;
    std::vector<int> ut;
    for (std::size_t i = 0; i < index.poster.size(); ++i) {
        const QString& g = index.poster[i].grupp1Versal;
        if (kort ? g == nyckel : g.contains(nyckel)) ut.push_back(static_cast<int>(i));
    }
    return ut;
}

std::vector<int> SokLivsmedel(const LivsmedelsindexTabell& index, const QString& ord) {
    const QString nyckel = Versaler(ord);
    const QLatin1String reserv("RESERV");
    std::vector<int> ut;
    for (std::size_t i = 0; i < index.poster.size(); ++i) {
        const QString& n = index.poster[i].livsmedelVersal;
        if (n != reserv && n.startsWith(nyckel)) ut.push_back(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < index.poster.size(); ++i) {
        const QString& n = index.poster[i].livsmedelVersal;
        if (n != reserv && !n.startsWith(nyckel) && n.contains(nyckel))
            ut.push_back(static_cast<int>(i));
    }
    return ut;
}
