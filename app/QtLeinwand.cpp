#include "app/QtLeinwand.h"

#include <QPen>
#include <QPolygon>
#include <QPrinter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

// 96 pixels per inch in dots per metre, as QImage keeps its resolution.
constexpr int PunkteProMeter96 = 3780;

QColor Farbe(TFarbe f) {
    return QColor((f >> 16) & 0xFF, (f >> 8) & 0xFF, f & 0xFF);
}

QRect Rechteck(const TRechteck& r) {
    return QRect(r.Links, r.Oben, r.Rechts - r.Links, r.Unten - r.Oben);
}

} // namespace

QImage NeuesSeitenbild(int Breite, int Hoehe) {
    QImage bild(std::max(Breite, 1), std::max(Hoehe, 1), QImage::Format_RGB32);
    bild.setDotsPerMeterX(PunkteProMeter96);
    bild.setDotsPerMeterY(PunkteProMeter96);
    bild.fill(Qt::white);
    return bild;
}

TQtLeinwand::TQtLeinwand(QImage& bild) : Geraet(&bild), Bild(&bild) {
    bild.setDotsPerMeterX(PunkteProMeter96);
    bild.setDotsPerMeterY(PunkteProMeter96);
}

TQtLeinwand::TQtLeinwand(QPrinter& drucker)
    : Geraet(&drucker), Drucker(&drucker), Massstab(drucker.logicalDpiX() / 96.0),
      Messbild(NeuesSeitenbild(1, 1)) {
    const TGroesse g = Seitengroesse();
    Seitenbild = NeuesSeitenbild(g.Breite, g.Hoehe);
}

TQtLeinwand::~TQtLeinwand() {
    Beende();
}

void TQtLeinwand::Beende() {
    if (Painter.isActive()) Painter.end();
    if (Bildmaler.isActive()) Bildmaler.end();
}

namespace {

void Beginne(QPainter& p, QPaintDevice* geraet, const QTransform& t) {
    p.begin(geraet);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setTransform(t);
}

} // namespace

QPainter& TQtLeinwand::Maler() {
    if (!Painter.isActive())
        Beginne(Painter, Geraet, Zeilenmassstab * QTransform::fromScale(Massstab, Massstab));
    return Painter;
}

template <class Z> void TQtLeinwand::Male(Z zeichne) {
    zeichne(Maler());
    if (!Drucker) return;
    if (!Bildmaler.isActive()) Beginne(Bildmaler, &Seitenbild, Zeilenmassstab);
    zeichne(Bildmaler);
}

Int32 TQtLeinwand::PixelProZoll() const {
    return Drucker ? 96 : Geraet->logicalDpiX();
}

const QFont& TQtLeinwand::QtSchrift() {
    if (!Eingestellt || !(*Eingestellt == Schrift())) {
        const TSchrift& s = Schrift();
        QFont f(QString::fromStdString(s.Name));
        // Whole pixels, as the font's height in pixels is Round(points * pixels per inch / 72).
        f.setPixelSize(std::max<int>(1, static_cast<int>(Round(s.Groesse * PixelProZoll() / 72.0L))));
        f.setBold(s.Stil & Fett);
        f.setItalic(s.Stil & Kursiv);
        f.setUnderline(s.Stil & Unterstrichen);
        f.setStrikeOut(s.Stil & Durchgestrichen);
        f.setKerning(false);
        f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
        Schrift_ = f;
        Metrik_.emplace(Schrift_, Drucker ? static_cast<QPaintDevice*>(&Messbild) : Geraet);
        Breiten.clear();
        Eingestellt = s;
    }
    return Schrift_;
}

const QFontMetrics& TQtLeinwand::Metrik() {
    QtSchrift();
    return *Metrik_;
}

Int32 TQtLeinwand::Zeichenbreite(const std::string& Zeichen) {
    const QFontMetrics& m = Metrik();
    auto it = Breiten.find(Zeichen);
    if (it != Breiten.end()) return it->second;
    Int32 b = m.horizontalAdvance(QString::fromStdString(Zeichen));
    Breiten.emplace(Zeichen, b);
    return b;
}

