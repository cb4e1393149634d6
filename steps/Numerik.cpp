#include "steps/Numerik.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
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

// Why a numerical method does not run on a term with a parameter.
std::string OhneZahlwerteText(TTerm* f) {
    return "Die Funktion enthält den Parameter " + Parameternamen(f) +
           " und hat daher keine Zahlen als Werte.";
}

} // namespace

TTerm* Simpsonregel(TTerm* f, TTerm* a, TTerm* b, Int32 n) {
    if (!f || !a || !b || n <= 0) return nullptr;
    bool da = false, db = false;
    const Extended wa = a->Wert(0, da), wb = b->Wert(0, db);
    if (!da || !db || !std::isfinite(wa) || !std::isfinite(wb)) return nullptr;
    // A parameter has no number as its value: there is nothing to add up.
    if (EnthaeltParameter(f)) throw ENichtExistenz(OhneZahlwerteText(f) + " Simpsonregel abgebrochen.");
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
        SchreibeZeile(OhneZahlwerteText(FTerm) + " Näherungsverfahren abgebrochen.");
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
