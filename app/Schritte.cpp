#include "app/Schritte.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/IniDatei.h"
#include "selftest/TestFm.h"

namespace zol {

std::array<Int32, SchrittAnzahl> Schrittlisteneintraege = [] {
    std::array<Int32, SchrittAnzahl> a{};
    a.fill(-1);
    return a;
}();

TSchritteForm* SchritteForm = nullptr;

namespace {

// Captions of the step-list items, by step.
const char* const Schrittlistentexte[SchrittAnzahl] = {
    "Vereinfachen", "Definitionsbereich", "Wertetabelle",   "Symmetrien",
    "Nullstellen",  "Näherungsverfahren", "Schnittstellen", "Produktzerlegung",
    "Polstellen",   "Partialbrüche",      "Ableitungen",    "Extremstellen",
    "Wendestellen", "Stammfunktion",      "Integral",       "FlächenInhalt",
    "Graph"};

} // namespace

const char* Schrittlistentext(TSchritt schritt) {
    return Schrittlistentexte[schritt];
}

namespace {

constexpr Int32 BitAbleitungen = 10;
constexpr Int32 BitIntegral = 13;

QCheckBox* NeuesKaestchen(const char* text, const char* hinweis, QWidget* eltern) {
    auto* k = new QCheckBox(QString::fromUtf8(text), eltern);
    if (hinweis != nullptr) k->setToolTip(QString::fromUtf8(hinweis));
    return k;
}

// Indents a row under the check box it belongs to.
QHBoxLayout* Eingerueckt(QLayout* inhalt) {
    auto* zeile = new QHBoxLayout;
    zeile->addSpacing(22);
    zeile->addLayout(inhalt);
    return zeile;
}

} // namespace

TSchritteForm::TSchritteForm(THauptfensterZugang* hauptfenster, QWidget* parent)
    : QDialog(parent), Hauptfenster(hauptfenster) {
    SchritteForm = this;
    setWindowTitle(QString::fromUtf8("Schritte"));
    setModal(false);

    VereinfachenCB = NeuesKaestchen("Vereinfachen", nullptr, this);
    VereinfachenCB->setChecked(true);
    DefinitionsbereichCB = NeuesKaestchen("Definitionsbereich", "bestimmt Definitionslücken", this);
    WertetabelleCB = NeuesKaestchen("Wertetabelle von a bis b", nullptr, this);
    HEdit = new QLineEdit(QString::fromUtf8("1/2"), this);
    SymmetrienCB = NeuesKaestchen("Symmetrien",
                                  "untersucht den Graphen auf Symmetrie zur y-Achse bzw. zum Ursprung", this);
    NullstellenCB = NeuesKaestchen("alle Nullstellen (mit algebraischen Verfahren)",
                                   "bestimmt die Nullstellen und ihre Vielfachheit", this);
    NaeherungsverfahrenCB = NeuesKaestchen("eine Nullstelle mit Näherungsverfahren", nullptr, this);

    auto* verfahren = new QWidget(this);
    HalbierungsverfahrenRB = new QRadioButton(QString::fromUtf8("Halbierungsverfahren"), verfahren);
    HalbierungsverfahrenRB->setChecked(true);
    RegulaFalsiRB = new QRadioButton(QString::fromUtf8("Regula falsi"), verfahren);
    NewtonVerfahrenRB = new QRadioButton(QString::fromUtf8("Newton-Verfahren mit Startwert"), verfahren);
    x0ComboBox = new QComboBox(verfahren);
    x0ComboBox->setEditable(true);
    x0ComboBox->addItem(QString::fromUtf8("automatisch suchen"));
    x0ComboBox->setEditText(QString::fromUtf8("automatisch suchen"));
    EpsilonEdit = new QLineEdit(QString::fromUtf8("0,0001"), verfahren);

    SchnittstellenCB = NeuesKaestchen("Schnittstellen von f und g", nullptr, this);
    PolynomeGB = new QGroupBox(QString::fromUtf8("Für Polynome"), this);
    ProduktZerlegungCB = NeuesKaestchen("Produktzerlegung", nullptr, PolynomeGB);
    PolstellenCB =
        NeuesKaestchen("Polstellen", "bestimmt die Postellen gebrochen-rationaler Funktionen", this);
    PartialBruchCB = NeuesKaestchen("Partialbruch-Zerlegung", nullptr, this);
    AbleitungsGradSE = new QSpinBox(this);
    AbleitungsGradSE->setRange(0, 3);
    AbleitungsGradSE->setValue(0);
    ExtremStellenCB = NeuesKaestchen("Extremstellen", "bestimmt die Hoch- und Tiefpunkte", this);
    WendestellenCB = NeuesKaestchen("Wendestellen", "bestimmt die Wendepunkte", this);
    IntegralCB = NeuesKaestchen("Integral", nullptr, this);

    IntegraltypRG = new QGroupBox(QString::fromUtf8("Integraltyp"), this);
    IntegraltypGruppe = new QButtonGroup(IntegraltypRG);
    const char* const typen[3] = {"Stammfunktion", "bestimmtes Integral von a bis b",
                                  "Flächeninhalt zwischen f und x-Achse bzw. g von a bis b"};
    auto* typLayout = new QVBoxLayout(IntegraltypRG);
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QRadioButton(QString::fromUtf8(typen[i]), IntegraltypRG);
        IntegraltypGruppe->addButton(knopf, i);
        typLayout->addWidget(knopf);
    }
    IntegraltypGruppe->button(0)->setChecked(true);
    IntegraltypRG->setEnabled(false);

