#include "algebra/Vereinfachung.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "algebra/Kubikwurzelkonstanten.h"
#include "algebra/NormalFormen.h"
#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/VPolynome.h"
#include "algebra/Winkelkonstanten.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

bool KonstantenUeberlaufMelden = true;
bool KonstantenUeberlaufGemeldet = false;

namespace {

bool IstKonstantenklasse(const TTerm* T) {
    return T->Typrang >= RangRational && T->Typrang <= RangRadikal;
}

bool IstFunktion(const TTerm* T) {
    return T->Typrang == RangPotenz || T->Typrang == RangWurzel || T->Typrang == RangAllgExp ||
           T->Typrang == RangStandard;
}

// How many searches (substitution or transformation trials) run one inside the other just now. The
// coefficient arithmetic of a trial's normal form simplifies constants, which may start a search again;
// beyond MaxSuchtiefe none starts and the term stays as it is, so this cycle cannot recurse without end.
Int32 Suchtiefe = 0;

// A search of the simplifier: one level deeper for its lifetime, and its work budget.
// A search of the simplifier: one level deeper for its lifetime, and its work budget, which the request's
// supply for searches pays for.
class TSuche {
public:
    TSuche()
        : Tiefe(Suchtiefe, Suchtiefe + 1), Anfang(Arbeitsschritte()),
          Budget(std::min(Suchbudget, Suchvorrat())) {}
    ~TSuche() {
        // The steps of searches inside this one are counted with it.
        if (Suchtiefe == 1) VerbraucheSuchvorrat(Arbeitsschritte() - Anfang);
    }
    TSuche(const TSuche&) = delete;
    TSuche& operator=(const TSuche&) = delete;
    static bool Erlaubt() { return Suchtiefe < MaxSuchtiefe && Suchvorrat() > 0; }

private:
    TWechsel<Int32> Tiefe;
    Int64 Anfang;
    TArbeitsbudget Budget;
};

// A simplification whose collections were cut short by the user is no result.
void PruefeAbbruch() {
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Benutzer-Abbruch");
}

// Takes the mark TermVereinfacht back from a term whose simplification is left by an exception, so that
// nothing half done passes for simplified.
class TMarke {
public:
    explicit TMarke(TTerm* T) : Term(T) { Term->Zustand |= TermVereinfacht; }
    void Behalten() { Term = nullptr; }
    ~TMarke() {
        if (Term) Term->Zustand &= static_cast<uint8_t>(~TermVereinfacht);
    }
    TMarke(const TMarke&) = delete;
    TMarke& operator=(const TMarke&) = delete;

private:
    TTerm* Term;
};

// The exact value of a function node at its argument (a power is rebuilt from its base); a node without a
// value stays.
TTerm* ExakterFunktionswert(TTerm* T) {
    return VereinfacheStandardfunktion(T, false);
}

// The exact form of a constant whose relations no search sees, or nil: in sine and cosine of an angle with a
// known triple the form P(c) + Q(c)*s, with Cardano's cube roots the form of their numbers. Either is
// complete, so no search follows; the form, or the folded term where it is shorter.
TTerm* ExakteKonstantenform(TTerm* T) {
    const bool winkel = MoeglicheWinkelkonstante(T), kubikwurzel = MoeglicheKubikwurzelkonstante(T);
    if (!winkel && !kubikwurzel) return nullptr;
    // Folded first, as a search would begin.
    TTerm* K = T;
    Kumuliere(K);
    TTerm* W = winkel ? Winkelnormalform(K) : nullptr;
    if (!W && kubikwurzel) W = Kubikwurzelform(K);
    if (!W) return nullptr;
    return W->Knotenzahl <= K->Knotenzahl ? W : K;
}

void Protokollzeile(const std::string& s, TTerm* T) {
    if (ProtokollVereinfachung) SchreibeTextTermZeile(s, T);
}

void Hinzufuegen(TTerm* s, TTerm** Liste, Int32& Anzahl, bool MitKonstanten) {
    if (!MitKonstanten && IstRationaleKonstante(s)) return;
    for (Int32 i = 1; i <= Anzahl; ++i)
        if (Liste[i]->IstGleich(s)) return;
    if (Anzahl >= MaxTeilterme) return;
    Liste[++Anzahl] = s;
}

void FaktorenVon(TTerm* T, TTerm** Liste, Int32& Anzahl) {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch || !T) return;
    TProtokoll protokoll(ProtokollVereinfachung, "Faktoren:", T);
    TTerm* t = T;
    TTerm* rest = nullptr;
    TBruch q;
    KMK(t, rest, q);
    if (HatOperator(rest, "*")) {
        auto* o = AlsOperatorTerm(rest);
        FaktorenVon(o->T1, Liste, Anzahl);
        FaktorenVon(o->T2, Liste, Anzahl);
    } else {
        if (Anzahl >= MaxFaktoren) throw ERessourcen(ZuVieleFaktorenText);
        Liste[++Anzahl] = rest;
    }
    if (Anzahl > 0) Liste[1] = Produkt(RationaleKonstante(q), Liste[1]);
    protokoll.Ende("Faktoren=", Anzahl > 0 ? Liste[1] : nullptr);
}

