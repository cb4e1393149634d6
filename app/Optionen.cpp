#include "app/Optionen.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "app/HauptFm.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "steps/Schrittflags.h"

namespace zol {

TOptionenForm* OptionenForm = nullptr;

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int TeilintervallePosition = 6;

// The whole text (blanks around it allowed) as a decimal integer within [min, max]; nothing otherwise.
std::optional<long long> GanzzahlIn(const QString& text, long long min, long long max) {
    bool ok = false;
    const long long n = text.trimmed().toLongLong(&ok, 10);
    if (!ok || n < min || n > max) return std::nullopt;
    return n;
}

// The integer the text begins with (blanks, an optional sign, digits), saturated at the bounds; nothing
// when it begins with no digit.
std::optional<long long> FuehrendeGanzzahl(const QString& text, long long min, long long max) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    long long betrag = 0;
    bool ziffer = false;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        ziffer = true;
        // Beyond the bounds the value no longer matters; stop growing before it could overflow.
        if (betrag <= max) betrag = betrag * 10 + (text[i].unicode() - '0');
    }
    if (!ziffer) return std::nullopt;
    return std::clamp(negativ ? -betrag : betrag, min, max);
}

} // namespace

TOptionenForm::TOptionenForm(QWidget* parent) : QDialog(parent) {
    OptionenForm = this;
    setWindowTitle(Text("Optionen"));
    setModal(false);

    KommentarCB = new QCheckBox(Text("Kommentare"), this);
    KommentarCB->setChecked(true);
    EinzugEdit = new QLineEdit(Text("40"), this);
    EinzugEdit->setFixedWidth(60);
    StellenEdit = new QSpinBox(this);
    StellenEdit->setRange(0, 18);
    StellenEdit->setValue(4);
    StellenEdit->setFixedWidth(60);
    CardanoCB = new QCheckBox(Text("bei Polynomen notfalls Formeln von Cardano anwenden"), this);
    CardanoCB->setChecked(true);
    TeilIntervalleEdit = new QLineEdit(Text("1000000"), this);
    TeilIntervalleEdit->setFixedWidth(100);
    TeilintervalleUpDown = new TAufAb(nullptr, 1, 9, TeilintervallePosition, this);
    DebugGB = new QGroupBox(Text("Debug-Nachrichten"), this);
    RemoteHostEdit = new QLineEdit(Text("localhost"), DebugGB);
    RemotePortEdit = new QLineEdit(Text("5000"), DebugGB);
    RemotePortEdit->setFixedWidth(80);
    OKButton = new QPushButton(Text("OK"), this);
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton(Text("Abbrechen"), this);
    AbbrechenButton->setAutoDefault(false);

    auto* einzug = new QHBoxLayout;
    einzug->addWidget(new QLabel(Text("Einzug von Zwischenschritten:"), this));
    einzug->addWidget(EinzugEdit);
    einzug->addStretch();
    auto* stellen = new QHBoxLayout;
    stellen->addWidget(new QLabel(Text("Reelle Ergebnisse auf"), this));
    stellen->addWidget(StellenEdit);
    stellen->addWidget(new QLabel(Text("Stellen runden."), this));
    stellen->addStretch();
    auto* simpson = new QHBoxLayout;
    simpson->setSpacing(4);
    simpson->addWidget(new QLabel(Text("Integrale notfalls mit der Simpsonregel und n = "), this));
    simpson->addWidget(TeilIntervalleEdit);
    simpson->addWidget(TeilintervalleUpDown);
    simpson->addSpacing(4);
    simpson->addWidget(new QLabel(Text("Teilintervallen berechnen."), this));
    simpson->addStretch();
    auto* debug = new QGridLayout(DebugGB);
    debug->addWidget(new QLabel(Text("Remote Host:"), DebugGB), 0, 0);
    debug->addWidget(RemoteHostEdit, 0, 1);
    debug->addWidget(new QLabel(Text("Remote Port:"), DebugGB), 1, 0);
    debug->addWidget(RemotePortEdit, 1, 1, Qt::AlignLeft);
    debug->setColumnStretch(1, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(KommentarCB);
    layout->addLayout(einzug);
    layout->addLayout(stellen);
    layout->addWidget(CardanoCB);
    layout->addLayout(simpson);
    layout->addWidget(DebugGB);
    layout->addSpacing(4);
    layout->addLayout(knoepfe);

    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(AbbrechenButton, &QPushButton::clicked, this, [this] { AbbrechenButtonClick(); });
    connect(TeilintervalleUpDown, &TAufAb::Geklickt, this,
            [this](bool hoch) { TeilintervalleUpDownClick(hoch); });

    FormCreate();
}

TOptionenForm::~TOptionenForm() {
    if (OptionenForm == this) OptionenForm = nullptr;
}

void TOptionenForm::FormCreate() {
    // The debug listener is not set at start-up: the channel keeps its own settings until OK is pressed.
    OKAktion(false);
    Einzug = 30;
    EinzugEdit->setText(Text("30"));
    Kommentare = KommentarCB->isChecked();
}

void TOptionenForm::FormActivate() {
    EinzugEdit->setText(QString::number(Einzug));
}

bool TOptionenForm::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(ereignis);
}

void TOptionenForm::OKButtonClick() {
    OKAktion(true);
}

void TOptionenForm::OKAktion(bool mitDebugZiel) {
    Kommentare = KommentarCB->isChecked();
    CardanoAnwenden = CardanoCB->isChecked();
    Stellen = uint8_t(StellenEdit->value());
    const std::optional<long long> n = GanzzahlIn(TeilIntervalleEdit->text(), SimpsonMinimum, SimpsonMaximum);
    if (!n) {
        Oberflaeche().Meldung(
            TMeldungsart::Information,
            "Die Anzahl der Teilintervalle muss eine ganze Zahl von 2 bis 2147483646 sein.");
        return;
    }
    SimpsonTeilintervalle = Int64(*n);
    close();
    if (std::optional<long long> e = FuehrendeGanzzahl(EinzugEdit->text(), 0, EinzugMaximum))
        Einzug = Int32(*e);
    if (!mitDebugZiel) return;
    DebugHost = RemoteHostEdit->text().trimmed().toStdString();
    if (std::optional<long long> port = GanzzahlIn(RemotePortEdit->text(), 1, 65535))
        DebugPort = uint16_t(*port);
    else
        Oberflaeche().Meldung(TMeldungsart::Information,
                              "Der Remote Port muss eine ganze Zahl von 1 bis 65535 sein.");
}

void TOptionenForm::AbbrechenButtonClick() {
    close();
}

void TOptionenForm::TeilintervalleUpDownClick(bool hoch) {
    const Int64 n = SimpsonTeilintervalle;
    // Up to 10 times the maximum fits easily in 64 bits; a value from elsewhere is clamped first.
    const Int64 alt = std::clamp<Int64>(n, SimpsonMinimum, SimpsonMaximum);
    SimpsonTeilintervalle = std::clamp<Int64>(hoch ? alt * 10 : alt / 10, SimpsonMinimum, SimpsonMaximum);
    TeilIntervalleEdit->setText(QString::number(SimpsonTeilintervalle));
}

} // namespace zol