    GraphCB = NeuesKaestchen("Graph", "zeichnet den Graphen (Parameter: s.Menü)", this);
    AllesButton = new QPushButton(QString::fromUtf8("Alles"), this);
    AllesButton->setToolTip(QString::fromUtf8("setzt alle Schritte"));
    AllesButton->setAutoDefault(false);
    OKButton = new QPushButton(QString::fromUtf8("OK"), this);
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton(QString::fromUtf8("Abbrechen"), this);
    AbbrechenButton->setAutoDefault(false);

    // Layout: the steps of page 0 and the zeros on the left, the later steps on the right.
    auto* links = new QVBoxLayout;
    links->addWidget(VereinfachenCB);
    links->addWidget(DefinitionsbereichCB);
    links->addWidget(WertetabelleCB);
    auto* schrittweite = new QHBoxLayout;
    schrittweite->addWidget(new QLabel(QString::fromUtf8("Schrittweite:"), this));
    schrittweite->addWidget(HEdit);
    schrittweite->addStretch();
    links->addLayout(Eingerueckt(schrittweite));
    links->addWidget(SymmetrienCB);
    links->addWidget(NullstellenCB);
    links->addWidget(NaeherungsverfahrenCB);
    auto* verfahrenLayout = new QGridLayout(verfahren);
    verfahrenLayout->setContentsMargins(22, 0, 0, 0);
    verfahrenLayout->addWidget(HalbierungsverfahrenRB, 0, 0, 1, 2);
    verfahrenLayout->addWidget(RegulaFalsiRB, 1, 0, 1, 2);
    verfahrenLayout->addWidget(NewtonVerfahrenRB, 2, 0);
    verfahrenLayout->addWidget(x0ComboBox, 2, 1);
    auto* genauigkeit = new QHBoxLayout;
    genauigkeit->addWidget(new QLabel(QString::fromUtf8("Genauigkeit"), verfahren));
    genauigkeit->addSpacing(8);
    genauigkeit->addWidget(new QLabel(QString::fromUtf8("ε"), verfahren));
    genauigkeit->addWidget(EpsilonEdit);
    genauigkeit->addStretch();
    verfahrenLayout->addLayout(genauigkeit, 3, 0, 1, 2);
    links->addWidget(verfahren);
    links->addWidget(SchnittstellenCB);
    links->addStretch();

