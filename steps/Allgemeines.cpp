#include "steps/Allgemeines.h"

#include <algorithm>
#include <cmath>

#include "algebra/ExponentialNormalform.h"
#include "algebra/NormalFormen.h"
#include "algebra/PartialBrueche.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "plattform/Oberflaeche.h"
#include "steps/Definitionsbedingungen.h"
#include "steps/Nullstel.h"
#include "steps/Schrittrahmen.h"
#include "steps/Schrittflags.h"
#include "steps/Symmetrien.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

TTerm* FTerm = nullptr;
TTerm* GTerm = nullptr;
TIntervall* ABIntervall = nullptr;
bool IstPolynom = false;
TRationaleFunktion* FRationaleFunktion = nullptr;
TRationaleFunktion* FQuotientWieEingegeben = nullptr;
TRationaleNormalform* FNormalformRNF = nullptr;
TExponentialNormalform* FNormalformENF = nullptr;
Int32 Substitutionszaehler = 0;
TTerm* Ableitung1 = nullptr;
TTerm* Ableitung2 = nullptr;
TTerm* Ableitung3 = nullptr;
TTerm* Integralergebnis = nullptr;
TSListe* Nullstellenliste = nullptr;
TWahrheitswert NullstellenlisteStatus = unklar;
TSListe* Definitionsluecken = nullptr;
TWahrheitswert DefinitionslueckenStatus = unklar;
TSListe* Extremstellenkandidaten = nullptr;
TSListe* Wendestellenkandidaten = nullptr;
TSListe* Schnittstellenliste = nullptr;
TWahrheitswert SchnittstellenStatus = unklar;
TSListe* Flaechenstellen = nullptr;

