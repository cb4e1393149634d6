// Typesetting of terms and sets. Brackets appear only where the layout would otherwise be read
// differently: sums inside products, sums and negative terms subtracted or multiplied, composite or
// negative bases of powers, and the set operators by their binding.
#include "output/Termsatz.h"

#include <string>
#include <unordered_map>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/folienT.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The widths of the parts of a formula that is being broken into pieces (Zeilenstuecke), of size G, alone
// and in brackets, noted wherever a part's folie is built: the breaking tries each part whole before it
// breaks it, and building a part only to find it too wide again at every level of nesting cost the product
// of the formula's size and its depth, or more where a bracket or a stacked fraction tried the part twice.
} // namespace

struct TBreiten {
    Single G;
    std::unordered_map<const TTerm*, Int32> Allein, Geklammert;
};

namespace {

TBreiten* Breitenbuch = nullptr;

void NotiereBreite(const TTerm* T, Single G, const std::unique_ptr<TFolie>& F, bool Geklammert) {
    if (Breitenbuch && Breitenbuch->G == G && F && F->Box)
        (Geklammert ? Breitenbuch->Geklammert : Breitenbuch->Allein)[T] = F->Box->Breite;
}

// Character codes.
constexpr uint16_t CodePlus = 43;
constexpr uint16_t CodeMinus = 45;
constexpr uint16_t CodeMalpunkt = 183;
constexpr uint16_t CodeBackslash = 92;
constexpr uint16_t CodePi = 1112;
constexpr uint16_t CodeGeschweiftAuf = 1123;
constexpr uint16_t CodeGeschweiftZu = 1125;
constexpr uint16_t CodeUnendlich = 1165;
constexpr uint16_t CodeLeereMenge = 1198;
constexpr uint16_t CodeSchnitt = 1199;
constexpr uint16_t CodeVereinigung = 1200;

std::unique_ptr<TFolie> Textfolie(const std::string& s, Single G) {
    return std::make_unique<TAFolie>(s, G);
}

std::unique_ptr<TFolie> Zeichen(uint16_t Code, Single G) {
    return std::make_unique<TZeichen>(Code, G);
}

// The size of exponents: two thirds, rounded to whole points.
Single Exponentengroesse(Single G) {
    return static_cast<Single>(Round(G / 1.5));
}

// A fraction as text, or as a fraction bar with the sign in the numerator.
std::unique_ptr<TFolie> Bruchzahl(const TBruch& B, Single G) {
    if (B.Zaehler == 0) return Textfolie("0", G);
    if (B.Nenner == 1) return Textfolie(std::to_string(B.Zaehler), G);
    return BruchFolie(Textfolie(std::to_string(B.Zaehler), G), Textfolie(std::to_string(B.Nenner), G));
}

// Puts E at the upper right of the base: its bottom P(0.7 G) below the base's top, P(0.2 G) to the right.
std::unique_ptr<TFolie> MitExponent(std::unique_ptr<TFolie> Basis, std::unique_ptr<TFolie> E, Single G) {
    if (Basis && Basis->Box && E) {
        E->UntenAn(-Basis->Box->Oben + PunktZuPixel(0.7 * G), 0);
        E->RechtsNeben(Basis.get(), PunktZuPixel(0.2 * G));
    }
    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(Basis));
    gruppe->FuegeAn(std::move(E));
    return gruppe;
}

// The folien placed left to right with the given gap, as one overlay group.
std::unique_ptr<TFolie> Reihe(std::vector<std::unique_ptr<TFolie>> Teile, Int32 Abstand, Single G,
                              bool VertikalZentriert = false) {
    auto gruppe = std::make_unique<TSammelFolie>(G);
    const TFolie* vorige = nullptr;
    for (auto& teil : Teile) {
        if (!teil) continue;
        if (vorige) {
            if (VertikalZentriert) teil->ZentriereVertikalZu(vorige);
            teil->RechtsNeben(vorige, Abstand);
        }
        vorige = teil.get();
    }
    for (auto& teil : Teile) gruppe->FuegeAn(std::move(teil));
    return gruppe;
}

