#include "output/Seiten.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Termsatz.h"
#include "output/folienT.h"
#include "plattform/Leinwand.h"
#include "plattform/Oberflaeche.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

TLeinwand* Druckerleinwand = nullptr;

namespace {

// The steps that the searches of one row of a value table may take together.
constexpr Int64 Zeilenvorrat = 10 * Suchbudget;

// The value of a constant term; false when it has none or it is not finite.
bool Zahlwert(TTerm* T, Extended& Wert) {
    if (!T) return false;
    bool definiert = false;
    Wert = T->Wert(0, definiert);
    return definiert && std::isfinite(Wert);
}

bool IstGanzeKonstante(TTerm* T) {
    TRationaleKonstante* r = AlsRationaleKonstante(T);
    return r && r->Bruch.Nenner == 1;
}

constexpr Extended CmProZoll = 2.54L;
// Room on paper right of the graph's last column for the arrow, the name x and the curve names, and below
// its lowest row for the labels there, in cm.
constexpr Extended RaumRechts = 1;
constexpr Extended RaumUnten = 0.5L;

// The advance from one line's bottom to the next: the line's height + 10, at least 20.
Int32 Zeilenabstand(Int32 h) {
    return h >= 20 ? h + 10 : 20;
}

// The factor by which line L is drawn smaller, so that it ends where the written lines wrap (Seitenbreite -
// 10, from the left margin of 10): a table or a formula that cannot be broken, wider than the page, is shown
// whole rather than cut at the paper's or the image's edge, but never smaller than Mindestmassstab, below
// which it could not be read. 1 for a line that fits and for a rule.
Extended Zeilenmassstab(const TFolie& L) {
    if (!L.Box || L.Art == ArtLinie) return 1;
    const Int32 rechts = L.Box->LinksAbstand + L.Box->Breite;
    const Int32 platz = Seitenbreite - 20;
    if (rechts <= platz || platz <= 0) return 1;
    return std::max(static_cast<Extended>(platz) / rechts, Mindestmassstab);
}

// The line's height as drawn.
Int32 Zeilenhoehe(const TFolie& L) {
    return L.Box ? static_cast<Int32>(std::ceil((L.Box->Oben + L.Box->Unten) * Zeilenmassstab(L))) : 0;
}

Int32 Zeilenabstand(const TFolie& L) {
    return Zeilenabstand(Zeilenhoehe(L));
}

} // namespace

void AktiviereSeite(TLeinwand* Bild, bool IstGraph) {
    if (!DruckModus) {
        if (!Bild) return;
        Bild->SetzeSchrift(Leinwand().Schrift());
        SetzeLeinwand(Bild);
        const TGroesse g = Bild->Seitengroesse();
        Seitenbreite = g.Breite;
        Seitenhoehe = g.Hoehe;
        Bild->FuelleRechteck({0, -2, g.Breite, g.Hoehe}, Weiss);
        return;
    }
    if (Druckerleinwand) {
        Druckerleinwand->SetzeSchrift(Leinwand().Schrift());
        SetzeLeinwand(Druckerleinwand);
    }
    // The graph is drawn over the page from SeitenY down; it must not be cut by the page bottom.
    if (IstGraph && SeitenY + Druckgraph().Hoehe > Seitenhoehe) {
        Leinwand().NeueSeite();
        SeitenY = 5;
    }
}

TDruckgraph Druckgraph(Int32 Absenkung) {
    const TKartenDaten& K = KartenDaten;
    const Extended ppcm = Leinwand().PixelProZoll() / CmProZoll;
    const Extended breite = (K.XBis - K.XVon) * K.EinheitX * ppcm;
    const Extended hoehe = (K.YBis - K.YVon) * K.EinheitY * ppcm;
    const Int32 zeile = Zeilenabstand(Leinwand().Textmass("0").Hoehe);
    // Right of the margin up to where the rules end, and a whole page below the top margin.
    const Extended platzX = Seitenbreite + 10 - (K.RandLinks + RaumRechts) * ppcm;
    const Extended platzY = Seitenhoehe - 5 - Absenkung - (K.RandOben + RaumUnten) * ppcm;
    TDruckgraph D;
    if (breite > platzX || hoehe > platzY) {
        D.Faktor = std::min(platzX / breite, (platzY - zeile) / hoehe);
        // A margin as large as the page leaves no room; the drawing then shrinks to a hundredth.
        if (!(D.Faktor >= 0.01L)) D.Faktor = 0.01L;
        D.Massstabzeile = zeile;
    }
    D.Hoehe = static_cast<Int32>(std::ceil((K.RandOben + RaumUnten) * ppcm + hoehe * D.Faktor)) +
              D.Massstabzeile + Absenkung;
    return D;
}

