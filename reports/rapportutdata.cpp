#include "reports/rapportutdata.h"

#include "app/text.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <functional>

#include <xlsxwriter.h>

namespace {

QFont qfont(const Layoutfont& f) {
    QFont q(f.familj);
    q.setStyleHint(QFont::TypeWriter);
    q.setFixedPitch(true);
    if (!QFontInfo(q).fixedPitch()) q = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    q.setPointSizeF(f.punkter);
    q.setBold(f.fet);
    return q;
}

void ritaTarta(QPainter& p, const Layoutdel& d, double s) {
    const QRectF ruta(d.x * s, d.y * s, d.b * s, d.h * s);
    QFont rubrik(QStringLiteral("Liberation Sans"));
    rubrik.setPointSizeF(10);
    p.setFont(rubrik);
    p.setPen(Qt::black);
    p.drawText(QRectF(ruta.left(), ruta.top(), ruta.width(), 6 * s),
               Qt::AlignHCenter | Qt::AlignTop, d.rubrik);
    double summa = 0;
    for (const auto& b : d.bitar) summa += std::max(0.0f, b.second);
    const double diameter = std::min(ruta.width() * 0.55, ruta.height() - 9 * s);
    const QRectF cirkel(ruta.center().x() - diameter / 2, ruta.top() + 7 * s, diameter, diameter);
    if (summa <= 0) return;
    double vinkel = 90 * 16;
    QFont etikett(QStringLiteral("Liberation Sans"));
    etikett.setPointSizeF(7);
    for (std::size_t i = 0; i < d.bitar.size(); ++i) {
        const double andel = std::max(0.0f, d.bitar[i].second) / summa;
        const double span = -andel * 360 * 16;
        p.setPen(QPen(Qt::black, 0.2 * s));
        p.setBrush(QColor(QRgb(i < d.bitfarger.size() ? d.bitfarger[i] : 0x808080)));
        p.drawPie(cirkel, static_cast<int>(vinkel), static_cast<int>(std::lround(span)));
        // Label and percent, as "##0 %", outside the slice.
        const double mitt = (vinkel + span / 2) / 16.0 * 3.14159265358979 / 180.0;
        const QPointF c = cirkel.center();
        const double r = diameter / 2 + 4 * s;
        const QPointF pt(c.x() + r * std::cos(mitt), c.y() - r * std::sin(mitt));
        p.setFont(etikett);
        const QString text = d.bitar[i].first + u' ' + QString::number(std::lround(andel * 100)) +
                             QStringLiteral(" %");
        const QRectF tr(pt.x() - 12 * s, pt.y() - 2 * s, 24 * s, 4 * s);
        p.drawText(tr, Qt::AlignCenter, text);
        vinkel += span;
    }
}

} // namespace

void RitaSida(QPainter& p, const Layoutsida& sida, double s) {
    p.save();
    for (const Layoutdel& d : sida.delar) {
        switch (d.slag) {
        case Layoutdel::Slag::Text: {
            const QFont f = qfont(d.font);
            p.setFont(f);
            p.setPen(Qt::black);
            const QFontMetricsF fm(f, p.device());
            if (d.hogerjusterad) {
                p.drawText(
                    QPointF((d.x + d.b) * s - fm.horizontalAdvance(d.text), d.y * s + fm.ascent()),
                    d.text);
            } else {
                p.drawText(QPointF(d.x * s, d.y * s + fm.ascent()), d.text);
            }
            break;
        }
        case Layoutdel::Slag::Rektangel:
            p.fillRect(QRectF(d.x * s, d.y * s, d.b * s, d.h * s), QColor(QRgb(d.farg)));
            break;
        case Layoutdel::Slag::Tarta:
            ritaTarta(p, d, s);
            break;
        }
    }
    p.restore();
}