std::unique_ptr<TFolie> Geklammert(std::unique_ptr<TFolie> F, Single G) {
    return KlammerFolie(std::move(F), false, G);
}

// A radical constant with a non-zero coefficient below the leading one is written as a sum.
bool IstRadikalSumme(TTerm* T) {
    auto* rad = AlsRadikalKonstante(T);
    if (!rad) return false;
    const TPolynom& p = rad->Radikal.Polynom;
    for (Int32 i = 0; i < p.Grad; ++i)
        if (p.Koeff[i] && !p.Koeff[i]->IstNull()) return true;
    return false;
}

bool IstSummenartig(TTerm* T) {
    return HatOperator(T, "+-") || IstRadikalSumme(T);
}

// The brackets of T1 op T2 (op not '/'): a sum as a factor; a sum subtracted or multiplied; a negative
// second operand, a fraction with a negative numerator and a sum that begins with a negative summand: no
// "+ -a".
bool LinksGeklammert(char op, TTerm* T1) {
    return op == '*' && IstSummenartig(T1);
}
// The first operand of a sum chain, down to its leftmost summand, has a negative sign.
bool BeginntNegativ(TTerm* T) {
    return HatNegativesVorzeichen(T) || (HatOperator(T, "+-") && BeginntNegativ(AlsOperatorTerm(T)->T1));
}
bool RechtsGeklammert(char op, TTerm* T2) {
    auto* quotient = HatOperator(T2, "/") ? AlsOperatorTerm(T2) : nullptr;
    return ((op == '*' || op == '-') && IstSummenartig(T2)) || HatNegativesVorzeichen(T2) ||
           (op != '/' && quotient && HatNegativesVorzeichen(quotient->T1)) ||
           (op == '+' && HatOperator(T2, "+-") && BeginntNegativ(T2));
}
// The factor -1 is written as a minus sign.
bool MinusEinsFaktor(char op, TTerm* T1) {
    return op == '*' && T1->HatWert(BruchMinusEins) && IstRationaleKonstante(T1);
}
uint16_t Operatorzeichen(char op) {
    return op == '+' ? CodePlus : op == '-' ? CodeMinus : CodeMalpunkt;
}

} // namespace

std::unique_ptr<TFolie> FaktorFolie(TTerm* T, Single Groesse) {
    std::unique_ptr<TFolie> F = T->Folie(Groesse);
    return IstSummenartig(T) ? Geklammert(std::move(F), Groesse) : std::move(F);
}

// ---- constants and the variable ----

std::unique_ptr<TFolie> TRationaleKonstante::Folie(Single Groesse) {
    return Bruchzahl(Bruch, Groesse);
}

std::unique_ptr<TFolie> TReelleKonstante::Folie(Single Groesse) {
    return Textfolie(Text, Groesse);
}

std::unique_ptr<TFolie> TBenannteKonstante::Folie(Single Groesse) {
    if (Kennung == "pi") return Zeichen(CodePi, Groesse);
    return Textfolie(Kennung, Groesse);
}

// The number as its term tree.
std::unique_ptr<TFolie> TRadikalKonstante::Folie(Single Groesse) {
    return RadikalToTerm(Radikal)->Folie(Groesse);
}

std::unique_ptr<TFolie> TVariable::Folie(Single Groesse) {
    return Textfolie(std::string(1, Variablenbuchstabe), Groesse);
}

// ---- operator terms ----

