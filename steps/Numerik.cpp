#include "steps/Numerik.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "output/folienT.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Wertprogramm.h"

namespace zol {

bool ZahlAusText(const std::string& Text, Extended& Wert) {
    const size_t anfang = Text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return false;
    const size_t ende = Text.find_last_not_of(" \t") + 1;
    std::string zahl = Text.substr(anfang, ende - anfang);
    std::replace(zahl.begin(), zahl.end(), ',', '.');
    // from_chars reads no leading plus sign.
    const size_t start = zahl[0] == '+' && zahl.size() > 1 && zahl[1] != '-' ? 1 : 0;
    Extended gelesen = 0;
    const auto [rest, fehler] = std::from_chars(zahl.data() + start, zahl.data() + zahl.size(), gelesen);
    if (fehler != std::errc() || rest != zahl.data() + zahl.size() || !std::isfinite(gelesen)) return false;
    Wert = gelesen;
    return true;
}

namespace {

// The values of the bounds a and b; false when one has none or is not finite.
bool Grenzwerte(TTerm* a, TTerm* b, Extended& wa, Extended& wb) {
    bool da = false, db = false;
    wa = a->Wert(0, da);
    wb = b->Wert(0, db);
    return da && db && std::isfinite(wa) && std::isfinite(wb);
}

} // namespace

TTerm* Simpsonregel(TTerm* f, TTerm* a, TTerm* b, Int32 n) {
    if (!f || !a || !b || n <= 0) return nullptr;
    Extended wa = 0, wb = 0;
    if (!Grenzwerte(a, b, wa, wb)) return nullptr;
    // A parameter has no number as its value: there is nothing to add up.
    if (EnthaeltParameter(f))
        throw ENichtExistenz(OhneZahlwerteText(f, "Die Funktion") + " Simpsonregel abgebrochen.");
    const Int64 m = SimpsonIntervalle(n);
    const Extended h = (wb - wa) / static_cast<Extended>(m);
    TWertprogramm F(f);
    auto keinWert = [] {
        return ENichtExistenz("Funktion nicht überall definiert. Simpsonregel abgebrochen.");
    };
    // Each node from a, so that rounding does not add up along the interval.
    Extended y0 = 0, ym = 0;
    if (!F.EndlicherWert(wa, y0) || !F.EndlicherWert(wa + static_cast<Extended>(m) * h, ym)) throw keinWert();
    Extended summe = y0 + ym;
    // The inner nodes in blocks that end where the message loop runs: while the nodes of one block are added
    // in their order, the values of the next are computed (on other cores).
    constexpr Int64 Takt = 100000;
    std::vector<Extended> werte[2];
    TWertberechnung rechner(F, wa, h, m - 1);
    auto starte = [&](Int64 anfang, std::vector<Extended>& ziel) {
        if (anfang >= m) return;
        ziel.resize(size_t(std::min(anfang + Takt, m) - anfang));
        rechner.Starte(anfang, Int64(ziel.size()), ziel.data());
    };
    starte(1, werte[0]);
    for (Int64 anfang = 1, k = 0; anfang < m; anfang += Takt, ++k) {
        const Int64 ende = std::min(anfang + Takt, m);
        rechner.Warte();
        starte(ende, werte[(k + 1) % 2]);
        const std::vector<Extended>& block = werte[k % 2];
        for (Int64 i = anfang; i < ende; ++i) {
            const Extended w = block[size_t(i - anfang)];
            if (std::isnan(w)) throw keinWert();
            summe += (i & 1 ? 4 : 2) * w;
        }
        if ((ende - 1) % Takt == 0) {
            Oberflaeche().VerarbeiteNachrichten();
            if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
        }
    }
    const Extended J = h / 3 * summe;
    if (!std::isfinite(J))
        throw ENichtExistenz("Funktion nicht überall definiert. Simpsonregel abgebrochen.");
    return ReelleKonstante(J);
}

namespace {

// The subintervals of one piece of SimpsonregelSparsam, and the fewest and most subintervals of its coarse
// rules (powers of 2, so that their nodes are nodes of the piece).
constexpr Int64 Stueckbreite = 4096;
constexpr Int64 ErsteStufe = 8;
constexpr Int64 LetzteStufe = Stueckbreite / 8;

// The nodes of one run of SimpsonregelSparsam: their values, counted, with the message loop every 100000.
class TKnoten {
public:
    TKnoten(TWertprogramm& F, Extended a, Extended h) : F(F), A(a), H(h) {}

