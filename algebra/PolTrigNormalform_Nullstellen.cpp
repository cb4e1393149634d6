// Zeros of the polynomial-trigonometric form: the trigonometric form of the term in u = p(x), its zeros,
// and the equations p(x) = u solved back; without a trigonometric form, guesses at multiples of pi/12.
#include <cstdlib>

#include "algebra/Nullentscheidung.h"
#include "algebra/PolTrigNormalform.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The image of M under the linear p = m*x + b: the hull of M mapped bound by bound; nil for an empty M.
TMenge* BildUnterLinear(const TPolynom& p, TMenge* M) {
    TIntervall* H = HuelleVon(M);
    if (!H) return nullptr;
    TTerm* m = p.Koeff[1];
    TTerm* b = p.Koeff[0];
    auto bild = [&](const TRand& r) {
        TRand R = r;
        if (r.Wert) R.Wert = Summe(Produkt(m, r.Wert), b);
        return R;
    };
    bool d = false;
    const bool fallend = m->Wert(0, d) < 0;
    return fallend ? Neu<TIntervall>(bild(H->RechterRand), bild(H->LinkerRand))
                   : Neu<TIntervall>(bild(H->LinkerRand), bild(H->RechterRand));
}

// The multiples k*pi/12 for k = -24..24 except those with |k| mod 12 in {1, 5, 7, 11} that lie in M and
// where T vanishes, at most a full list.
void Raten(TTerm* T, TMenge* M, TSListe*& Liste) {
    TWechsel<bool> melden(KonstantenUeberlaufMelden, false);
    bool gefunden = false;
    for (Int64 k = -24; k <= 24 && Liste->Anzahl < MaxStellen; ++k) {
        const Int64 r = std::llabs(k) % 12;
        if (r == 1 || r == 5 || r == 7 || r == 11) continue;
        TTerm* x0 = k == 0 ? static_cast<TTerm*>(Null) : Produkt(Bruchkonstante(k, 12), KonstantePi());
        if (!M->Enthaelt(x0)) continue;
        // A value beyond the limits at one candidate drops that candidate.
        try {
            TTerm* wert = T->Ersetze(VariableX, x0);
            // A value clearly away from 0 needs no exact simplification.
            if (!wert || SicherNichtNull(wert)) continue;
            VereinfacheKonstantenTerm(wert);
            if (!wert->IstNull()) continue;
        } catch (const ERessourcen&) {
            continue;
        } catch (const ENichtExistenz&) {
            continue;
        }
        StelleEinfuegen(Neu<TStelle>(x0, Vielfachheit(T, x0, 4)), Liste, false);
        gefunden = true;
    }
    if (Kommentare && gefunden) SchreibeZeile("Durch Raten findet man einige Lösungen.");
}

} // namespace

void TPolTrigNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    TMenge* Bereich = M ? M : IntervallR;
    Liste = NeueLeereListe();
    // Without a trigonometric part the form is the polynomial P(0) + Q(0) (s = 0, c = 1).
    if (IstNullPolynom(Argument)) {
        TPolynom p;
        PPlus(P.Koeff[0], Q.Koeff[0], p);
        PNullstellen(p, Bereich, Liste, Status, Kommentar);
        return;
    }
    TTerm* a = PolynomToTerm(Argument);
    const bool argumentX = PGleich(Argument, XPolynom);
    TNormalform* trig = nullptr;
    try {
        bool neu = false;
        trig = TTrigonometrischeNormalformCreateT(argumentX ? Term : Term->Ersetze(a, VariableX), neu);
    } catch (const EGradUeberschritten&) {
    } catch (const ERessourcen&) {
    } catch (const ENichtExistenz&) {
    }
    if (!trig) {
        Status = unklar;
        Raten(Term, Bereich, Liste);
        return;
    }
    if (Kommentar && !argumentX) {
        SchreibeUnterstrichen("Substitution");
        Schreibe(" von ");
        SchreibeTerm(a);
        SchreibeZeile(" durch x führt auf:");
        SchreibeTermZeile(trig->Term);
    }
    // u runs over the image of the set where p is linear, so every period in it counts; otherwise over R.
    TMenge* suchbereich = argumentX            ? Bereich
                          : Argument.Grad == 1 ? BildUnterLinear(Argument, Bereich)
                                               : IntervallR;
    if (!suchbereich) {
        Status = wahr;
        return;
    }
    TSListe* L = nullptr;
    uint8_t st = unklar;
    SucheNullstellen(trig->Term, suchbereich, L, Kommentar, st);
    if (argumentX) {
        Liste = L;
        Status = st;
        return;
    }
    Status = st;
    if (Kommentar) {
        SchreibeUnterstrichen("Rücksubstitution:");
        Schreibe(" Auflösung der Gleichung ");
        SchreibeTerm(a);
        Schreibe(" = ");
        SchreibeMitIndex("x", "0");
        NeueZeile();
    }
    TWechsel<Int32> tiefer(Einrueckung, Einrueckung + Einzug);
    for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
        const TStelle* z = L->Stellen[i];
        TSListe* L2 = nullptr;
        uint8_t st2 = unklar;
        // An equation whose solution needs more than the polynomial zeros can give leaves the list unclear.
        try {
            TPolynom c, p;
            KonstantesPolynom(z->Punkt, c);
            PMinus(Argument, c, p);
            PNullstellen(p, Bereich, L2, st2, Kommentar);
        } catch (const ETermGoToStart&) {
            L2 = nullptr;
            st2 = unklar;
        } catch (const ERessourcen&) {
            L2 = nullptr;
            st2 = unklar;
        }
        Status = Und(Status, st2);
        if (!L2) continue;
        for (Int32 j = 1; j <= L2->Anzahl; ++j) L2->Stellen[j]->Vielfachheit *= z->Vielfachheit;
        SListenVereinigen(L2, Liste, false);
    }
}

} // namespace zol