std::unique_ptr<TFolie> TOperatorTerm::Folie(Single Groesse) {
    const Single G = Groesse;
    std::unique_ptr<TFolie> F1 = T1->Folie(G);
    std::unique_ptr<TFolie> F2 = T2->Folie(G);
    NotiereBreite(T1, G, F1, false);
    NotiereBreite(T2, G, F2, false);
    if (Operator == '/') return BruchFolie(std::move(F1), std::move(F2));

    if (LinksGeklammert(Operator, T1)) {
        F1 = Geklammert(std::move(F1), G);
        NotiereBreite(T1, G, F1, true);
    }
    if (RechtsGeklammert(Operator, T2)) {
        F2 = Geklammert(std::move(F2), G);
        NotiereBreite(T2, G, F2, true);
    }

    const Int32 abstand = PunktZuPixel(0.2 * G);
    std::vector<std::unique_ptr<TFolie>> teile;
    if (MinusEinsFaktor(Operator, T1)) {
        teile.push_back(Zeichen(CodeMinus, G));
    } else {
        teile.push_back(std::move(F1));
        teile.push_back(Zeichen(Operatorzeichen(Operator), G));
    }
    teile.push_back(std::move(F2));
    return Reihe(std::move(teile), abstand, G);
}

// ---- functions ----

namespace {

// b^(p/q) with an integer b >= 2 and a root index q, as the radical b^k * w^r with w the q-th root of b,
// p = k*q + r and 0 < r < q: the form in which every radical constant is written, so that one number never
// shows as a root in one place and as a power in another. False when b^|k| leaves Int64.
bool PotenzAlsRadikal(const TPotenz* T, TRadikal& r) {
    const auto* b = AlsRationaleKonstante(T->Argument);
    const Int64 p = T->Exponent.Zaehler, q = T->Exponent.Nenner;
    if (!b || b->Bruch.Nenner != 1 || b->Bruch.Zaehler < 2 || q < 2 || q > MaxWurzelexponent) return false;
    const Int64 k = p >= 0 ? p / q : -((q - 1 - p) / q);
    Int64 faktor = 1;
    for (Int64 i = 0; i < (k < 0 ? -k : k); ++i)
        if (__builtin_mul_overflow(faktor, b->Bruch.Zaehler, &faktor)) return false;
    r = Einzelradikal(k < 0 ? TBruch{1, faktor} : TBruch{faktor, 1}, static_cast<Int32>(p - k * q),
                      b->Bruch.Zaehler, static_cast<Int32>(q));
    return true;
}

// The base of a power is bracketed when it is composite; a negative base too, so that (-2)^2 is not read as
// -(2^2).
bool BasisGeklammert(TTerm* B) {
    const auto* r = AlsRationaleKonstante(B);
    return IstOperatorTerm(B) || IstPotenz(B) || IstRadikalKonstante(B) ||
           (r && (r->Bruch.Nenner != 1 || r->Bruch.Zaehler < 0));
}

} // namespace

std::unique_ptr<TFolie> PotenzFolie(TPotenz* T, Single Groesse) {
    const Single G = Groesse;
    if (TRadikal r; PotenzAlsRadikal(T, r)) return RadikalToTerm(r)->Folie(G);
    TTerm* B = T->Argument;
    std::unique_ptr<TFolie> basis = B->Folie(G);
    NotiereBreite(B, G, basis, false);
    if (BasisGeklammert(B)) basis = Geklammert(std::move(basis), G);
    return MitExponent(std::move(basis), Bruchzahl(T->Exponent, Exponentengroesse(G)), G);
}

std::unique_ptr<TFolie> TStandardFunktion::Folie(Single Groesse) {
    const Single G = Groesse;
    if (Kennung == "sqrt") return WurzelFolie(Argument->Folie(G), 2);
    if (Kennung == "abs") return BetragFolie(Argument->Folie(G), false, G);
    if (Kennung == "exp") {
        if (Argument->HatWert(BruchEins)) return Textfolie("e", G);
        return MitExponent(Textfolie("e", G), Argument->Folie(Exponentengroesse(G)), G);
    }
    std::vector<std::unique_ptr<TFolie>> teile;
    teile.push_back(Textfolie(Kennung, G));
    std::unique_ptr<TFolie> argument = Argument->Folie(G);
    NotiereBreite(Argument, G, argument, false);
    teile.push_back(Geklammert(std::move(argument), G));
    return Reihe(std::move(teile), PunktZuPixel(G / 8.0), G);
}