TTextmass TQtLeinwand::Textmass(const std::string& Text) {
    Int32 breite = 0;
    for (const std::string& z : ZerlegeInZeichen(Text)) breite += Zeichenbreite(z);
    return {breite, Metrik().height()};
}

void TQtLeinwand::SchreibeText(const std::string& Text) {
    const QFont& schrift = QtSchrift();
    const QColor farbe = Farbe(Schrift().Farbe);
    const Int32 grundlinie = Stift().y + Metrik().ascent();
    Int32 x = Stift().x;
    for (const std::string& z : ZerlegeInZeichen(Text)) {
        const QString zeichen = QString::fromStdString(z);
        Male([&](QPainter& p) {
            p.setFont(schrift);
            p.setPen(farbe);
            p.drawText(QPoint(x, grundlinie), zeichen);
        });
        x += Zeichenbreite(z);
    }
    BewegeZu(x, Stift().y);
}

void TQtLeinwand::SetzeStrichstift(QPainter& p) {
    p.setPen(QPen(QBrush(Qt::black), std::max<Int32>(Stiftbreite(), 1), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void TQtLeinwand::LinieZu(Int32 x, Int32 y) {
    const TPunkt a = Stift();
    Male([&](QPainter& p) {
        SetzeStrichstift(p);
        p.drawLine(a.x, a.y, x, y);
    });
    BewegeZu(x, y);
}

void TQtLeinwand::Polylinie(const std::vector<TPunkt>& Punkte) {
    if (Punkte.empty()) return;
    QPolygon polygon;
    for (const TPunkt& q : Punkte) polygon << QPoint(q.x, q.y);
    Male([&](QPainter& p) {
        SetzeStrichstift(p);
        p.drawPolyline(polygon);
    });
}

void TQtLeinwand::Ellipsenbogen(const TRechteck& r, Int32 StartGrad, Int32 SpanneGrad) {
    Male([&](QPainter& p) {
        SetzeStrichstift(p);
        p.drawArc(Rechteck(r), StartGrad * 16, SpanneGrad * 16);
    });
}

void TQtLeinwand::FuelleRechteck(const TRechteck& r, TFarbe f) {
    Male([&](QPainter& p) { p.fillRect(Rechteck(r), Farbe(f)); });
}

TFarbe TQtLeinwand::Pixel(Int32 x, Int32 y) {
    const QImage* bild = Drucker ? &Seitenbild : Bild;
    if (!bild || !bild->valid(x, y)) return Weiss;
    // The picture of a printed page holds what was drawn since its painter last ended.
    if (Bildmaler.isActive()) Bildmaler.end();
    return static_cast<TFarbe>(bild->pixel(x, y) & 0xFFFFFF);
}

void TQtLeinwand::SetzePixel(Int32 x, Int32 y, TFarbe f) {
    Male([&](QPainter& p) {
        p.setPen(QPen(QBrush(Farbe(f)), 1));
        p.drawPoint(x, y);
    });
}

TGroesse TQtLeinwand::Seitengroesse() const {
    return {static_cast<Int32>(Geraet->width() / Massstab), static_cast<Int32>(Geraet->height() / Massstab)};
}

void TQtLeinwand::SetzeMassstab(Double Faktor, TPunkt Fest) {
    QTransform t;
    if (Faktor != 1) {
        t.translate(Fest.x, Fest.y);
        t.scale(Faktor, Faktor);
        t.translate(-Fest.x, -Fest.y);
    }
    Zeilenmassstab = t;
    Maler().setTransform(t * QTransform::fromScale(Massstab, Massstab));
    if (Bildmaler.isActive()) Bildmaler.setTransform(t);
}

bool TQtLeinwand::NeueSeite() {
    if (!Drucker) return false;
    Maler();
    if (Bildmaler.isActive()) Bildmaler.end();
    Seitenbild.fill(Qt::white);
    return Drucker->newPage();
}

} // namespace zol
