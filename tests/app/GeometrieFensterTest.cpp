// The projection dialog on the real windows (offscreen): presets and "Abbrechen", what typing into a cell
// does, the refusals of "Übernehmen", and the vectors image it redraws.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/HauptFm.h"
#include "geometry/GeradeFm.h"
#include "geometry/GitterFm.h"
#include "geometry/ProjektionFm.h"
#include "geometry/PunktFm.h"
#include "geometry/Vektoren.h"
#include "output/Ausgabe.h"
#include "output/Weltzeichnung.h"
#include "term/TermParser.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {

namespace {

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

class GeometrieFensterTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        AktuelleProjektion = SicherungsProjektion = VordefinierteProjektionen[0];
        Vektoren::InitialisiereGeometrie();
        SeitenY = 0;
        Haupt = std::make_unique<THauptForm>();
        Projektion = std::make_unique<TProjektionForm>(Haupt.get());
        Punkte = std::make_unique<TPunktForm>(Haupt.get());
        Geraden = std::make_unique<TGeradeForm>(Haupt.get());
        Punktfarbe = Geradenfarbe = 0;
    }
    void TearDown() override {
        Geraden.reset();
        Punkte.reset();
        Projektion.reset();
        Haupt.reset();
        AktuelleProjektion = SicherungsProjektion = VordefinierteProjektionen[0];
        ZolTest::TearDown();
    }
    // Types a text into a cell as the user does: an editor open elsewhere closes as the focus leaves it,
    // the cell's editor opens as the cell becomes current, the keys replace its text.
    void Tippe(QTableWidget* gitter, int zeile, int spalte, const char* text) {
        for (QTableWidget* g : gitter->window()->findChildren<QTableWidget*>()) BeendeBearbeitung(g);
        gitter->setCurrentCell(zeile, spalte);
        for (QLineEdit* editor : gitter->viewport()->findChildren<QLineEdit*>())
            if (!editor->isHidden()) {
                editor->selectAll();
                QTest::keyClicks(editor, Q(text));
            }
    }
    // The vectors image is black at the pixel of world (x, y) or one beside it.
    bool Schwarz(Extended x, Extended y) const {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (Haupt->VektorenImage->Bild.pixel(XPixel(x) + dx, YPixel(y) + dy) == qRgb(0, 0, 0))
                    return true;
        return false;
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TProjektionForm> Projektion;
    std::unique_ptr<TPunktForm> Punkte;
    std::unique_ptr<TGeradeForm> Geraden;

    // The object of the last item of the main window's list, whose text is the object's name.
    Vektoren::TGeometrischesObjekt* Letztes() const {
        QListWidgetItem* eintrag =
            Haupt->GeometrischeObjekteLB->item(Haupt->GeometrischeObjekteLB->count() - 1);
        auto* objekt =
            static_cast<Vektoren::TGeometrischesObjekt*>(eintrag->data(Qt::UserRole).value<void*>());
        EXPECT_EQ(eintrag->text().toStdString(), objekt->Name);
        return objekt;
    }
    // Chooses a colour in the colour dialog that the button opens.
    void WaehleFarbe(QPushButton* knopf, QColorDialog* dialog, QColor farbe) {
        QTimer::singleShot(0, dialog, [dialog, farbe] {
            dialog->setCurrentColor(farbe);
            dialog->accept();
        });
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
};

TEST_F(GeometrieFensterTest, VorgabenUndAbbrechen) {
    const TProjektion offen{
        Zentralprojektion, {1.0L / 3, -2, 1e30L}, {0, 0.5L, 0}, {1, 1, 0}, {0, 0.3827L, 2}};
    AktuelleProjektion = offen;
    Projektion->show();
    EXPECT_EQ(Zellentext(Projektion->RichtungSG, 0, 2), Q("1e30"));
    // What the dialog shows it reads back unchanged.
    EXPECT_TRUE(Projektion->SetProjektion(false));
    EXPECT_EQ(AktuelleProjektion, offen);
    for (int eintrag : {4, 5, 6, 1}) {
        Projektion->ProjektionenGruppe->button(eintrag)->click();
        EXPECT_EQ(AktuelleProjektion, VordefinierteProjektionen[size_t(eintrag - 1)]) << eintrag;
        EXPECT_TRUE(Projektion->SetProjektion(false));
        EXPECT_EQ(AktuelleProjektion, VordefinierteProjektionen[size_t(eintrag - 1)]) << eintrag;
    }
    Projektion->ProjektionenGruppe->button(5)->click();
    EXPECT_EQ(Zellentext(Projektion->RichtungSG, 1, 0), Q("0,707"));
    // Item 0 is the projection of the opening; "Abbrechen" restores it as well.
    Projektion->ProjektionenGruppe->button(0)->click();
    EXPECT_EQ(AktuelleProjektion, offen);
    Projektion->ProjektionenGruppe->button(2)->click();
    QTest::mouseClick(Projektion->AbbrechenButton, Qt::LeftButton);
    EXPECT_EQ(AktuelleProjektion, offen);
    EXPECT_FALSE(Projektion->isVisible());
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GeometrieFensterTest, TippenSetztNurGueltigeProjektionen) {
    Projektion->show();
    // A letter: no projection, no change, no message.
    Tippe(Projektion->yAchseSG, 2, 0, "a");
    EXPECT_EQ(AktuelleProjektion, VordefinierteProjektionen[0]);
    // A null axis is refused silently while typing.
    Tippe(Projektion->xAchseSG, 0, 0, "0");
    EXPECT_EQ(AktuelleProjektion, VordefinierteProjektionen[0]);
    EXPECT_TRUE(Meldungen().empty());
    // Valid again: the open editor's text counts.
    Tippe(Projektion->yAchseSG, 2, 0, "0.5");
    Tippe(Projektion->xAchseSG, 0, 0, "2,5");
    const TProjektion erwartet{Parallelprojektion, {0, 0, 1}, {0, 0, 0}, {2.5L, 0, 0}, {0, 1, 0.5L}};
    EXPECT_EQ(AktuelleProjektion, erwartet);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GeometrieFensterTest, UebernehmenPrueftUndZeichnet) {
    // The components as digits.
    const struct {
        int Typ;
        const char *Richtung, *x, *y, *Meldung;
    } faelle[] = {
        {0, "001", "000", "010", "xAchse kann nicht vom Nullvektor aufgespannt werden!"},
        {0, "001", "100", "000", "yAchse kann nicht vom Nullvektor aufgespannt werden!"},
        {0, "001", "100", "200", "xAchse und yAchse dürfen nicht kollinear sein!"},
        {0, "000", "100", "010",
         "Projektionsrichtung einer Parallelprojektion darf nicht der Nullvektor sein!"},
        {1, "000", "100", "010", "Projektionsrichtung darf nicht parallel zur Bildebene sein!"},
    };
    Projektion->show();
    for (const auto& f : faelle) {
        Projektion->TypGruppe->button(f.Typ)->setChecked(true);
        Projektion->TypRGClick();
        for (int i = 0; i < 3; ++i) {
            SetzeZellentext(Projektion->RichtungSG, f.Typ == 1 ? 0 : i, f.Typ == 1 ? i : 0,
                            QString(f.Richtung[i]));
            SetzeZellentext(Projektion->xAchseSG, i, 0, QString(f.x[i]));
            SetzeZellentext(Projektion->yAchseSG, i, 0, QString(f.y[i]));
        }
        QTest::mouseClick(Projektion->UebernehmenButton, Qt::LeftButton);
        EXPECT_EQ(Meldungen(), std::vector<std::string>{std::string("Information: ") + f.Meldung});
        Oberflaeche.Host.Meldungen.clear();
        EXPECT_TRUE(Projektion->isVisible());
        EXPECT_EQ(AktuelleProjektion, VordefinierteProjektionen[0]);
    }

    // A point and a line; an axis runs diagonally through (-3, -3) under the oblique and the cavalier
    // preset (y and x), and the redraw of the xy preset wipes it again.
    Haupt->FuegeObjektHinzu(Vektoren::NeuesObjekt<Vektoren::TPunkt>("A", K(2), K(-3), K(0)));
    Haupt->FuegeObjektHinzu(Vektoren::TGerade::CreateZweiPunkte(
        "g", Vektoren::NeuesObjekt<Vektoren::TPunkt>("B", K(-4), K(2), K(0)), Vektoren::Ursprung));
    for (int eintrag : {4, 5, 1}) {
        Projektion->show();
        Projektion->ProjektionenGruppe->button(eintrag)->click();
        QTest::mouseClick(Projektion->UebernehmenButton, Qt::LeftButton);
        EXPECT_FALSE(Projektion->isVisible());
        EXPECT_EQ(Schwarz(-3, -3), eintrag != 1) << eintrag;
        EXPECT_TRUE(Schwarz(2, -3)) << eintrag;
        // The start range fits the image: the x-axis's arrow head and the bottom of the y-axis are drawn.
        EXPECT_TRUE(eintrag != 1 || (Schwarz(9.9L, 0.1L) && Schwarz(0, -7)));
        // ZOL_VEKTORENBILD names files for pictures of the vectors image.
        if (const char* pfad = std::getenv("ZOL_VEKTORENBILD"))
            Haupt->VektorenImage->Bild.save(Q(pfad) + QString("-%1.png").arg(eintrag));
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GeometrieFensterTest, PunkteAusTermen) {
    WaehleFarbe(Punkte->ColorButton, Punkte->ColorDialog, QColor(0x12, 0x34, 0x56));
    const struct {
        const char *Name, *Liste, *X, *Y, *Z;
        Extended Werte[3];
    } faelle[] = {{"Punkt12", "Punkt1", "1/3", "sqrt(2)", "pi", {1.0L / 3, std::sqrt(2.0L), M_PIl}},
                  {"ÄÖÜßéèx", "ÄÖÜßéè", "-5/2", "2^2", "ln(exp(1))", {-2.5L, 4, 1}}};
    for (const auto& f : faelle) {
        Punkte->show();
        Punkte->NameEdit->setText(Q(f.Name));
        Tippe(Punkte->OrtsvektorSG, 0, 0, f.X);
        Tippe(Punkte->OrtsvektorSG, 0, 1, f.Y);
        Tippe(Punkte->OrtsvektorSG, 0, 2, f.Z);
        QTest::mouseClick(Punkte->OKButton, Qt::LeftButton);
        EXPECT_FALSE(Punkte->isVisible());
        auto* p = static_cast<Vektoren::TPunkt*>(Letztes());
        EXPECT_EQ(p->Name, f.Liste);
        TRaumvektor w;
        ASSERT_TRUE(p->Werte(w)) << f.Name;
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(Nahe(w[size_t(i)], f.Werte[i])) << f.Name << i;
        EXPECT_EQ(p->Farbe, 0x3456);
        EXPECT_TRUE(Schwarz(w[0], w[1]));
    }
    // A cell that does not parse: its message, nothing appended, what was typed stays.
    const int anzahl = Haupt->GeometrischeObjekteLB->count();
    for (const char* text : {"", "2*(x"}) {
        Punkte->show();
        SetzeZellentext(Punkte->OrtsvektorSG, 0, 1, Q(text));
        QTest::mouseClick(Punkte->OKButton, Qt::LeftButton);
        EXPECT_EQ(Meldungen(),
                  std::vector<std::string>{"Warnung: " + Ausnahme<EZolFehler>([&] { TermAusString(text); })});
        Oberflaeche.Host.Meldungen.clear();
        EXPECT_TRUE(Punkte->isVisible());
        EXPECT_EQ(Zellentext(Punkte->OrtsvektorSG, 0, 1), Q(text));
        EXPECT_EQ(Haupt->GeometrischeObjekteLB->count(), anzahl);
    }
}

TEST_F(GeometrieFensterTest, GeradeDurchZweiPunkteOderMitRichtung) {
    WaehleFarbe(Geraden->ColorButton, Geraden->ColorDialog, QColor(0xAB, 0xCD, 0xEF));
    QTableWidget* g2 = Geraden->Koordinaten2SG;
    for (int zweiterPunkt : {1, 0}) {
        Geraden->show();
        Geraden->AngabeGruppe->button(zweiterPunkt)->click();
        for (int i = 0; i < 3; ++i) {
            SetzeZellentext(Geraden->AOrtsvektorSG, 0, i, QString::number(i + 1));
            SetzeZellentext(g2, zweiterPunkt ? 0 : i, zweiterPunkt ? i : 0,
                            QString::number(zweiterPunkt ? 0 : i + 1));
        }
        QTest::mouseClick(Geraden->OKButton, Qt::LeftButton);
        EXPECT_FALSE(Geraden->isVisible());
        auto* g = static_cast<Vektoren::TGerade*>(Letztes());
        EXPECT_EQ(g->Name, "g");
        TRaumvektor u;
        ASSERT_TRUE(g->Richtung->Werte(u));
        EXPECT_EQ(u, (TRaumvektor{1, 2, 3}));
        EXPECT_EQ(g->Richtung->Name, zweiterPunkt ? "g.u" : "u");
        EXPECT_EQ(g->Punkt->Farbe, 0xCDEF);
    }
    // A broken second cell: nothing is appended.
    const int anzahl = Haupt->GeometrischeObjekteLB->count();
    Geraden->show();
    Tippe(g2, 2, 0, "1/");
    QTest::mouseClick(Geraden->OKButton, Qt::LeftButton);
    EXPECT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Haupt->GeometrischeObjekteLB->count(), anzahl);
}

} // namespace
} // namespace zol