Int32 Zeilenvorschub(const TFolie& Zeile) {
    return Zeilenabstand(Zeile);
}

void ZeichneSeite(Int32 ab) {
    const auto& zeilen = Zeilenliste->Zeilen;
    // On paper every line is printed once, whatever steps share the page and draw it.
    size_t start = std::min(Zeilenliste->Gedruckt, zeilen.size());
    if (!DruckModus) {
        SeitenY = 5;
        start = ab > 0 ? static_cast<size_t>(ab) : 0;
    } else {
        Zeilenliste->Gedruckt = zeilen.size();
    }
    for (size_t i = start; i < zeilen.size(); ++i) {
        TFolie& L = *zeilen[i];
        const Int32 unten = L.Box ? L.Box->Unten : 0;
        SeitenY += Zeilenabstand(L);
        if (!DruckModus) {
            if (SeitenY >= Seitenhoehe) break;
        } else if (SeitenY > Seitenhoehe) {
            Leinwand().NeueSeite();
            SeitenY = Zeilenhoehe(L) + 5;
        }
        Leinwand().BewegeZu(10, SeitenY - unten);
        const Extended massstab = Zeilenmassstab(L);
        if (massstab == 1) {
            L.Zeichne();
            continue;
        }
        // Smaller about the line's bottom left corner, so its bottom stays on SeitenY.
        Leinwand().SetzeMassstab(static_cast<Double>(massstab), {10, SeitenY});
        try {
            L.Zeichne();
        } catch (...) {
            Leinwand().SetzeMassstab(1, {});
            throw;
        }
        Leinwand().SetzeMassstab(1, {});
    }
}

Int32 SichtbareZeilen(const TZeilenliste& Liste, Int32 ab, Int32 Hoehe) {
    Int32 anzahl = 0;
    Int32 y = 5;
    for (size_t i = ab > 0 ? static_cast<size_t>(ab) : 0; i < Liste.Zeilen.size(); ++i, ++anzahl) {
        y += Zeilenabstand(*Liste.Zeilen[i]);
        if (y >= Hoehe) break;
    }
    return anzahl;
}

Int32 LetzterSeitenanfang(const TZeilenliste& Liste, Int32 Hoehe) {
    const Int32 anzahl = static_cast<Int32>(Liste.Zeilen.size());
    Int32 anfang = anzahl;
    // As SichtbareZeilen counts: a line is shown while the lines from the start down to it end above Hoehe.
    for (Int32 y = 5; anfang > 0; --anfang) {
        y += Zeilenabstand(*Liste.Zeilen[size_t(anfang - 1)]);
        if (y >= Hoehe) break;
    }
    return std::min(anfang, std::max(anzahl - 1, 0));
}