namespace {

// Ticks the step-list item of a step, but only when the step was chosen: a step run on behalf of another
// one has no item of its own.
void Abhaken(TSchritt schritt) {
    if (Schrittflags[schritt]) Oberflaeche().SchrittAbhaken(schritt);
}

// An input field holding nothing but blanks counts as empty.
bool IstLeer(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

// The cached normal form of f, fetched when f has none yet.
TNormalform* NormalformVonF() {
    if (!FTerm) return nullptr;
    FTerm->HoleNormalform();
    return FTerm->Normalform;
}

std::string Kennung(TNormalform* N) {
    return N ? N->Kennung : std::string();
}

// The forms whose numerator/denominator pair carries f's definition gaps.
bool IstRationaleArt(const std::string& art) {
    return art == "RNF" || art == "RF";
}

// A normal form that stands for a polynomial: "PT", or "RNF" with a constant denominator.
bool IstPolynomform(TNormalform* N) {
    const std::string art = Kennung(N);
    if (art == "PT") return true;
    return art == "RNF" && static_cast<TRationaleNormalform*>(N)->P3.Grad == 0;
}

// The zeros of the term N over IR into Definitionsluecken, one level indented. The general zero finder falls
// back on N's normal form where N's own operation finds nothing (x^2+x-2 as a term, for instance).
void LueckenAlsNullstellen(TTerm* N) {
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    uint8_t status = unklar;
    SucheNullstellen(N, IntervallR, Definitionsluecken, Kommentare, status);
    DefinitionslueckenStatus = status;
    if (!Definitionsluecken) Definitionsluecken = Neu<TSListe>();
}

// The gaps of A * e^B: the zeros of the denominators of A and of B.
void ExponentialLuecken(TExponentialNormalform* E) {
    const TPolynom& nennerA = E->A->Nenner;
    const TPolynom& nennerB = E->B->Nenner;
    if (nennerA.Grad == 0) {
        if (E->A->Zaehler.Grad > 0) SchreibeZeile("Der Faktor ist überall definiert.");
        if (nennerB.Grad == 0) {
            SchreibeZeile("Der Exponent ist überall definiert.");
            Definitionsluecken->Anzahl = 0;
            DefinitionslueckenStatus = wahr;
        } else {
            SchreibeZeile("Die Definitionslücken sind genau die Nullstellen der Nenner des Exponenten ");
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            PNullstellen(nennerB, IntervallR, Definitionsluecken, DefinitionslueckenStatus, Kommentare);
        }
        return;
    }
    SchreibeZeile("Die Definitionslücken sind genau die Nenner-Nullstellen des Faktors ");
    if (nennerB.Grad > 0) SchreibeZeile("und des Exponenten zusammen.");
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    PNullstellen(nennerA, IntervallR, Definitionsluecken, DefinitionslueckenStatus, Kommentare);
    if (nennerB.Grad == 0) {
        SchreibeZeile("während der Exponent überall definiert ist.");
    } else {
        TSListe* zweite = Neu<TSListe>();
        uint8_t status = unklar;
        PNullstellen(nennerB, IntervallR, zweite, status, Kommentare);
        if (!Definitionsluecken) Definitionsluecken = NeueLeereListe();
        SListenVereinigen(zweite, Definitionsluecken, true);
        DefinitionslueckenStatus = Und(DefinitionslueckenStatus, status);
    }
}

// The definition range as one line: D = IR, without the gaps when there are any. It is stated only when
// the gap list is known to be complete: a zero search that could not decide leaves D open.
void SchreibeDefinitionsbereich() {
    NeueZeile();
    if (!Definitionsluecken || Definitionsluecken->Anzahl < 0 || DefinitionslueckenStatus != wahr) {
        SchreibeZeile("Mit elementaren Mitteln können keine Definitionslücken bestimmt werden.");
        return;
    }
    SchreibeUnterstrichen("Definitionsbereich:");
    Schreibe(" D = IR");
    if (Definitionsluecken->Anzahl > 0) {
        Schreibe("\\{");
        for (Int32 i = 1; i <= Definitionsluecken->Anzahl; ++i) {
            if (i > 1) Schreibe(",");
            SchreibeTerm(Definitionsluecken->Stellen[i]->Punkt);
        }
        Schreibe("}");
    }
    NeueZeile();
}

// f as it was entered, before folding and simplification: its divisors carry the definition gaps.
TTerm* FEingabe = nullptr;

// The numerator/denominator pair of a rational term T without any cancelling, so that the denominator
// vanishes at every point where one of T's divisors does (a divisor's own denominator is kept as a factor
// of both). False for a term that is not rational in x.
bool UngekuerztesPaar(TTerm* T, TPolynom& Z, TPolynom& N) {
    if (!T) return false;
    if (T->IstKonstant && T->Typrang <= RangRadikal) {
        KonstantesPolynom(T, Z);
        N = EinsPolynom;
        return true;
    }
    if (IstVariable(T)) {
        Z = XPolynom;
        N = EinsPolynom;
        return true;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        const TBruch& e = p->Exponent;
        if (e.Nenner != 1 || e.Zaehler > MaxGrad || e.Zaehler < -MaxGrad) return false;
        TPolynom Zb, Nb;
        if (!UngekuerztesPaar(p->Argument, Zb, Nb)) return false;
        const Int32 n = static_cast<Int32>(e.Zaehler < 0 ? -e.Zaehler : e.Zaehler);
        TPolynom Zn, Nn;
        PHoch(Zb, n, Zn);
        PHoch(Nb, n, Nn);
        if (e.Zaehler >= 0) {
            Z = Zn;
            N = Nn;
        } else {
            PMal(Nn, Nb, Z);
            PMal(Zn, Nb, N);
        }
        return true;
    }
    auto* o = AlsOperatorTerm(T);
    if (!o) return false;
    TPolynom Z1, N1, Z2, N2;
    if (!UngekuerztesPaar(o->T1, Z1, N1) || !UngekuerztesPaar(o->T2, Z2, N2)) return false;
    TPolynom a, b;
    switch (o->Operator) {
    case '*':
        PMal(Z1, Z2, Z);
        PMal(N1, N2, N);
        return true;
    case '+':
    case '-':
        PMal(Z1, N2, a);
        PMal(Z2, N1, b);
        if (o->Operator == '+')
            PPlus(a, b, Z);
        else
            PMinus(a, b, Z);
        PMal(N1, N2, N);
        return true;
    default:
        // Z1/N1 : Z2/N2 = (Z1*N2*N2) / (N1*Z2*N2): N2 stays a factor of the denominator.
        PMal(Z1, N2, a);
        PMal(a, N2, Z);
        PMal(N1, Z2, b);
        PMal(b, N2, N);
        return true;
    }
}

// The pair of the entered f, worked out once for each entered f.
TRationaleFunktion* EingegebenesPaar = nullptr;
TTerm* EingegebenesPaarVon = nullptr;
// Whether the entered f has a value at every x, for each entered f.
bool FUeberallDefiniert = false;
TTerm* UeberallDefiniertVon = nullptr;

} // namespace

TRationaleFunktion* UngekuerzterQuotient(TTerm* T) {
    if (!T || T->IstKonstant) return nullptr;
    if (T->Funktionsarten & (FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel))
        return nullptr;
    TPolynom Z, N;
    try {
        if (!UngekuerztesPaar(T, Z, N) || N.Grad < 1) return nullptr;
        return Neu<TRationaleFunktion>(Z, N);
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return nullptr;
    }
}

TRationaleFunktion* EingegebenerQuotient() {
    if (EingegebenesPaarVon && EingegebenesPaarVon == FEingabe) return EingegebenesPaar;
    EingegebenesPaarVon = FEingabe;
    EingegebenesPaar = UngekuerzterQuotient(FEingabe);
    return EingegebenesPaar;
}

bool EingegebenesFDefiniertIn(TTerm* x0) {
    if (!FEingabe || !x0) return true;
    // An f with a value at every x has one at x0: no need to put x0 in exactly.
    if (UeberallDefiniertVon != FEingabe) {
        UeberallDefiniertVon = FEingabe;
        FUeberallDefiniert = UeberallDefiniert(FEingabe);
    }
    bool definiert = false;
    if (FUeberallDefiniert && std::isfinite(x0->Wert(0, definiert)) && definiert) return true;
    try {
        return FEingabe->Einsetzen(x0) != nullptr;
    } catch (const ENichtExistenz&) {
        return false;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        return true;
    }
}

bool EingegebenesFDefiniertZwischen(TTerm* a, TTerm* b) {
    return !FEingabe || DefiniertBisAufStellen(FEingabe, a, b);
}

TTerm* EingegebenesF() {
    return FEingabe ? FEingabe : FTerm;
}

namespace {

TEingabebereich Eingabebereich;
TTerm* EingabebereichVon = nullptr;

} // namespace

const TEingabebereich& EingabebereichVonF() {
    TTerm* E = EingegebenesF();
    if (EingabebereichVon && EingabebereichVon == E) return Eingabebereich;
    TEingabebereich bereich;
    if (E) {
        // The checks search zeros and signs without a word on the page.
        TStilleSeite still;
        TWechsel<bool> ohne(Kommentare, false);
        bereich.NurTeiler = true;
        try {
            // Nested roots ask their radicands again and again: the checks end within a search's budget.
            TArbeitsbudget budget(Suchbudget);
            for (const TBedingung& b : Definitionsbedingungen(E)) {
                if (b.Art == TBedingungsart::UngleichNull) {
                    if (std::find(bereich.Teiler.begin(), bereich.Teiler.end(), b.Argument) ==
                        bereich.Teiler.end())
                        bereich.Teiler.push_back(b.Argument);
                    continue;
                }
                TTTerm* k = AlsTTTerm(b.Knoten);
                if (b.Art == TBedingungsart::Unbekannt || !k || k->IstDefiniertAuf(IntervallR) != wahr) {
                    bereich.NurTeiler = false;
                    break;
                }
            }
        } catch (const EBenutzerAbbruch&) {
            throw;
        } catch (const EZolFehler&) {
            bereich.NurTeiler = false;
        }
    }
    Eingabebereich = bereich;
    EingabebereichVon = E;
    return Eingabebereich;
}

namespace {

// The degree and the value of the leading coefficient of a polynomial as it stands; Grad -1 for 0, -2 where
// leading terms of a sum may cancel (Koeff then says nothing).
struct TLeitglied {
    Int64 Grad;
    Extended Koeff;
};
constexpr Int64 GradNull = -1, GradOffen = -2;

std::optional<TLeitglied> Leitglied(TTerm* T) {
    if (!T) return std::nullopt;
    if (T->IstKonstant) {
        bool definiert = false;
        const Extended c = T->Wert(0, definiert);
        if (!definiert || !std::isfinite(c)) return std::nullopt;
        return TLeitglied{c == 0 ? GradNull : 0, c};
    }
    if (IstVariable(T)) return TLeitglied{1, 1};
    const TLeitglied offen{GradOffen, 0};
    if (auto* p = AlsPotenzTerm(T)) {
        const TBruch& e = p->Exponent;
        const std::optional<TLeitglied> b = Leitglied(p->Argument);
        if (!b || e.Nenner != 1 || e.Zaehler < 0) return std::nullopt;
        if (e.Zaehler == 0) return TLeitglied{0, 1};
        if (b->Grad < 0) return b;
        Int64 grad = 0;
        const Extended koeff = std::pow(b->Koeff, static_cast<Extended>(e.Zaehler));
        if (__builtin_mul_overflow(b->Grad, e.Zaehler, &grad) || !std::isfinite(koeff) || koeff == 0)
            return offen;
        return TLeitglied{grad, koeff};
    }
    auto* o = AlsOperatorTerm(T);
    if (!o) return std::nullopt;
    const std::optional<TLeitglied> a = Leitglied(o->T1), b = Leitglied(o->T2);
    if (!a || !b) return std::nullopt;
    switch (o->Operator) {
    case '*': {
        if (a->Grad == GradNull || b->Grad == GradNull) return TLeitglied{GradNull, 0};
        if (a->Grad == GradOffen || b->Grad == GradOffen) return offen;
        Int64 grad = 0;
        const Extended koeff = a->Koeff * b->Koeff;
        if (__builtin_add_overflow(a->Grad, b->Grad, &grad) || !std::isfinite(koeff) || koeff == 0)
            return offen;
        return TLeitglied{grad, koeff};
    }
    case '/':
        // Only a constant divisor other than 0.
        if (b->Grad != 0) return std::nullopt;
        if (a->Grad < 0) return a;
        return TLeitglied{a->Grad, a->Koeff / b->Koeff};
    default: {
        if (b->Grad == GradNull) return a;
        const Extended vb = o->Operator == '-' ? -b->Koeff : b->Koeff;
        if (a->Grad == GradNull) return TLeitglied{b->Grad, vb};
        if (a->Grad == GradOffen || b->Grad == GradOffen) return offen;
        if (a->Grad != b->Grad) return a->Grad > b->Grad ? *a : TLeitglied{b->Grad, vb};
        // Leading terms that may cancel leave the degree open.
        const Extended koeff = a->Koeff + vb;
        if (!(std::fabs(koeff) > 1e-9L * std::max(std::fabs(a->Koeff), std::fabs(vb)))) return offen;
        return TLeitglied{a->Grad, koeff};
    }
    }
}

// T is a rational function of x as it stands: x and constants joined by + - * / and raised to integer powers.
bool RationalWieEingegeben(TTerm* T) {
    if (!T) return false;
    if (T->IstKonstant || IstVariable(T)) return true;
    if (auto* p = AlsPotenzTerm(T)) return p->Exponent.Nenner == 1 && RationalWieEingegeben(p->Argument);
    auto* o = AlsOperatorTerm(T);
    return o && RationalWieEingegeben(o->T1) && RationalWieEingegeben(o->T2);
}

// Divisors of f as entered in which an exponential, logarithm, trigonometric function or root occurs.
bool TranszendenteTeiler(const TEingabebereich& Bereich) {
    return std::any_of(Bereich.Teiler.begin(), Bereich.Teiler.end(), [](TTerm* d) {
        return (d->Funktionsarten &
                (FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel)) != 0;
    });
}

} // namespace

std::optional<Int64> PolynomgradWieEingegeben(TTerm* T) {
    const std::optional<TLeitglied> l = Leitglied(T);
    if (!l) return std::nullopt;
    return l->Grad;
}

TArtVonF ArtVonF() {
    TArtVonF art;
    TNormalform* N = NormalformVonF();
    const TEingabebereich& bereich = EingabebereichVonF();
    if (IstPolynomform(N) || IstRationaleArt(Kennung(N))) {
        if (!bereich.NurTeiler) return art;
        if (IstPolynomform(N) && !EingegebenerQuotient() && bereich.Teiler.empty())
            art.Klasse = TFunktionsklasse::Polynom;
        else if (!TranszendenteTeiler(bereich))
            art.Klasse = TFunktionsklasse::GebrochenRational;
        return art;
    }
    // Without a rational form (the degree limit passed, or an overflow): a polynomial as entered, its degree
    // above the limit where it is known, or a quotient of polynomials as entered.
    TTerm* E = EingegebenesF();
    if (const std::optional<Int64> grad = PolynomgradWieEingegeben(E)) {
        art.Klasse = TFunktionsklasse::Polynom;
        if (*grad > MaxGrad) art.Grad = *grad;
    } else if (bereich.NurTeiler && RationalWieEingegeben(E)) {
        art.Klasse = TFunktionsklasse::GebrochenRational;
    }
    return art;
}

void SchreibeGradUeberGrenze(Int64 Grad) {
    SchreibeZeile("f ist ein Polynom vom Grad " + std::to_string(Grad) +
                  ". Polynome werden nur bis zum Grad " + std::to_string(MaxGrad) + " bearbeitet.");
}

bool GrenzenOhneX(TTerm* a, TTerm* b) {
    for (auto [name, grenze] : {std::pair{"a", a}, std::pair{"b", b}}) {
        if (!grenze || grenze->IstKonstant) continue;
        SchreibeTextTermTextZeile(std::string("Die Intervallgrenze ") + name + " = ", grenze,
                                  " enthält x und begrenzt kein Intervall; der Schritt entfällt.");
        return false;
    }
    return true;
}

bool IntervallOhneX() {
    return !ABIntervall || GrenzenOhneX(ABIntervall->LinkerRand.Wert, ABIntervall->RechterRand.Wert);
}

namespace {

// A divisor that is 0 leaves nothing to compute: the request ends before any step works with it. The page
// shows the divisor typeset; the message names the field.
void PruefeNullteiler(TTerm* T, const char* Feld) {
    TTerm* d = T ? NullTeiler(T) : nullptr;
    if (!d) return;
    const std::string anfang = std::string("Division durch 0 in ") + Feld + ": ";
    SchreibeTextTermTextZeile(anfang + "Der Nenner ", d, " ist 0.");
    throw ETermFehler(anfang + "Ein Nenner ist 0.");
}

// Cancels f's numerator/denominator pair; when a common factor goes, writes the cancelled term, lets it
// replace f when it is shorter, and names the gaps that the cancelled denominator does not vanish at.
void HebbareLuecken(TNormalform* N, TRationaleFunktion* eingegeben) {
    TRationaleFunktion* paar = eingegeben;
    if (!paar && Kennung(N) == "RF") {
        paar = static_cast<TRationaleFunktion*>(N);
    } else if (!paar) {
        bool neu = false;
        paar = TRationaleFunktionCreateT(FTerm, neu);
    }
    if (!paar) return;
    FRationaleFunktion = paar;
    TPolynom Z = paar->Zaehler;
    TPolynom Nenner = paar->Nenner;
    Int32 unveraendert = 1;
    PKuerze(Z, Nenner, unveraendert);
    if (unveraendert != 0) return;
    // The cancelled pair is a form of its own; the form cached on f stays as it was.
    FRationaleFunktion = Neu<TRationaleFunktion>(Z, Nenner);
    TTerm* gekuerzt = FRationaleFunktion->Term;
    SchreibeTextTermZeile("Kürzen (Polynomdivision) ergibt für alle x aus D : f(x) = ", gekuerzt);
    if (gekuerzt && gekuerzt->Knotenzahl < FTerm->Knotenzahl) FTerm = gekuerzt;
    for (Int32 i = 1; Definitionsluecken && i <= Definitionsluecken->Anzahl; ++i) {
        TTerm* x0 = Definitionsluecken->Stellen[i]->Punkt;
        if (PolynomVerschwindetIn(Nenner, x0)) continue;
        SchreibeTerm(x0);
        SchreibeZeile(" ist hebbare Definitionslücke.");
    }
    NeueZeile();
    Trennlinie();
}

} // namespace

TTerm* TermAusFeld(TEingabefeld feld) {
    const std::string text = Oberflaeche().Eingabe(feld);
    return IstLeer(text) ? nullptr : TermAusString(text);
}

void SetzeAnalyseZurueck() {
    FTerm = nullptr;
    FEingabe = nullptr;
    EingegebenesPaar = nullptr;
    EingegebenesPaarVon = nullptr;
    UeberallDefiniertVon = nullptr;
    EingabebereichVon = nullptr;
    GTerm = nullptr;
    ABIntervall = nullptr;
    IstPolynom = false;
    FRationaleFunktion = nullptr;
    FQuotientWieEingegeben = nullptr;
    FNormalformRNF = nullptr;
    FNormalformENF = nullptr;
    Substitutionszaehler = 0;
    Ableitung1 = nullptr;
    Ableitung2 = nullptr;
    Ableitung3 = nullptr;
    Integralergebnis = nullptr;
    // Fresh lists in the new request's arena: readers see "not determined", never a freed list.
    Nullstellenliste = Neu<TSListe>();
    NullstellenlisteStatus = unklar;
    Definitionsluecken = Neu<TSListe>();
    DefinitionslueckenStatus = unklar;
    Extremstellenkandidaten = Neu<TSListe>();
    Wendestellenkandidaten = Neu<TSListe>();
    Schnittstellenliste = Neu<TSListe>();
    SchnittstellenStatus = unklar;
    Flaechenstellen = nullptr;
    SetzePartialbruchZurueck();
    Variablenbuchstabe = 'x';
    Schachtelungstiefe = 0;
    KonstantenUeberlaufGemeldet = false;
}

void SetzeAnfrageZurueck() {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    PartialbruchVorhanden = false;
}

bool IntervallgrenzenGeordnet(const std::string& ATerm, const std::string& BTerm) {
    if (IstLeer(ATerm) || IstLeer(BTerm)) return true;
    TTerm *a = nullptr, *b = nullptr;
    try {
        a = TermAusString(ATerm);
        b = TermAusString(BTerm);
    } catch (const ETermFehler&) {
        return true;
    }
    if (!a || !b || !a->IstKonstant || !b->IstKonstant) return true;
    // Only bounds that rounding cannot have put in this order (not sqrt(2)^2 and 2) are reversed.
    Extended av = 0, bv = 0, sa = 0, sb = 0;
    if (!WertMitSchranke(a, 0, 0, av, sa) || !WertMitSchranke(b, 0, 0, bv, sb) || !(av - bv > sa + sb))
        return true;
    auto getrimmt = [](const std::string& s) {
        const size_t anfang = s.find_first_not_of(" \t\r\n");
        return s.substr(anfang, s.find_last_not_of(" \t\r\n") + 1 - anfang);
    };
    Oberflaeche().Meldung(TMeldungsart::Information, "Arbeitsschritte nicht ausgeführt, da a > b (a = " +
                                                         getrimmt(ATerm) + ", b = " + getrimmt(BTerm) + ").");
    return false;
}

void SchrittAllgemeines(const std::string& FText) {
    Substitutionszaehler = 0;
    Einrueckung = 0;
    IstPolynom = false;
    SchreibeUeberschrift(2, "Allgemeines:");

    FTerm = TermAusString(FText);
    if (!FTerm) throw ETermFehler("Term-Angabe fehlt.");
    FEingabe = FTerm;
    GTerm = TermAusFeld(TEingabefeld::GTerm);
    ABIntervall = Neu<TIntervall>(UnendlichRand, UnendlichRand);
    ABIntervall->LinkerRand.Wert = TermAusFeld(TEingabefeld::ATerm);
    ABIntervall->RechterRand.Wert = TermAusFeld(TEingabefeld::BTerm);
    // The given ends are closed; an empty field leaves its end infinite, and so open.
    ABIntervall->LinkerRand.Offen = !ABIntervall->LinkerRand.Wert;
    ABIntervall->RechterRand.Offen = !ABIntervall->RechterRand.Wert;
    PruefeNullteiler(FTerm, "f");
    PruefeNullteiler(GTerm, "g");
    PruefeNullteiler(ABIntervall->LinkerRand.Wert, "a");
    PruefeNullteiler(ABIntervall->RechterRand.Wert, "b");

    SchreibeTextTerm("Eingegebener Funktionsterm: f(x) = ", FTerm);
    if (Schrittflags[SchrittVereinfachen]) {
        TTerm* alt = FTerm;
        Kumuliere(FTerm);
        if (!FTerm->IstGleich(alt)) SchreibeTextTerm(" = ", FTerm);
        alt = FTerm;
        VereinfacheTerm(FTerm);
        if (!FTerm->IstGleich(alt))
            SchreibeTextTermZeile(" = ", FTerm);
        else
            NeueZeile();
        TNormalform* N = NormalformVonF();
        if (N) {
            SchreibeZeile("(Normalform mit Kennung: " + Kennung(N) + ")");
            IstPolynom = IstPolynomform(N);
        }
        // A quotient as entered stays one, with its gaps, even where cancelling leaves a polynomial; f as
        // entered that lacks values elsewhere (sqrt(x)^2 = x) is neither.
        const TArtVonF art = ArtVonF();
        if (art.Klasse == TFunktionsklasse::Polynom)
            Schreibe("f ist Polynom (ganzrationale Funktion) ");
        else if (art.Klasse == TFunktionsklasse::GebrochenRational)
            Schreibe("f ist gebrochen-rationale Funktion ");
        Abhaken(SchrittVereinfachen);
    } else {
        NormalformVonF();
    }

    Trennlinie();
    NeueZeile();
    // Each part that fails ends alone, with its message and the rule under it; the next one runs.
    const std::pair<TSchritt, void (*)()> teile[] = {
        {SchrittDefinitionsbereich, BestimmungDesDefinitionsbereichs},
        {SchrittSymmetrien, BestimmungVonSymmetrien},
        {SchrittTabelle, SchrittWertetabelle}};
    for (const auto& [schritt, teil] : teile)
        if (Schrittflags[schritt] && !FuehreTeilAus(teil)) Trennlinie();
    NeueZeile();
    ZeichneSeite(0);
}

namespace {

// The gaps as f's form gives them, written: the quotient as entered, a polynomial, abs, the rational and the
// exponential forms; other forms leave them undetermined.
void LueckenDerForm(TNormalform* N, const std::string& art, TRationaleFunktion* eingegeben) {
    if (eingegeben) {
        FRationaleFunktion = eingegeben;
        SchreibeZeile("Die Definitionslücken sind genau die Nullstellen des Nenners:");
        LueckenAlsNullstellen(PolynomToTerm(eingegeben->Nenner));
    } else if (IstPolynom || art == "PT" || ArtVonF().Klasse == TFunktionsklasse::Polynom) {
        // A polynomial form is one also where f was not simplified (IstPolynom is set by simplifying), and a
        // polynomial above the degree limit, which has none, is one too.
        Definitionsluecken->Anzahl = 0;
        DefinitionslueckenStatus = wahr;
        SchreibeZeile("f ist ganz-rational (Polynom), also Definitionsbereich D = IR");
    } else if (FTerm && FTerm->Kennung == "abs") {
        Definitionsluecken->Anzahl = 0;
        DefinitionslueckenStatus = wahr;
        SchreibeZeile("Die Betragsfunktion ist überall definiert, also Definitionsbereich D = IR");
    } else if (art == "RNF") {
        FNormalformRNF = static_cast<TRationaleNormalform*>(N);
        SchreibeZeile("Die Definitionslücken sind genau die Nullstellen des Nenners:");
        LueckenAlsNullstellen(Potenz(PolynomToTerm(FNormalformRNF->P3), TBruch{FNormalformRNF->m, 1}));
    } else if (art == "RF") {
        FRationaleFunktion = static_cast<TRationaleFunktion*>(N);
        SchreibeZeile("Die Definitionslücken sind genau die Nullstellen des Nenners:");
        LueckenAlsNullstellen(PolynomToTerm(FRationaleFunktion->Nenner));
    } else if (art == "ENF" || art == "ANF") {
        FNormalformENF = static_cast<TExponentialNormalform*>(N);
        ExponentialLuecken(FNormalformENF);
    }
}

// The gaps of f as entered as the zeros of its divisors, each searched over IR.
void LueckenDerTeiler(const std::vector<TTerm*>& Teiler) {
    SchreibeZeile("Die Definitionslücken sind genau die Nullstellen der Nenner:");
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    Definitionsluecken = NeueLeereListe();
    DefinitionslueckenStatus = wahr;
    for (TTerm* d : Teiler) {
        TSListe* nullstellen = nullptr;
        uint8_t status = unklar;
        SucheNullstellen(d, IntervallR, nullstellen, Kommentare, status);
        if (nullstellen) SListenVereinigen(nullstellen, Definitionsluecken, true);
        DefinitionslueckenStatus = Und(DefinitionslueckenStatus, status);
    }
}

// The lists hold the same points.
bool GleicheStellen(TSListe* A, TSListe* B) {
    auto teil = [](TSListe* X, TSListe* Y) {
        for (Int32 i = 1; i <= X->Anzahl; ++i)
            if (Y->Index(X->Stellen[i]->Punkt) < 1) return false;
        return true;
    };
    return A && B && teil(A, B) && teil(B, A);
}

// The gap list is complete.
bool Bestimmt(TSListe* L, TWahrheitswert Status) {
    return L && L->Anzahl >= 0 && Status == wahr;
}

// How the gaps were found: f's form, its kind, the quotient as entered, and whether the gaps are the form's.
struct TLueckenweg {
    TNormalform* N = nullptr;
    std::string Art;
    TRationaleFunktion* Eingegeben = nullptr;
    bool AusForm = false;
};

// The gaps of f into Definitionsluecken, and the definition range written.
TLueckenweg BestimmeLuecken() {
    TNormalform* N = NormalformVonF();
    const std::string art = Kennung(N);
    // A quotient as entered keeps its gaps even where folding or simplification cancelled a factor.
    TRationaleFunktion* eingegeben = EingegebenerQuotient();
    FQuotientWieEingegeben = eingegeben;
    // The gaps are those of f as entered. Where it lacks values on more than single points (sqrt(x)^2) the
    // form's gaps say nothing about it; where it has divisors besides a quotient's, the form's gaps are
    // stated only when they are the divisors' zeros (cancelling drops the gap of (x^2-1)/(x-1)*e^x).
    const TEingabebereich& bereich = EingabebereichVonF();
    enum { AusForm, AusTeilern, Keiner } weg = bereich.NurTeiler ? AusForm : Keiner;
    if (weg == AusForm && !eingegeben && !bereich.Teiler.empty()) {
        TSListe *G = nullptr, *Z = nullptr;
        TWahrheitswert sG = unklar, sZ = unklar;
        {
            TStilleSeite still;
            TWechsel<bool> ohne(Kommentare, false);
            LueckenDerForm(N, art, eingegeben);
            G = Definitionsluecken;
            sG = DefinitionslueckenStatus;
            LueckenDerTeiler(bereich.Teiler);
            Z = Definitionsluecken;
            sZ = DefinitionslueckenStatus;
        }
        if (Bestimmt(G, sG) && !(Bestimmt(Z, sZ) && GleicheStellen(G, Z)))
            weg = Bestimmt(Z, sZ) ? AusTeilern : Keiner;
        Definitionsluecken = Neu<TSListe>();
        DefinitionslueckenStatus = unklar;
    }
    if (weg == AusForm)
        LueckenDerForm(N, art, eingegeben);
    else if (weg == AusTeilern)
        LueckenDerTeiler(bereich.Teiler);

    SchreibeDefinitionsbereich();
    return {N, art, eingegeben, weg == AusForm};
}

} // namespace

void BestimmungDesDefinitionsbereichs() {
    Einrueckung = 0;
    SchreibeUeberschrift(2, "Bestimmung des Definitionsbereichs:");
    // The gaps stay undetermined when their determination fails; the removable gaps are a part of their own.
    TSListe* unbestimmt = Neu<TSListe>();
    Definitionsluecken = Neu<TSListe>();
    DefinitionslueckenStatus = unklar;
    TLueckenweg weg;
    if (!FuehreTeilAus([&] { weg = BestimmeLuecken(); })) {
        Definitionsluecken = unbestimmt;
        DefinitionslueckenStatus = unklar;
    } else if (weg.AusForm && (weg.Eingegeben || IstRationaleArt(weg.Art))) {
        FuehreTeilAus([&] { HebbareLuecken(weg.N, weg.Eingegeben); });
    }
    Trennlinie();
    Abhaken(SchrittDefinitionsbereich);
}

void SchrittWertetabelle() {
    if (!IntervallOhneX()) return;
    const std::string htext = Oberflaeche().Eingabe(TEingabefeld::HTerm);
    // An empty field gives no step width, like one without a value.
    TTerm* h = IstLeer(htext) ? nullptr : TermAusString(htext);
    bool definiert = false;
    const Extended hwert = h ? h->Wert(0, definiert) : 0;
    if (!definiert || !(hwert > 0)) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Wertetabelle abgebrochen, da Schrittweite <= 0.");
        return;
    }
    if (!ABIntervall) ABIntervall = Neu<TIntervall>(UnendlichRand, UnendlichRand);
    if (!ABIntervall->LinkerRand.Wert) {
        SchreibeZeile("Linker Intervallrand wurde nicht angegeben und auf -5 festgelegt.");
        ABIntervall->LinkerRand.Wert = Bruchkonstante(-5, 1);
        ABIntervall->LinkerRand.Offen = false;
    }
    if (!ABIntervall->RechterRand.Wert) {
        SchreibeZeile("Rechter Intervallrand wurde nicht angegeben und auf 5 festgelegt.");
        ABIntervall->RechterRand.Wert = Bruchkonstante(5, 1);
        ABIntervall->RechterRand.Offen = false;
    }
    // A table longer than the limit is not begun: the message names a step width that keeps it within.
    bool da = false, db = false;
    const Extended a = ABIntervall->LinkerRand.Wert->Wert(0, da);
    const Extended b = ABIntervall->RechterRand.Wert->Wert(0, db);
    if (da && db && (b - a) / hwert >= MaxTabellenzeilen * (1 - 1e-12L)) {
        Oberflaeche().Meldung(TMeldungsart::Information,
                              "Wertetabelle abgebrochen, da sie mehr als " +
                                  std::to_string(MaxTabellenzeilen) +
                                  " Zeilen hätte. Mit einer Schrittweite ab " + Tabellenschrittweite(b - a) +
                                  " hat sie höchstens " + std::to_string(MaxTabellenzeilen) + ".");
        return;
    }
    SchreibeUnterstrichen("Wertetabelle:");
    Schreibe("Intervall: ");
    SchreibeIntervall(ABIntervall->LinkerRand.Wert, ABIntervall->RechterRand.Wert);
    SchreibeTextTermZeile(", Schritteweite:", h);
    SchreibeWertetabelle(FTerm, ABIntervall, h, FEingabe);
    Abhaken(SchrittTabelle);
}

} // namespace zol