std::unique_ptr<TFolie> AllgemeineExponentialFolie(TAllgemeineExponentialFunktion* T, Single Groesse) {
    const Single G = Groesse;
    std::unique_ptr<TFolie> basis = Bruchzahl(T->Basis, G);
    if (T->Basis.Nenner != 1) basis = Geklammert(std::move(basis), G);
    if (T->Argument->HatWert(BruchEins)) return basis;
    // The exponent keeps the full size, unlike the exponent of a power.
    return MitExponent(std::move(basis), T->Argument->Folie(G), G);
}

std::unique_ptr<TFolie> TWurzel::Folie(Single Groesse) {
    return WurzelFolie(Argument->Folie(Groesse), Grad);
}

// ---- piecewise terms ----

namespace {

// One row of a piecewise term: the branch, " für ", the condition and the relation.
std::unique_ptr<TFolie> JoinZeile(TTerm* Zweig, TTerm* Bedingung, const char* Relation, Single G) {
    std::vector<std::unique_ptr<TFolie>> teile;
    teile.push_back(Zweig->Folie(G));
    teile.push_back(Textfolie(" für ", G));
    teile.push_back(Bedingung->Folie(G));
    teile.push_back(Textfolie(Relation, G));
    return Reihe(std::move(teile), static_cast<Int32>(Round(G)), G, true);
}

} // namespace

std::unique_ptr<TFolie> JoinFolie(TJoin* T, Single Groesse) {
    const Single G = Groesse;
    TTerm* c = T->Bedingung;
    // A branch that has no term in c (a piecewise part without a value there) is shown as it is.
    auto zweig = [c](TTerm* Zweig) {
        TTerm* Z = Zweig->Ersetze(VariableX, c);
        return Z ? Z : Zweig;
    };
    std::unique_ptr<TFolie> negativ = JoinZeile(zweig(T->T1), c, " < 0", G);
    std::unique_ptr<TFolie> null;
    if (T->Stetig) {
        if (TTerm* wert = T->T1->Ersetze(VariableX, Null)) {
            VereinfacheKonstantenTerm(wert);
            null = JoinZeile(wert, c, " = 0", G);
        }
    }
    std::unique_ptr<TFolie> positiv = JoinZeile(zweig(T->T2), c, " > 0", G);
    return GeschweifteKlammerFolie(std::move(negativ), std::move(null), std::move(positiv));
}

// ---- sets ----

std::unique_ptr<TFolie> TStandardMenge::Folie(Single Groesse) {
    if (Kennung == "L") return Zeichen(CodeLeereMenge, Groesse);
    if (Kennung == "R") return Textfolie("IR", Groesse);
    if (Kennung == "N") return Textfolie("IN", Groesse);
    return Textfolie(Kennung, Groesse);
}

std::unique_ptr<TFolie> TStelle::Folie(Single Groesse) {
    auto liste = std::make_unique<TListenFolie>(Groesse);
    liste->FuegeAn(Zeichen(CodeGeschweiftAuf, Groesse));
    liste->FuegeAn(Punkt->Folie(Groesse));
    liste->FuegeAn(Zeichen(CodeGeschweiftZu, Groesse));
    return liste;
}

std::unique_ptr<TFolie> TSListe::Folie(Single Groesse) {
    auto liste = std::make_unique<TListenFolie>(Groesse);
    liste->FuegeAn(Textfolie("{", Groesse));
    for (Int32 i = 1; i <= Anzahl; ++i) {
        if (i > 1) liste->FuegeAn(Textfolie(";", Groesse));
        liste->FuegeAn(Stellen[i]->Punkt->Folie(Groesse));
    }
    liste->FuegeAn(Textfolie("}", Groesse));
    return liste;
}