namespace {

// The two cells of one row of the value table; Gestapelt when a cell stands on several rows.
struct TTabellenzeile {
    std::unique_ptr<TListenFolie> X;
    std::unique_ptr<TListenFolie> Y;
    bool Gestapelt = false;
};

Int32 Zellenhoehe(const TFolie& F) {
    return F.Box->Oben + F.Box->Unten;
}

// The x cell: x, and its decimal value unless x is an integer.
std::unique_ptr<TListenFolie> XZelle(TTerm* x, Extended xv, Single S) {
    auto zelle = std::make_unique<TListenFolie>(S);
    zelle->FuegeAn(x->Folie(S));
    if (!IstGanzeKonstante(x)) zelle->FuegeAn(TextFolie(" = " + FormatiereZahl(xv), S));
    return zelle;
}

// f with x put in; nil where it has no value.
TTerm* Eingesetzt(TTerm* f, TTerm* x) {
    try {
        return f->Einsetzen(x);
    } catch (const ENichtExistenz&) {
        return nullptr;
    }
}

// The decimal value of f at xv alone; "nicht def." where f, or the entered term, has none.
std::unique_ptr<TListenFolie> Naeherungszelle(TTerm* f, Extended xv, Single S, TTerm* Eingabe) {
    auto zelle = std::make_unique<TListenFolie>(S);
    bool definiert = false;
    const Extended yv = f->Wert(xv, definiert);
    if (definiert && Eingabe && Eingabe != f) Eingabe->Wert(xv, definiert);
    zelle->FuegeAn(TextFolie(definiert && std::isfinite(yv) ? FormatiereZahl(yv) : "nicht def.", S));
    return zelle;
}

// The pieces one under the other, each after the first Einzug further in, as one cell.
std::unique_ptr<TListenFolie> Stapel(std::vector<std::unique_ptr<TFolie>> Stuecke, Single S) {
    auto stapel = std::make_unique<TSammelFolie>(S);
    const Int32 einzug = PunktZuPixel(Fortsetzungseinzug());
    bool erstes = true;
    Int32 unten = 0;
    for (auto& stueck : Stuecke) {
        if (!stueck || !stueck->Box) continue;
        stueck->LinksAn(0, erstes ? 0 : einzug);
        if (!erstes) stueck->ObenAn(unten, PunktZuPixel(0.3 * S));
        unten = stueck->Box->Unten;
        stapel->FuegeAn(std::move(stueck));
        erstes = false;
    }
    auto zelle = std::make_unique<TListenFolie>(S);
    zelle->FuegeAn(std::move(stapel));
    return zelle;
}

// Vor, then T, then Nach in one cell: on one row where it is at most Breite wide, else T broken into pieces
// (Zeilenstuecke) one under the other, Vor before the first, Nach after the last or under it. Gestapelt says
// which.
std::unique_ptr<TListenFolie> Termzelle(const std::string& Vor, TTerm* T, const std::string& Nach,
                                        Int32 Breite, Single S, bool& Gestapelt) {
    auto zelle = std::make_unique<TListenFolie>(S);
    if (!Vor.empty()) zelle->FuegeAn(TextFolie(Vor, S));
    zelle->FuegeAn(T->Folie(S));
    if (!Nach.empty()) zelle->FuegeAn(TextFolie(Nach, S));
    Gestapelt = Zellenbreite(*zelle) > Breite;
    if (!Gestapelt) return zelle;
    std::unique_ptr<TFolie> vor = Vor.empty() ? nullptr : TextFolie(Vor, S);
    const Int32 vorne = vor ? Zellenbreite(*vor) : 0;
    std::vector<std::unique_ptr<TFolie>> stuecke =
        Zeilenstuecke(T, S, Max(Breite - vorne - PunktZuPixel(Fortsetzungseinzug()), Breite / 2));
    if (vor && !stuecke.empty()) {
        auto erstes = std::make_unique<TListenFolie>(S);
        erstes->FuegeAn(std::move(vor));
        erstes->FuegeAn(std::move(stuecke.front()));
        stuecke.front() = std::move(erstes);
    }
    if (!Nach.empty()) {
        std::unique_ptr<TFolie> nach = TextFolie(Nach, S);
        if (!stuecke.empty() && Zellenbreite(*stuecke.back()) + Zellenbreite(*nach) <= Breite) {
            auto letztes = std::make_unique<TListenFolie>(S);
            letztes->FuegeAn(std::move(stuecke.back()));
            letztes->FuegeAn(std::move(nach));
            stuecke.back() = std::move(letztes);
        } else {
            stuecke.push_back(std::move(nach));
        }
    }
    return Stapel(std::move(stuecke), S);
}

// The y cell: f(x) exactly and simplified, with its decimal value unless it is an integer; "nicht def."
// where f has no value. When the exact value overflows (or grows too large), the decimal value alone: one
// row never ends the table.
std::unique_ptr<TListenFolie> YZelle(TTerm* f, TTerm* x, Extended xv, Single S, TTerm* Eingabe, Int32 Breite,
                                     bool& Gestapelt) {
    Gestapelt = false;
    auto zelle = std::make_unique<TListenFolie>(S);
    TTerm* y = nullptr;
    try {
        TWechsel<bool> durchreichen(KonstantenUeberlaufMelden, false);
        y = Eingabe && Eingabe != f && !Eingesetzt(Eingabe, x) ? nullptr : Eingesetzt(f, x);
        if (y) {
            VereinfacheKonstantenTerm(y);
            // The recursive pass leaves a constant as it is.
            if (!dynamic_cast<TKonstante*>(y)) VereinfacheTermRekursiv(y);
        }
    } catch (const ERessourcen&) {
        return Naeherungszelle(f, xv, S, Eingabe);
    }
    if (!y) {
        zelle->FuegeAn(TextFolie("nicht def.", S));
        return zelle;
    }
    Extended yv = 0;
    const bool naeherung = !IstGanzeKonstante(y) && Zahlwert(y, yv);
    return Termzelle("", y, naeherung ? " = " + FormatiereZahl(yv) : "", Breite, S, Gestapelt);
}

} // namespace