bool RitaRapport(QPagedPaintDevice& enhet, const Rapportlayout& L) {
    enhet.setPageSize(
        QPageSize(QSizeF(Rapportlayout::kBredd, Rapportlayout::kHojd), QPageSize::Millimeter));
    enhet.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&enhet)) return false;
    // Device units per millimetre of the full page.
    const double s = enhet.width() / (enhet.widthMM() > 0 ? static_cast<double>(enhet.widthMM())
                                                          : Rapportlayout::kBredd);
    for (std::size_t i = 0; i < L.sidor.size(); ++i) {
        if (i > 0) enhet.newPage();
        RitaSida(p, L.sidor[i], s);
    }
    return p.end();
}

bool SkrivRapportPdf(const Rapportlayout& L, const QString& fil) {
    QSaveFile ut(fil);
    if (!ut.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter w(&ut);
        w.setResolution(600);
        w.setTitle(QStringLiteral("Nutrava utskrift"));
        w.setCreator(QStringLiteral("Nutrava"));
        if (!RitaRapport(w, L)) {
            ut.cancelWriting();
            return false;
        }
    }
    return ut.commit();
}

namespace {
QString html(QString s) {
    s.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
    return s;
}

QString svgTarta(const Layoutdel& d) {
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"300\" "
                                 "height=\"190\" viewBox=\"0 0 300 190\">"
                                 "<text x=\"150\" y=\"14\" text-anchor=\"middle\" "
                                 "font-family=\"sans-serif\" font-size=\"12\">%1</text>")
                      .arg(html(d.rubrik));
    double summa = 0;
    for (const auto& b : d.bitar) summa += std::max(0.0f, b.second);
    double v = -90;
    for (std::size_t i = 0; i < d.bitar.size() && summa > 0; ++i) {
        const double andel = std::max(0.0f, d.bitar[i].second) / summa;
        const double a0 = v * 3.14159265358979 / 180,
                     a1 = (v + andel * 360) * 3.14159265358979 / 180;
        const double cx = 150, cy = 100, r = 65;
        const QString farg = QStringLiteral("#%1").arg(
            i < d.bitfarger.size() ? d.bitfarger[i] : 0x808080u, 6, 16, QLatin1Char('0'));
        if (andel >= 0.9999) {
            svg += QStringLiteral(
                       "<circle cx=\"150\" cy=\"100\" r=\"65\" fill=\"%1\" stroke=\"black\"/>")
                       .arg(farg);
        } else {
            svg += QStringLiteral("<path d=\"M%1,%2 L%3,%4 A%5,%5 0 %6,1 %7,%8 Z\" fill=\"%9\" "
                                  "stroke=\"black\"/>")
                       .arg(cx)
                       .arg(cy)
                       .arg(cx + r * std::cos(a0), 0, 'f', 2)
                       .arg(cy + r * std::sin(a0), 0, 'f', 2)
                       .arg(r)
                       .arg(andel > 0.5 ? 1 : 0)
                       .arg(cx + r * std::cos(a1), 0, 'f', 2)
                       .arg(cy + r * std::sin(a1), 0, 'f', 2)
                       .arg(farg);
        }
        const double am = (a0 + a1) / 2;
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" "
                              "font-family=\"sans-serif\" font-size=\"10\">%3 %4 %</text>")
                   .arg(cx + (r + 18) * std::cos(am), 0, 'f', 1)
                   .arg(cy + (r + 14) * std::sin(am), 0, 'f', 1)
                   .arg(html(d.bitar[i].first))
                   .arg(std::lround(andel * 100));
        v += andel * 360;
    }
    return svg + QStringLiteral("</svg>");
}
} // namespace

