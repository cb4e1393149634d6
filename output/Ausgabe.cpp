#include "output/Ausgabe.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <type_traits>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Protokoll.h"
#include "output/Termsatz.h"
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

// The open line continues a formula from the line before it, and stands Fortsetzungseinzug further in.
bool Fortsetzungszeile = false;

// An integral sign was the last thing written: the term that follows is its integrand, which stands in
// brackets when it is a sum, as the factor in front of "dx".
bool IntegrandFolgt = false;

// The last folie appended to the open line, with its own box and the line's box from before, so that it can
// be taken back to the next line.
struct TLetzterTeil {
    const TListenFolie* Zeile = nullptr;
    const TFolie* Teil = nullptr;
    TBox ZeilenBox;
    TBox TeilBox;
};
TLetzterTeil LetzterTeil;

// The long limits of the last evaluation bracket or integral sign on the open line, which reach past where
// the line goes on after it: what follows stands after the sign as after short limits, unless it would run
// into a limit; then it stands after the limits. In the line's coordinates: where the limits' ink ends, and
// for each long limit its left and right edge, whether it stands above the baseline, and how far from the
// baseline its inner edge lies (above it for an upper limit, below it for a lower one).
struct TUeberhang {
    struct TGrenze {
        Int32 Links, Rechts;
        bool Oben;
        Int32 Innen;
    };
    const TListenFolie* Zeile = nullptr;
    // Where the line went on after the group, the group's place in the line's list, where the limits end.
    Int32 Weiter = 0;
    size_t Gruppe = 0;
    Int32 Ende = 0;
    std::vector<TGrenze> Grenzen;
};
TUeberhang Ueberhang;

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
    BeendeOffeneZeile();
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
    Fortsetzungszeile = false;
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

Int32 Fortsetzungseinzug() {
    return 2 * Schriftgroesse;
}

namespace {

// The indent of the open line in pixels.
Int32 Zeileneinzug() {
    return PunktZuPixel(Einrueckung + (Fortsetzungszeile ? Fortsetzungseinzug() : 0));
}

} // namespace

Int32 EigeneZeilenbreite() {
    return Seitenbreite - 21 - PunktZuPixel(Einrueckung);
}