Int32 Zellenbreite(const TFolie& F) {
    return F.Box->LinksAbstand + F.Box->Breite + F.Box->RechtsAbstand;
}

void SchreibeTabellenzeile(std::vector<std::unique_ptr<TListenFolie>> Zellen,
                           const std::vector<Int32>& Breiten, bool Letzte, bool Zentriert) {
    if (Zellen.empty() || Zellen.size() != Breiten.size()) return;
    const Single S = static_cast<Single>(Schriftgroesse);
    Int32 H = 0;
    Int32 breite = 0;
    for (size_t i = 0; i < Zellen.size(); ++i) {
        H = Max(H, Zellenhoehe(*Zellen[i]));
        breite += Breiten[i] + 40;
    }
    H += 20;
    // The rules are centred on the first cell; every rule stands one column right of the one before.
    std::vector<std::unique_ptr<TLinie>> regeln;
    for (size_t i = 0; i <= Zellen.size(); ++i) {
        auto regel = std::make_unique<TLinie>(0, H, S);
        regel->ZentriereVertikalZu(Zellen[0].get());
        if (i > 0) regel->RechtsNeben(regeln[i - 1].get(), Breiten[i - 1] + 40);
        regeln.push_back(std::move(regel));
    }
    for (size_t i = 0; i < Zellen.size(); ++i) {
        if (Zentriert && i > 0) Zellen[i]->ZentriereVertikalZu(regeln[0].get());
        Zellen[i]->RechtsNeben(regeln[i].get(), 20);
    }
    auto oben = std::make_unique<TLinie>(breite, 0, S);
    oben->StartpunktWie(regeln[0].get());
    std::unique_ptr<TLinie> unten;
    if (Letzte) {
        unten = std::make_unique<TLinie>(breite, 0, S);
        unten->StartpunktWie(regeln[0].get());
        unten->Verschiebe(0, H);
    }
    auto zeile = std::make_unique<TSammelFolie>(S);
    zeile->FuegeAn(std::move(oben));
    zeile->FuegeAn(std::move(unten));
    for (size_t i = 0; i < Zellen.size(); ++i) {
        zeile->FuegeAn(std::move(regeln[i]));
        zeile->FuegeAn(std::move(Zellen[i]));
    }
    zeile->FuegeAn(std::move(regeln.back()));
    zeile->Box->Oben -= 15;
    Zeilenliste->FuegeAn(std::move(zeile));
}

