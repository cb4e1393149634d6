#include "app/RootFm.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdint>
#include <vector>

#include "app/Baumansicht.h"
#include "plattform/Oberflaeche.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

TRootForm* RootForm = nullptr;

namespace {

QString KnotenText(const TTermKnoten* k) {
    const auto adresse = quint32(reinterpret_cast<std::uintptr_t>(k->Term) & 0xFFFFFFFFu);
    const std::string text = k->Term != nullptr ? k->Term->Text : std::string();
    return QStringLiteral("%1").arg(adresse, 8, 16, QLatin1Char('0')).toUpper() +
           QString::fromStdString(text);
}

} // namespace

TRootForm::TRootForm(QWidget* parent) : QDialog(parent) {
    RootForm = this;
    setWindowTitle(QString::fromUtf8("RootForm"));
    setModal(false);
    RootView = new QTreeWidget(this);
    RootView->setHeaderHidden(true);
    RootView->setColumnCount(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RootView);
    resize(520, 600);
}

TRootForm::~TRootForm() {
    LeereBaum(RootView);
    if (RootForm == this) RootForm = nullptr;
}

void TRootForm::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    FormShow();
}

void TRootForm::FormShow() {
    try {
        ZeigeTermspeicher();
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
    }
}

void TRootForm::ZeigeTermspeicher() {
    LeereBaum(RootView);
    BaueSpeicherBaum(nullptr, Termspeicher);
    KlappeErstenKnotenAuf(RootView);
}

void TRootForm::BaueSpeicherBaum(QTreeWidgetItem* Eltern, TTermKnoten* Knoten) {
    if (Knoten == nullptr) return;
    // Depth first with a stack of its own: each store node is hung below the node it belongs to.
    struct TAufgabe {
        QTreeWidgetItem* Eltern;
        TTermKnoten* Knoten;
    };
    auto* wurzel = new QTreeWidgetItem(QStringList(KnotenText(Knoten)));
    std::vector<TAufgabe> stapel{{wurzel, Knoten}};
    while (!stapel.empty()) {
        const TAufgabe a = stapel.back();
        stapel.pop_back();
        // The node's "links" and "rechts" are made when it is taken, so their order does not depend on the
        // order of the stack.
        QTreeWidgetItem* seiten[2] = {nullptr, nullptr};
        TTermKnoten* kinder[2] = {a.Knoten->Links, a.Knoten->Rechts};
        const char* namen[2] = {"links", "rechts"};
        for (int i = 0; i < 2; ++i) {
            if (kinder[i] == nullptr) continue;
            seiten[i] = new QTreeWidgetItem(a.Eltern, QStringList(QString::fromUtf8(namen[i])));
            new QTreeWidgetItem(seiten[i], QStringList(KnotenText(kinder[i])));
        }
        for (int i = 1; i >= 0; --i)
            if (seiten[i] != nullptr) stapel.push_back({seiten[i]->child(0), kinder[i]});
    }
    if (Eltern != nullptr)
        Eltern->addChild(wurzel);
    else
        RootView->addTopLevelItem(wurzel);
}

} // namespace zol