std::unique_ptr<TFolie> IntervallFolie(TTerm* a, bool aOffen, TTerm* b, bool bOffen, Single Groesse) {
    auto liste = std::make_unique<TListenFolie>(Groesse);
    liste->FuegeAn(Textfolie(aOffen ? "]" : "[", Groesse));
    if (a) {
        liste->FuegeAn(a->Folie(Groesse));
    } else {
        liste->FuegeAn(Textfolie("-", Groesse));
        liste->FuegeAn(Zeichen(CodeUnendlich, Groesse));
    }
    liste->FuegeAn(Textfolie(";", Groesse));
    if (b)
        liste->FuegeAn(b->Folie(Groesse));
    else
        liste->FuegeAn(Zeichen(CodeUnendlich, Groesse));
    liste->FuegeAn(Textfolie(bOffen ? "[" : "]", Groesse));
    return liste;
}

std::unique_ptr<TFolie> TIntervall::Folie(Single Groesse) {
    return IntervallFolie(LinkerRand.Wert, LinkerRand.Offen, RechterRand.Wert, RechterRand.Offen, Groesse);
}

std::unique_ptr<TFolie> TOperatorMenge::Folie(Single Groesse) {
    const Single G = Groesse;
    std::unique_ptr<TFolie> links = Links->Folie(G);
    std::unique_ptr<TFolie> rechts = Rechts->Folie(G);
    // Intersection binds tightest, difference loosest; a difference on the right of a difference keeps
    // its brackets, because the differences are taken from the left.
    auto klammern = [this](TMenge* Seite, bool rechteSeite) {
        switch (Operator) {
        case 'n':
            return IstOperatorMenge(Seite, "v\\");
        case 'v':
            return IstOperatorMenge(Seite, "\\");
        case '\\':
            return rechteSeite && IstOperatorMenge(Seite, "\\");
        default:
            return false;
        }
    };
    if (klammern(Links, false)) links = Geklammert(std::move(links), G);
    if (klammern(Rechts, true)) rechts = Geklammert(std::move(rechts), G);
    const uint16_t code = Operator == 'n' ? CodeSchnitt : Operator == 'v' ? CodeVereinigung : CodeBackslash;
    std::vector<std::unique_ptr<TFolie>> teile;
    teile.push_back(std::move(links));
    teile.push_back(Zeichen(code, G));
    teile.push_back(std::move(rechts));
    return Reihe(std::move(teile), PunktZuPixel(0.2 * G), G);
}

std::unique_ptr<TFolie> TIMenge::Folie(Single Groesse) {
    auto liste = std::make_unique<TListenFolie>(Groesse);
    for (TIMenge* glied = this; glied; glied = glied->Naechste) {
        if (glied != this) liste->FuegeAn(Zeichen(CodeVereinigung, Groesse));
        liste->FuegeAn(glied->Menge->Folie(Groesse));
    }
    return liste;
}

// ---- pieces of a line ----

namespace {

using TStuecke = std::vector<std::unique_ptr<TFolie>>;

// Nesting deeper than this is not looked into: the part is one piece.
constexpr Int32 MaxZerlegungstiefe = 64;

// The pieces of one part are collected here, in reading order.
class TZerlegung {
public:
    explicit TZerlegung(Single groesse) : G(groesse) {}
    TStuecke Stuecke;

    // T, broken where it is wider than Platz.
    void Teile(TTerm* T, Int32 Platz, Int32 Tiefe);

private:
    const Single G;

    bool Passt(const TFolie& F, Int32 Platz) const { return F.Box && F.Box->Breite <= Platz; }
    // T's folie (in brackets), its width noted in the book.
    std::unique_ptr<TFolie> Baue(TTerm* T, bool Geklammert);
    // T's folie (in brackets) was built before and is wider than Platz.
    bool ZuBreit(TTerm* T, bool Geklammert, Int32 Platz) const;
    bool ZerlegeTeile(TTerm* T, Int32 Platz, Int32 Tiefe);
    void Operand(TTerm* T, bool Geklammert, Int32 Platz, Int32 Tiefe);
    void Umschlossen(TTerm* T, char Art, Int32 Platz, Int32 Tiefe);
    void Voran(size_t Ab, std::unique_ptr<TFolie> F, Int32 Abstand);
    std::unique_ptr<TFolie> Gestapelt(TTerm* T, Int32 Platz, Int32 Tiefe);
};

// F with an opening or closing round bracket, or an absolute value bar (Art '|'), of its own height beside
// it, as KlammerFolie and BetragFolie put them.
std::unique_ptr<TFolie> MitRand(std::unique_ptr<TFolie> F, char Art, bool Links, Single G) {
    if (!F || !F->Box) return F;
    const Int32 H = F->Box->Oben + F->Box->Unten;
    std::unique_ptr<TFolie> rand;
    if (Art == '|')
        rand = std::make_unique<TLinie>(0, H, G);
    else
        rand = std::make_unique<TKlammer>(H, Links, false, G);
    rand->ZentriereVertikalZu(F.get());
    if (Links)
        rand->LinksNeben(F.get(), PunktZuPixel(0.2 * G));
    else
        rand->RechtsNeben(F.get(), PunktZuPixel(0.2 * G));
    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(F));
    gruppe->FuegeAn(std::move(rand));
    return gruppe;
}

