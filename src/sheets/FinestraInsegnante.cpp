// The teacher's window for choosing, previewing, printing and saving worksheets.
#include "sheets/FinestraInsegnante.h"

#include "Catalogo.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// What went wrong, for a teacher.
QString spiega(const Schede::Problema& p)
{
    if (p.tipo == Schede::Problema::Tipo::Figura)
        return QStringLiteral("Manca una figura del programma, o non si legge:\n%1\n(%2)\n\nReinstallate Bussolino.")
            .arg(QDir::toNativeSeparators(p.percorso), p.motivo);
    return QStringLiteral("Non è possibile scrivere il file:\n%1\n(%2)").arg(QDir::toNativeSeparators(p.percorso), p.motivo);
}

// "1 pagina", "3 pagine".
QString quanti(int n, const char* uno, const char* tanti)
{
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? uno : tanti);
}

// The printer the preview shows and "Stampa..." prints on: A4, the whole sheet.
void preparaStampante(QPrinter& stampante)
{
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setFullPage(true);
    stampante.setDocName(QStringLiteral("Bussolino - schede"));
}

}  // namespace

FinestraInsegnante::FinestraInsegnante(const Opzioni::Schede& iniziali) : nuovo(Schede::semeNuovo())
{
    setWindowTitle(QStringLiteral("Bussolino - Schede da stampare"));
    QFont f = font();
    f.setPointSizeF(std::max(f.pointSizeF(), 11.0));
    setFont(f);

    riepilogo = new QLabel;
    esito = new QLabel;
    esito->setWordWrap(true);
    esito->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* tutto = new QVBoxLayout(this);
    intestazione(tutto);
    tutto->addWidget(sceltaEsercizi(iniziali));
    tutto->addLayout(opzioni(iniziali));
    tutto->addWidget(riepilogo);
    tutto->addWidget(esito);
    tutto->addStretch();
    tutto->addLayout(bottoniInFondo());
    aggiorna();
}

void FinestraInsegnante::intestazione(QVBoxLayout* tutto)
{
    auto* titolo = new QLabel(QStringLiteral("Schede da stampare"));
    QFont grande = titolo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    titolo->setFont(grande);
    auto* testa = new QLabel(QStringLiteral("Gli stessi esercizi dello schermo, da fare con la matita. Ogni esercizio "
                                            "comincia su una pagina nuova; a ogni stampa gli esercizi sono estratti di nuovo, "
                                            "se non scrivete il numero di una scheda già stampata."));
    testa->setWordWrap(true);
    tutto->addWidget(titolo);
    tutto->addWidget(testa);
}

QGroupBox* FinestraInsegnante::sceltaEsercizi(const Opzioni::Schede& iniziali)
{
    auto* gruppo = new QGroupBox(QStringLiteral("Esercizi"));
    auto* griglia = new QGridLayout(gruppo);
    int n = 0;
    for (const Catalogo::Riga& v : Catalogo::righe()) {
        if (!v.sigla)
            continue;
        auto* c = new QCheckBox(QString::fromUtf8(v.didascalia).simplified());
        c->setChecked(iniziali.esercizi.contains(v.id));
        connect(c, &QCheckBox::toggled, this, &FinestraInsegnante::aggiorna);
        // In the catalogue's order, down two columns.
        griglia->addWidget(c, n % 6, n / 6);
        esercizi << std::pair{v.id, c};
        ++n;
    }
    auto* tutti = new QPushButton(QStringLiteral("Tutti"));
    auto* nessuno = new QPushButton(QStringLiteral("Nessuno"));
    connect(tutti, &QPushButton::clicked, this, [this] { segnaTutti(true); });
    connect(nessuno, &QPushButton::clicked, this, [this] { segnaTutti(false); });
    auto* scorciatoie = new QHBoxLayout;
    scorciatoie->addWidget(tutti);
    scorciatoie->addWidget(nessuno);
    scorciatoie->addStretch();
    griglia->addLayout(scorciatoie, 6, 0, 1, 2);
    return gruppo;
}

void FinestraInsegnante::segnaTutti(bool si)
{
    for (auto& [id, c] : esercizi)
        c->setChecked(si);
}

QFormLayout* FinestraInsegnante::opzioni(const Opzioni::Schede& iniziali)
{
    quante = new QSpinBox;
    quante->setRange(Opzioni::QuanteMinimo, Opzioni::QuanteMassimo);
    quante->setValue(iniziali.quante);
    nome = new QCheckBox(QStringLiteral("Una riga per nome, classe e data in cima a ogni pagina"));
    nome->setChecked(iniziali.nome);
    soluzioni = new QCheckBox(QStringLiteral("Le soluzioni sull'ultima pagina"));
    soluzioni->setChecked(iniziali.soluzioni);
    numeroScritto = new QLineEdit;
    numeroScritto->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,20}")), numeroScritto));
    numeroScritto->setPlaceholderText(QStringLiteral("nuovo a ogni stampa"));
    numeroScritto->setMinimumWidth(fontMetrics().horizontalAdvance(numeroScritto->placeholderText()) + 4 * fontMetrics().averageCharWidth());
    if (iniziali.seme)
        numeroScritto->setText(QString::number(*iniziali.seme));
    auto* spiegazione = new QLabel(QStringLiteral("Per ristampare una scheda, scrivete il numero che si legge in fondo alle sue "
                                                  "pagine: ogni tipo di esercizio torna uguale, nello stesso ordine."));
    spiegazione->setWordWrap(true);
    auto* modulo = new QFormLayout;
    modulo->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    modulo->addRow(QStringLiteral("Esercizi di ogni tipo:"), quante);
    modulo->addRow(nome);
    modulo->addRow(soluzioni);
    modulo->addRow(QStringLiteral("Numero della scheda:"), numeroScritto);
    modulo->addRow(spiegazione);
    connect(quante, &QSpinBox::valueChanged, this, &FinestraInsegnante::aggiorna);
    connect(soluzioni, &QCheckBox::toggled, this, &FinestraInsegnante::aggiorna);
    connect(numeroScritto, &QLineEdit::textChanged, this, &FinestraInsegnante::aggiorna);
    return modulo;
}

