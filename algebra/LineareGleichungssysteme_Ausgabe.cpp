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
    const Int32 abstand = PunktZuPixel(0.3 * Schriftgroesse);
    std::vector<std::unique_ptr<TFolie>> bloecke =
        MatrixBloecke(M, Erweitert, MitZeilenOp, EigeneZeilenbreite() - abstand);
    // Each block of a matrix broken into blocks stands on a line of its own.
    const bool gebrochen = bloecke.size() > 1;
    for (auto& F : bloecke) {
        if (gebrochen) BeendeOffeneZeile();
        F->LinksAn(0, abstand);
        FuegeFolieAn(std::move(F));
    }
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

namespace {

// A matrix set in type: its entries, column widths and row heights, and the labels of its rows, from which
// the whole matrix or a block of its columns is laid out. Every block has the row heights of the whole
// matrix, so that its rows stand level with those of the other blocks.
class TMatrixsatz {
public:
    TMatrixsatz(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp)
        : G(static_cast<Single>(Schriftgroesse)), Zeilen(std::clamp(M.Zeilen, 0, LGSMaxZeilen)),
          Spalten(std::clamp(M.Spalten, 0, LGSMaxSpalten)), Erweitert(Erweitert),
          SpaltenAbstand(PunktZuPixel(0.9 * G)), ZeilenAbstand(PunktZuPixel(0.3 * G)),
          KlammerAbstand(PunktZuPixel(0.3 * G)), Haken(PunktZuPixel(0.2 * G)), Eintrag(size_t(Zeilen + 1)),
          Marke(size_t(Zeilen + 1)), Breite(size_t(Spalten + 1), 0), Hoehe(size_t(Zeilen + 1), 0),
          y(size_t(Zeilen + 2), 0) {
        for (Int32 i = 1; i <= Zeilen; ++i) {
            Eintrag[size_t(i)].resize(size_t(Spalten + 1));
            for (Int32 j = 1; j <= Spalten; ++j) {
                TTerm* T = M.a[i][j] ? M.a[i][j] : Null;
                std::unique_ptr<TFolie> F = T->Folie(G);
                if (!F || !F->Box) F = std::make_unique<TAFolie>(T->Text, G);
                Breite[size_t(j)] = std::max(Breite[size_t(j)], F->Box->Breite);
                Hoehe[size_t(i)] = std::max(Hoehe[size_t(i)], F->Box->Oben + F->Box->Unten);
                Eintrag[size_t(i)][size_t(j)] = std::move(F);
            }
            if (MitZeilenOp && !ZeilenMarkeLeer(ZeilenOperationen[i])) {
                Marke[size_t(i)] = ZeilenMarkenFolie(ZeilenOperationen[i], G);
                Markenbreite = std::max(Markenbreite, Marke[size_t(i)]->Box->Breite);
            }
        }
        if (Zeilen == 0) Hoehe[0] = PunktZuPixel(G);
        // Row positions, every block centred on the height of a fraction bar.
        for (Int32 i = 1; i <= Zeilen; ++i)
            y[size_t(i + 1)] = y[size_t(i)] + Hoehe[size_t(i)] + ZeilenAbstand;
        H = Zeilen >= 1 ? y[size_t(Zeilen)] + Hoehe[size_t(Zeilen)] : Hoehe[0];
        Oben = -PunktZuPixel(0.45 * G) - H / 2;
    }

    Int32 Spaltenzahl() const { return Spalten; }
    bool HatMarken() const { return Markenbreite > 0; }

    // The width of the block of columns von..bis with its brackets, and with the labels right of it.
    Int32 Blockbreite(Int32 von, Int32 bis, bool MitMarken) const {
        Int32 breite = 2 * KlammerAbstand + 3 * Haken + Innenbreite(von, bis);
        if (MitMarken && HatMarken()) breite += PunktZuPixel(G) + Markenbreite;
        return breite;
    }
    Int32 Markenblockbreite() const { return Markenbreite; }