// The candidate of the constant substitution with the subterm s turned into the variable: the normal
// form's term with s put back; nil when there is none. A candidate whose polynomials would exceed the
// degree limit, whose arithmetic overflows, whose form divides by the zero polynomial or by a coefficient
// not known to be 0 or not, is no candidate.
TTerm* SubstitutionsKandidat(TTerm* T, TTerm* s) {
    try {
        TTerm* Ts = T->Ersetze(s, VariableX);
        if (!Ts) return nullptr;
        Protokollzeile("Substitution von ", s);
        TNormalform* F = nullptr;
        bool neu = false;
        if (IstRationaleKonstante(s)) {
            if ((Ts->Funktionsarten & FunktionsartTrig) && (Ts->MoeglicheNormalformen & NormalformRTNF))
                F = TRatTrigNormalformCreateT(Ts, neu);
        } else {
            F = TRationaleFunktionCreateT(Ts, neu);
            if (!F) F = TVPolynomTermCreateT(Ts);
        }
        if (!F || !F->Term) return nullptr;
        TTerm* R = F->Term->Ersetze(VariableX, s);
        Protokollzeile("nach Rüchsubstitution:", R);
        return R;
    } catch (const EGradUeberschritten&) {
        return nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    } catch (const ETermFehler&) {
        return nullptr;
    } catch (const ETermGoToStart&) {
        return nullptr;
    }
}

// R has T's values wherever T has one. The inverse of s undoes s only on part of the line (the eleventh root
// of x^11 has no value for x < 0), so a form that merged the inverse into other powers can lose that part
// when mapped back.
bool BehaeltWerte(TTerm* T, TTerm* R) {
    for (Extended x : {-2.7L, -1.3L, -0.6L, 0.45L, 1.7L, 3.1L}) {
        bool dT = false, dR = false;
        const Extended wT = T->Wert(x, dT);
        if (!dT) continue;
        const Extended wR = R->Wert(x, dR);
        if (!dR || std::fabs(wT - wR) > 1e-9L * (1 + std::fabs(wT) + std::fabs(wR))) return false;
    }
    return true;
}

// The candidate of the transformation with the subterm s as the new variable: T rewritten in u = s(x),
// folded, and its normal form's term mapped back; nil when there is none (the same rules as above).
TTerm* TransformationsKandidat(TTerm* T, TTerm* s) {
    if (IstVariable(s)) return nullptr;
    try {
        TTerm* u = s->Umkehrfunktion();
        if (!u) return nullptr;
        TTerm* T2 = Transformation(T, s, u);
        if (!T2) return nullptr;
        Kumuliere(T2);
        Protokollzeile("kumulierte Transformation:", T2);
        if (!T2->Normalform || !T2->Normalform->Term) return nullptr;
        Protokollzeile("Rücktransformation:", T2->Normalform->Term);
        TTerm* R = Transformation(T2->Normalform->Term, u, s);
        return R && BehaeltWerte(T, R) ? R : nullptr;
    } catch (const EGradUeberschritten&) {
        return nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    } catch (const ETermFehler&) {
        return nullptr;
    } catch (const ETermGoToStart&) {
        return nullptr;
    }
}

} // namespace

bool SucheMoeglich() {
    return TSuche::Erlaubt();
}

