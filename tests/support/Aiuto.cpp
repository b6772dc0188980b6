#include "support/Aiuto.h"
#include "framework/Registro.h"

#include "Applicazione.h"
#include "services/Figure.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"
#include "framework/Schermata.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QImage>
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
    Registro::distruggi();
    Modulo1::AzzeraConteggio();
    Casuale::impostaSorgente(&casuale);
    ModuloColoriSuoni::impostaLettore(&lettore);
    Percorsi::impostaCartellaProgramma(cartella.path());
    Figure::svuotaCache();
    if (conFigure)
        ScriviFigureDiProva(cartella.path());
}

Ambiente::~Ambiente()
{
    Registro::distruggi();
    Casuale::impostaSorgente(nullptr);
    ModuloColoriSuoni::impostaLettore(nullptr);
    Figure::svuotaCache();
}

QColor ColoreDiProva(int numero)
{
    return QColor(numero * 4, 255 - numero * 4, 128);
}

int NumeroDaImmagine(const QImage& immagine)
{
    if (immagine.isNull())
        return 0;
    const QColor c = immagine.pixelColor(immagine.width() / 2, immagine.height() / 2);
    for (int n = 1; n <= Modulo1::NumeroPose; ++n)
        if (ColoreDiProva(n) == c)
            return n;
    return 0;
}

void ScriviFigureDiProva(const QString& cartella)
{
    QDir(cartella).mkpath(QStringLiteral("gif"));
    for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
        QImage i(8, 8, QImage::Format_RGB32);
        i.fill(ColoreDiProva(n));
        // Qt writes no GIF; the program decides the format from the content, so PNG serves.
        QVERIFY(i.save(cartella + QStringLiteral("/gif/%1.gif").arg(n), "PNG"));
    }
}

void Clicca(QWidget* w)
{
    Clicca(w, w->rect().center());
}

void Clicca(QWidget* w, QPoint punto)
{
    QVERIFY2(w, "no control to click");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " is not visible"));
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, punto);
}

std::shared_ptr<Risposta> RispondiAlProssimo(QMessageBox::StandardButton bottone)
{
    auto r = std::make_shared<Risposta>();
    auto prova = std::make_shared<std::function<void()>>();
    *prova = [r, bottone, prova] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(5, *prova);
            return;
        }
        r->vista = true;
        r->testo = box->text();
        r->titolo = box->windowTitle();
        r->icona = box->icon();
        for (QAbstractButton* b : box->buttons())
            r->bottoni << b->text().remove('&');
        if (box->defaultButton())
            r->predefinito = box->defaultButton()->text().remove('&');
        QAbstractButton* scelto = box->button(bottone);
        if (scelto)
            scelto->click();
        *prova = nullptr;  // break the self-reference
    };
    QTimer::singleShot(0, *prova);
    return r;
}

Schermata& Apri(Schermate::Id id)
{
    Registro::mostra(id);
    return Registro::oggetto(id);
}

int EseguiTest(int argc, char** argv, QObject* test)
{
    Applicazione::prepara(*qApp);
    return QTest::qExec(test, argc, argv);
}