namespace {

// Where the open line goes on.
Int32 Zeilenende() {
    const TBox& zeile = *AktuelleZeile->Box;
    return zeile.LinksAbstand + zeile.Breite + zeile.RechtsAbstand;
}

// How far what follows the long limits of the open line moves right, F with it, to stand behind them where F
// would run into one of them; 0 where it does not.
Int32 UmgehungDerGrenzen(const TFolie& F) {
    if (Ueberhang.Zeile != AktuelleZeile.get()) return 0;
    const Int32 links = Zeilenende() + F.Box->LinksAbstand, rechts = links + F.Box->Breite;
    for (const TUeberhang::TGrenze& g : Ueberhang.Grenzen)
        if (rechts > g.Links && links < g.Rechts && (g.Oben ? F.Box->Oben > g.Innen : F.Box->Unten > g.Innen))
            return std::max(Ueberhang.Ende - Ueberhang.Weiter, 0);
    return 0;
}

// Moves what follows the long limits of the open line, and F, by d behind them.
void UmgeheGrenzen(TFolie& F, Int32 d) {
    auto& liste = AktuelleZeile->Liste;
    if (Ueberhang.Gruppe + 1 >= liste.size()) {
        F.Verschiebe(d, 0);
        return;
    }
    // The parts that followed the group were drawn one after another: moving the first moves them all.
    liste[Ueberhang.Gruppe + 1]->Verschiebe(d, 0);
    TBox& zeile = *AktuelleZeile->Box;
    const Int32 weiter = Zeilenende() + d;
    const Int32 tinte = LetzterTeil.Zeile == AktuelleZeile.get() && LetzterTeil.TeilBox.RechtsAbstand > 0
                            ? weiter - LetzterTeil.TeilBox.RechtsAbstand
                            : weiter;
    zeile.Breite = std::max(zeile.Breite, tinte - zeile.LinksAbstand);
    zeile.RechtsAbstand = weiter - zeile.LinksAbstand - zeile.Breite;
    LetzterTeil = {};
}

// F fits on the open line: it ends before the page width less 20 pixels. After limits that reach past where
// the line goes on, F starts where it goes on, or behind them.
bool PasstInZeile(const TFolie& F) {
    const TBox& zeile = *AktuelleZeile->Box;
    return Zeileneinzug() + zeile.LinksAbstand + zeile.Breite + std::min(zeile.RechtsAbstand, 0) +
               UmgehungDerGrenzen(F) + F.Box->LinksAbstand + F.Box->Breite <
           Seitenbreite - 20;
}

void Anhaengen(std::unique_ptr<TFolie> F) {
    IntegrandFolgt = false;
    if (Ueberhang.Zeile == AktuelleZeile.get()) {
        const Int32 umgehung = UmgehungDerGrenzen(*F);
        if (umgehung > 0) UmgeheGrenzen(*F, umgehung);
        // What reaches past the limits, or stands behind them, ends their overhang.
        if (umgehung > 0 || Zeilenende() + F->Box->LinksAbstand + F->Box->Breite >= Ueberhang.Ende)
            Ueberhang = {};
    }
    LetzterTeil = {AktuelleZeile.get(), F.get(), *AktuelleZeile->Box, *F->Box};
    AktuelleZeile->FuegeAn(std::move(F));
}

// The text "=" that ends the open line after something else, taken back off it; null when the line does not
// end so.
std::unique_ptr<TFolie> RelationZurueck() {
    auto& liste = AktuelleZeile->Liste;
    if (liste.size() < 2 || LetzterTeil.Zeile != AktuelleZeile.get() ||
        LetzterTeil.Teil != liste.back().get())
        return nullptr;
    const auto* text = dynamic_cast<const TAFolie*>(liste.back().get());
    const size_t zeichen = text ? text->Text.find_first_not_of(' ') : std::string::npos;
    if (zeichen == std::string::npos || text->Text[zeichen] != '=' ||
        text->Text.find_last_not_of(' ') != zeichen)
        return nullptr;
    std::unique_ptr<TFolie> teil = std::move(liste.back());
    liste.pop_back();
    *AktuelleZeile->Box = LetzterTeil.ZeilenBox;
    teil->Box = std::make_unique<TBox>(LetzterTeil.TeilBox);
    teil->dx += AktuelleZeile->dx;
    teil->dy += AktuelleZeile->dy;
    LetzterTeil = {};
    return teil;
}

// Appends a part of a formula: where it does not fit, the formula goes on in a continuation line, which
// takes along an "=" that ended the line: a formula is broken before its relation sign.
void FuegeFormelteilAn(std::unique_ptr<TFolie> F) {
    if (!F || !F->Box) return;
    if (!AktuelleZeile->Liste.empty() && !PasstInZeile(*F)) {
        std::unique_ptr<TFolie> relation = RelationZurueck();
        NeueZeile();
        Fortsetzungszeile = true;
        if (relation) Anhaengen(std::move(relation));
    }
    Anhaengen(std::move(F));
}

// The width that a part of a formula may take on a continuation line, left gap included.
Int32 Fortsetzungsbreite() {
    return Seitenbreite - 21 - PunktZuPixel(Einrueckung + Fortsetzungseinzug());
}

// The pieces of a term or set that is too wide for the open line and for a continuation line, each set off
// by the gap before a term, as parts of one formula.
void SchreibeStuecke(std::vector<std::unique_ptr<TFolie>> Stuecke, Int32 Abstand) {
    for (auto& stueck : Stuecke) {
        if (!stueck) continue;
        stueck->LinksAn(0, Abstand);
        FuegeFormelteilAn(std::move(stueck));
    }
}

// F (set off by Abstand) fits neither on the open line nor on a line of its own.
bool ZuBreit(const TFolie& F, Int32 Abstand) {
    return !PasstInZeile(F) && F.Box->Breite + Abstand > Fortsetzungsbreite();
}

// A term or a set, set off by a small gap, as one formula: broken into pieces when it is too wide for a
// line of its own.
template <class T> void SchreibeFormel(T* X) {
    if (!X) return;
    const Single S = static_cast<Single>(Schriftgroesse);
    const Int32 abstand = PunktZuPixel(0.2 * Schriftgroesse);
    std::unique_ptr<TFolie> F;
    // The widths of the term's parts, for breaking it when it is too wide.
    std::optional<TBreitenbuch> breiten;
    if constexpr (std::is_same_v<T, TTerm>) {
        breiten.emplace(S);
        F = IntegrandFolgt ? FaktorFolie(X, S) : X->Folie(S);
        if (F && !IntegrandFolgt) breiten->Notiere(X, *F);
    } else {
        F = X->Folie(S);
    }
    if (!F || !F->Box) return;
    F->LinksAn(0, abstand);
    if (ZuBreit(*F, abstand))
        SchreibeStuecke(Zeilenstuecke(X, S, Fortsetzungsbreite() - abstand), abstand);
    else
        FuegeFormelteilAn(std::move(F));
}

} // namespace