    // The columns von..bis in brackets, with the line of an extended matrix before its last column when the
    // block holds that column, and the labels right of it with MitMarken. Each entry and label is laid out
    // once: the blocks of one matrix are taken one after another.
    std::unique_ptr<TFolie> Block(Int32 von, Int32 bis, bool MitMarken) {
        auto gruppe = std::make_unique<TMatrixFolie>(G);
        // Column positions; the line of the extended matrix stands in the middle of the gap before the last
        // column, also where it is the block's only column.
        std::vector<Int32> x(size_t(Spalten + 2), 0);
        x[size_t(von)] = Innenbreite(von, bis) - Innenbreite(von, bis, false);
        for (Int32 j = von; j < bis; ++j)
            x[size_t(j + 1)] = x[size_t(j)] + Breite[size_t(j)] + SpaltenAbstand;
        const Int32 rechts = Innenbreite(von, bis);

        std::string text = "(";
        for (Int32 i = 1; i <= Zeilen; ++i) {
            if (i > 1) text += "; ";
            for (Int32 j = von; j <= bis; ++j) {
                std::unique_ptr<TFolie>& F = Eintrag[size_t(i)][size_t(j)];
                if (!F) continue;
                if (Erweitert && j == Spalten && Spalten >= 2)
                    text += j > von ? " | " : "| ";
                else if (j > von)
                    text += " ";
                text += F->Klartext();
                F->ZentriereHorizontal(x[size_t(j)] + Breite[size_t(j)] / 2);
                F->ZentriereVertikal(Mitte(i));
                gruppe->FuegeAn(std::move(F));
            }
            if (MitMarken && Marke[size_t(i)]) {
                std::unique_ptr<TFolie>& marke = Marke[size_t(i)];
                text += " : " + marke->Klartext();
                marke->ZentriereVertikal(Mitte(i));
                marke->LinksAn(rechts + KlammerAbstand + 2 * Haken, PunktZuPixel(G));
                gruppe->FuegeAn(std::move(marke));
            }
        }
        gruppe->Text = text + ")";

        if (Erweitert && bis == Spalten && Spalten >= 2) {
            auto linie = std::make_unique<TLinie>(0, H, G);
            linie->Verschiebe(x[size_t(Spalten)] - SpaltenAbstand / 2, Oben);
            gruppe->FuegeAn(std::move(linie));
        }
        auto auf = std::make_unique<TKlammer>(H, true, false, G);
        auf->ZentriereVertikal(Oben + H / 2);
        auf->RechtsAn(0, KlammerAbstand);
        // A closing bracket's hooks reach its own width to the left of its stem.
        auto zu = std::make_unique<TKlammer>(H, false, false, G);
        zu->ZentriereVertikal(Oben + H / 2);
        zu->LinksAn(rechts, KlammerAbstand + Haken);
        gruppe->FuegeAn(std::move(auf));
        gruppe->FuegeAn(std::move(zu));
        return Fertig(std::move(gruppe));
    }

    // The labels alone, each level with its row; the plain text reads "( : label; ; : label)", a row without
    // a label empty.
    std::unique_ptr<TFolie> Markenblock() {
        auto gruppe = std::make_unique<TMatrixFolie>(G);
        std::string text = "(";
        for (Int32 i = 1; i <= Zeilen; ++i) {
            if (i > 1) text += "; ";
            std::unique_ptr<TFolie>& marke = Marke[size_t(i)];
            if (!marke) continue;
            text += " : " + marke->Klartext();
            marke->ZentriereVertikal(Mitte(i));
            marke->LinksAn(0, 0);
            gruppe->FuegeAn(std::move(marke));
        }
        gruppe->Text = text + ")";
        // As high as the matrix, so that each label stands as far down in its block as its row in the others.
        TBox& box = *gruppe->Box;
        box.Oben = std::max(box.Oben, Haken - Oben);
        box.Unten = std::max(box.Unten, Oben + H + Haken);
        return Fertig(std::move(gruppe));
    }

private:
    // The width of the entries of columns von..bis with the gaps between them; the right side of an extended
    // matrix alone in its block keeps a gap for its line with Linie.
    Int32 Innenbreite(Int32 von, Int32 bis, bool Linie = true) const {
        if (bis < von) return PunktZuPixel(0.5 * G);
        Int32 breite = (bis - von) * SpaltenAbstand;
        if (Linie && Erweitert && von == Spalten && Spalten >= 2) breite += SpaltenAbstand;
        for (Int32 j = von; j <= bis; ++j) breite += Breite[size_t(j)];
        return breite;
    }

