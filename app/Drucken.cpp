#include "app/Drucken.h"

#include <QFile>
#include <QPrinter>

#include "app/QtLeinwand.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "plattform/Leinwand.h"

namespace zol {

namespace {

// Restores the current canvas; Lauf makes the printer canvas current through AktiviereSeite.
class TLeinwandZurueck {
public:
    TLeinwandZurueck() : Vorher(&Leinwand()) {}
    ~TLeinwandZurueck() { SetzeLeinwand(Vorher); }
    TLeinwandZurueck(const TLeinwandZurueck&) = delete;
    TLeinwandZurueck& operator=(const TLeinwandZurueck&) = delete;

private:
    TLeinwand* Vorher;
};

} // namespace

void Drucke(QPrinter& Drucker, const std::function<void()>& Lauf) {
    TWechsel<Int32> breite(Seitenbreite, Seitenbreite);
    TWechsel<Int32> hoehe(Seitenhoehe, Seitenhoehe);
    // The canvas is restored before the printer canvas goes.
    TQtLeinwand papier(Drucker);
    TLeinwandZurueck leinwand;
    // The printer canvas measures with the font the screen pages have.
    papier.SetzeSchrift(Leinwand().Schrift());
    TWechsel<TLeinwand*> drucker(Druckerleinwand, &papier);
    const TGroesse seite = papier.Seitengroesse();
    // A rule starts at the left margin of 10 pixels and runs Seitenbreite long: it ends as far from the
    // right edge of the printable area.
    Seitenbreite = seite.Breite - 20;
    Seitenhoehe = seite.Hoehe;
    SeitenY = 5;
    TWechsel<bool> druckmodus(DruckModus, true);
    try {
        Lauf();
    } catch (...) {
        // A job cut short prints nothing. Output to a file cannot be aborted by the printer (a PDF is
        // written when the painter ends), so the file is removed instead.
        const bool abgebrochen = Drucker.abort();
        papier.Beende();
        if (!abgebrochen && !Drucker.outputFileName().isEmpty()) QFile::remove(Drucker.outputFileName());
        throw;
    }
}

} // namespace zol
