#include "tests/hilfe/KopfloseAnfrage.h"

#include <array>
#include <chrono>
#include <utility>

#include "algebra/PartialBrueche.h"
#include "algebra/PolynomZerlegungen.h"
#include "app/Grafik.h"
#include "output/Grafikdaten.h"
#include "output/Protokoll.h"
#include "output/Seiten.h"
#include "plattform/Leinwand.h"
#include "steps/Ableitungen.h"
#include "steps/Allgemeines.h"
#include "steps/Extremstellen.h"
#include "steps/Gleichungen.h"
#include "steps/Integral.h"
#include "steps/Nullstel.h"
#include "steps/Schrittrahmen.h"
#include "steps/Numerik.h"
#include "steps/Wendestellen.h"
#include "term/Arena.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

namespace {

// Restores what a run changes of the program's state, also when the step raises.
class TLaufrahmen {
public:
    TLaufrahmen(TTestOberflaeche& host, const TAnfrage& anfrage)
        : Flags(Schrittflags), AlteLeinwand(&Leinwand()), AlterHost(SetzeOberflaeche(&host)),
          Breite(Seitenbreite), Hoehe(Seitenhoehe), Kommentar(Kommentare, anfrage.Kommentare),
          Druck(DruckModus, false), Abbruch(BenutzerAbbruch, false),
          Grad(AbleitungsGrad, anfrage.AbleitungsGrad) {
        Schrittflags.fill(false);
        for (TSchritt s : anfrage.Schritte) Schrittflags[s] = true;
    }
    ~TLaufrahmen() {
        // Closes a line left open onto the page before the page is let go.
        SetzeZeilenliste(nullptr);
        SetzeLeinwand(AlteLeinwand);
        SetzeOberflaeche(AlterHost);
        Seitenbreite = Breite;
        Seitenhoehe = Hoehe;
        Schrittflags = Flags;
        // The run's peak goes back to the system, as after a request of the main window.
        GibFreienSpeicherZurueck();
    }
    TLaufrahmen(const TLaufrahmen&) = delete;
    TLaufrahmen& operator=(const TLaufrahmen&) = delete;

private:
    std::array<bool, SchrittAnzahl> Flags;
    TLeinwand* AlteLeinwand;
    TOberflaeche* AlterHost;
    Int32 Breite, Hoehe;
    TWechsel<bool> Kommentar, Druck, Abbruch;
    TWechsel<Int32> Grad;
};

} // namespace

TKopfloseAnfrage::TKopfloseAnfrage(TAnfrage anfrage) : Anfrage(std::move(anfrage)) {
    Graphbild.Aufzeichnen = false;
}

