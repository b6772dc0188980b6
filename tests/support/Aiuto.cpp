#include "support/Aiuto.h"

#include "app/Applicazione.h"
#include "app/Figure.h"
#include "app/Modulo1.h"
#include "app/Percorsi.h"

#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QTimer>

QStringList LettoreRegistratore::nomi() const
{
    QStringList n;
    for (const QString& s : suonati)
        n << s.section('/', -1);
    return n;
}

Ambiente::Ambiente(bool conFigure)
{
    Schermate::Distruggi();
    Modulo1::InizializzaTabella();
    Modulo1::AzzeraConteggio();
    Casuale::ImpostaSorgente(&casuale);
    ModuloColoriSuoni::ImpostaLettore(&lettore);
    Percorsi::ImpostaCartellaProgramma(cartella.path());
    Figure::SvuotaCache();
    if (conFigure)
        scriviFigureDiProva(cartella.path());
}

Ambiente::~Ambiente()
{
    Schermate::Distruggi();
    Casuale::ImpostaSorgente(nullptr);
    ModuloColoriSuoni::ImpostaLettore(nullptr);
    Figure::SvuotaCache();
}

static QColor colorePosa(int n) { return QColor(n * 4, 255 - n * 4, 128); }

void scriviFigureDiProva(const QString& cartella)
{
    QDir(cartella).mkpath(QStringLiteral("gif"));
    for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
        QImage i(8, 8, QImage::Format_RGB32);
        i.fill(colorePosa(n));
        // Qt writes no GIF; the program decides the format from the content, so PNG serves.
        QVERIFY(i.save(cartella + QStringLiteral("/gif/%1.gif").arg(n), "PNG"));
    }
}

int posaMostrata(const QImage& immagine)
{
    for (int n = 1; !immagine.isNull() && n <= Modulo1::NumeroPose; ++n)
        if (immagine.pixelColor(immagine.width() / 2, immagine.height() / 2) == colorePosa(n))
            return n;
    return 0;
}

void clicca(QWidget* w) { clicca(w, w ? w->rect().center() : QPoint()); }

void clicca(QWidget* w, QPoint punto)
{
    QVERIFY2(w, "no control to click");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " is not visible"));
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, punto);
}

std::shared_ptr<Domanda> rispondiAlProssimo(QMessageBox::StandardButton bottone)
{
    auto d = std::make_shared<Domanda>();
    auto prova = std::make_shared<std::function<void()>>();
    *prova = [d, bottone, prova] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return QTimer::singleShot(5, *prova);
        *d = {box->text(), box->windowTitle(), {}, {}, box->icon(), true};
        for (QAbstractButton* b : box->buttons())
            d->bottoni << b->text().remove('&');
        if (box->defaultButton())
            d->predefinito = box->defaultButton()->text().remove('&');
        if (QAbstractButton* b = box->button(bottone))
            b->click();
        *prova = nullptr;  // break the self-reference
    };
    QTimer::singleShot(0, *prova);
    return d;
}

Schermata& apri(Id id)
{
    Schermate::Mostra(id);
    return Schermate::Oggetto(id);
}

Schermata& schermo(Id id) { return Schermate::Oggetto(id); }

QWidget* controllo(Schermata& s, const QString& chiave)
{
    const int i = chiave.contains('(') ? chiave.section('(', 1).chopped(1).toInt() : -1;
    return s.controllo(chiave.section('(', 0, 0), i);
}

const QList<Id>& esercizi()
{
    static const QList<Id> e{Id::Form1, Id::Form2, Id::Form3, Id::Form4, Id::Form5, Id::Form6,
                             Id::Form7, Id::Form8, Id::Form9, Id::FormDentroFuori1, Id::Form10};
    return e;
}

QStringList chiaviRisposta(Id id)
{
    switch (id) {
    case Id::Form1:
    case Id::Form2: return {"Label3(0)", "Label3(1)"};
    case Id::Form7:
    case Id::Form8:
    case Id::Form9: return {"Image1(0)", "Image1(1)", "Image1(2)", "Image1(3)", "Image1(4)", "Image1(5)"};
    case Id::Form10: return {"Command1", "Command3", "Command4", "Command5"};
    case Id::FormAvvio:
    case Id::FormMenu: return {};
    default: return {"Command1", "Command3"};
    }
}

QList<QWidget*> risposte(Schermata& s)
{
    QList<QWidget*> r;
    for (const QString& k : chiaviRisposta(s.id()))
        r << controllo(s, k);
    return r;
}

QString quadro(Schermata& s)
{
    const bool si = !s.immagine("ComandoIconaSi")->isHidden(), no = !s.immagine("ComandoIconaNo")->isHidden();
    QString abilitate;
    for (QWidget* w : risposte(s))
        abilitate += w->isEnabled() ? '1' : '0';
    return QStringLiteral("%1 [%2|%3] avanti:%4 risposte:%5")
        .arg(si && no ? "both" : si ? "si" : no ? "no" : "none", s.etichetta("EtichettaEsatti")->testo(),
             s.etichetta("EtichettaErrati")->testo())
        .arg(s.pulsante("Command2")->isEnabled())
        .arg(abilitate);
}

int eseguiTest(int argc, char** argv, QObject* test)
{
    Applicazione::Prepara(*qApp);
    return QTest::qExec(test, argc, argv);
}

QList<int> mostrati(Schermata& s, const QString& nome)
{
    QList<int> v;
    for (int i = 0; QWidget* w = s.controllo(nome, i); ++i)
        if (!w->isHidden())
            v << i;
    return v;
}