QHBoxLayout* FinestraInsegnante::bottoniInFondo()
{
    bottoneSalva = new QPushButton(QStringLiteral("Salva PDF..."));
    bottoneAnteprima = new QPushButton(QStringLiteral("Anteprima..."));
    bottoneStampa = new QPushButton(QStringLiteral("Stampa..."));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"));
    bottoneStampa->setDefault(true);
    connect(bottoneSalva, &QPushButton::clicked, this, &FinestraInsegnante::salva);
    connect(bottoneAnteprima, &QPushButton::clicked, this, &FinestraInsegnante::anteprima);
    connect(bottoneStampa, &QPushButton::clicked, this, &FinestraInsegnante::stampa);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    auto* bottoni = new QHBoxLayout;
    bottoni->addStretch();
    bottoni->addWidget(bottoneSalva);
    bottoni->addWidget(bottoneAnteprima);
    bottoni->addWidget(bottoneStampa);
    bottoni->addWidget(chiudi);
    return bottoni;
}

Opzioni::Schede FinestraInsegnante::richiesta() const
{
    Opzioni::Schede s;
    for (const auto& [id, c] : esercizi)
        if (c->isChecked())
            s.esercizi << id;
    s.quante = quante->value();
    s.nome = nome->isChecked();
    s.soluzioni = soluzioni->isChecked();
    bool ok = false;
    if (const quint64 n = numeroScritto->text().toULongLong(&ok); ok)
        s.seme = n;
    return s;
}

quint64 FinestraInsegnante::numero() const
{
    return richiesta().seme.value_or(nuovo);
}

void FinestraInsegnante::aggiorna()
{
    const Opzioni::Schede s = richiesta();
    // Twenty digits can be more than any sheet's number.
    const bool numeroValido = numeroScritto->text().isEmpty() || s.seme;
    for (QPushButton* b : {bottoneStampa, bottoneAnteprima, bottoneSalva})
        b->setEnabled(!s.esercizi.isEmpty() && numeroValido);
    if (s.esercizi.isEmpty()) {
        riepilogo->setText(QStringLiteral("Scegliete almeno un esercizio."));
        return;
    }
    if (!numeroValido) {
        riepilogo->setText(QStringLiteral("Nessuna scheda ha un numero così grande."));
        return;
    }
    const int pagine = Schede::Documento(s, 0).pagine();
    riepilogo->setText(QStringLiteral("%1 in tutto, su %2.")
                           .arg(quanti(int(s.esercizi.size()) * s.quante, "esercizio", "esercizi"), quanti(pagine, "pagina", "pagine")));
}

bool FinestraInsegnante::salvaIn(const QString& file)
{
    if (const Schede::Problema p = Schede::scriviPdf(file, richiesta(), numero())) {
        esito->clear();
        QMessageBox::warning(this, QStringLiteral("Salva PDF"), QStringLiteral("Le schede non sono state salvate.\n\n") + spiega(p));
        return false;
    }
    fatto(QStringLiteral("Schede salvate in %1").arg(QDir::toNativeSeparators(file)));
    return true;
}

void FinestraInsegnante::fatto(const QString& detto)
{
    esito->setText(QStringLiteral("%1 (numero %2).").arg(detto).arg(numero()));
    if (!richiesta().seme)
        nuovo = Schede::semeNuovo();
}

void FinestraInsegnante::salva()
{
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Salva le schede"), QDir::home().filePath(QStringLiteral("schede.pdf")),
                                                QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QLatin1String(".pdf");
    salvaIn(file);
}

std::optional<Schede::Documento> FinestraInsegnante::documento(const QString& titolo, const QString& mancato)
{
    Schede::Documento d(richiesta(), numero());
    if (const Schede::Problema p = d.leggiFigure()) {
        QMessageBox::warning(this, titolo, mancato + QStringLiteral("\n\n") + spiega(p));
        return {};
    }
    return d;
}

void FinestraInsegnante::stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    preparaStampante(stampante);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa le schede"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const auto d = documento(QStringLiteral("Stampa"), QStringLiteral("Le schede non sono state stampate."));
    if (!d)
        return;
    stampate(*d, d->disegna(stampante));
}

void FinestraInsegnante::anteprima()
{
    // The very sheets "Stampa..." prints next, on the same printer.
    const auto d = documento(QStringLiteral("Anteprima"), QStringLiteral("Le schede non si possono mostrare."));
    if (!d)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    preparaStampante(stampante);
    QPrintPreviewDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Anteprima delle schede"));
    dialogo.resize(dialogo.screen()->availableSize() * 4 / 5);
    bool accettate = true;
    connect(&dialogo, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) { accettate = d->disegna(*p); });
    // Its own print button prints them and closes it.
    if (dialogo.exec() != QDialog::Accepted)
        return;
    stampate(*d, accettate);
}

void FinestraInsegnante::stampate(const Schede::Documento& d, bool accettate)
{
    if (!accettate) {
        QMessageBox::warning(this, QStringLiteral("Stampa"), QStringLiteral("La stampante non ha accettato le schede."));
        return;
    }
    fatto(QStringLiteral("Schede mandate alla stampante: %1").arg(quanti(d.pagine(), "pagina", "pagine")));
}