// Places F before the first piece from index Ab on, in one group with it.
void TZerlegung::Voran(size_t Ab, std::unique_ptr<TFolie> F, Int32 Abstand) {
    if (Ab >= Stuecke.size()) {
        Stuecke.push_back(std::move(F));
        return;
    }
    std::vector<std::unique_ptr<TFolie>> teile;
    teile.push_back(std::move(F));
    teile.push_back(std::move(Stuecke[Ab]));
    Stuecke[Ab] = Reihe(std::move(teile), Abstand, G);
}

std::unique_ptr<TFolie> TZerlegung::Baue(TTerm* T, bool Geklammert) {
    std::unique_ptr<TFolie> F = T->Folie(G);
    if (Geklammert) F = KlammerFolie(std::move(F), false, G);
    NotiereBreite(T, G, F, Geklammert);
    return F;
}

bool TZerlegung::ZuBreit(TTerm* T, bool Geklammert, Int32 Platz) const {
    if (!Breitenbuch || Breitenbuch->G != G) return false;
    const auto& breiten = Geklammert ? Breitenbuch->Geklammert : Breitenbuch->Allein;
    auto it = breiten.find(T);
    return it != breiten.end() && it->second > Platz;
}

void TZerlegung::Teile(TTerm* T, Int32 Platz, Int32 Tiefe) {
    // A part known to be too wide is built whole only when it cannot be broken.
    std::unique_ptr<TFolie> F;
    if (!ZuBreit(T, false, Platz) || Tiefe >= MaxZerlegungstiefe) {
        F = Baue(T, false);
        if (!F || !F->Box) return;
        if (Passt(*F, Platz) || Tiefe >= MaxZerlegungstiefe) {
            Stuecke.push_back(std::move(F));
            return;
        }
    }
    const size_t vorher = Stuecke.size();
    if (ZerlegeTeile(T, Platz, Tiefe + 1) && Stuecke.size() > vorher &&
        (Stuecke.size() > vorher + 1 || Passt(*Stuecke.back(), Platz)))
        return;
    // Not to be broken: the part whole.
    Stuecke.resize(vorher);
    if (!F) F = Baue(T, false);
    Stuecke.push_back(std::move(F));
}

void TZerlegung::Operand(TTerm* T, bool Geklammert, Int32 Platz, Int32 Tiefe) {
    if (!Geklammert) {
        Teile(T, Platz, Tiefe);
        return;
    }
    std::unique_ptr<TFolie> F;
    if (!ZuBreit(T, true, Platz)) F = Baue(T, true);
    if (F && Passt(*F, Platz))
        Stuecke.push_back(std::move(F));
    else
        Umschlossen(T, '(', Platz, Tiefe);
}

// T between brackets or bars that open on its first piece and close on its last.
void TZerlegung::Umschlossen(TTerm* T, char Art, Int32 Platz, Int32 Tiefe) {
    const size_t vorher = Stuecke.size();
    Teile(T, Platz - 2 * PunktZuPixel(0.6 * G), Tiefe);
    if (Stuecke.size() == vorher) return;
    Stuecke[vorher] = MitRand(std::move(Stuecke[vorher]), Art, true, G);
    Stuecke.back() = MitRand(std::move(Stuecke.back()), Art, false, G);
}