    auto* rechts = new QVBoxLayout;
    auto* polynomeLayout = new QVBoxLayout(PolynomeGB);
    polynomeLayout->addWidget(ProduktZerlegungCB);
    rechts->addWidget(PolynomeGB);
    rechts->addWidget(PolstellenCB);
    rechts->addWidget(PartialBruchCB);
    auto* ableitungen = new QHBoxLayout;
    ableitungen->addWidget(new QLabel(QString::fromUtf8("Ableitungen"), this));
    ableitungen->addWidget(AbleitungsGradSE);
    ableitungen->addStretch();
    rechts->addLayout(ableitungen);
    rechts->addWidget(ExtremStellenCB);
    rechts->addWidget(WendestellenCB);
    rechts->addWidget(IntegralCB);
    rechts->addWidget(IntegraltypRG);
    rechts->addWidget(GraphCB);
    rechts->addStretch();

    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links);
    spalten->addSpacing(16);
    spalten->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(AllesButton);
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);
    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(spalten);
    fenster->addSpacing(8);
    fenster->addLayout(knoepfe);

    // The enabling rules follow every change of their check boxes, by the user or by code.
    connect(IntegralCB, &QCheckBox::toggled, this, [this] { IntegralCBClick(); });
    connect(NaeherungsverfahrenCB, &QCheckBox::toggled, this, [this] { NaeherungsverfahrenCBClick(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(AbbrechenButton, &QPushButton::clicked, this, [this] { AbbrechenButtonClick(); });
    connect(AllesButton, &QPushButton::clicked, this, [this] { AllesButtonClick(); });
    NaeherungsverfahrenCBClick();
    IntegralCBClick();

    FormCreate();
}

TSchritteForm::~TSchritteForm() {
    if (SchritteForm == this) SchritteForm = nullptr;
}

std::string SchrittfensterEingabe(TEingabefeld feld) {
    if (SchritteForm == nullptr) return {};
    switch (feld) {
    case TEingabefeld::HTerm:
        return SchritteForm->HEdit->text().toStdString();
    case TEingabefeld::Epsilon:
        return SchritteForm->EpsilonEdit->text().toStdString();
    case TEingabefeld::Startwert:
        return SchritteForm->x0ComboBox->currentText().toStdString();
    default:
        return {};
    }
}

Int32 TSchritteForm::Naeherungsmethode() const {
    if (HalbierungsverfahrenRB->isChecked()) return 1;
    return RegulaFalsiRB->isChecked() ? 2 : 3;
}

Int32 TSchritteForm::Integraltyp() const {
    return IntegraltypGruppe->checkedId();
}

void TSchritteForm::SetzeIntegraltyp(Int32 index) {
    if (QAbstractButton* knopf = IntegraltypGruppe->button(index)) knopf->setChecked(true);
}

void TSchritteForm::FormCreate() {
    TIniDatei ini(IniDateiPfad());
    Int32 maske = ini.LiesInteger("Schritte", "Schritte", 0) & SchrittmaskeBits;
    // Without a stored step width the design text stays: an empty one would fail every value table.
    HEdit->setText(QString::fromStdString(ini.LiesString("Terme", "HTerm", HEdit->text().toStdString())));
    SetzeIntegraltyp(LiesAuswahl(ini, "Schritte", "IntegralTyp", 3));
    SchritteAusMaske(maske);
}

void TSchritteForm::SchritteAusMaske(Int32 maske) {
    auto bit = [maske](Int32 k) { return (maske & (Int32(1) << k)) != 0; };
    VereinfachenCB->setChecked(bit(0));
    DefinitionsbereichCB->setChecked(bit(1));
    WertetabelleCB->setChecked(bit(2));
    SymmetrienCB->setChecked(bit(3));
    NullstellenCB->setChecked(bit(4));
    NaeherungsverfahrenCB->setChecked(bit(5));
    SchnittstellenCB->setChecked(bit(6));
    ProduktZerlegungCB->setChecked(bit(7));
    PolstellenCB->setChecked(bit(8));
    PartialBruchCB->setChecked(bit(9));
    // Only "some derivative" is stored: it comes back as degree 1.
    AbleitungsGradSE->setValue(bit(BitAbleitungen) ? 1 : 0);
    ExtremStellenCB->setChecked(bit(11));
    WendestellenCB->setChecked(bit(12));
    IntegralCB->setChecked(bit(BitIntegral));
    GraphCB->setChecked(bit(14));
    // Setting a check box by code runs no click handler; the enabling rules run here whatever changed.
    IntegralCBClick();
    NaeherungsverfahrenCBClick();
    OKButtonClick();
}

Int32 TSchritteForm::Schrittmaske() const {
    const QCheckBox* const kaestchen[15] = {VereinfachenCB,   DefinitionsbereichCB,
                                            WertetabelleCB,   SymmetrienCB,
                                            NullstellenCB,    NaeherungsverfahrenCB,
                                            SchnittstellenCB, ProduktZerlegungCB,
                                            PolstellenCB,     PartialBruchCB,
                                            nullptr,          ExtremStellenCB,
                                            WendestellenCB,   IntegralCB,
                                            GraphCB};
    Int32 maske = 0;
    for (Int32 k = 0; k < 15; ++k) {
        // Bit 10 records the degree last applied, not the spin edit's value.
        bool gesetzt = k == BitAbleitungen ? AbleitungsGrad > 0 : kaestchen[k]->isChecked();
        if (gesetzt) maske |= Int32(1) << k;
    }
    return maske;
}

void TSchritteForm::SchreibeIni(TIniDatei& ini) const {
    ini.SchreibeString("Terme", "HTerm", HEdit->text().toStdString());
    ini.SchreibeInteger("Schritte", "Schritte", Schrittmaske());
    ini.SchreibeInteger("Schritte", "IntegralTyp", Integraltyp());
}

void TSchritteForm::OKButtonClick() {
    Schrittflags[SchrittVereinfachen] = VereinfachenCB->isChecked();
    Schrittflags[SchrittDefinitionsbereich] = DefinitionsbereichCB->isChecked();
    Schrittflags[SchrittTabelle] = WertetabelleCB->isChecked();
    Schrittflags[SchrittSymmetrien] = SymmetrienCB->isChecked();
    Schrittflags[SchrittNullstellen] = NullstellenCB->isChecked();
    Schrittflags[SchrittNaeherungsverfahren] = NaeherungsverfahrenCB->isChecked();
    Schrittflags[SchrittSchnittstellen] = SchnittstellenCB->isChecked();
    Schrittflags[SchrittProduktzerlegung] = ProduktZerlegungCB->isChecked();
    Schrittflags[SchrittPolstellen] = PolstellenCB->isChecked();
    Schrittflags[SchrittPartialbruch] = PartialBruchCB->isChecked();
    AbleitungsGrad = AbleitungsGradSE->value();
    Schrittflags[SchrittAbleitungen] = AbleitungsGrad > 0;
    Schrittflags[SchrittExtremstellen] = ExtremStellenCB->isChecked();
    Schrittflags[SchrittWendestellen] = WendestellenCB->isChecked();
    bool integral = IntegralCB->isChecked();
    Schrittflags[SchrittStammfunktion] = integral && Integraltyp() == 0;
    Schrittflags[SchrittIntegral] = integral && Integraltyp() == 1;
    Schrittflags[SchrittFlaeche] = integral && Integraltyp() == 2;
    Schrittflags[SchrittGraph] = GraphCB->isChecked();

    if (Hauptfenster != nullptr) {
        const auto& f = Schrittflags;
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Nullstellen,
                                         f[SchrittNullstellen] || f[SchrittNaeherungsverfahren] ||
                                             f[SchrittSchnittstellen] || f[SchrittProduktzerlegung]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Polstellen, f[SchrittPolstellen]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Partialbruch, f[SchrittPartialbruch]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Ableitungen, f[SchrittAbleitungen]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Extremstellen, f[SchrittExtremstellen]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Wendestellen, f[SchrittWendestellen]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Integral,
                                         f[SchrittStammfunktion] || f[SchrittIntegral] || f[SchrittFlaeche]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::Graph, f[SchrittGraph]);
        Hauptfenster->SetzeBlattSichtbar(TBlatt::LGS, false);
    }
    SchrittlisteAufbauen();
    hide();
}

void TSchritteForm::AbbrechenButtonClick() {
    hide();
}

void TSchritteForm::AllesButtonClick() {
    VereinfachenCB->setChecked(true);
    DefinitionsbereichCB->setChecked(true);
    SymmetrienCB->setChecked(true);
    NullstellenCB->setChecked(true);
    PolstellenCB->setChecked(true);
    PartialBruchCB->setChecked(true);
    ExtremStellenCB->setChecked(true);
    WendestellenCB->setChecked(true);
    IntegralCB->setChecked(true);
    GraphCB->setChecked(true);
    AbleitungsGradSE->setValue(3);
    SetzeIntegraltyp(1);
    IntegralCBClick();
    OKButtonClick();
}

void TSchritteForm::IntegralCBClick() {
    IntegraltypRG->setEnabled(IntegralCB->isChecked());
}

void TSchritteForm::NaeherungsverfahrenCBClick() {
    bool gesetzt = NaeherungsverfahrenCB->isChecked();
    HalbierungsverfahrenRB->setEnabled(gesetzt);
    RegulaFalsiRB->setEnabled(gesetzt);
}

void TSchritteForm::SchrittlisteAufbauen() {
    Schrittlisteneintraege.fill(-1);
    if (Hauptfenster == nullptr) return;
    Hauptfenster->LeereSchrittliste();
    // The flags were just set from the check boxes, the degree and the integral type.
    for (Int32 i = 0; i < SchrittAnzahl; ++i)
        if (Schrittflags[size_t(i)])
            Schrittlisteneintraege[size_t(i)] = Hauptfenster->FuegeSchrittHinzu(Schrittlistentexte[i]);
}

void TSchritteForm::SchrittlisteZuruecksetzen() {
    if (Hauptfenster == nullptr) return;
    for (size_t i = 0; i < SchrittAnzahl; ++i)
        if (Schrittflags[i] && Schrittlisteneintraege[i] >= 0)
            Hauptfenster->SetzeSchrittAbgehakt(Schrittlisteneintraege[i], false);
}

void TSchritteForm::SchrittAbhaken(Int32 schritt) {
    if (Hauptfenster == nullptr || schritt < 0 || schritt >= SchrittAnzahl) return;
    size_t i = size_t(schritt);
    if (Schrittflags[i] && Schrittlisteneintraege[i] >= 0)
        Hauptfenster->SetzeSchrittAbgehakt(Schrittlisteneintraege[i], true);
}

bool SchreibeIniDatei(const std::string& FTerm, const std::string& GTerm, const std::string& ATerm,
                      const std::string& BTerm) {
    TIniDatei ini(IniDateiPfad());
    ini.SchreibeString("Terme", "FTerm", FTerm);
    ini.SchreibeString("Terme", "GTerm", GTerm);
    ini.SchreibeString("Terme", "ATerm", ATerm);
    ini.SchreibeString("Terme", "BTerm", BTerm);
    if (SchritteForm != nullptr) SchritteForm->SchreibeIni(ini);
    if (TestForm != nullptr) TestForm->SchreibeIni(ini);
    return IniDateiSpeichern(ini);
}

} // namespace zol
