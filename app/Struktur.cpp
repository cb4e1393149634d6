#include "app/Struktur.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include <optional>

#include "app/Baumansicht.h"
#include "app/HauptFm.h"
#include "output/Ausgabe.h"
#include "plattform/Leinwand.h"
#include "plattform/Oberflaeche.h"
#include "term/Brueche.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

TStrukturForm* StrukturForm = nullptr;

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// A part below a node: a term with its own node, or a leaf text.
struct TTeil {
    TTerm* Term = nullptr;
    std::string Blatt;
};

struct TStrukturKnoten {
    std::string Text;
    std::vector<TTeil> Teile;
};

// The node of T by its class (the first that matches, in this order); nothing for a class without one.
std::optional<TStrukturKnoten> StrukturKnoten(TTerm* T) {
    switch (T->Typrang) {
    case RangRational:
        return TStrukturKnoten{Brueche::BruchToStr(static_cast<TRationaleKonstante*>(T)->Bruch), {}};
    case RangRadikal:
        return TStrukturKnoten{"Radikal-Term",
                               {{RadikalToTerm(static_cast<TRadikalKonstante*>(T)->Radikal), {}}}};
    case RangVariable:
        return TStrukturKnoten{"x", {}};
    case RangOperator: {
        auto* o = static_cast<TOperatorTerm*>(T);
        const char* name = o->Operator == '+'   ? "SUMME"
                           : o->Operator == '-' ? "DIFFERENZ"
                           : o->Operator == '*' ? "PRODUKT"
                           : o->Operator == '/' ? "QUOTIENT"
                                                : nullptr;
        if (name == nullptr) return std::nullopt;
        return TStrukturKnoten{name, {{o->T1, {}}, {o->T2, {}}}};
    }
    case RangWurzel: {
        auto* w = static_cast<TWurzel*>(T);
        return TStrukturKnoten{"WURZEL", {{w->Argument, {}}, {nullptr, "Grad:" + std::to_string(w->Grad)}}};
    }
    case RangPotenz: {
        auto* p = static_cast<TPotenz*>(T);
        return TStrukturKnoten{
            "POTENZ", {{p->Argument, {}}, {nullptr, "Exponent:" + Brueche::BruchToStr(p->Exponent)}}};
    }
    case RangStandard:
        return TStrukturKnoten{T->Kennung, {{static_cast<TStandardFunktion*>(T)->Argument, {}}}};
    case RangAllgExp: {
        auto* e = static_cast<TAllgemeineExponentialFunktion*>(T);
        return TStrukturKnoten{"Exponentialfunktion mit Basis " + Brueche::BruchToStr(e->Basis),
                               {{e->Argument, {}}}};
    }
    default:
        return std::nullopt;
    }
}

QTreeWidgetItem* NeuerKnoten(const std::string& text) {
    return new QTreeWidgetItem(QStringList(Text(text)));
}

} // namespace

