// The program played from the keyboard alone, as a child at a keyboard or with a switch
// (which types Space and Enter) plays it: every key goes where the keyboard sends it.
#include "support/Aiuto.h"

#include "Applicazione.h"
#include "framework/FormEsercizio.h"
#include "framework/Schermata.h"
#include "ui/Tela.h"

#include <QPushButton>

using Catalogo::Id;

namespace {
// Presses `tasto` in the next question, where the keyboard sends it; notes what it saw.
void TastoNelProssimo(const QString& tasto, std::shared_ptr<Domanda> r)
{
    nelProssimo([=](QMessageBox* box) {
        r->testo = box->text();
        r->predefinito = box->defaultButton() ? box->defaultButton()->text().remove('&') : QString();
        premiTasti(tasto);
        r->vista = !box->isVisible();
        if (box->isVisible())  // the key did not answer: close it, and the test fails
            box->reject();
    });
}

Controlli::Evidenza* Cursore(Schermata& s) { return s.window()->findChild<Controlli::Evidenza*>(); }

QString Contato(int n) { return n ? testoConteggio(int16_t(n)) : QStringLiteral("0"); }
}  // namespace

class TestTastiera : public QObject {
    Q_OBJECT
private slots:
    // A child mashing Space and Enter from the title never ends the program.
    void pestareNonFaUscire()
    {
        Ambiente a;
        Applicazione::Main();
        int premuti = 0;
        QObject vita;  // the last timer goes with the test
        // Each key from a timer of its own, so that keys also reach a question's own window.
        std::function<void()> pesta = [&] {
            if (premuti == 60 || !aperte())
                return;
            QTimer::singleShot(1, &vita, pesta);
            premiTasti(premuti++ % 3 ? "Space" : "Return");
        };
        pesta();
        QTRY_VERIFY_WITH_TIMEOUT(premuti == 60 || !aperte(), 20000);
        QCOMPARE(aperte(), 1);
        QVERIFY(id(*aperta()) != Id::FormAvvio);
    }

    // Every answer can be given from the keyboard: pressed by its own key or reached by the cursor.
    void ogniRispostaHaIlSuoTasto()
    {
        for (const Catalogo::Riga& v : Catalogo::righe())
            for (const Layout::Controllo& c : Catalogo::layout(v.id).controlli)
                QVERIFY2(!c.risposta || c.tappa || !c.tasti.isEmpty(), v.nome);
    }