void VereinfacheTerm(TTerm*& T) {
    if (!T) return;
    if (T->Vereinfacht) {
        T = T->Vereinfacht;
        return;
    }
    if (T->Zustand & TermVereinfacht) return;
    if (T->IstKonstant) {
        VereinfacheKonstantenTerm(T);
        return;
    }
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheTerm:", T);
    TTerm* T0 = T;
    MerkeCache(T0);
    TMarke marke(T0);
    if (!T->Normalform) AlleSubNormalformen(T);
    if (T->Normalform) {
        TTerm* N = T->Normalform->Term;
        if (N && N->Knotenzahl <= T->Knotenzahl) T = N;
    } else {
        VereinfacheTermRekursiv(T);
        VereinfacheTermDurchSubstitution(T);
        VereinfacheTermDurchTransformation(T);
        PruefeAbbruch();
    }
    T->Zustand |= TermVereinfacht;
    T0->Vereinfacht = T;
    marke.Behalten();
    protokoll.Ende("VereinfacheTerm=", T);
}

void VereinfacheTermRekursiv(TTerm*& T) {
    if (!T) return;
    if (IstKonstantenklasse(T)) return;
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheTermRekursiv:", T);
    if (auto* o = AlsOperatorTerm(T)) {
        TTerm *t1 = o->T1, *t2 = o->T2;
        VereinfacheTermRekursiv(t1);
        VereinfacheTermRekursiv(t2);
        T = MitOperanden(o, t1, t2);
    } else if (IstFunktion(T)) {
        TTerm* a = static_cast<TFunktion*>(T)->Argument;
        VereinfacheTermRekursiv(a);
        T = ExakterFunktionswert(MitArgument(T, a));
    }
    if (!T->IstKonstant) {
        T->HoleNormalform();
        if (T->Normalform && T->Normalform->Term && T->Normalform->Term->Knotenzahl < T->Knotenzahl)
            T = T->Normalform->Term;
    }
    T->Aktualisiere();
    protokoll.Ende("VereinfacheTermRekursiv=", T);
}

void VereinfacheTermDurchSubstitution(TTerm*& T) {
    if (IstKonstantenklasse(T) || IstJoin(T)) return;
    if (T->Text.find_first_of("X;") != std::string::npos || T->Knotenzahl > 30) return;
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheTermDurchSubstitution:", T);
    TTerm* X = BenannteKonstante("X");
    TTerm* konstant = T->Ersetze(VariableX, X);
    if (!konstant) return;
    VereinfacheKonstantenTermDurchSubstitution(konstant);
    if (TTerm* zurueck = konstant->Ersetze(X, VariableX)) T = zurueck;
    protokoll.Ende("VereinfacheTermDurchSubstitution=", T);
}

void VereinfacheKonstantenTermDurchSubstitution(TTerm*& T) {
    if (!T->IstKonstant || IstKonstantenklasse(T) || !TSuche::Erlaubt()) return;
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheKonstantenTermDurchSubstitution:", T);
    TTerm* bester = T;
    {
        TSuche suche;
        try {
            Kumuliere(T);
            bester = T;
            if (!IstKonstantenklasse(T)) {
                Int32 K = T->Knotenzahl;
                TTerm* teilterme[MaxTeilterme + 1] = {};
                Int32 anzahl = 0;
                SammleTeilterme(T, teilterme, anzahl, true);
                for (Int32 i = 1; i <= anzahl && K > 0; ++i) {
                    TTerm* R = SubstitutionsKandidat(T, teilterme[i]);
                    if (R && R->Knotenzahl <= K) {
                        bester = R;
                        K = R->Knotenzahl;
                    }
                }
            }
        } catch (const EBudgetErschoepft&) {
            // The budget is spent: the best form found so far.
        }
    }
    T = bester;
    protokoll.Ende("VereinfacheKonstantenTermDurchSubstitution=", T);
}

void VereinfacheTermDurchTransformation(TTerm*& T) {
    if (IstKonstantenklasse(T) || IstJoin(T) || T->Text.find('T') != std::string::npos) return;
    if (!TSuche::Erlaubt()) return;
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheTermDurchTransformation:", T);
    TTerm* bester = T;
    {
        TSuche suche;
        try {
            Int32 K = T->Knotenzahl;
            TTerm* teilterme[MaxTeilterme + 1] = {};
            Int32 anzahl = 0;
            SammleTeilterme(T, teilterme, anzahl, false);
            for (Int32 i = 1; i <= anzahl; ++i) {
                TTerm* R = TransformationsKandidat(T, teilterme[i]);
                if (R && R->Knotenzahl < K) {
                    bester = R;
                    K = R->Knotenzahl;
                }
            }
        } catch (const EBudgetErschoepft&) {
            // The budget is spent: the best form found so far.
        }
    }
    T = bester;
    protokoll.Ende("VereinfacheTermDurchTransformation=", T);
}