TStrukturForm::TStrukturForm(QWidget* parent) : QDialog(parent), Freigabe([this] { LeereTermliste(); }) {
    StrukturForm = this;
    setWindowTitle(QString::fromUtf8("Term-Struktur"));
    setModal(false);

    VerfuegbareTermeLB = new QListWidget(this);
    VerfuegbareTermeLB->setFixedWidth(180);
    FormelImage = new TSeitenbild(460, 120, this);
    StrukturView = new QTreeWidget(this);
    StrukturView->setHeaderHidden(true);
    StrukturView->setColumnCount(1);
    StrukturView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    StrukturView->header()->setStretchLastSection(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(new QLabel(QString::fromUtf8("Verfügbare Terme:"), this), 0, 0);
    layout->addWidget(VerfuegbareTermeLB, 1, 0, 3, 1);
    layout->addWidget(new QLabel(QString::fromUtf8("Im Formelsatz:"), this), 0, 1);
    layout->addWidget(FormelImage, 1, 1);
    layout->addWidget(new QLabel(QString::fromUtf8("Term-Struktur:"), this), 2, 1);
    layout->addWidget(StrukturView, 3, 1);
    layout->setRowStretch(3, 1);
    resize(680, 520);

    connect(VerfuegbareTermeLB, &QListWidget::itemClicked, this, [this] { VerfuegbareTermeLBClick(); });
    FormCreate();
}

TStrukturForm::~TStrukturForm() {
    LeereBaum(StrukturView);
    if (&Leinwand() == &FormelImage->Leinwand) SetzeLeinwand(nullptr);
    if (StrukturForm == this) StrukturForm = nullptr;
}

void TStrukturForm::FormCreate() {
    VerfuegbareTerme.clear();
}

void TStrukturForm::LeereTermliste() {
    VerfuegbareTerme.clear();
    VerfuegbareTermeLB->clear();
}

void TStrukturForm::FuegeHinzu(TTerm* T, const std::string& Beschriftung) {
    VerfuegbareTerme.push_back(T);
    VerfuegbareTermeLB->addItem(Text(Beschriftung));
}

void TStrukturForm::VerfuegbareTermeLBClick() {
    const int zeile = VerfuegbareTermeLB->currentRow();
    if (zeile < 0 || size_t(zeile) >= VerfuegbareTerme.size()) return;
    // New work of the user's: an abort of an earlier request does not end it.
    BenutzerAbbruch = false;
    try {
        ZeigeTermStruktur(VerfuegbareTerme[size_t(zeile)]);
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
    }
}

void TStrukturForm::ZeigeTermStruktur(TTerm* T) {
    if (T == nullptr) return;
    {
        TLeinwandWechsel formelbild(FormelImage->Leinwand);
        TLeinwand& l = Leinwand();
        const TGroesse g = l.Seitengroesse();
        l.FuelleRechteck({0, 0, g.Breite, g.Hoehe - FormelbildRand}, Weiss);
        std::unique_ptr<TFolie> formel = T->Folie(10);
        if (formel && formel->Box) {
            l.BewegeZu(20, formel->Box->Oben + 10);
            formel->Zeichne();
        }
    }
    FormelImage->Zeige();

    LeereBaum(StrukturView);
    BaueStrukturBaum(nullptr, T);
    KlappeErstenKnotenAuf(StrukturView);
}

void TStrukturForm::BaueStrukturBaum(QTreeWidgetItem* Eltern, TTerm* T) {
    if (T == nullptr) return;
    // Depth first with a stack of its own; each part is appended to its parent's node when it is taken
    // from the stack, the parts of a node pushed last to first so that they keep their order.
    struct TAufgabe {
        QTreeWidgetItem* Eltern;
        TTeil Teil;
    };
    QTreeWidgetItem* wurzel = nullptr;
    std::vector<TAufgabe> stapel{{nullptr, {T, {}}}};
    try {
        while (!stapel.empty()) {
            TAufgabe a = std::move(stapel.back());
            stapel.pop_back();
            QTreeWidgetItem* knoten = nullptr;
            std::optional<TStrukturKnoten> k;
            if (a.Teil.Term == nullptr) {
                knoten = NeuerKnoten(a.Teil.Blatt);
            } else if ((k = StrukturKnoten(a.Teil.Term))) {
                knoten = NeuerKnoten(k->Text);
                for (auto it = k->Teile.rbegin(); it != k->Teile.rend(); ++it)
                    stapel.push_back({knoten, *it});
            }
            if (knoten == nullptr) continue;
            if (a.Eltern != nullptr)
                a.Eltern->addChild(knoten);
            else
                wurzel = knoten;
        }
    } catch (...) {
        LoescheKnoten(wurzel);
        throw;
    }
    // The finished tree goes into the view at once.
    if (wurzel == nullptr) return;
    if (Eltern != nullptr)
        Eltern->addChild(wurzel);
    else
        StrukturView->addTopLevelItem(wurzel);
}

} // namespace zol