// T whole when it fits in Platz; else its pieces in rows no wider than Platz, one below the other, the rows
// after the first further in: the numerator or denominator of a fraction too long for one line.
std::unique_ptr<TFolie> TZerlegung::Gestapelt(TTerm* T, Int32 Platz, Int32 Tiefe) {
    if (!ZuBreit(T, false, Platz)) {
        std::unique_ptr<TFolie> ganz = Baue(T, false);
        if (!ganz || Passt(*ganz, Platz)) return ganz;
    }
    const Int32 abstand = PunktZuPixel(0.2 * G);
    const Int32 einzug = PunktZuPixel(G);
    TZerlegung teile(G);
    teile.Teile(T, Platz - einzug - abstand, Tiefe);
    auto stapel = std::make_unique<TSammelFolie>(G);
    std::unique_ptr<TListenFolie> reihe;
    auto schliesse = [&] {
        if (!reihe) return;
        if (!stapel->Box->IstLeer()) {
            reihe->Unter(stapel.get(), PunktZuPixel(0.3 * G));
            reihe->LinksAn(einzug, 0);
        }
        stapel->FuegeAn(std::move(reihe));
    };
    for (auto& stueck : teile.Stuecke) {
        stueck->LinksAn(0, abstand);
        const Int32 rand = stapel->Box->IstLeer() ? 0 : einzug;
        if (reihe && rand + reihe->Box->LinksAbstand + reihe->Box->Breite + stueck->Box->LinksAbstand +
                             stueck->Box->Breite >
                         Platz)
            schliesse();
        if (!reihe) reihe = std::make_unique<TListenFolie>(G);
        reihe->FuegeAn(std::move(stueck));
    }
    schliesse();
    stapel->LinksAn(0, 0);
    return stapel;
}

bool TZerlegung::ZerlegeTeile(TTerm* T, Int32 Platz, Int32 Tiefe) {
    const Int32 abstand = PunktZuPixel(0.2 * G);
    if (TOperatorTerm* o = AlsOperatorTerm(T); o && o->Operator == '/') {
        // A fraction stays one piece: a numerator or denominator too long for a line has rows of its own.
        Stuecke.push_back(BruchFolie(Gestapelt(o->T1, Platz, Tiefe), Gestapelt(o->T2, Platz, Tiefe)));
        return true;
    }
    if (auto* rad = AlsRadikalKonstante(T)) {
        Teile(RadikalToTerm(rad->Radikal), Platz, Tiefe);
        return true;
    }
    if (TOperatorTerm* o = AlsOperatorTerm(T); o && o->Operator != '/') {
        // A chain of sums and differences, or of products, taken from the left: its operands are the pieces,
        // each after the first with its operator sign in front.
        const bool summe = o->Operator != '*';
        std::vector<TOperatorTerm*> kette{o};
        for (;;) {
            TOperatorTerm* links = AlsOperatorTerm(kette.back()->T1);
            if (!links || (summe ? links->Operator != '+' && links->Operator != '-' : links->Operator != '*'))
                break;
            kette.push_back(links);
        }
        TOperatorTerm* innen = kette.back();
        const bool minus = MinusEinsFaktor(innen->Operator, innen->T1);
        if (!minus) Operand(innen->T1, LinksGeklammert(innen->Operator, innen->T1), Platz, Tiefe);
        for (auto k = kette.rbegin(); k != kette.rend(); ++k) {
            const size_t ab = Stuecke.size();
            Operand((*k)->T2, RechtsGeklammert((*k)->Operator, (*k)->T2), Platz - 3 * abstand, Tiefe);
            if (*k == innen && minus)
                Voran(ab, Zeichen(CodeMinus, G), abstand);
            else
                Voran(ab, Zeichen(Operatorzeichen((*k)->Operator), G), abstand);
        }
        return true;
    }
    if (auto* f = AlsStandardFunktion(T)) {
        if (f->Kennung == "abs") {
            Umschlossen(f->Argument, '|', Platz, Tiefe);
            return true;
        }
        if (f->Kennung == "sqrt" || f->Kennung == "exp") return false;
        const size_t ab = Stuecke.size();
        std::unique_ptr<TFolie> name = Textfolie(f->Kennung, G);
        const Int32 namensbreite = name->Box->Breite;
        Umschlossen(f->Argument, '(', Platz - namensbreite, Tiefe);
        Voran(ab, std::move(name), PunktZuPixel(G / 8.0));
        return true;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (TRadikal r; PotenzAlsRadikal(p, r)) {
            Teile(RadikalToTerm(r), Platz, Tiefe);
            return true;
        }
        if (!BasisGeklammert(p->Argument)) return false;
        const size_t vorher = Stuecke.size();
        Umschlossen(p->Argument, '(', Platz - PunktZuPixel(G), Tiefe);
        if (Stuecke.size() == vorher) return true;
        Stuecke.back() =
            MitExponent(std::move(Stuecke.back()), Bruchzahl(p->Exponent, Exponentengroesse(G)), G);
        return true;
    }
    return false;
}

} // namespace