bool SkrivRapportHtml(const Rapportlayout& L, const QString& fil) {
    QString h =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Nutrava utskrift</title>\n<style>\n"
                       "body{font-family:'Courier New',monospace;font-size:9pt}\n"
                       "section{page-break-before:always;margin-bottom:2em}\n"
                       "h1{font-size:16pt;margin:0.3em 0}\n"
                       "pre{margin:0;line-height:1.2}\n"
                       ".stapel{display:block}\n</style>\n</head>\n<body>\n");
    for (std::size_t g = 0; g < L.grupper.size(); ++g) {
        h += QStringLiteral("<section>\n");
        bool rubrik = false;
        QString pre;
        auto tommaPre = [&] {
            if (!pre.isEmpty()) h += QStringLiteral("<pre>") + pre + QStringLiteral("</pre>\n");
            pre.clear();
        };
        for (std::size_t si = 0; si < L.sidor.size(); ++si) {
            const Layoutsida& s = L.sidor[si];
            if (s.grupp != static_cast<int>(g)) continue;
            for (const Layoutdel& d : s.delar) {
                if (d.slag == Layoutdel::Slag::Text && d.font.fet && !rubrik) {
                    h += QStringLiteral("<h1>") + html(d.text) + QStringLiteral("</h1>\n");
                    rubrik = true;
                }
            }
        }
        for (const auto& [linje, sida] : L.rader) {
            if (sida < 0 || L.sidor[static_cast<std::size_t>(sida)].grupp != static_cast<int>(g))
                continue;
            Stapeldelar st;
            if (TolkaStapelrad(linje, st)) {
                tommaPre();
                h += QStringLiteral(
                         "<svg class=\"stapel\" xmlns=\"http://www.w3.org/2000/svg\" width=\"680\" "
                         "height=\"16\">"
                         "<text x=\"8\" y=\"12\" font-family=\"Courier New,monospace\" "
                         "font-size=\"11\">%1</text>"
                         "<rect x=\"140\" y=\"5\" width=\"%2\" height=\"6\" fill=\"#0000FF\"/>"
                         "<rect x=\"240\" y=\"0\" width=\"1.5\" height=\"16\" fill=\"black\"/>"
                         "<rect x=\"340\" y=\"0\" width=\"1.5\" height=\"18\" fill=\"black\"/>"
                         "<rect x=\"440\" y=\"0\" width=\"1.5\" height=\"15\" fill=\"black\"/>"
                         "<text x=\"510\" y=\"12\" font-family=\"Courier New,monospace\" "
                         "font-size=\"11\" xml:space=\"preserve\">%3</text>"
                         "<text x=\"600\" y=\"12\" font-family=\"Courier New,monospace\" "
                         "font-size=\"11\">%4</text></svg>\n")
                         .arg(html(st.etikett))
                         .arg(st.stapelPx)
                         .arg(html(st.procent))
                         .arg(html(st.krav));
            } else {
                pre += html(linje) + u'\n';
            }
        }
        tommaPre();
        for (const Layoutsida& s : L.sidor) {
            if (s.grupp != static_cast<int>(g)) continue;
            for (const Layoutdel& d : s.delar)
                if (d.slag == Layoutdel::Slag::Tarta) h += svgTarta(d) + u'\n';
        }
        h += QStringLiteral("</section>\n");
    }
    h += QStringLiteral("</body>\n</html>\n");
    QSaveFile ut(fil);
    if (!ut.open(QIODevice::WriteOnly)) return false;
    ut.write(h.toUtf8());
    return ut.commit();
}

namespace {

QByteArray rtfText(const QString& s) {
    QByteArray ut;
    for (const char c : TillAnsi(s)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            ut += '\\';
            ut += c;
        } else if (b >= 0x80) {
            ut += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            ut += c;
        }
    }
    return ut;
}

// A picture of a width and height in millimetres as an RTF \pict.
QByteArray rtfBild(const QImage& bild, double bMm, double hMm) {
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    bild.save(&buf, "PNG");
    const auto twips = [](double mm) { return QByteArray::number(std::lround(mm / 25.4 * 1440)); };
    return "{\\pict\\pngblip\\picw" + QByteArray::number(bild.width()) + "\\pich" +
           QByteArray::number(bild.height()) + "\\picwgoal" + twips(bMm) + "\\pichgoal" +
           twips(hMm) + "\n" + png.toHex() + "}";
}