    Int32 Mitte(Int32 i) const { return Oben + y[size_t(i)] + Hoehe[size_t(i)] / 2; }

    // The group's ends are its start and end point, and its ink begins at its origin.
    static std::unique_ptr<TFolie> Fertig(std::unique_ptr<TMatrixFolie> gruppe) {
        TBox& box = *gruppe->Box;
        box.Startpunkt = {box.LinksAbstand, 0};
        box.Endpunkt = {box.LinksAbstand + box.Breite, 0};
        gruppe->LinksAn(0, 0);
        return gruppe;
    }

    const Single G;
    const Int32 Zeilen, Spalten;
    const bool Erweitert;
    const Int32 SpaltenAbstand, ZeilenAbstand, KlammerAbstand, Haken;
    std::vector<std::vector<std::unique_ptr<TFolie>>> Eintrag;
    std::vector<std::unique_ptr<TFolie>> Marke;
    Int32 Markenbreite = 0;
    std::vector<Int32> Breite, Hoehe;
    std::vector<Int32> y;
    Int32 H = 0, Oben = 0;
};

} // namespace

std::unique_ptr<TFolie> MatrixFolie(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp) {
    TMatrixsatz satz(M, Erweitert, MitZeilenOp);
    return satz.Block(1, satz.Spaltenzahl(), true);
}

std::vector<std::unique_ptr<TFolie>> MatrixBloecke(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp,
                                                   Int32 Platz) {
    TMatrixsatz satz(M, Erweitert, MitZeilenOp);
    const Int32 n = satz.Spaltenzahl();
    std::vector<std::unique_ptr<TFolie>> bloecke;
    if (n <= 1 || satz.Blockbreite(1, n, true) <= Platz / Mindestmassstab) {
        bloecke.push_back(satz.Block(1, n, true));
        return bloecke;
    }
    const Single G = static_cast<Single>(Schriftgroesse);
    const Int32 abstand = PunktZuPixel(0.3 * G);
    // A block led by its name.
    auto benannt = [&](const std::string& name, std::unique_ptr<TFolie> inhalt) {
        auto block = std::make_unique<TListenFolie>(G);
        inhalt->LinksAn(0, abstand);
        block->FuegeAn(std::make_unique<TAFolie>(name, G));
        block->FuegeAn(std::move(inhalt));
        bloecke.push_back(std::move(block));
    };
    for (Int32 von = 1; von <= n;) {
        auto name = [von](Int32 bis) {
            return "Spalten " + std::to_string(von) + " bis " + std::to_string(bis) + ":";
        };
        auto breite = [&](Int32 bis, bool marken) {
            return TAFolie(name(bis), G).Box->Breite + abstand + satz.Blockbreite(von, bis, marken);
        };
        Int32 bis = von;
        while (bis < n && breite(bis + 1, false) <= Platz) ++bis;
        // The right side of an extended matrix stays with a column of the coefficients where there is room.
        if (Erweitert && bis == n - 1 && bis > von) --bis;
        // The labels stand right of the last block where they fit beside it, else in a block of their own.
        const bool marken = bis == n && satz.HatMarken();
        const bool daneben = marken && breite(bis, true) <= Platz;
        benannt(name(bis), satz.Block(von, bis, daneben));
        if (marken && !daneben) benannt("Zeilenumformungen:", satz.Markenblock());
        von = bis + 1;
    }
    return bloecke;
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
