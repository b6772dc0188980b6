#include "support/Aiuto.h"
#include "framework/Registro.h"

#include "Applicazione.h"
#include "services/Figure.h"
#include "services/Lavori.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"

#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cmath>

QStringList LettoreRegistratore::nomi() const
{
    QStringList n;
    for (const QString& s : suonati)
        n << s.section('/', -1);
    return n;
}

Ambiente::Ambiente(bool conFigure)
{
    Catalogo::installa();
    Registro::distruggi();
    Modulo1::AzzeraConteggio();
    Sensori::impostaModo(Sensori::Modo::Nessuno);
    Casuale::impostaSorgente(&casuale);
    ModuloColoriSuoni::impostaLettore(&lettore);
    Percorsi::impostaCartellaProgramma(cartella.path());
    Figure::svuotaCache();
    if (conFigure)
        scriviFigureDiProva(cartella.path());
}

Ambiente::~Ambiente()
{
    Lavori::fermaTutti();
    Registro::distruggi();
    Sensori::impostaModo(Sensori::Modo::Nessuno);
    Casuale::impostaSorgente(nullptr);
    ModuloColoriSuoni::impostaLettore(nullptr);
    Figure::svuotaCache();
}

void OrologioFinto::avanza(qint64 ms)
{
    const qint64 fine = ora + ms;
    for (;;) {
        Sensori::Sveglia* prossima = nullptr;
        for (auto i = sveglie.cbegin(); i != sveglie.cend(); ++i)
            if (i.value() <= fine && (!prossima || i.value() < sveglie.value(prossima)))
                prossima = i.key();
        if (!prossima)
            break;
        ora = std::max(ora, sveglie.take(prossima));
        prossima->suona();
    }
    ora = fine;
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
    nelProssimo([d, bottone](QMessageBox* box) {
        *d = {box->text(), box->windowTitle(), {}, {}, box->icon(), true};
        for (QAbstractButton* b : box->buttons())
            d->bottoni << b->text().remove('&');
        if (box->defaultButton())
            d->predefinito = box->defaultButton()->text().remove('&');
        if (QAbstractButton* b = box->button(bottone))
            b->click();
    });
    return d;
}

void nelProssimo(std::function<void(QMessageBox*)> fai)
{
    auto prova = std::make_shared<std::function<void()>>();
    *prova = [fai, prova] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return QTimer::singleShot(5, *prova);
        *prova = nullptr;  // break the self-reference
        fai(box);
    };
    QTimer::singleShot(0, *prova);
}

namespace {
QWidget* bersaglio()
{
    // A question takes the keys from its opening, its default button first.
    if (QWidget* m = QApplication::activeModalWidget())
        return m->focusWidget() ? m->focusWidget() : m;
    if (QWidget* w = QApplication::focusWidget())
        return w;
    return aperta() ? aperta()->window() : nullptr;
}
}  // namespace

void premiTasti(const QString& tasti)
{
    for (const QString& t : tasti.split(' ', Qt::SkipEmptyParts)) {
        const QKeyCombination k = QKeySequence(t)[0];
        QVERIFY2(bersaglio(), "no window takes the keyboard");
        QTest::keyClick(bersaglio(), k.key(), k.keyboardModifiers());
    }
}

Schermata& apri(Id id)
{
    Registro::mostra(int(id));
    return Registro::oggetto(int(id));
}

Schermata& schermo(Id id) { return Registro::oggetto(int(id)); }

int aperte()
{
    int n = 0;
    for (const Catalogo::Riga& r : Catalogo::righe())
        n += schermo(r.id).caricata();
    return n;
}

Schermata* aperta()
{
    for (const Catalogo::Riga& r : Catalogo::righe())
        if (schermo(r.id).caricata())
            return &schermo(r.id);
    return nullptr;
}

QWidget* controllo(Schermata& s, const QString& chiave)
{
    const int i = chiave.contains('(') ? chiave.section('(', 1).chopped(1).toInt() : -1;
    return controllo(s, chiave.section('(', 0, 0), i);
}

QWidget* controllo(Schermata& s, const QString& nome, int indice)
{
    const QVector<Layout::Controllo>& c = s.layout().controlli;
    for (int i = 0; i < c.size(); ++i)
        if (c[i].nome == nome && c[i].indice == indice)
            return s.costruito(i);
    return nullptr;
}

QAction* comandoMenu(Schermata& s, const QString& nome)
{
    for (int i = 0; i < s.layout().menu.size(); ++i)
        if (s.layout().menu[i].nome == nome)
            return s.comando(i);
    return nullptr;
}

const QList<Id>& esercizi()
{
    static const QList<Id> e = [] {
        QList<Id> l;
        for (const Catalogo::Riga& v : Catalogo::righe())
            if (Catalogo::esercizio(v.id))
                l << v.id;
        return l;
    }();
    return e;
}

// The answer controls of an exercise: the ones its layout marks.
QStringList chiaviRisposta(Id id)
{
    QStringList chiavi;
    for (const Layout::Controllo& c : Catalogo::layout(id).controlli)
        if (c.risposta)
            chiavi << Layout::chiave(c.nome, c.indice);
    return chiavi;
}

QList<QWidget*> risposte(Schermata& s)
{
    QList<QWidget*> r;
    for (const QString& k : chiaviRisposta(id(s)))
        r << controllo(s, k);
    return r;
}

QString quadro(Schermata& s)
{
    const FormEsercizio& e = esercizio(s);
    const bool si = !e.ComandoIconaSi->isHidden(), no = !e.ComandoIconaNo->isHidden();
    QString abilitate;
    for (QWidget* w : risposte(s))
        abilitate += w->isEnabled() ? '1' : '0';
    return QStringLiteral("%1 [%2|%3] avanti:%4 risposte:%5")
        .arg(si && no ? "both" : si ? "si" : no ? "no" : "none", e.EtichettaEsatti->testo(), e.EtichettaErrati->testo())
        .arg(e.Command2->isEnabled())
        .arg(abilitate);
}

int eseguiTest(int argc, char** argv, QObject* test)
{
    Applicazione::prepara(*qApp);
    const int esito = QTest::qExec(test, argc, argv);
    Applicazione::chiudi();
    return esito;
}

QList<int> mostrati(Schermata& s, const QString& nome)
{
    QList<int> v;
    for (int i = 0; QWidget* w = controllo(s, nome, i); ++i)
        if (!w->isHidden())
            v << i;
    return v;
}

double contrasto(const QColor& a, const QColor& b)
{
    // Relative luminance: the sRGB channels made linear, weighted as the eye sees them.
    const auto luce = [](const QColor& c) {
        const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF()) + 0.05;
    };
    return qMax(luce(a), luce(b)) / qMin(luce(a), luce(b));
}