void TKopfloseAnfrage::Starte() {
    InitialisiereTerme();
    // A fresh record of the run; the clock and the abort the caller set up stay.
    TTestOberflaeche frisch;
    frisch.AbbruchNach = Host.AbbruchNach;
    frisch.UhrTakt = Host.UhrTakt;
    frisch.EchteUhr = Host.EchteUhr;
    frisch.AbbruchUm = Host.AbbruchUm;
    Host = frisch;
    Host.Eingaben[TEingabefeld::FTerm] = Anfrage.F;
    Host.Eingaben[TEingabefeld::GTerm] = Anfrage.G;
    Host.Eingaben[TEingabefeld::ATerm] = Anfrage.A;
    Host.Eingaben[TEingabefeld::BTerm] = Anfrage.B;
    Host.Eingaben[TEingabefeld::HTerm] = Anfrage.H;
    Host.Eingaben[TEingabefeld::Epsilon] = Anfrage.Epsilon;
    Host.Eingaben[TEingabefeld::Startwert] = Anfrage.Startwert;
    Host.Methode = Anfrage.Methode;
    Seite.Zeilen.clear();
    for (TZeilenliste& seite : Seiten) seite.Zeilen.clear();
    Grafikpunkte.Anzahl = 0;
    Grafikpunkte.Voll = false;
    Dauer.fill(0);
    using Uhr = std::chrono::steady_clock;
    auto gemessen = [&](TSchritt schritt, auto&& lauf) {
        const Uhr::time_point start = Uhr::now();
        lauf();
        Dauer[schritt] += std::chrono::duration<double>(Uhr::now() - start).count();
    };

    TLaufrahmen rahmen(Host, Anfrage);
    // The request's start, as the main window does it.
    Einrueckung = 0;
    StarteZeitmessung();
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    // Page 0 made current.
    AktiviereSeite(&Bild, false);
    SetzeZeilenliste(&Seite);
    if (Anfrage.LGS) {
        SchrittLGS(Anfrage.Matrix, Anfrage.Rechts);
        return;
    }
    // A reversed interval is refused, with its message, before any step runs.
    if (!IntervallgrenzenGeordnet(Anfrage.A, Anfrage.B)) return;
    gemessen(SchrittVereinfachen, [&] { SchrittAllgemeines(Anfrage.F); });

    // The later steps in the driver's order, each onto its page, with the driver's abort check after each.
    TAnfragerahmen anfragerahmen;
    auto folgeschritt = [&](TSchritt schritt, Int32 seite, auto&& lauf) {
        if (!Schrittflags[schritt]) return;
        if (seite == 8)
            AktiviereSeite(&Graphbild, true);
        else
            AktiviereSeite(&Bild, false);
        SetzeZeilenliste(&Seiten[size_t(seite)]);
        gemessen(schritt, [&] { FuehreSchrittAus(lauf); });
        if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
    };
    folgeschritt(SchrittNullstellen, 1, [] { BestimmungDerNullstellen(true); });
    folgeschritt(SchrittNaeherungsverfahren, 1, [] { BestimmungEinerNullstelle(); });
    folgeschritt(SchrittSchnittstellen, 1, [] { BestimmungDerSchnittstellen(true); });
    folgeschritt(SchrittProduktzerlegung, 1, [] { SchrittPolynomzerlegung(); });
    folgeschritt(SchrittPolstellen, 2, [] { BestimmungDerPolstellen(); });
    folgeschritt(SchrittPartialbruch, 3, [] { SchrittPartialbrueche(); });
    folgeschritt(SchrittAbleitungen, 4, [] { BestimmungDerAbleitungen(true); });
    folgeschritt(SchrittExtremstellen, 5, [] { BestimmungVonExtremstellen(); });
    folgeschritt(SchrittWendestellen, 6, [] { BestimmungVonWendestellen(); });
    // Page 7: the integral with a and b, else the antiderivative, else the area, whose points of
    // intersection (or zeros of f) are computed silently unless a step of page 1 computed them.
    TTerm* a = ABIntervall ? ABIntervall->LinkerRand.Wert : nullptr;
    TTerm* b = ABIntervall ? ABIntervall->RechterRand.Wert : nullptr;
    const bool integral = Schrittflags[SchrittIntegral], stamm = Schrittflags[SchrittStammfunktion];
    folgeschritt(SchrittIntegral, 7, [&] { DoIntegral(a, b); });
    if (!integral) folgeschritt(SchrittStammfunktion, 7, [] { DoIntegral(nullptr, nullptr); });
    if (!integral && !stamm)
        folgeschritt(SchrittFlaeche, 7, [&] {
            if (!Schrittflags[SchrittSchnittstellen]) {
                TStilleSeite still;
                if (GTerm) {
                    BestimmungDerSchnittstellen(false);
                } else {
                    if (!Schrittflags[SchrittNullstellen]) BestimmungDerNullstellen(false);
                    Schnittstellenliste = Nullstellenliste;
                    SchnittstellenStatus = NullstellenlisteStatus;
                }
            }
            SchrittFlaecheninhalt(a, b);
        });
    folgeschritt(SchrittGraph, 8, [] { DoGraph(); });
}

std::string TKopfloseAnfrage::Text() const {
    return Text(0);
}

std::string TKopfloseAnfrage::Text(Int32 k) const {
    std::string text;
    for (const std::string& zeile : (k == 0 ? Seite : Seiten[size_t(k)]).Klartext()) text += zeile + "\n";
    return text;
}

std::string AllgemeinesAlsText(const TAnfrage& anfrage) {
    TKopfloseAnfrage lauf(anfrage);
    lauf.Starte();
    return lauf.Text();
}

} // namespace zol
