// Typesetting of matrices with their row-operation labels, and the linear-systems step of the main window.
#include <algorithm>
#include <vector>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "output/Termsatz.h"
#include "output/folienT.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"

namespace zol {

namespace {

// A typeset matrix whose plain text reads "(a b | c; d e | f : label)": rows separated by ";", the
// extended part after "|", a row's label after ":".
class TMatrixFolie : public TSammelFolie {
public:
    explicit TMatrixFolie(Single G) : TSammelFolie(G) {}
    std::string Text;
    std::string Klartext() const override { return Text; }
};

void SchreibeMatrix(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp) {
    std::unique_ptr<TFolie> F = MatrixFolie(M, Erweitert, MitZeilenOp);
    F->LinksAn(0, PunktZuPixel(0.3 * Schriftgroesse));
    FuegeFolieAn(std::move(F));
}

bool IstLeer(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

// The term of a grid cell; a cell of blanks is 0.
TTerm* Zelle(const std::string& Text) {
    if (IstLeer(Text)) return Null;
    TTerm* T = TermAusString(Text);
    return T ? T : Null;
}

} // namespace

std::unique_ptr<TFolie> ZeilenMarkenFolie(const TZeilenOperation& Marke, Single G) {
    if (ZeilenMarkeLeer(Marke)) return nullptr;
    // Each part with the gap before it: a factor stands close to its row number, the sign apart.
    std::vector<std::pair<std::unique_ptr<TFolie>, Int32>> teile;
    const Int32 eng = PunktZuPixel(0.05 * G), weit = PunktZuPixel(0.3 * G);
    auto text = [G](const std::string& s) { return std::make_unique<TAFolie>(s, G); };
    if (Marke.j > 0) {
        if (Marke.g && !Eins->IstGleich(Marke.g)) teile.emplace_back(FaktorFolie(Marke.g, G), 0);
        teile.emplace_back(text("[" + std::to_string(Marke.j) + "]"), eng);
    }
    if (Marke.k > 0) {
        TTerm* f = Marke.f ? Marke.f : Eins;
        TTerm* rest = nullptr;
        TBruch faktor;
        KMK(f, rest, faktor);
        // A negative radical sum such as -sqrt(6)-sqrt(3) is shown as "- (sqrt(6)+sqrt(3))".
        bool definiert = false;
        TWurzelzahl z;
        if (faktor.Zaehler < 0) {
            TBruch positiv;
            Brueche::Negativ(faktor, positiv);
            f = Produkt(RationaleKonstante(positiv), rest);
            teile.emplace_back(text("-"), weit);
        } else if (f->IstKonstant && f->Wert(0, definiert) < 0 && definiert && AlsWurzelzahl(f, z)) {
            f = z.Negation().AlsTerm();
            teile.emplace_back(text("-"), weit);
        } else if (Marke.j > 0) {
            teile.emplace_back(text("+"), weit);
        }
        if (!Eins->IstGleich(f)) teile.emplace_back(FaktorFolie(f, G), weit);
        teile.emplace_back(text("[" + std::to_string(Marke.k) + "]"), Eins->IstGleich(f) ? weit : eng);
    }
    if (Marke.Teiler) {
        // (g[j] - f[k]) : Teiler
        if (!teile.empty()) teile.front().second = eng;
        teile.insert(teile.begin(), {text("("), 0});
        teile.emplace_back(text(")"), eng);
        teile.emplace_back(text(":"), weit);
        teile.emplace_back(FaktorFolie(Marke.Teiler, G), weit);
    }
    auto gruppe = std::make_unique<TSammelFolie>(G);
    const TFolie* vorige = nullptr;
    for (auto& [teil, abstand] : teile) {
        if (!teil || !teil->Box) continue;
        if (vorige) teil->RechtsNeben(vorige, abstand);
        vorige = teil.get();
    }
    for (auto& teil : teile) gruppe->FuegeAn(std::move(teil.first));
    return gruppe;
}

std::unique_ptr<TFolie> MatrixFolie(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp) {
    const Single G = static_cast<Single>(Schriftgroesse);
    const Int32 zeilen = std::clamp(M.Zeilen, 0, LGSMaxZeilen);
    const Int32 spalten = std::clamp(M.Spalten, 0, LGSMaxSpalten);
    const Int32 spaltenAbstand = PunktZuPixel(0.9 * G);
    const Int32 zeilenAbstand = PunktZuPixel(0.3 * G);
    const Int32 klammerAbstand = PunktZuPixel(0.3 * G);
    const Int32 haken = PunktZuPixel(0.2 * G);

    auto gruppe = std::make_unique<TMatrixFolie>(G);
    std::vector<std::vector<std::unique_ptr<TFolie>>> eintrag(size_t(zeilen + 1));
    std::vector<Int32> breite(size_t(spalten + 1), 0), hoehe(size_t(zeilen + 1), PunktZuPixel(G));
    for (Int32 i = 1; i <= zeilen; ++i) {
        eintrag[size_t(i)].resize(size_t(spalten + 1));
        hoehe[size_t(i)] = 0;
        for (Int32 j = 1; j <= spalten; ++j) {
            TTerm* T = M.a[i][j] ? M.a[i][j] : Null;
            std::unique_ptr<TFolie> F = T->Folie(G);
            if (!F || !F->Box) F = std::make_unique<TAFolie>(T->Text, G);
            breite[size_t(j)] = std::max(breite[size_t(j)], F->Box->Breite);
            hoehe[size_t(i)] = std::max(hoehe[size_t(i)], F->Box->Oben + F->Box->Unten);
            eintrag[size_t(i)][size_t(j)] = std::move(F);
        }
    }
    // Column positions; the line of the extended matrix stands in the middle of the gap before the last
    // column.
    std::vector<Int32> x(size_t(spalten + 2), 0);
    for (Int32 j = 1; j <= spalten; ++j) x[size_t(j + 1)] = x[size_t(j)] + breite[size_t(j)] + spaltenAbstand;
    const Int32 rechts = spalten >= 1 ? x[size_t(spalten)] + breite[size_t(spalten)] : PunktZuPixel(0.5 * G);
    // Row positions, the block centred on the height of a fraction bar.
    std::vector<Int32> y(size_t(zeilen + 2), 0);
    for (Int32 i = 1; i <= zeilen; ++i) y[size_t(i + 1)] = y[size_t(i)] + hoehe[size_t(i)] + zeilenAbstand;
    const Int32 H = zeilen >= 1 ? y[size_t(zeilen)] + hoehe[size_t(zeilen)] : PunktZuPixel(G);
    const Int32 oben = -PunktZuPixel(0.45 * G) - H / 2;
    auto mitte = [&](Int32 i) { return oben + y[size_t(i)] + hoehe[size_t(i)] / 2; };

    std::string text = "(";
    for (Int32 i = 1; i <= zeilen; ++i) {
        if (i > 1) text += "; ";
        for (Int32 j = 1; j <= spalten; ++j) {
            TFolie* F = eintrag[size_t(i)][size_t(j)].get();
            if (j > 1) text += Erweitert && j == spalten ? " | " : " ";
            text += F->Klartext();
            F->ZentriereHorizontal(x[size_t(j)] + breite[size_t(j)] / 2);
            F->ZentriereVertikal(mitte(i));
            gruppe->FuegeAn(std::move(eintrag[size_t(i)][size_t(j)]));
        }
        if (MitZeilenOp && !ZeilenMarkeLeer(ZeilenOperationen[i])) {
            std::unique_ptr<TFolie> marke = ZeilenMarkenFolie(ZeilenOperationen[i], G);
            text += " : " + marke->Klartext();
            marke->ZentriereVertikal(mitte(i));
            marke->LinksAn(rechts + klammerAbstand + 2 * haken, PunktZuPixel(G));
            gruppe->FuegeAn(std::move(marke));
        }
    }
    gruppe->Text = text + ")";

    if (Erweitert && spalten >= 2) {
        auto linie = std::make_unique<TLinie>(0, H, G);
        linie->Verschiebe(x[size_t(spalten)] - spaltenAbstand / 2, oben);
        gruppe->FuegeAn(std::move(linie));
    }
    auto auf = std::make_unique<TKlammer>(H, true, false, G);
    auf->ZentriereVertikal(oben + H / 2);
    auf->RechtsAn(0, klammerAbstand);
    // A closing bracket's hooks reach its own width to the left of its stem.
    auto zu = std::make_unique<TKlammer>(H, false, false, G);
    zu->ZentriereVertikal(oben + H / 2);
    zu->LinksAn(rechts, klammerAbstand + haken);
    gruppe->FuegeAn(std::move(auf));
    gruppe->FuegeAn(std::move(zu));

    TBox& box = *gruppe->Box;
    box.Startpunkt = {box.LinksAbstand, 0};
    box.Endpunkt = {box.LinksAbstand + box.Breite, 0};
    gruppe->LinksAn(0, 0);
    return gruppe;
}

void ZeigeMatrix(const TLGSMatrix& M) {
    SchreibeMatrix(M, false, false);
}

void ZeigeErweiterteMatrix(const TLGSMatrix& M) {
    SchreibeMatrix(M, true, false);
}

void ZeigeMatrixMitZeilenOp(const TLGSMatrix& M) {
    SchreibeMatrix(M, true, true);
    Schreibe("   ");
}

void MatrixAusgeben(const TLGSMatrix& M) {
    ZeigeMatrix(M);
    NeueZeile();
}

void MatrixMitZeilenOpAusgeben(const TLGSMatrix& M) {
    ZeigeMatrixMitZeilenOp(M);
    NeueZeile();
}

void SchrittLGS(const TGittertexte& A, const TGittertexte& b) {
    size_t spalten = 0;
    for (const auto& zeile : A) spalten = std::max(spalten, zeile.size());
    if (A.size() > size_t(LGSMaxZeilen) || spalten > size_t(LGSMaxUnbekannte))
        throw ETermFehler(LGSZuGrossMeldung);
    const Int32 m = Int32(A.size()), n = Int32(spalten);
    TLGSMatrix M = NeueLGSMatrix(m, n);
    TLGSMatrix R = NeueLGSMatrix(m, 1);
    for (Int32 i = 1; i <= m; ++i) {
        const auto& zeile = A[size_t(i - 1)];
        for (Int32 j = 1; j <= n; ++j) {
            TTerm* T = Zelle(size_t(j - 1) < zeile.size() ? zeile[size_t(j - 1)] : "");
            VereinfacheTerm(T);
            M.a[i][j] = T;
        }
        // Rows of the right side beyond the coefficients' are not read.
        const bool vorhanden = size_t(i - 1) < b.size() && !b[size_t(i - 1)].empty();
        TTerm* T = Zelle(vorhanden ? b[size_t(i - 1)][0] : "");
        Kumuliere(T);
        R.a[i][1] = T;
    }
    Schreibe("*u<Lösung des Linearen Gleichungssystems:>");
    ZeigeMatrix(M);
    Schreibe(" * x = ");
    ZeigeMatrix(R);
    NeueZeile();
    TLGSMatrix X;
    try {
        // The elimination stands on the page only when exact arithmetic carries it through; where it does
        // not, a short account takes the place of its matrices.
        TStilleSeite entwurf;
        LoeseLGS(M, R, X, Kommentare, true);
        entwurf.Zeigen();
    } catch (const ERessourcen&) {
        // An overflow that the exact elimination cannot avoid: the page says so, the message follows.
        NeueZeile();
        SchreibeZeile("Das Gleichungssystem ist wegen eines Überlaufs nicht gelöst worden.");
        Trennlinie();
        ZeichneSeite(0);
        throw;
    }
    NeueZeile();
    Trennlinie();
    ZeichneSeite(0);
}

} // namespace zol