TBreitenbuch::TBreitenbuch(Single Groesse)
    : Buch(std::make_unique<TBreiten>(TBreiten{Groesse, {}, {}})), Vorher(Breitenbuch) {
    Breitenbuch = Buch.get();
}

TBreitenbuch::~TBreitenbuch() {
    Breitenbuch = Vorher;
}

void TBreitenbuch::Notiere(const TTerm* T, const TFolie& F) {
    if (F.Box) Buch->Allein[T] = F.Box->Breite;
}

std::vector<std::unique_ptr<TFolie>> Zeilenstuecke(TTerm* T, Single Groesse, Int32 Breite) {
    // The book of the formula being written, where one is open at this size.
    TBreiten breiten{Groesse, {}, {}};
    TWechsel<TBreiten*> buch(Breitenbuch, Breitenbuch && Breitenbuch->G == Groesse ? Breitenbuch : &breiten);
    TZerlegung z(Groesse);
    if (T) z.Teile(T, Breite, 0);
    return std::move(z.Stuecke);
}

std::vector<std::unique_ptr<TFolie>> Zeilenstuecke(TMenge* M, Single Groesse, Int32 Breite) {
    std::vector<std::unique_ptr<TFolie>> stuecke;
    if (!M) return stuecke;
    auto* liste = dynamic_cast<TSListe*>(M);
    std::unique_ptr<TFolie> ganz = M->Folie(Groesse);
    if (!liste || liste->Anzahl == 0 || (ganz && ganz->Box && ganz->Box->Breite <= Breite)) {
        stuecke.push_back(std::move(ganz));
        return stuecke;
    }
    // The points in braces, each after the first with the ";" in front.
    const Int32 zeichen = PunktZuPixel(Groesse);
    TBreiten breiten{Groesse, {}, {}};
    TWechsel<TBreiten*> buch(Breitenbuch, &breiten);
    for (Int32 i = 1; i <= liste->Anzahl; ++i) {
        TZerlegung z(Groesse);
        z.Teile(liste->Stellen[i]->Punkt, Breite - 2 * zeichen, 0);
        if (z.Stuecke.empty()) continue;
        auto vorn = std::make_unique<TListenFolie>(Groesse);
        vorn->FuegeAn(Textfolie(i == 1 ? "{" : ";", Groesse));
        vorn->FuegeAn(std::move(z.Stuecke.front()));
        z.Stuecke.front() = std::move(vorn);
        if (i == liste->Anzahl) {
            auto hinten = std::make_unique<TListenFolie>(Groesse);
            hinten->FuegeAn(std::move(z.Stuecke.back()));
            hinten->FuegeAn(Textfolie("}", Groesse));
            z.Stuecke.back() = std::move(hinten);
        }
        for (auto& s : z.Stuecke) stuecke.push_back(std::move(s));
    }
    return stuecke;
}

} // namespace zol
