// Every screen as designed: each control where its table puts it, at scale 1 and scale 2,
// stacked as designed, and clicks reaching the scaled controls.
#include "support/Aiuto.h"

#include "framework/Schermata.h"
#include "ui/Tela.h"

#include <QMenuBar>
#include <cmath>

using Schermate::Id;

namespace {

QRect Atteso(const Layout::Controllo& c, qreal scala)
{
    const auto px = [&](int twip) { return int(std::lround(twip * scala / 15)); };
    if (c.tipo == Layout::Tipo::Linea) {
        const int spessore = int(std::lround(c.spessore * scala));
        return {px(c.posto.sinistra) - spessore / 2, px(c.posto.alto), spessore, px(c.posto.alto + c.posto.altezza) - px(c.posto.alto)};
    }
    return {px(c.posto.sinistra), px(c.posto.alto), px(c.posto.sinistra + c.posto.larghezza) - px(c.posto.sinistra), px(c.posto.alto + c.posto.altezza) - px(c.posto.alto)};
}

void Ridimensiona(Schermata& s, qreal scala)
{
    const QSize base = s.tela()->dimensioneProgettata();
    const int barra = s.layout().menu.isEmpty() ? 0 : s.window()->menuBar()->height();
    s.window()->resize(int(base.width() * scala), int(base.height() * scala) + barra);
    QCoreApplication::processEvents();
}
}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void ogniControlloAlSuoPosto_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<qreal>("scala");
        for (const Schermate::Voce& v : Schermate::tabella())
            for (qreal scala : {1.0, 2.0})
                QTest::newRow(qPrintable(QString("%1 x%2").arg(v.nome).arg(scala))) << int(v.id) << scala;
    }
    void ogniControlloAlSuoPosto()
    {
        QFETCH(int, schermo);
        QFETCH(qreal, scala);
        Ambiente a;
        Schermata& s = Apri(Id(schermo));
        Ridimensiona(s, scala);
        QCOMPARE(s.tela()->scala(), scala);
        QCOMPARE(s.tela()->origine(), QPoint(0, 0));
        const QRect client(QPoint(0, 0), s.tela()->dimensioneProgettata() * scala);
        for (const Layout::Controllo& c : s.layout().controlli) {
            QWidget* w = s.controllo(c.nome, c.indice);
            const QString chi = Layout::chiave(c.nome, c.indice);
            QVERIFY2(w, qPrintable(chi));
            QCOMPARE(w->geometry(), Atteso(c, scala));
            // Inside the window, or inside the picture box that holds it (a line may run past its
            // box's lower edge: the box cuts it off).
            QWidget* padre = w->parentWidget();
            const QRect dentro = padre == s.tela() ? client : QRect(QPoint(0, 0), padre->size());
            QRect r = w->geometry();
            if (c.tipo == Layout::Tipo::Linea)
                r.setBottom(qMin(r.bottom(), dentro.bottom()));
            QVERIFY2(dentro.contains(r), qPrintable(chi));
            if (c.tipo != Layout::Tipo::Linea && c.tipo != Layout::Tipo::Riquadro && c.tipo != Layout::Tipo::Immagine)
                QCOMPARE(w->font().pixelSize(), int(std::lround(c.carattere.punti * 4 / 3 * scala)));
        }
    }

    void margineCentratoColColoreDelloSfondo()
    {
        Ambiente a;
        Schermata& s = Apri(Id::FormDentroFuori1);
        const QSize base = s.tela()->dimensioneProgettata();
        s.window()->resize(base.width() * 3, base.height() * 2 + s.window()->menuBar()->height());
        QCoreApplication::processEvents();
        QCOMPARE(s.tela()->scala(), 2.0);
        QCOMPARE(s.tela()->origine(), QPoint(qRound(base.width() / 2.0), 0));
        const QImage foto = s.tela()->grab().toImage();
        QCOMPARE(foto.pixelColor(3, foto.height() / 2), Controlli::colore(Layout::CianoChiaro));
        QCOMPARE(foto.pixelColor(foto.width() - 3, 3), Controlli::colore(Layout::CianoChiaro));
    }

    void facceSovrapposteLaRidenteDavanti_data()
    {
        QTest::addColumn<int>("schermo");
        for (const Schermate::Voce& v : Schermate::tabella())
            if (Schermate::esercizio(v.id))
                QTest::newRow(v.nome) << int(v.id);
    }
    void facceSovrapposteLaRidenteDavanti()
    {
        QFETCH(int, schermo);
        Ambiente a;
        Schermata& s = Apri(Id(schermo));
        QWidget* si = s.controllo("ComandoIconaSi");
        QWidget* no = s.controllo("ComandoIconaNo");
        QCOMPARE(si->geometry(), no->geometry());
        QVERIFY(si->isVisible() && no->isVisible());
        QCOMPARE(s.tela()->childAt(si->geometry().center()), si);
    }

    void clickAScalaDue()
    {
        // Facing figure, "DESTRO": the left half is right, the right half wrong.
        Ambiente a;
        a.casuale.aggiungi({0.5, 0.1, 0.9, 0.9});
        Schermata& s = Apri(Id::Form1);
        Ridimensiona(s, 2.0);
        QWidget* tela = s.tela();
        // The click areas lie over the picture; a click through the canvas finds them.
        const QPoint destra = s.controllo("Label3", 1)->geometry().center();
        QCOMPARE(tela->childAt(destra), s.controllo("Label3", 1));
        QTest::mouseClick(tela->childAt(destra), Qt::LeftButton);
        QCOMPARE(s.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        const QPoint sinistra = s.controllo("Label3", 0)->geometry().center();
        QTest::mouseClick(tela->childAt(sinistra), Qt::LeftButton);
        QCOMPARE(s.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QVERIFY(s.pulsante("Command2")->isEnabled());
    }

    void contiLeggibiliSuOgniColore()
    {
        Ambiente a;
        Schermata& s = Apri(Id::Form1);
        for (uint32_t colore : {0xC0C0FFu, 0x8080FFu, 0x0000FFu, 0x80C0FFu, 0x0080FFu, 0xC0FFFFu, 0x00FFFFu, 0x0040C0u,
                                0x80FF80u, 0x00C000u, 0xFFFFC0u, 0xFFFF00u, 0xFFC0C0u, 0xFFC0FFu, 0xE0E0E0u, 0xFF0000u,
                                0xFF00FFu}) {
            s.impostaSfondo(colore);
            const QColor testo = s.etichetta("EtichettaEsatti")->palette().color(QPalette::WindowText);
            const QColor fondo = Controlli::colore(colore);
            const auto luce = [](const QColor& c) { return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF(); };
            QVERIFY2(qAbs(luce(testo) - luce(fondo)) > 0.4, qPrintable(QString::number(colore, 16)));
        }
    }

    void ordineDiTabulazioneDelMenu()
    {
        Ambiente a;
        Schermata& m = Apri(Id::FormMenu);
        QWidget* w = m.controllo("Command1");
        for (int i = 2; i <= 12; ++i) {
            w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), QString("Command%1").arg(i));
        }
    }
};

BUSSOLINO_TEST_MAIN(TestLayout)
#include "test_layout.moc"