constexpr double kBildPerMm = 8; // picture pixels per millimetre

QImage ritaYta(double bMm, double hMm, const std::function<void(QPainter&)>& rita) {
    QImage bild(static_cast<int>(bMm * kBildPerMm), static_cast<int>(hMm * kBildPerMm),
                QImage::Format_ARGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    rita(p);
    return bild;
}

// A bar line drawn alone, as the report draws it.
Layoutsida stapelsida(const Stapeldelar& st) {
    Layoutsida s;
    auto text = [&s](double x, const QString& t) {
        Layoutdel d;
        d.x = x;
        d.text = t;
        s.delar.push_back(d);
    };
    auto rekt = [&s](double x, double y, double b, double h, unsigned farg) {
        Layoutdel d;
        d.slag = Layoutdel::Slag::Rektangel;
        d.x = x;
        d.y = y;
        d.b = b;
        d.h = h;
        d.farg = farg;
        s.delar.push_back(d);
    };
    text(PxTillMm(8), st.etikett);
    text(PxTillMm(510), st.procent);
    text(PxTillMm(600), st.krav);
    if (st.stapelPx > 0) rekt(PxTillMm(140), 1.323, PxTillMm(st.stapelPx), 1.588, 0x0000FF);
    rekt(PxTillMm(240), 0, 0.4, 3.969, 0);
    rekt(PxTillMm(340), 0, 0.4, 3.969, 0);
    rekt(PxTillMm(440), 0, 0.4, 3.969, 0);
    return s;
}

bool iGrupp(const Rapportlayout& L, int sida, std::size_t g) {
    return sida >= 0 && static_cast<std::size_t>(sida) < L.sidor.size() &&
           L.sidor[static_cast<std::size_t>(sida)].grupp == static_cast<int>(g);
}

} // namespace

bool SkrivRapportRtf(const Rapportlayout& L, const QString& fil) {
    QByteArray r =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\n"
        "\\paperw11906\\paperh16838\\margl720\\margr360\\margt360\\margb360\n\\f0\\fs18\n";
    for (std::size_t g = 0; g < L.grupper.size(); ++g) {
        if (g > 0) r += "\\page\n";
        r += "{\\b\\fs32 " + rtfText(L.grupper[g].titel) + "}\\par\n";
        for (const auto& [linje, sida] : L.rader) {
            if (!iGrupp(L, sida, g)) continue;
            Stapeldelar st;
            if (TolkaStapelrad(linje, st)) {
                const double bredd = PxTillMm(680), hojd = 3.969;
                const Layoutsida s = stapelsida(st);
                r +=
                    rtfBild(ritaYta(bredd, hojd, [&s](QPainter& p) { RitaSida(p, s, kBildPerMm); }),
                            bredd, hojd) +
                    "\\par\n";
            } else {
                r += rtfText(linje) + "\\par\n";
            }
        }
        for (const Layoutsida& s : L.sidor) {
            if (s.grupp != static_cast<int>(g)) continue;
            for (const Layoutdel& d : s.delar) {
                if (d.slag != Layoutdel::Slag::Tarta) continue;
                Layoutsida en;
                en.delar.push_back(d);
                en.delar.back().x = 0;
                en.delar.back().y = 0;
                r += rtfBild(ritaYta(d.b, d.h, [&en](QPainter& p) { RitaSida(p, en, kBildPerMm); }),
                             d.b, d.h) +
                     "\n";
            }
        }
        r += "\\par\n";
    }
    r += "}\n";
    QSaveFile ut(fil);
    if (!ut.open(QIODevice::WriteOnly)) return false;
    ut.write(r);
    return ut.commit();
}

