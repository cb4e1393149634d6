#include "output/Ausgabe.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "algebra/Vereinfachung.h"
#include "output/Protokoll.h"
#include "output/folienT.h"
#include "term/Mengen.h"
#include "term/Terme.h"

namespace zol {

bool Kommentare = true;
bool CardanoAnwenden = true;
uint8_t Stellen = 4;
bool DruckModus = false;
bool BenutzerAbbruch = false;
Int32 Schriftgroesse = 10;
Int32 Einrueckung = 0;
Int32 Einzug = 10;
Int32 Schachtelungstiefe = 0;
Int32 Seitenbreite = 977;
Int32 Seitenhoehe = 665;
Int32 SeitenY = 0;
char Variablenbuchstabe = 'x';

namespace {

// The unit's own line list, current until a page is made current.
TZeilenliste EigeneZeilenliste;

} // namespace

TZeilenliste* Zeilenliste = &EigeneZeilenliste;
std::unique_ptr<TListenFolie> AktuelleZeile = std::make_unique<TListenFolie>(10);

// ---- line lists ----

void TZeilenliste::FuegeAn(std::unique_ptr<TFolie> Zeile) {
    if (Zeile) Zeilen.push_back(std::move(Zeile));
}

std::vector<std::string> TZeilenliste::Klartext() const {
    std::vector<std::string> text;
    text.reserve(Zeilen.size());
    for (const auto& zeile : Zeilen) text.push_back(zeile->Klartext());
    return text;
}

void SetzeZeilenliste(TZeilenliste* L) {
    if (!L) L = &EigeneZeilenliste;
    if (L == Zeilenliste) return;
    if (!AktuelleZeile->Liste.empty()) NeueZeile();
    Zeilenliste = L;
}

std::vector<std::string> Seitentext() {
    return Zeilenliste->Klartext();
}

void InitialisiereAusgabe() {
    EigeneZeilenliste.Zeilen.clear();
    Zeilenliste = &EigeneZeilenliste;
    Schriftgroesse = 10;
    AktuelleZeile = std::make_unique<TListenFolie>(static_cast<Single>(Schriftgroesse));
    Einrueckung = 0;
    Schachtelungstiefe = 0;
    ProtokollVereinfachung = false;
    ProtokollNormalform = false;
    ProtokollPolynom = false;
    ProtokollKumuliere = false;
    ProtokollIntegral = false;
    ProtokollRadikal = false;
    ProtokollArOp = false;
    DebugNachrichten = false;
}

// ---- lines ----

void NeueZeile() {
    AktuelleZeile->Verschiebe(PunktZuPixel(Einrueckung), 0);
    Zeilenliste->FuegeAn(std::move(AktuelleZeile));
    AktuelleZeile = std::make_unique<TListenFolie>(static_cast<Single>(Schriftgroesse));
}

void FuegeFolieAn(std::unique_ptr<TFolie> F) {
    if (!F || !F->Box) return;
    const TBox& zeile = *AktuelleZeile->Box;
    const Int32 w =
        PunktZuPixel(Einrueckung) + zeile.LinksAbstand + zeile.Breite + F->Box->LinksAbstand + F->Box->Breite;
    // An object wider than the page still goes on a line of its own rather than being lost.
    if (w >= Seitenbreite - 20) NeueZeile();
    AktuelleZeile->FuegeAn(std::move(F));
}

// ---- writing ----

void Schreibe(const std::string& s) {
    FuegeFolieAn(TextFolie(s, static_cast<Single>(Schriftgroesse)));
}
void Schreibe(const char* s) {
    Schreibe(std::string(s));
}
void Schreibe(Int64 n) {
    Schreibe(std::to_string(n));
}
void Schreibe(int n) {
    Schreibe(static_cast<Int64>(n));
}
void Schreibe(Extended v) {
    Schreibe(FormatiereZahl(v));
}
void Schreibe(double v) {
    Schreibe(static_cast<Extended>(v));
}
void SchreibeZeile(const std::string& s) {
    Schreibe(s);
    NeueZeile();
}
void SchreibeZeile(const char* s) {
    SchreibeZeile(std::string(s));
}
void SchreibeZeile(Int64 n) {
    SchreibeZeile(std::to_string(n));
}
void SchreibeZeile(int n) {
    SchreibeZeile(static_cast<Int64>(n));
}
void SchreibeZeile(Extended v) {
    SchreibeZeile(FormatiereZahl(v));
}
void SchreibeZeile(double v) {
    SchreibeZeile(static_cast<Extended>(v));
}

void SchreibeTerm(TTerm* T) {
    if (!T) return;
    std::unique_ptr<TFolie> F = T->Folie(static_cast<Single>(Schriftgroesse));
    if (F) F->LinksAn(0, PunktZuPixel(0.2 * Schriftgroesse));
    FuegeFolieAn(std::move(F));
}
void SchreibeTermZeile(TTerm* T) {
    SchreibeTerm(T);
    NeueZeile();
}
void SchreibeTextTerm(const std::string& s, TTerm* T) {
    Schreibe(s);
    if (T) SchreibeTerm(T);
}
void SchreibeTextTermZeile(const std::string& s, TTerm* T) {
    SchreibeTextTerm(s, T);
    NeueZeile();
}
void SchreibeTextTermText(const std::string& s1, TTerm* T, const std::string& s2) {
    SchreibeTextTerm(s1, T);
    Schreibe(s2);
}
void SchreibeTextTermTextZeile(const std::string& s1, TTerm* T, const std::string& s2) {
    SchreibeTextTermText(s1, T, s2);
    NeueZeile();
}

void SchreibeNaeherung(TTerm* T) {
    if (!T || T->Typrang == RangReell) return;
    if (auto* r = AlsRationaleKonstante(T); r && r->Bruch.Nenner == 1) return;
    bool definiert = false;
    const Extended wert = T->Wert(0, definiert);
    // A value that does not exist is not written as a number.
    if (!definiert || !std::isfinite(wert)) return;
    Schreibe(" = " + FormatiereZahl(wert));
}
void SchreibeNaeherungZeile(TTerm* T) {
    SchreibeNaeherung(T);
    NeueZeile();
}
void SchreibeTermMitNaeherung(TTerm* T) {
    SchreibeTerm(T);
    SchreibeNaeherung(T);
}
void SchreibeTermMitNaeherungPunkt(TTerm* T) {
    SchreibeTermMitNaeherung(T);
    SchreibeZeile(".");
}

void SchreibeUndVereinfache(TTerm*& T) {
    if (!T) return;
    SchreibeTerm(T);
    const Int32 n = T->Knotenzahl;
    VereinfacheKonstantenTerm(T);
    if (T->Knotenzahl < n) {
        Schreibe(" = ");
        SchreibeTerm(T);
    }
    SchreibeNaeherung(T);
}
void SchreibeUndVereinfachePunkt(TTerm*& T) {
    SchreibeUndVereinfache(T);
    SchreibeZeile(".");
}

void SchreibeUnterstrichen(const std::string& s) {
    Schreibe("*u<" + s + ">");
}
void SchreibeUnterstrichenZeile(const std::string& s) {
    SchreibeUnterstrichen(s);
    NeueZeile();
}
void SchreibeMitIndex(const std::string& s, const std::string& Index) {
    Schreibe(s + "*i<" + Index + ">");
}

void SchreibeZeichen(uint16_t Code) {
    FuegeFolieAn(std::make_unique<TZeichen>(Code, static_cast<Single>(Schriftgroesse)));
}

void SchreibeUeberschrift(Int32 Stufe, const std::string& s) {
    double faktor = 1.0;
    if (Stufe == 1)
        faktor = 2.0;
    else if (Stufe == 2)
        faktor = 1.5;
    else if (Stufe >= 3 && Stufe <= 6)
        faktor = 1.2;
    FuegeFolieAn(std::make_unique<TAFolie>(s, static_cast<Single>(faktor * Schriftgroesse)));
    NeueZeile();
}

void SchreibeMenge(TMenge* M) {
    if (!M) return;
    std::unique_ptr<TFolie> F = M->Folie(static_cast<Single>(Schriftgroesse));
    if (F) F->LinksAn(0, PunktZuPixel(0.2 * Schriftgroesse));
    FuegeFolieAn(std::move(F));
}
void SchreibeMengeZeile(TMenge* M) {
    SchreibeMenge(M);
    NeueZeile();
}

void SchreibeIntervall(TTerm* a, TTerm* b) {
    if (a) {
        Schreibe("[");
        SchreibeTerm(a);
    } else {
        Schreibe("]-");
        SchreibeZeichen(1165);
    }
    Schreibe(",");
    if (b) {
        SchreibeTerm(b);
        Schreibe("]");
    } else {
        SchreibeZeichen(1165);
        Schreibe("[");
    }
}

void SchreibeZuweisung(const std::string& Name, TTerm* x, TTerm*& T, bool Zeigen) {
    if (!T) return;
    if (Zeigen) {
        Schreibe(Name + " := ");
        SchreibeTerm(x);
        Schreibe(" = ");
        SchreibeTerm(T);
    }
    const Int32 n = T->Knotenzahl;
    VereinfacheKonstantenTerm(T);
    if (Zeigen) {
        if (T->Knotenzahl < n) {
            Schreibe(" = ");
            SchreibeTerm(T);
        }
        SchreibeNaeherungZeile(T);
    }
}

namespace {

// A limit typeset at 0.8 of the size; null when there is no limit.
std::unique_ptr<TFolie> Grenze(TTerm* T, Int32 S) {
    return T ? T->Folie(static_cast<Single>(0.8 * S)) : nullptr;
}

// The group of limits and sign, moved so that its left edge lies at g and raised by g, then appended.
void FuegeMitGrenzenAn(std::unique_ptr<TFolie> unten, std::unique_ptr<TFolie> oben, std::unique_ptr<TFolie> F,
                       Int32 S, Int32 g) {
    auto gruppe = std::make_unique<TSammelFolie>(static_cast<Single>(S));
    gruppe->FuegeAn(std::move(unten));
    gruppe->FuegeAn(std::move(oben));
    gruppe->FuegeAn(std::move(F));
    gruppe->LinksAn(g, 0);
    gruppe->Verschiebe(0, -g);
    FuegeFolieAn(std::move(gruppe));
}

} // namespace

void SchreibeAuswertung(TTerm* F, TTerm* a, TTerm* b) {
    if (!F) return;
    const Int32 S = Schriftgroesse;
    const Int32 g = PunktZuPixel(S / 5.0);
    std::unique_ptr<TFolie> B = KlammerFolie(F->Folie(static_cast<Single>(S)), true, static_cast<Single>(S));
    if (!B) return;
    std::unique_ptr<TFolie> unten = Grenze(a, S);
    if (unten) {
        unten->RechtsNeben(B.get(), g);
        unten->Unter(B.get(), 0);
    }
    std::unique_ptr<TFolie> oben = Grenze(b, S);
    if (oben) {
        oben->RechtsNeben(B.get(), g);
        oben->Ueber(B.get(), 0);
    }
    FuegeMitGrenzenAn(std::move(unten), std::move(oben), std::move(B), S, g);
}

void SchreibeIntegralzeichen(TTerm* a, TTerm* b) {
    const Int32 S = Schriftgroesse;
    const Int32 g = PunktZuPixel(S / 5.0);
    auto I = std::make_unique<TIntegralZeichen>(static_cast<Single>(S));
    std::unique_ptr<TFolie> unten = Grenze(a, S);
    if (unten) {
        unten->ZentriereHorizontal(I->Box->Startpunkt.x);
        unten->ObenAn(I->Box->Startpunkt.y, g);
    }
    std::unique_ptr<TFolie> oben = Grenze(b, S);
    if (oben) {
        oben->ZentriereHorizontal(I->Box->Endpunkt.x);
        oben->UntenAn(I->Box->Endpunkt.y, g);
    }
    FuegeMitGrenzenAn(std::move(unten), std::move(oben), std::move(I), S, g);
}

void Trennlinie() {
    NeueZeile();
    Zeilenliste->FuegeAn(std::make_unique<TLinie>(Seitenbreite, 0, static_cast<Single>(Schriftgroesse)));
}

// ---- step blocks ----

void Einruecken() {
    NeueZeile();
    Einrueckung += Einzug;
    Schachtelungstiefe += 1;
}

void Ausruecken() {
    NeueZeile();
    Einrueckung -= Einzug;
    Schachtelungstiefe -= 1;
}

namespace {

// The block text, its label with the index of the line it will stand on, and its term.
std::string SchreibeSchrittkopf(const std::string& s, TTerm* T) {
    Schreibe(s);
    const std::string L = " [" + std::to_string(Zeilenliste->Anzahl()) + "]";
    if (T) SchreibeTerm(T);
    if (DebugNachrichten) SendeDebugNachricht(Balken(Schachtelungstiefe) + s + (T ? T->Text : "") + L);
    return L;
}

} // namespace

void BeginneSchritt(const std::string& s, TTerm* T) {
    Schreibe(SchreibeSchrittkopf(s, T));
    Einruecken();
}

void BeendeSchritt(const std::string& s, TTerm* T) {
    Einrueckung -= Einzug;
    Schachtelungstiefe -= 1;
    SchreibeZeile(SchreibeSchrittkopf(s, T));
}

// ---- numbers ----

namespace {

// Digits of the largest magnitude written in fixed-point form: 18.
constexpr int MaxZiffern = 18;

// "d.ddd…E+dd" with MaxZiffern significant digits, for magnitudes that have more digits before the point.
std::string Exponentialtext(Extended betrag) {
    char puffer[64];
    auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, MaxZiffern - 1);
    std::string s(puffer, ergebnis.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

} // namespace

namespace {

// The digits rounded half away from zero at place `ende` (digits counted from the left, the point after
// `vorKomma` of them); a carry past the first digit adds one in front.
struct TGerundet {
    std::string Ziffern;
    int VorKomma;
};

TGerundet Gerundet(const std::string& ziffern, int vorKomma, size_t ende) {
    TGerundet g{ziffern.substr(0, ende), vorKomma};
    bool aufrunden = ende < ziffern.size() && ziffern[ende] >= '5';
    for (size_t i = ende; aufrunden && i-- > 0;) {
        if (g.Ziffern[i] == '9') {
            g.Ziffern[i] = '0';
        } else {
            ++g.Ziffern[i];
            aufrunden = false;
        }
    }
    if (aufrunden) {
        g.Ziffern.insert(g.Ziffern.begin(), '1');
        ++g.VorKomma;
    }
    return g;
}

} // namespace

std::string FormatiereZahl(Extended x) {
    if (!std::isfinite(x)) return "nicht def.";
    const int stellen = std::min<int>(Stellen, MaxZiffern);
    const bool negativ = std::signbit(x);
    const Extended betrag = std::fabs(x);

    std::string s;
    bool exakt = false;
    if (betrag >= 1e18L) {
        s = Exponentialtext(betrag);
    } else {
        // The exact decimal expansion of the magnitude: below 1e18 and with at most 64 significant bits,
        // every digit that can matter lies within 130 places after the point.
        char puffer[200];
        auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::fixed, 130);
        std::string ziffern(puffer, ergebnis.ptr);
        const size_t punkt = ziffern.find('.');
        ziffern.erase(punkt, 1);
        const int vorKomma = static_cast<int>(punkt);

        // `stellen` decimals, but no digit past the 18th significant one: a long double carries no more,
        // and zeros written there would claim a precision the number does not have.
        const size_t erste = ziffern.find_first_not_of('0');
        size_t ende = static_cast<size_t>(vorKomma + stellen);
        if (erste != std::string::npos) ende = std::min(ende, erste + MaxZiffern);
        const TGerundet text = Gerundet(ziffern, vorKomma, ende);
        // The text is the value when it agrees with the value's 18 significant digits; the last bits of a
        // computed value (-3 + 2 * 1.2) do not decide whether its zeros are shown.
        if (erste == std::string::npos) {
            exakt = true;
        } else {
            const TGerundet genau = Gerundet(ziffern, vorKomma, erste + MaxZiffern);
            exakt = genau.VorKomma == text.VorKomma && genau.Ziffern.starts_with(text.Ziffern) &&
                    genau.Ziffern.find_first_not_of('0', text.Ziffern.size()) == std::string::npos;
        }

        std::string ganz = text.Ziffern.substr(0, static_cast<size_t>(text.VorKomma));
        ganz.erase(0, std::min(ganz.find_first_not_of('0'), ganz.size() - 1));
        if (static_cast<int>(ganz.size()) > MaxZiffern) {
            s = Exponentialtext(betrag);
            exakt = false;
        } else {
            s = ganz;
            if (text.Ziffern.size() > static_cast<size_t>(text.VorKomma))
                s += "." + text.Ziffern.substr(static_cast<size_t>(text.VorKomma));
        }
    }
    if (exakt && s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    // A value that rounds to zero has no sign.
    if (negativ && s.find_first_of("123456789") != std::string::npos) s.insert(s.begin(), '-');
    // The program's language is German: always a decimal comma.
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

char NaechsterVariablenname(char c) {
    switch (c) {
    case 'x':
        return 'u';
    case 'u':
        return 'v';
    case 'v':
        return 'w';
    case 'w':
        return 'r';
    case 'r':
        return 's';
    case 's':
        return 't';
    default:
        return 'x';
    }
}

char VorigerVariablenname(char c) {
    switch (c) {
    case 'x':
        return 't';
    case 'u':
        return 'x';
    case 'v':
        return 'u';
    case 'w':
        return 'v';
    case 'r':
        return 'w';
    case 's':
        return 'r';
    case 't':
        return 's';
    default:
        return 't';
    }
}

} // namespace zol