TTerm* Transformation(TTerm* T, TTerm* fi, TTerm* psi) {
    TProtokoll protokoll(ProtokollVereinfachung, "Transformation:", T);
    Protokollzeile("fi=", fi);
    Protokollzeile(" psi=", psi);
    TTerm* C = BenannteKonstante("T");
    TTerm* R = T->Ersetze(fi, C);
    if (R) R = R->Ersetze(VariableX, psi);
    if (R) R = R->Ersetze(C, VariableX);
    protokoll.Ende("Transformation=", R);
    return R;
}

void VereinfacheKonstantenTerm(TTerm*& T) {
    if (!T) return;
    if (T->Vereinfacht) {
        T = T->Vereinfacht;
        return;
    }
    if (T->Zustand & TermVereinfacht) return;
    TProtokoll protokoll(ProtokollVereinfachung, "VereinfacheKonstantenTerm:", T);
    TTerm* T0 = T;
    MerkeCache(T0);
    TMarke marke(T0);
    try {
        TTerm* K = KonstanteMoeglichstArithmetisch(T);
        if (IstKonstantenklasse(K)) {
            if (IstRadikalKonstante(K)) K = RadikalKonstanteAlsPotenz(K);
            T = K;
            T0->Vereinfacht = T;
            marke.Behalten();
            protokoll.Ende("Einfache Konstante: VereinfacheKonstantenTerm=", T);
            return;
        }
        while (T->Knotenzahl >= 1) {
            const Int32 vorher = T->Knotenzahl;
            if (auto* o = AlsOperatorTerm(T)) {
                TTerm *t1 = o->T1, *t2 = o->T2;
                VereinfacheKonstantenTerm(t1);
                VereinfacheKonstantenTerm(t2);
                T = MitOperanden(o, t1, t2);
            } else if (IstFunktion(T)) {
                TTerm* a = static_cast<TFunktion*>(T)->Argument;
                VereinfacheKonstantenTerm(a);
                T = ExakterFunktionswert(MitArgument(T, a));
            }
            T->Aktualisiere();
            // A term simplified before (or being simplified further out) is not searched again.
            if (T != T0 && (T->Vereinfacht || (T->Zustand & TermVereinfacht))) {
                if (T->Vereinfacht) T = T->Vereinfacht;
                break;
            }
            if (TTerm* F = ExakteKonstantenform(T)) {
                T = F;
                break;
            }
            VereinfacheKonstantenTermDurchSubstitution(T);
            if (T->Knotenzahl < 1 || T->Knotenzahl >= vorher) break;
        }
        PruefeAbbruch();
        T->Zustand |= TermVereinfacht;
        T->Aktualisiere();
        T0->Vereinfacht = T;
    } catch (const ERessourcen& e) {
        if (!KonstantenUeberlaufMelden) throw;
        // The value reached so far stays; the term is not simplified further.
        if (!KonstantenUeberlaufGemeldet)
            Oberflaeche().Meldung(TMeldungsart::Information,
                                  "Vereinfachung einer Konstanten abgebrochen:\r\n" + e.Meldung);
        KonstantenUeberlaufGemeldet = true;
    }
    marke.Behalten();
    protokoll.Ende("VereinfacheKonstantenTerm=", T);
}

void SammleTeilterme(TTerm* T, TTerm** Liste, Int32& Anzahl, bool MitKonstanten) {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) return;
    if (auto* o = AlsOperatorTerm(T)) {
        Hinzufuegen(o->T1, Liste, Anzahl, MitKonstanten);
        Hinzufuegen(o->T2, Liste, Anzahl, MitKonstanten);
        SammleTeilterme(o->T1, Liste, Anzahl, MitKonstanten);
        SammleTeilterme(o->T2, Liste, Anzahl, MitKonstanten);
    } else if (IstFunktion(T)) {
        TTerm* a = static_cast<TFunktion*>(T)->Argument;
        Hinzufuegen(a, Liste, Anzahl, MitKonstanten);
        SammleTeilterme(a, Liste, Anzahl, MitKonstanten);
    }
}

void Faktoren(TTerm* T, TTerm** Liste, Int32& Anzahl) {
    FaktorenVon(T, Liste, Anzahl);
}

void TracePolynom(TPolynom P) {
    SchreibeTerm(PolynomToTerm(P));
}

void TracePolynomLn(TPolynom P) {
    SchreibeTermZeile(PolynomToTerm(P));
}

} // namespace zol