bool SkrivRapportExcel(const Rapportlayout& L, const QString& fil) {
    // The writer names its own file: it goes to a temporary name beside the
    // target and is renamed over it when complete.
    const QString tmp = fil + QStringLiteral(".tmp");
    QFile::remove(tmp);
    lxw_workbook* wb = workbook_new(QFile::encodeName(tmp).constData());
    if (!wb) return false;
    lxw_format* mono = workbook_add_format(wb);
    format_set_font_name(mono, "Courier New");
    format_set_font_size(mono, 9);
    lxw_format* rubrik = workbook_add_format(wb);
    format_set_font_name(rubrik, "Courier New");
    format_set_font_size(rubrik, 16);
    format_set_bold(rubrik);
    QSet<QString> namn;
    std::vector<QByteArray> bladnamn; // kept alive until the workbook is closed
    bladnamn.reserve(L.grupper.size());
    for (std::size_t g = 0; g < L.grupper.size(); ++g) {
        // Sheet names: at most 31 characters, unique, none of []:*?/\.
        QString n = L.grupper[g].titel.trimmed();
        for (QChar c : {u'[', u']', u':', u'*', u'?', u'/', u'\\'}) n.replace(c, u'_');
        n = n.left(28);
        if (n.isEmpty()) n = QStringLiteral("Blad");
        QString unikt = n;
        for (int k = 2; namn.contains(unikt.toLower()); ++k)
            unikt = n + QStringLiteral(" %1").arg(k);
        namn.insert(unikt.toLower());
        bladnamn.push_back(unikt.toUtf8());
        const char* blad = bladnamn.back().constData();
        lxw_worksheet* ws = workbook_add_worksheet(wb, blad);
        worksheet_set_column(ws, 0, 0, 90, mono);
        worksheet_set_column(ws, 1, 2, 10, mono);
        worksheet_write_string(ws, 0, 0, L.grupper[g].titel.toUtf8().constData(), rubrik);
        lxw_row_t rad = 2;
        lxw_row_t stapelForst = 0, stapelSist = 0;
        for (const auto& [linje, sida] : L.rader) {
            if (!iGrupp(L, sida, g)) continue;
            Stapeldelar st;
            if (TolkaStapelrad(linje, st)) {
                worksheet_write_string(ws, rad, 0, st.etikett.toUtf8().constData(), mono);
                worksheet_write_number(ws, rad, 1, st.procenttal, mono);
                worksheet_write_string(ws, rad, 2, st.krav.toUtf8().constData(), mono);
                if (stapelForst == 0) stapelForst = rad;
                stapelSist = rad;
            } else if (!linje.isEmpty()) {
                worksheet_write_string(ws, rad, 0, linje.toUtf8().constData(), mono);
            }
            ++rad;
        }
        if (stapelForst > 0) {
            // The bar as a data bar in the percent cells, full at 185 %.
            lxw_conditional_format cf = {};
            cf.type = LXW_CONDITIONAL_DATA_BAR;
            cf.min_rule_type = LXW_CONDITIONAL_RULE_TYPE_NUMBER;
            cf.min_value = 0;
            cf.max_rule_type = LXW_CONDITIONAL_RULE_TYPE_NUMBER;
            cf.max_value = 185;
            cf.bar_color = 0x0000FF;
            worksheet_conditional_format_range(ws, stapelForst, 1, stapelSist, 1, &cf);
        }
        // The pies as native charts, their values in cells to the right.
        int tartor = 0;
        for (const Layoutsida& s : L.sidor) {
            if (s.grupp != static_cast<int>(g)) continue;
            for (const Layoutdel& d : s.delar) {
                if (d.slag != Layoutdel::Slag::Tarta) continue;
                const auto kol = static_cast<lxw_col_t>(5 + 3 * tartor);
                worksheet_write_string(ws, 0, kol, d.rubrik.toUtf8().constData(), nullptr);
                for (std::size_t i = 0; i < d.bitar.size(); ++i) {
                    const auto r = static_cast<lxw_row_t>(1 + i);
                    worksheet_write_string(ws, r, kol, d.bitar[i].first.toUtf8().constData(),
                                           nullptr);
                    worksheet_write_number(ws, r, kol + 1, d.bitar[i].second, nullptr);
                }
                lxw_chart* chart = workbook_add_chart(wb, LXW_CHART_PIE);
                lxw_chart_series* serie = chart_add_series(chart, nullptr, nullptr);
                const auto antal = static_cast<lxw_row_t>(std::max<std::size_t>(1, d.bitar.size()));
                chart_series_set_categories(serie, blad, 1, kol, antal, kol);
                chart_series_set_values(serie, blad, 1, kol + 1, antal, kol + 1);
                chart_title_set_name(chart, d.rubrik.toUtf8().constData());
                chart_series_set_labels(serie);
                chart_series_set_labels_options(serie, LXW_TRUE, LXW_FALSE, LXW_FALSE);
                chart_series_set_labels_percentage(serie);
                worksheet_insert_chart(ws, static_cast<lxw_row_t>(6 + 16 * tartor), 4, chart);
                ++tartor;
            }
        }
    }
    if (workbook_close(wb) != LXW_NO_ERROR) {
        QFile::remove(tmp);
        return false;
    }
    if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(fil).constData()) != 0) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