    // The menu: the cursor starts on the first exercise; arrows move as the buttons stand,
    // stopping at the edges; Enter or Space opens the button it is on.
    void frecceDelMenu_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("pulsante");
        QTest::newRow("start") << "Space" << "Command11";
        QTest::newRow("down") << "Down Down Return" << "Command2";
        QTest::newRow("right") << "Right Space" << "Command6";
        QTest::newRow("edges") << "Left Up Return" << "Command11";
        QTest::newRow("bottom") << "Down Down Down Down Down Down Down Return" << "Command5";
        QTest::newRow("round") << "Right Down Down Down Down Left Up Right Return" << "Command9";
    }
    void frecceDelMenu()
    {
        QFETCH(QString, tasti);
        QFETCH(QString, pulsante);
        Ambiente a;
        Applicazione::Main();
        premiTasti("Return");
        Schermata& menu = schermo(Id::FormMenu);
        QVERIFY(menu.caricata());
        // Opened by a key: the cursor shows at once.
        QVERIFY(Cursore(menu)->isVisible());
        QCOMPARE(Cursore(menu)->bersaglio(), controllo(menu, "Command11"));
        premiTasti(tasti);
        const auto v = std::find_if(Catalogo::righe().begin(), Catalogo::righe().end(),
                                    [&](const Catalogo::Riga& x) { return pulsante == QLatin1String(x.pulsante); });
        QCOMPARE(id(*aperta()), v->id);
    }

    // Every question that ends something: "No" is the default, and Esc, Enter and Space answer "No";
    // Esc on an exercise asks as "Esci" does, and "Sì" then goes back to the menu.
    void domandeRispondonoNo_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QString>("tasto");
        const QStringList tasti = {"Esc", "Return", "Space"};
        int i = 0;
        for (const Catalogo::Riga& v : Catalogo::righe())
            if (v.id != Id::FormAvvio)
                QTest::newRow(v.nome) << int(v.id) << tasti[i++ % 3];
    }
    void domandeRispondonoNo()
    {
        QFETCH(int, schermo);
        QFETCH(QString, tasto);
        const bool menu = Id(schermo) == Id::FormMenu;
        const QString chiedi = menu ? "Right Down Down Down Down Down Return" : "Esc";
        Ambiente a;
        Schermata& s = apri(Id(schermo));
        auto r = std::make_shared<Domanda>();
        TastoNelProssimo(tasto, r);
        premiTasti(chiedi);
        QTRY_VERIFY(r->vista);
        QCOMPARE(r->testo, QString::fromUtf8(menu ? "Vuoi uscire dal programma?" : "Vuoi tornare al menù?"));
        QCOMPARE(r->predefinito, QString("No"));
        QVERIFY(s.caricata());
        auto si = rispondiAlProssimo(QMessageBox::Yes);
        premiTasti(menu ? "Return" : "Esc");
        QVERIFY(si->vista);
        QVERIFY(!s.caricata());
        QCOMPARE(aperte(), menu ? 0 : 1);
        QCOMPARE(::schermo(Id::FormMenu).caricata(), !menu);
    }

    // Whole exercises of every family from the keyboard: a wrong answer, the right one, every
    // answer key once more on the disabled answers (nothing happens), then Enter for "avanti".
    void esercizioATastiera_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QList<double>>("estratti");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<int>("esatti");
        QTest::addColumn<int>("errati");
        // Facing the child, "right" is the left half of the screen.
        QTest::newRow("Su di me") << int(Id::Form1) << QList<double>{0, 0.5, 0.75, 0.75} << "Return Right Left" << 1 << 1;
        QTest::newRow("Alla mia 1") << int(Id::Form2) << QList<double>{0, 0.5, 0.75, 0.75} << "Right Left" << 1 << 1;
        QTest::newRow("Alla mia 2") << int(Id::Form3) << QList<double>{0, 0.5, 0.75, 0.05} << "Left Right" << 1 << 1;
        // Pose 34, then 6 twice: true, false, true.
        QTest::newRow("Vero e falso 1") << int(Id::Form4) << QList<double>{0, 5.5 / 28, 0.75, 0.25} << "F V" << 1 << 1;
        QTest::newRow("Vero e falso 2") << int(Id::Form5) << QList<double>{0, 5.5 / 28, 0.75, 0.75} << "Left Right" << 1 << 1;
        QTest::newRow("Vero e falso 3") << int(Id::Form6) << QList<double>{0, 5.5 / 56, 0.25, 0.25} << "Right V" << 1 << 1;
        // Poses 1 2 3 6 7 8; the described one is Image1(4), (2), (5): middle right, bottom left, bottom right.
        const QList<double> sei = {0, 0.5 / 28, 1.5 / 28, 2.5 / 28, 5.5 / 28, 6.5 / 28, 7.5 / 28};
        QTest::newRow("Il detective 1") << int(Id::Form7) << sei + QList<double>{0.75} << "Return Right Down Return" << 1 << 1;
        QTest::newRow("Il detective 2") << int(Id::Form8) << sei + QList<double>{0.4} << "Right Return Left Down Down Return" << 1 << 1;
        QTest::newRow("Il detective 3") << int(Id::Form9) << sei + QList<double>{0.25, 0.9} << "Left Up Return Down Down Right Return" << 1 << 1;
        // Animal 4, right of the line.
        QTest::newRow("A destra di 1") << int(Id::FormDentroFuori1) << QList<double>{0.1} << "Left Right" << 1 << 1;
        // Animal 5, right of both lines: "A SINISTRA DEL GIALLO" wrong, then the two right ones.
        QTest::newRow("A destra di 2") << int(Id::Form10) << QList<double>{0.1}
                                       << "Tab Tab Return Shift+Tab Shift+Tab Return Tab Return" << 2 << 1;
    }
    void esercizioATastiera()
    {
        QFETCH(int, schermo);
        QFETCH(QList<double>, estratti);
        QFETCH(QString, tasti);
        QFETCH(int, esatti);
        QFETCH(int, errati);
        Ambiente a;
        for (double r : estratti)
            a.casuale.aggiungi({r});
        FormEsercizio& s = esercizio(apri(Id(schermo)));
        premiTasti(tasti);
        QCOMPARE(s.EtichettaEsatti->testo(), Contato(esatti));
        QCOMPARE(s.EtichettaErrati->testo(), Contato(errati));
        QCOMPARE(a.lettore.nomi().count("no.wav"), errati);
        QCOMPARE(a.lettore.nomi().size(), esatti + errati);
        QVERIFY(s.Command2->isEnabled());

        QStringList tuttiITasti = {"Left", "Right", "Up", "Down", "Tab", "Shift+Tab"};
        for (const Layout::Controllo& c : s.layout().controlli)
            if (c.risposta)
                for (int k : c.tasti)
                    tuttiITasti << QKeySequence(k).toString();
        premiTasti(tuttiITasti.join(' '));
        QCOMPARE(a.lettore.nomi().size(), esatti + errati);
        QCOMPARE(s.EtichettaEsatti->testo(), Contato(esatti));

        const int prima = a.casuale.consumati();
        premiTasti("Space");
        QVERIFY(a.casuale.consumati() > prima);
        QVERIFY(!s.Command2->isEnabled());
        for (QWidget* w : s.controlliRisposta())
            QVERIFY(w->isEnabled());
    }

    // The cursor shows only once the keyboard is used, and reads on every background colour.
    void cursoreVisibileSoloDaTastiera()
    {
        Ambiente a;
        Schermata& menu = apri(Id::FormMenu);
        clicca(menu.tela(), QPoint(5, 5));
        QWidget* giu = controllo(menu, "Command12");
        const QRect g = giu->geometry().translated(menu.tela()->pos());
        // A strip from the canvas into the button, across where the ring stands.
        const auto risalto = [&] {
            const QImage im = menu.window()->grab().toImage();
            double massimo = 1;
            for (int x = g.left() - 10; x < g.left(); ++x)
                massimo = qMax(massimo, contrasto(im.pixelColor(x, g.center().y()), Controlli::colore(menu.sfondo())));
            return massimo;
        };
        QVERIFY(!Cursore(menu)->isVisible());
        QVERIFY(risalto() < 1.1);
        premiTasti("Down");
        QCOMPARE(Cursore(menu)->bersaglio(), giu);
        // 3 to 1: the least the WCAG asks of what marks a control.
        for (uint32_t colore : std::span(ModuloColoriSuoni::Colori).subspan(1)) {
            menu.impostaSfondo(colore);
            QVERIFY2(risalto() > 3, qPrintable(QString::number(colore, 16)));
        }
        clicca(menu.tela(), QPoint(5, 5));
        QVERIFY(!Cursore(menu)->isVisible());
    }

    // A screen smaller than a window: the window opens scaled down to fit, frame included.
    void finestraNelloSchermo_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("barra");
        QTest::addColumn<QRect>("libero");
        QTest::newRow("title, large screen") << QSize(687, 600) << 0 << QRect(0, 0, 1280, 1000);
        QTest::newRow("title, 600 px tall") << QSize(687, 600) << 0 << QRect(0, 0, 1024, 600);
        QTest::newRow("exercise, 640 x 480 and a panel") << QSize(640, 493) << 24 << QRect(0, 28, 640, 452);
        QTest::newRow("menu, narrow") << QSize(602, 518) << 0 << QRect(0, 0, 500, 700);
    }
    void finestraNelloSchermo()
    {
        QFETCH(QSize, client);
        QFETCH(int, barra);
        QFETCH(QRect, libero);
        const QMargins cornice(4, 30, 4, 4);
        const QSize m = misuraNelloSchermo(client, barra, libero, cornice);
        const QSize dentro = (libero - cornice).size();
        QVERIFY(m.width() <= dentro.width() && m.height() <= dentro.height());
        QVERIFY(m.width() <= client.width() && m.height() - barra <= client.height());
        // Proportions kept, and no smaller than needed: one side fills the room or stays designed.
        QVERIFY(qAbs(qreal(m.width()) / (m.height() - barra) - qreal(client.width()) / client.height()) < 0.01);
        QVERIFY(m.width() >= qMin(client.width(), dentro.width()) - 1 || m.height() >= qMin(client.height() + barra, dentro.height()) - 1);
    }
};

BUSSOLINO_TEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