void NeueZeile() {
    IntegrandFolgt = false;
    Ueberhang = {};
    AktuelleZeile->Verschiebe(Zeileneinzug(), 0);
    Zeilenliste->FuegeAn(std::move(AktuelleZeile));
    AktuelleZeile = std::make_unique<TListenFolie>(static_cast<Single>(Schriftgroesse));
    Fortsetzungszeile = false;
}

void BeendeOffeneZeile() {
    if (!AktuelleZeile->Liste.empty()) NeueZeile();
}

void FuegeFolieAn(std::unique_ptr<TFolie> F) {
    if (!F || !F->Box) return;
    // An object wider than the page still goes on a line of its own rather than being lost, with no empty
    // line before it. What follows a formula's continuation line still continues it.
    if (!PasstInZeile(*F) && !AktuelleZeile->Liste.empty()) {
        // Blanks that do not fit behind the line (the gap after a worked matrix that fills it) go with the
        // line break instead of making a line of their own.
        if (const auto* text = dynamic_cast<const TAFolie*>(F.get());
            text && text->Text.find_first_not_of(' ') == std::string::npos)
            return;
        const bool weiter = Fortsetzungszeile;
        NeueZeile();
        Fortsetzungszeile = weiter;
    }
    Anhaengen(std::move(F));
}

// ---- writing ----

namespace {

// The position after the line break at i ("\n\r", "\r\n", "\n" or "\r").
size_t NachUmbruch(const std::string& s, size_t i) {
    return i + (i + 1 < s.size() && (s[i + 1] == '\n' || s[i + 1] == '\r') && s[i + 1] != s[i] ? 2 : 1);
}

} // namespace

namespace {

// One line of a text: a plain text too wide for a line of its own is written word by word, so that it wraps
// instead of being drawn smaller.
void SchreibeTextzeile(const std::string& s) {
    std::unique_ptr<TFolie> F = TextFolie(s, static_cast<Single>(Schriftgroesse));
    if (F && F->Art == ArtAFolie && F->Box->Breite >= Seitenbreite - 20 - Zeileneinzug() &&
        s.find(' ') != std::string::npos)
        SchreibeMeldung(s);
    else
        FuegeFolieAn(std::move(F));
}

} // namespace

void Schreibe(const std::string& s) {
    // A message of several lines (a parser's "\n\r" between its sentences) stands on lines of its own.
    size_t a = 0;
    for (size_t umbruch; (umbruch = s.find_first_of("\n\r", a)) != std::string::npos;) {
        SchreibeTextzeile(s.substr(a, umbruch - a));
        NeueZeile();
        a = NachUmbruch(s, umbruch);
    }
    SchreibeTextzeile(a == 0 ? s : s.substr(a));
}

void SchreibeMeldung(const std::string& s) {
    const Single S = static_cast<Single>(Schriftgroesse);
    for (size_t a = 0; a < s.size();) {
        if (s[a] == '\n' || s[a] == '\r') {
            NeueZeile();
            a = NachUmbruch(s, a);
            continue;
        }
        const size_t e = std::min(s.find_first_of(" \n\r", a), s.size());
        const size_t ende = e < s.size() && s[e] == ' ' ? e + 1 : e;
        FuegeFolieAn(std::make_unique<TAFolie>(s.substr(a, ende - a), S));
        a = ende;
    }
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
    SchreibeFormel(T);
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
    SchreibeFormel(M);
}
void SchreibeMengeZeile(TMenge* M) {
    SchreibeMenge(M);
    NeueZeile();
}