Rapportforhandsvisning::Rapportforhandsvisning(const Rapportlayout& L, QWidget* parent)
    : QDialog(parent), m_layout(L) {
    setObjectName(QStringLiteral("Rapportforhandsvisning"));
    setWindowTitle(QStringLiteral("Nutrava utskrift"));
    auto* yttre = new QHBoxLayout(this);
    auto* vanster = new QVBoxLayout;
    sok = new QLineEdit(this);
    sok->setObjectName(QStringLiteral("sok"));
    sok->setPlaceholderText(QStringLiteral("Sök i utskriften"));
    disposition = new QListWidget(this);
    disposition->setObjectName(QStringLiteral("disposition"));
    for (const Layoutgrupp& g : L.grupper) disposition->addItem(g.titel.trimmed());
    auto* skriv = new QPushButton(QStringLiteral("Skriv ut"), this);
    skriv->setObjectName(QStringLiteral("skriv"));
    vanster->addWidget(sok);
    vanster->addWidget(disposition, 1);
    vanster->addWidget(skriv);
    yttre->addLayout(vanster);
    auto* skrivare = new QPrinter(QPrinter::HighResolution);
    skrivare->setPageSize(
        QPageSize(QSizeF(Rapportlayout::kBredd, Rapportlayout::kHojd), QPageSize::Millimeter));
    vy = new QPrintPreviewWidget(skrivare, this);
    vy->setObjectName(QStringLiteral("vy"));
    yttre->addWidget(vy, 1);
    connect(vy, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { RitaRapport(*p, m_layout); });
    connect(disposition, &QListWidget::currentRowChanged, this, [this](int g) {
        if (g >= 0 && g < static_cast<int>(m_layout.grupper.size()))
            vy->setCurrentPage(m_layout.grupper[static_cast<std::size_t>(g)].forstaSida + 1);
    });
    connect(sok, &QLineEdit::returnPressed, this, [this] { sokText(sok->text()); });
    connect(skriv, &QPushButton::clicked, this, [this] {
        QPrinter p(QPrinter::HighResolution);
        QPrintDialog d(&p, this);
        if (d.exec() == QDialog::Accepted) RitaRapport(p, m_layout);
    });
    vy->setZoomFactor(1.0);
    setWindowState(Qt::WindowMaximized);
}

bool Rapportforhandsvisning::sokText(const QString& text) {
    if (text.isEmpty()) return false;
    const int n = static_cast<int>(m_layout.rader.size());
    for (int k = 0; k < n; ++k) {
        const int i = (m_sokStart + k) % n;
        if (m_layout.rader[static_cast<std::size_t>(i)].first.contains(text, Qt::CaseInsensitive)) {
            vy->setCurrentPage(m_layout.rader[static_cast<std::size_t>(i)].second + 1);
            m_sokStart = i + 1;
            return true;
        }
    }
    return false;
}
