#include "app/Grafik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Seiten.h"
#include "output/Weltzeichnung.h"
#include "output/folienT.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Terme.h"
#include "term/Wertprogramm.h"

namespace zol {

Extended DeltaX = 1;
Extended DeltaY = 1;
Extended Zoom = 10;
bool Gitter = true;
Int32 Fuellmuster = 4;
TPunkt LetzterKurvenpunkt;

namespace {

constexpr Extended CmProZoll = 2.54L;

Extended Ppi() {
    return Leinwand().PixelProZoll();
}

// The value of T at x; false where T has none.
bool Funktionswert(TTerm* T, Extended x, Extended& y) {
    bool definiert = false;
    y = T->Wert(x, definiert);
    return definiert && std::isfinite(y);
}

// The numeric value of a point of a point list; NaN when it has none.
Extended Stellenwert(TStelle* S) {
    Extended v = 0;
    if (S && S->Punkt && Funktionswert(S->Punkt, 0, v)) return v;
    return std::nanl("");
}

// The columns and rows of the canvas within the drawing's window (both ends included); a fill or curve
// outside them would draw nothing.
struct TBereich {
    Int64 Links, Oben, Rechts, Unten;
};

TBereich Zeichenbereich() {
    const TGroesse g = Leinwand().Seitengroesse();
    TBereich b{0, 0, Int64(g.Breite) - 1, Int64(g.Hoehe) - 1};
    if (Zeichenfenster) {
        const TRechteck& f = *Zeichenfenster;
        b = {std::max<Int64>(b.Links, f.Links), std::max<Int64>(b.Oben, f.Oben),
             std::min<Int64>(b.Rechts, Int64(f.Rechts) - 1), std::min<Int64>(b.Unten, Int64(f.Unten) - 1)};
    }
    return b;
}

// A black pixel, where it lies in the drawing's window.
void SetzeSchwarz(Int64 c, Int64 r) {
    if (ImZeichenfenster(Int32(c), Int32(r))) Leinwand().SetzePixel(Int32(c), Int32(r), Schwarz);
}

// ---- coordinate system ----

// The tick step of an axis with the given unit (cm per unit): every k-th unit, or every 1/k-th when
// fein, so that ticks lie 0.5 to 2 cm apart. False when no such step exists within 60 rounds or 64 bits
// (a unit that is not positive or out of all proportion).
struct TTeilung {
    bool Fein = false;
    Int64 K = 1;
};

bool Teilung(Extended Einheit, TTeilung& T) {
    T = TTeilung{};
    Extended e = Einheit;
    for (int i = 1; i <= 60; ++i) {
        if (e >= 0.5L && e <= 2) return true;
        T.Fein = e > 2;
        Int64 k = 0;
        if (i % 3 == 2 ? __builtin_mul_overflow(T.K, Int64(5), &k)
                       : __builtin_mul_overflow(T.K, Int64(2), &k))
            return false;
        T.K = i % 3 == 2 ? k / 2 : k;
        e = T.Fein ? Einheit / T.K : T.K * Einheit;
    }
    return false;
}

// The tick values from a to b; none when the step does not exist or the ticks would be more than a
// drawing can show.
std::vector<Extended> Teilstriche(Extended Einheit, Extended a, Extended b) {
    std::vector<Extended> werte;
    TTeilung T;
    if (!Teilung(Einheit, T)) return werte;
    const Extended k = static_cast<Extended>(T.K);
    const Extended von = std::trunc(T.Fein ? a * k : a / k);
    const Extended bis = std::trunc(T.Fein ? b * k : b / k);
    // Beyond 2^53 a step of 1 would no longer change the index.
    constexpr Extended grenze = 1e15L;
    if (!(std::fabs(von) < grenze) || !(std::fabs(bis) < grenze) || bis - von > 10000) return werte;
    for (Extended j = von; j <= bis; j += 1) werte.push_back(T.Fein ? j / k : j * k);
    return werte;
}

void SchreibeBei(const std::string& Text, Int32 x, Int32 y) {
    Leinwand().BewegeZu(x, y);
    Leinwand().SchreibeText(Text);
}

// A number or name of an axis: its text, the top left corner of its cell and the cell's size.
struct TAchsentext {
    std::string Text;
    TPunkt Ecke;
    TTextmass Mass;
};

// The numbers and names of the axes, at the size of the pages' font, as ZeichneKoordinatensystem writes
// them: x numbers centred below their tick, the name x above the end of its axis, y numbers right-aligned
// left of the axis, the name y right of its end. An axis outside the window has none.
std::vector<TAchsentext> Achsentexte(Extended x1, Extended x0, Extended x2, Extended y1, Extended y0,
                                     Extended y2) {
    TLeinwand& L = Leinwand();
    L.SetzeSchriftgroesse(Schriftgroesse);
    const Int32 X0 = XPixel(x0), X2 = XPixel(x2), Y0 = YPixel(y0), Y2 = YPixel(y2);
    std::vector<TAchsentext> texte;
    auto text = [&](const std::string& t, auto ecke) {
        const TTextmass m = L.Textmass(t);
        texte.push_back({t, ecke(m), m});
    };
    if (y1 <= y0 && y0 <= y2) {
        for (Extended v : Teilstriche(KartenDaten.EinheitX, x1, x2))
            if (v != 0)
                text(FormatiereZahl(v), [&](TTextmass m) {
                    return TPunkt{XPixel(v) - m.Breite / 2, Y0 + 3};
                });
        text("x", [&](TTextmass m) { return TPunkt{X2 - m.Breite, Y0 - 3 * m.Hoehe / 2}; });
    }
    if (x1 <= x0 && x0 <= x2) {
        for (Extended v : Teilstriche(KartenDaten.EinheitY, y1, y2))
            if (v != 0)
                text(FormatiereZahl(v), [&](TTextmass m) {
                    return TPunkt{X0 - 3 - m.Breite, YPixel(v) - m.Hoehe / 2};
                });
        text("y", [&](TTextmass m) { return TPunkt{X0 + 6, Y2 - m.Hoehe / 2}; });
    }
    return texte;
}

// The cells of the graph's texts, which a fill leaves free.
std::vector<TRechteck> Aussparungen;

bool Ausgespart(Int64 c, Int64 r) {
    return std::any_of(Aussparungen.begin(), Aussparungen.end(), [&](const TRechteck& a) {
        return c >= a.Links && c < a.Rechts && r >= a.Oben && r < a.Unten;
    });
}

// ---- area ----

// The two functions of the fill, the margin of InFlaeche and the values at the last x asked; the functions'
// value programs.
struct TFlaeche {
    TTerm* F = nullptr;
    TTerm* G = nullptr;
    Extended Delta = 0;
    bool Gemerkt = false;
    Double X = 0;
    bool Definiert = false;
    Extended FX = 0, GX = 0;
    std::optional<TWertprogramm> FP = {}, GP = {};
};

TFlaeche Flaeche;

void SetzeWennInFlaeche(Int64 c, Int64 r) {
    if (!Ausgespart(c, r) && InFlaeche(XWelt(Int32(c)), YWelt(Int32(r)))) SetzeSchwarz(c, r);
}

// Lines of two pixels at the spacing q (about 5 pixels) from Start on, each drawn by Zeichne for the
// positions within [Min, Max].
template <class Z> void Parallelen(Extended Laenge, Int64 Start, Int64 Min, Int64 Max, Z Zeichne) {
    if (!(std::fabs(Laenge) < 1e15L)) return;
    const Int64 n = Round(Laenge / 5);
    if (n <= 0) return;
    const Extended q = Laenge / n;
    const Int64 erste = std::max<Int64>(0, static_cast<Int64>(std::floor((Min - Start) / q)) - 1);
    for (Int64 i = erste; i <= n; ++i) {
        const Int64 lage = Start + Round(i * q);
        if (lage > Max) break;
        for (Int64 t = 0; t <= 1; ++t)
            if (lage + t >= Min && lage + t <= Max) Zeichne(lage + t);
    }
}

} // namespace

// ---- curve ----

void ZeichneKurve(TTerm* T) {
    LetzterKurvenpunkt = {0, 0};
    if (!T) return;
    const TKartenDaten K = KartenDaten;
    const TBereich B = Zeichenbereich();
    TWertprogramm P(T);
    auto imFenster = [&](Extended x, Extended& y) {
        return P.EndlicherWert(x, y) && K.YVon <= y && y <= K.YBis;
    };
    auto setze = [](Int64 c, Int32 r) {
        SetzeSchwarz(c, r);
        LetzterKurvenpunkt = {Int32(c), r};
    };

    // Only the columns on the canvas are visited.
    const Int64 erste = std::max<Int64>(XPixel(K.XVon), B.Links);
    const Int64 letzte = std::min<Int64>(Int64(XPixel(K.XBis)) - 1, B.Rechts);
    Extended x0 = erste == XPixel(K.XVon) ? K.XVon : XWelt(Int32(erste));
    Extended y0 = 0;
    bool d0 = imFenster(x0, y0);
    Int32 r0 = d0 ? YPixel(y0) : 0;
    for (Int64 c = erste; c <= letzte; ++c) {
        const Extended x1 = XWelt(Int32(c + 1));
        Extended y1 = 0;
        const bool d1 = imFenster(x1, y1);
        // The row of a defined value is always taken, so a column after a gap does not start at row 0.
        const Int32 r1 = d1 ? YPixel(y1) : 0;
        if (d0 && d1) {
            if (r1 == r0) {
                setze(c, r0);
            } else {
                // Three samples per pixel of vertical jump, across one pixel's width.
                const Int64 n = 3 * std::abs(Int64(r1) - r0);
                for (Int64 i = 0; i <= n; ++i) {
                    Extended y = 0;
                    const Extended x = x0 + i * CmProZoll / (n * Ppi() * K.EinheitX);
                    if (imFenster(x, y)) setze(c, YPixel(y));
                }
            }
        }
        x0 = x1;
        d0 = d1;
        r0 = r1;
    }
}

// ---- coordinate system ----

void ZeichneKoordinatensystem(Extended x1, Extended x0, Extended x2, Extended y1, Extended y0, Extended y2) {
    TLeinwand& L = Leinwand();
    L.SetzeSchriftgroesse(Schriftgroesse);
    const Int32 s = PunktZuPixel(L.Schrift().Groesse / 3);
    const Int32 X0 = XPixel(x0), X2 = XPixel(x2), Y0 = YPixel(y0), Y2 = YPixel(y2);
    // An axis outside the window of the drawing is left out with its numbers and its name.
    const std::vector<Extended> xWerte = Teilstriche(KartenDaten.EinheitX, x1, x2);
    if (y1 <= y0 && y0 <= y2) {
        Linie(x1, y0, x2, y0);
        Strecke({X2 - s, Y0 - s}, {X2, Y0});
        Strecke({X2, Y0}, {X2 - s, Y0 + s});
        for (Extended v : xWerte) {
            const Int32 c = XPixel(v);
            if (c < X2 - 10) Strecke({c, Y0 - s}, {c, Y0 + s});
        }
    }
    const std::vector<Extended> yWerte = Teilstriche(KartenDaten.EinheitY, y1, y2);
    if (x1 <= x0 && x0 <= x2) {
        Linie(x0, y1, x0, y2);
        Strecke({X0 - s, Y2 + s}, {X0, Y2});
        Strecke({X0, Y2}, {X0 + s, Y2 + s});
        for (Extended v : yWerte) {
            const Int32 r = YPixel(v);
            if (Y2 + 10 < r) Strecke({X0 - s, r}, {X0 + s, r});
        }
    }
    for (const TAchsentext& t : Achsentexte(x1, x0, x2, y1, y0, y2)) SchreibeBei(t.Text, t.Ecke.x, t.Ecke.y);

    if (!Gitter) return;
    for (Extended vx : xWerte)
        for (Extended vy : yWerte) SetzeSchwarz(XPixel(vx), YPixel(vy));
}

// ---- area ----

bool InFlaeche(Double x, Double y) {
    TFlaeche& A = Flaeche;
    if (!A.FP || !A.GP) return false;
    if (!A.Gemerkt || A.X != x) {
        A.Definiert = A.FP->EndlicherWert(x, A.FX) && A.GP->EndlicherWert(x, A.GX);
        A.X = x;
        A.Gemerkt = true;
    }
    if (!A.Definiert) return false;
    const Extended d = A.Delta;
    return (A.FX + d < y && y < A.GX - d) || (A.GX + d < y && y < A.FX - d);
}

void SchraffiereFlaeche(Int32 m, TTerm* f, TTerm* g, Double xa, Double xb, Double yv, Double yb) {
    const TKartenDaten& K = KartenDaten;
    if (std::isnan(xa) || std::isnan(xb) || std::isnan(yv) || std::isnan(yb)) return;
    const Extended p = Ppi();
    // Pixels per unit of x and y.
    const Extended pu = K.EinheitX / CmProZoll * p, pv = K.EinheitY / CmProZoll * p;
    Flaeche = TFlaeche{f, g, m >= 6 ? CmProZoll / (p * K.EinheitX) : 0};
    if (f && g) {
        Flaeche.FP.emplace(f);
        Flaeche.GP.emplace(g);
    }
    const Int64 C1 = XPixel(xa), C2 = XPixel(xb), R1 = YPixel(yb), R2 = YPixel(yv);
    const TBereich B = Zeichenbereich();
    const Int64 links = std::max(C1, B.Links), rechts = std::min(C2, B.Rechts);
    const Int64 oben = std::max(R1, B.Oben), unten = std::min(R2, B.Unten);

    switch (m) {
    case 2:
        Parallelen((yb - yv) * pv, R1, oben, unten, [&](Int64 r) {
            for (Int64 c = links; c <= rechts; ++c) SetzeWennInFlaeche(c, r);
        });
        break;
    case 3:
        Parallelen((xb - xa) * pu, C1, links, rechts, [&](Int64 c) {
            for (Int64 r = oben; r <= unten; ++r) SetzeWennInFlaeche(c, r);
        });
        break;
    case 4:
    case 5: {
        const Int64 P = Round(5 * std::sqrt(2.0L)), T = Round(2 * std::sqrt(2.0L));
        for (Int64 c = links; c <= rechts; ++c) {
            const Extended u = c - K.RandLinks;
            Int64 o = Round(u - std::trunc(u / P) * P);
            if (m == 5) o = P - o;
            // Stripes below the canvas are skipped.
            Int64 i = std::max<Int64>(0, (R2 - o - unten) / P - 1);
            for (; R2 - o - T - i * P > R1; ++i) {
                for (Int64 t = 0; t < T; ++t) {
                    const Int64 r = R2 - o - t - i * P;
                    if (r >= oben && r <= unten) SetzeWennInFlaeche(c, r);
                }
                if (R2 - o - i * P < oben) break;
            }
        }
        break;
    }
    case 6:
    case 7: {
        const Int64 erste = std::max<Int64>(0, (oben - 2 - R1) / 6);
        for (Int64 k = erste; R1 + 6 * k + 2 <= R2 && R1 + 6 * k - 1 <= unten; ++k) {
            const Int64 r = R1 + 6 * k;
            const Int64 start = C1 + 3 + (k % 2 == 1 ? 3 : 0);
            for (Int64 c = start + std::max<Int64>(0, (links - 2 - start) / 6) * 6;
                 c + 2 <= C2 && c - 1 <= rechts; c += 6) {
                if (!InFlaeche(XWelt(Int32(c)), YWelt(Int32(r)))) continue;
                const Int64 von = m == 6 ? 0 : -1;
                for (Int64 dr = von; dr <= 1; ++dr)
                    for (Int64 dc = von; dc <= 1; ++dc)
                        if (!Ausgespart(c + dc, r + dr)) SetzeSchwarz(c + dc, r + dr);
            }
        }
        break;
    }
    default:
        break;
    }
    Flaeche = TFlaeche{};
}

// ---- the step ----

namespace {

// The name of a curve beside the last pixel it set; returns the box of its ink.
TRechteck Kurvenname(const std::string& Name) {
    std::unique_ptr<TFolie> F = TextFolie(Name, static_cast<Single>(Schriftgroesse));
    if (!F) return {};
    const TPunkt p{LetzterKurvenpunkt.x + 10, LetzterKurvenpunkt.y - 5};
    Leinwand().BewegeZu(p.x, p.y);
    F->Zeichne();
    const TBox& b = *F->Box;
    return {p.x + b.LinksAbstand, p.y - b.Oben, p.x + b.LinksAbstand + b.Breite, p.y + b.Unten};
}

// The curve of T and its name; returns the name's box (empty for a curve that set no pixel, which gets no
// name).
TRechteck ZeichneKurveMitNamen(TTerm* T, const std::string& Name) {
    ZeichneKurve(T);
    if (LetzterKurvenpunkt.x == 0 && LetzterKurvenpunkt.y == 0) return {};
    return Kurvenname(Name);
}

// A length in cm with three significant digits.
std::string Zentimeter(Extended cm) {
    char text[40];
    std::snprintf(text, sizeof text, "%.3Lg cm", cm);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// The line under a graph printed smaller than on the screen.
std::string Massstabtext(const TKartenDaten& K) {
    const std::string x = Zentimeter(K.EinheitX), y = Zentimeter(K.EinheitY);
    return "Verkleinert, damit der Graph auf die Seite passt: " +
           (x == y ? "1 Einheit = " + x
                   : "1 Einheit = " + x + " auf der x-Achse, " + y + " auf der y-Achse") +
           ".";
}

// A bound of the area: the vertical line from f(x) to g(x); none where either has no value.
void Grenzlinie(TTerm* f, TTerm* g, Extended x) {
    Extended fx = 0, gx = 0;
    if (Funktionswert(f, x, fx) && Funktionswert(g, x, gx)) Linie(x, fx, x, gx);
}

// Whether T has a number as its value somewhere across the drawing's window.
bool HatZahlwerteImFenster(TTerm* T) {
    TWertprogramm P(T);
    const TKartenDaten& K = KartenDaten;
    constexpr int n = 256;
    for (int i = 0; i <= n; ++i) {
        Extended y = 0;
        if (P.EndlicherWert(K.XVon + (K.XBis - K.XVon) * i / n, y)) return true;
    }
    return false;
}

// The line on the curve of T (named Name), which holds a parameter.
std::string OhneKurveText(TTerm* T, const std::string& Name) {
    if (!HatZahlwerteImFenster(T))
        return "Der Graph von " + Name + " wird nicht gezeichnet: " + OhneZahlwerteText(T, Name);
    return "Der Graph von " + Name + " wird nur dort gezeichnet, wo " + Name +
           " Zahlen als Werte hat: " + Name + " enthält " + ParameterImAkkusativ(T) + ".";
}

} // namespace

void DoGraph() {
    if (!FTerm) return;
    try {
        GTerm = TermAusFeld(TEingabefeld::GTerm);
        if (!DruckModus) SeitenY = 0;
        Int32 y = SeitenY;
        const size_t ersteZeile = Zeilenliste->Zeilen.size();
        SchreibeUnterstrichen(GTerm ? "Graphen :" : "Graph :");
        // f as entered throughout: its heading, its curve and the area are drawn where it has a value
        // (sqrt(x)^2 = x only for x >= 0).
        TTerm* f = EingegebenesF();
        SchreibeTextTerm(" f(x) = ", f);
        if (GTerm) SchreibeTextTerm(";  g(x) = ", GTerm);
        NeueZeile();
        // A function with a parameter has no numbers as values, so it has no curve, or only where a case of
        // it holds no parameter: the page says why.
        for (const auto& [T, name] : {std::pair<TTerm*, std::string>{f, "f"}, {GTerm, "g"}})
            if (T && EnthaeltParameter(T)) SchreibeZeile(OhneKurveText(T, name));
        // The graph is drawn over the page from the offset y, its top within the top margin. Lines above it
        // taller than that margin (a fraction, a function by cases, the line on a missing curve) lower the
        // drawing, so that they stay clear of the grid, the top labels and the curves' names.
        // The screen draws its lines from 5 pixels down; half a label's height stays free below the lines.
        Int32 kopf = DruckModus ? 0 : 5;
        for (size_t i = ersteZeile; i < Zeilenliste->Zeilen.size(); ++i)
            kopf += Zeilenvorschub(*Zeilenliste->Zeilen[i]);
        const Int32 absenkung = std::max<Int32>(
            0, kopf + PunktZuPixel(Schriftgroesse) / 2 -
                   static_cast<Int32>(KartenDaten.RandOben / 2.54L * Leinwand().PixelProZoll()));
        // On paper the drawing shrinks where it would not fit; the screen's units come back afterwards.
        const TDruckgraph druck = DruckModus ? Druckgraph(absenkung) : TDruckgraph{};
        if (DruckModus && y > 5 && y + druck.Hoehe > Seitenhoehe) {
            Leinwand().NeueSeite();
            y = SeitenY = 5;
        }
        TKartenDaten gedruckt = KartenDaten;
        gedruckt.EinheitX *= druck.Faktor;
        gedruckt.EinheitY *= druck.Faktor;
        TWechsel<TKartenDaten> karte(KartenDaten, gedruckt);
        ZeichneSeite(0);
        SeitenY = y + absenkung;
        // The window and scale as drawn (on paper the reduced ones).
        const TKartenDaten K = KartenDaten;
        {
            // Every stroke and dot of the graph stays in its coordinate window; only texts lie beside it.
            TWechsel<std::optional<TRechteck>> fenster(Zeichenfenster, Koordinatenfenster());
            // The cells of the texts, which the names of the points keep clear of and the area's fill leaves
            // free, so that they stay readable; the fill comes last, so that the names look for their place
            // beside the curves and axes alone.
            std::vector<TRechteck> texte;
            auto frei = [&texte](TRechteck r) {
                if (r.Rechts > r.Links) texte.push_back({r.Links - 1, r.Oben - 1, r.Rechts + 1, r.Unten + 1});
            };
            frei(ZeichneKurveMitNamen(f, "G*i<f>"));
            if (GTerm)
                frei(ZeichneKurveMitNamen(GTerm, "G*i<g>"));
            else
                GTerm = Null; // the area lies between f and the x-axis

            // Only an area that the page states is hatched: none where the area step found none (an
            // integrand not known to be defined, a pole in the interval, intersections not all known, no
            // antiderivative) or gave no bounds, and so never across a pole.
            const TSListe* stellen = Schrittflags[SchrittFlaeche] ? Flaechenstellen : nullptr;
            const bool flaeche = stellen && stellen->Anzahl >= 2;
            Extended xa = 0, xb = 0;
            if (flaeche) {
                xa = Stellenwert(stellen->Stellen[1]);
                xb = Stellenwert(stellen->Stellen[stellen->Anzahl]);
                Grenzlinie(f, GTerm, xa);
                Grenzlinie(f, GTerm, xb);
            }

            ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
            for (const TAchsentext& t : Achsentexte(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis))
                frei({t.Ecke.x, t.Ecke.y, t.Ecke.x + t.Mass.Breite, t.Ecke.y + t.Mass.Hoehe});

            // The crosses first, so that no name covers a point marked after it.
            auto imFenster = [&K](const TGrafikPunkt& P) {
                return K.XVon <= P.X && P.X <= K.XBis && K.YVon <= P.Y && P.Y <= K.YBis;
            };
            for (Int32 i = 1; i <= Grafikpunkte.Anzahl; ++i)
                if (imFenster(Grafikpunkte.Punkte[size_t(i)])) ZeichneKreuz(Grafikpunkte.Punkte[size_t(i)]);
            for (Int32 i = 1; i <= Grafikpunkte.Anzahl; ++i)
                if (imFenster(Grafikpunkte.Punkte[size_t(i)]))
                    frei(BeschriftePunkt(Grafikpunkte.Punkte[size_t(i)], texte));

            if (flaeche) {
                TWechsel<std::vector<TRechteck>> aussparungen(Aussparungen, texte);
                SchraffiereFlaeche(Fuellmuster + 2, f, GTerm, static_cast<Double>(xa),
                                   static_cast<Double>(xb), static_cast<Double>(K.YVon),
                                   static_cast<Double>(K.YBis));
            }
        }
        if (DruckModus) {
            // Later lines on paper follow below the graph, the line with a reduced scale first.
            SeitenY = y + druck.Hoehe - druck.Massstabzeile;
            if (druck.Massstabzeile > 0) {
                SchreibeZeile(Massstabtext(K));
                ZeichneSeite(0);
            }
        }
        if (Grafikpunkte.Voll)
            Oberflaeche().Meldung(TMeldungsart::Information,
                                  "Punkt-Liste ist voll. Nicht alle Punkte konnten gezeichnet werden.");
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, std::string("Fehler bei DoGraph:\n\r") + e.what());
    }
}

} // namespace zol