void SchreibeIntervall(TTerm* a, TTerm* b, bool LinksOffen, bool RechtsOffen) {
    const Single S = static_cast<Single>(Schriftgroesse);
    std::unique_ptr<TFolie> F = IntervallFolie(a, LinksOffen || !a, b, RechtsOffen || !b, S);
    F->LinksAn(0, PunktZuPixel(0.2 * Schriftgroesse));
    FuegeFormelteilAn(std::move(F));
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

// The group of limits and sign, moved so that its left edge lies at g and raised by g, then appended. A limit
// longer than 3 S reaches past where the line goes on: that is after the sign F and the other limit where
// it is short, as after short limits.
void FuegeMitGrenzenAn(std::unique_ptr<TFolie> unten, std::unique_ptr<TFolie> oben, std::unique_ptr<TFolie> F,
                       Int32 S, Int32 g) {
    const Int32 lang = PunktZuPixel(3.0 * S);
    auto ende = [](const TFolie& T) { return T.Box->LinksAbstand + T.Box->Breite + T.Box->RechtsAbstand; };
    Int32 weiter = ende(*F);
    std::vector<TUeberhang::TGrenze> grenzen;
    for (const TFolie* grenze : {unten.get(), oben.get()}) {
        if (!grenze || !grenze->Box) continue;
        const TBox& b = *grenze->Box;
        if (b.Breite <= lang)
            weiter = std::max(weiter, ende(*grenze));
        else
            grenzen.push_back({b.LinksAbstand, b.LinksAbstand + b.Breite, grenze == oben.get(),
                               grenze == oben.get() ? -b.Unten : -b.Oben});
    }
    // A long lower limit is not raised with the group: what follows on the baseline passes above it as the
    // sign's own content does.
    if (unten && unten->Box && unten->Box->Breite > lang && weiter < ende(*unten)) {
        unten->Verschiebe(0, g);
        grenzen.front().Innen += g;
    }
    auto gruppe = std::make_unique<TSammelFolie>(static_cast<Single>(S));
    gruppe->FuegeAn(std::move(unten));
    gruppe->FuegeAn(std::move(oben));
    gruppe->FuegeAn(std::move(F));
    TBox& box = *gruppe->Box;
    const Int32 links = box.LinksAbstand, tintenende = box.LinksAbstand + box.Breite;
    if (!grenzen.empty() && weiter < tintenende) {
        box.RechtsAbstand = weiter - tintenende;
        gruppe->Vorschub = weiter;
    } else {
        grenzen.clear();
    }
    gruppe->LinksAn(g, 0);
    gruppe->Verschiebe(0, -g);
    FuegeFormelteilAn(std::move(gruppe));
    if (grenzen.empty()) return;
    // The group's origin on the line: its left edge was moved to g, and the line goes on where it does.
    const Int32 x = Zeilenende() - (g - links) - weiter;
    Ueberhang = {
        AktuelleZeile.get(), Zeilenende(), AktuelleZeile->Liste.size() - 1, x + (g - links) + tintenende, {}};
    for (TUeberhang::TGrenze grenze : grenzen) {
        grenze.Links += x + g - links;
        grenze.Rechts += x + g - links;
        // Raised by g: an upper limit's inner edge lies higher, a lower one's nearer the baseline.
        grenze.Innen += grenze.Oben ? g : -g;
        Ueberhang.Grenzen.push_back(grenze);
    }
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
    std::unique_ptr<TFolie> oben = Grenze(b, S);
    // A limit centred on the sign stands out on both sides: a long one would leave the sign far from its
    // integrand. Long limits stand right of the sign, at its foot and its head, as at the evaluation bracket.
    const Int32 lang = PunktZuPixel(3.0 * S);
    const bool seitlich = (unten && unten->Box->Breite > lang) || (oben && oben->Box->Breite > lang);
    const Int32 rechts = I->Box->Endpunkt.x;
    if (unten && seitlich) {
        unten->LinksAn(rechts, g);
        unten->ZentriereVertikal(I->Box->Startpunkt.y);
        if (-unten->Box->Oben < g) unten->ObenAn(g, 0);
    } else if (unten) {
        unten->ZentriereHorizontal(I->Box->Startpunkt.x);
        unten->ObenAn(I->Box->Startpunkt.y, g);
    }
    if (oben && seitlich) {
        oben->LinksAn(rechts, g);
        oben->ZentriereVertikal(I->Box->Endpunkt.y);
        if (oben->Box->Unten > -g) oben->UntenAn(-g, 0);
    } else if (oben) {
        oben->ZentriereHorizontal(I->Box->Endpunkt.x);
        oben->UntenAn(I->Box->Endpunkt.y, g);
    }
    FuegeMitGrenzenAn(std::move(unten), std::move(oben), std::move(I), S, g);
    IntegrandFolgt = true;
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

bool BrauchtExponent(Extended x) {
    if (!std::isfinite(x) || x == 0) return false;
    const int stellen = std::min<int>(Stellen, MaxZiffern);
    const Extended betrag = std::fabs(x);
    // More digits before the point than the 18 significant ones leave for the decimals, or a number that
    // would be written as 0 (and lose its sign).
    return betrag >= std::pow(10.0L, MaxZiffern - stellen) || betrag < 0.5L * std::pow(10.0L, -stellen);
}

std::string FormatiereTabellenzahl(Extended x, bool Exponential) {
    if (!std::isfinite(x)) return "nicht def.";
    // In E notation at most 18 significant digits: a long double carries no more.
    const int stellen = std::min<int>(Stellen, Exponential ? MaxZiffern - 1 : MaxZiffern);
    char puffer[200];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, x,
                      Exponential ? std::chars_format::scientific : std::chars_format::fixed, stellen);
    std::string s(puffer, ergebnis.ptr);
    // A value that rounds to zero has no sign.
    if (s[0] == '-' && s.find_first_of("123456789") >= s.find_first_of("eE")) s.erase(0, 1);
    for (char& c : s) {
        if (c == 'e') c = 'E';
        if (c == '.') c = ',';
    }
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