void SchreibeWertetabelle(TTerm* f, TIntervall* I, TTerm* h, TTerm* Eingabe) {
    if (!f || !I || !h) return;
    TTerm* a = I->LinkerRand.Wert;
    TTerm* b = I->RechterRand.Wert;
    Extended av = 0, bv = 0, hv = 0;
    // An infinite bound or a step that is not positive would never end the table.
    if (!Zahlwert(a, av) || !Zahlwert(b, bv) || !Zahlwert(h, hv) || !(hv > 0)) return;
    const Single S = static_cast<Single>(Schriftgroesse);

    NeueZeile();
    // A y cell wider than three quarters of the page, less its margins, goes on several rows: the table then
    // fits the page, drawn at the readable size at least, while the x column takes up to two thirds of it.
    const Int32 yBreite = (Seitenbreite - 21) * 3 / 4 - 40;
    std::vector<TTabellenzeile> zeilen;
    {
        TTabellenzeile kopf{std::make_unique<TListenFolie>(S), nullptr};
        kopf.X->FuegeAn(TextFolie("x", S));
        kopf.Y = Termzelle("y = ", Eingabe ? Eingabe : f, "", yBreite, S, kopf.Gestapelt);
        zeilen.push_back(std::move(kopf));
    }
    Int32 w1 = Zellenbreite(*zeilen[0].X);
    Int32 w2 = Zellenbreite(*zeilen[0].Y);

    for (Int64 k = 0; k < MaxTabellenzeilen; ++k) {
        // A long table (a tiny step) stays responsive and can be aborted.
        Oberflaeche().VerarbeiteNachrichten();
        if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
        // The row's terms go once its cells are typeset: the table holds its page lines, nothing more.
        TVorlaeufigeTerme zeile;
        // Each x is built exactly from a and the step, not accumulated.
        TTerm* x = k == 0 ? a : Summe(a, Produkt(Bruchkonstante(k, 1), h));
        if (!x) break;
        if (k > 0) VereinfacheKonstantenTerm(x);
        Extended xv = 0;
        if (!Zahlwert(x, xv) || !(xv <= bv)) break;
        // A row's simplifications take their searches from a supply of the row's own.
        TEigenerSuchvorrat vorrat(Zeilenvorrat);
        TTabellenzeile z{XZelle(x, xv, S), nullptr};
        z.Y = YZelle(f, x, xv, S, Eingabe, yBreite, z.Gestapelt);
        w1 = Max(w1, Zellenbreite(*z.X));
        w2 = Max(w2, Zellenbreite(*z.Y));
        zeilen.push_back(std::move(z));
        zeile.Verwerfen();
    }

    for (size_t i = 0; i < zeilen.size(); ++i) {
        std::vector<std::unique_ptr<TListenFolie>> zellen;
        zellen.push_back(std::move(zeilen[i].X));
        zellen.push_back(std::move(zeilen[i].Y));
        SchreibeTabellenzeile(std::move(zellen), {w1, w2}, i + 1 == zeilen.size(), zeilen[i].Gestapelt);
    }
}

std::string Tabellenschrittweite(Extended Spanne) {
    const Extended mindestens = Spanne / (MaxTabellenzeilen - 1);
    if (!(mindestens > 0) || !std::isfinite(mindestens)) return "1";
    // 1, 2 or 5 times 10^e, the smallest of them that reaches mindestens.
    Int32 e = static_cast<Int32>(std::floor(std::log10(mindestens)));
    Int32 m = 1;
    for (const Int32 kandidat : {1, 2, 5, 10}) {
        m = kandidat;
        if (kandidat * std::pow(10.0L, e) >= mindestens) break;
    }
    if (m == 10) m = 1, ++e;
    if (e >= 0) return std::to_string(m) + std::string(size_t(e), '0');
    return "0," + std::string(size_t(-e - 1), '0') + std::to_string(m);
}

void SchreibeKurvenpunkt(const std::string& Text, Int32& Nr, TTerm* x, char Buchstabe,
                         const std::string& Wort, Double y) {
    SchreibeZeile(Text);
    Nr += 1;
    Schreibe("f(");
    SchreibeTerm(x);
    Extended xv = 0;
    if (!Zahlwert(x, xv)) {
        // No point: the line is closed and the graph gets nothing.
        NeueZeile();
        return;
    }
    if (x->Knotenzahl > 0)
        Schreibe(") = f(" + FormatiereZahl(xv) + " ) = ");
    else
        Schreibe(") = ");
    const std::string nr = std::to_string(Nr);
    Schreibe(FormatiereZahl(y) + " ; " + Wort + " " + Buchstabe + " *i<" + nr + ">(" + FormatiereZahl(xv) +
             "|" + FormatiereZahl(y) + ")");
    NeueZeile();
    MerkePunkt(std::string(1, Buchstabe) + "*i<" + nr + ">", static_cast<Double>(xv), y);
}

} // namespace zol