    // f at node i, a + i*h; NaN where it has no finite value.
    Extended Wert(Int64 i) {
        if (++Gezaehlt % 100000 == 0) {
            Oberflaeche().VerarbeiteNachrichten();
            if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
        }
        Extended y = 0;
        return F.EndlicherWert(A + static_cast<Extended>(i) * H, y)
                   ? y
                   : std::numeric_limits<Extended>::quiet_NaN();
    }
    Extended h() const { return H; }

private:
    TWertprogramm& F;
    Extended A, H;
    Int64 Gezaehlt = 0;
};

// The weight of node j in Simpson's rule with k subintervals.
constexpr int SimpsonGewicht(Int64 j, Int64 k) {
    return j == 0 || j == k ? 1 : j & 1 ? 4 : 2;
}

// Simpson's rule on the piece of the nodes i0 to i0 + K with every node; nullopt when one has no value.
std::optional<Extended> VollesStueck(TKnoten& knoten, Int64 i0, Int64 K) {
    Extended summe = 0;
    for (Int64 j = 0; j <= K; ++j) {
        const Extended y = knoten.Wert(i0 + j);
        if (std::isnan(y)) return std::nullopt;
        summe += SimpsonGewicht(j, K) * y;
    }
    return knoten.h() / 3 * summe;
}

// Simpson's rule with K subintervals on the piece of the nodes i0 to i0 + K, found from the rules with k = 8,
// 16, 32, ... subintervals when they converge as for a smooth f; nullopt when they do not. Such a rule's
// error is c*h^4 + O(h^6): its differences fall sixteenfold, and Richardson's limit S_k + (S_k - S_k/2)/15 is
// left with O(h^6), which the change of that limit from k/2 to k bounds.
std::optional<Extended> GeschaetztesStueck(TKnoten& knoten, Int64 i0, Int64 K) {
    Int64 k = ErsteStufe;
    if (K % k != 0) return std::nullopt;
    // The values at the nodes of the rule with k subintervals.
    std::vector<Extended> y;
    for (Int64 j = 0; j <= k; ++j) y.push_back(knoten.Wert(i0 + j * (K / k)));
    Extended S1 = 0, S2 = 0;
    for (int stufe = 0;; ++stufe) {
        Extended summe = 0, betrag = 0;
        for (Int64 j = 0; j <= k; ++j) {
            const Extended v = y[size_t(j)];
            if (std::isnan(v)) return std::nullopt;
            const int w = SimpsonGewicht(j, k);
            summe += w * v;
            betrag += w * std::fabs(v);
        }
        const Extended hk = knoten.h() * static_cast<Extended>(K / k);
        const Extended S = hk / 3 * summe, M = hk / 3 * betrag;
        if (stufe >= 2) {
            const Extended d1 = S1 - S2, d2 = S2 - S;
            // Differences falling about sixteenfold (or both at the rounding of the sums), and the limit's
            // change below 1e-14 of the integral of |f|.
            const Extended rauschen = 1e-15L * M;
            const bool viertePotenz = std::fabs(d1) <= 32 * std::fabs(d2) + rauschen &&
                                      std::fabs(d2) <= std::fabs(d1) / 8 + rauschen;
            const Extended grenze = S - d2 / 15;
            if (viertePotenz && std::fabs((S2 - d1 / 15) - grenze) <= 1e-14L * M) {
                // The rule with K subintervals keeps the error c*h^4 at its h.
                const Extended q = static_cast<Extended>(k) / static_cast<Extended>(K);
                return grenze + (S - grenze) * q * q * q * q;
            }
        }
        if (2 * k > LetzteStufe || K % (2 * k) != 0) return std::nullopt;
        S1 = S2;
        S2 = S;
        std::vector<Extended> feiner(size_t(2 * k + 1));
        for (Int64 j = 0; j <= 2 * k; ++j)
            feiner[size_t(j)] = j % 2 == 0 ? y[size_t(j / 2)] : knoten.Wert(i0 + j * (K / (2 * k)));
        y = std::move(feiner);
        k *= 2;
    }
}

} // namespace

TTerm* SimpsonregelSparsam(TTerm* f, TTerm* a, TTerm* b, Int32 n) {
    if (!f || !a || !b || n <= 0) return nullptr;
    const Int64 m = SimpsonIntervalle(n);
    // The rule itself says why a term with a parameter has nothing to add up.
    if (m < 4 * Stueckbreite || EnthaeltParameter(f)) return Simpsonregel(f, a, b, n);
    Extended wa = 0, wb = 0;
    if (!Grenzwerte(a, b, wa, wb)) return nullptr;
    const Extended h = (wb - wa) / static_cast<Extended>(m);
    TWertprogramm F(f);
    TKnoten knoten(F, wa, h);
    // Pieces of Stueckbreite subintervals, the last one up to the end (all even, as m is).
    const Int64 stuecke = m / Stueckbreite;
    Int64 voll = 0;
    Extended J = 0;
    for (Int64 s = 0; s < stuecke; ++s) {
        const Int64 i0 = s * Stueckbreite, K = s + 1 < stuecke ? Stueckbreite : m - i0;
        std::optional<Extended> wert = GeschaetztesStueck(knoten, i0, K);
        if (!wert) {
            // Too many pieces with every node: the rule on all of them, on several threads.
            if (++voll > stuecke / 8) return Simpsonregel(f, a, b, n);
            wert = VollesStueck(knoten, i0, K);
            if (!wert) throw ENichtExistenz("Funktion nicht überall definiert. Simpsonregel abgebrochen.");
        }
        J += *wert;
    }
    if (!std::isfinite(J))
        throw ENichtExistenz("Funktion nicht überall definiert. Simpsonregel abgebrochen.");
    return ReelleKonstante(J);
}

void BestimmungEinerNullstelle() {
    const std::string epsText = Oberflaeche().Eingabe(TEingabefeld::Epsilon);
    Extended eps = 0;
    const bool epsGueltig = ZahlAusText(epsText, eps) && eps > 0;
    const Int32 methode =
        std::clamp(Oberflaeche().Naeherungsmethode(), Halbierungsverfahren, NewtonVerfahren);

    // A small eps needs more decimals; Stellen goes back when the step ends, also by an exception.
    TWechsel<uint8_t> stellen(Stellen, Stellen);
    if (epsGueltig) {
        const Int64 d = std::clamp<Int64>(Round(3 - std::log10(eps)), 0, 18);
        if (d > Stellen) Stellen = static_cast<uint8_t>(d);
    }

    SchreibeTextTerm("Bestimmung einer Nullstelle von ", EingegebenesF());
    Schreibe(" mit dem ");
    const char* const namen[] = {"Halbierungsverfahren:", "Regula-falsi-Verfahren:", "Newton-Verfahren:"};
    SchreibeUnterstrichenZeile(namen[methode - 1]);
    if (!epsGueltig) {
        SchreibeZeile("Die Genauigkeit muss eine positive Zahl sein. Näherungsverfahren abgebrochen.");
    } else if (EnthaeltParameter(FTerm)) {
        SchreibeZeile(OhneZahlwerteText(FTerm, "Die Funktion") + " Näherungsverfahren abgebrochen.");
    } else if (IntervallOhneX()) {
        Schreibe("Intervall: ");
        TTerm* a = ABIntervall ? ABIntervall->LinkerRand.Wert : nullptr;
        TTerm* b = ABIntervall ? ABIntervall->RechterRand.Wert : nullptr;
        SchreibeIntervall(a, b);
        // An eps below the last of 18 decimals is shown as it was typed rather than as 0.
        const std::string genauigkeit = FormatiereZahl(eps);
        const bool null = genauigkeit.find_first_not_of("0,") == std::string::npos;
        Schreibe(", Genauigkeit: ");
        FuegeFolieAn(
            std::make_unique<TAFolie>(null ? epsText : genauigkeit, static_cast<Single>(Schriftgroesse)));
        NeueZeile();
        Naeherungsverfahren(FTerm, ABIntervall, methode, eps, EingegebenesF());
    }
    NeueZeile();
    Trennlinie();
    ZeichneSeite(0);
    if (Schrittflags[SchrittNaeherungsverfahren]) Oberflaeche().SchrittAbhaken(SchrittNaeherungsverfahren);
}

} // namespace zol
