// The frame every exercise shares, on each of the eleven screens, reached from the title and the
// menu through real clicks: counts, faces, "avanti", the reset, the information box, "Esci",
// and opening again; then the title, the menu's "Esci" and closing a window.
#include "support/Aiuto.h"
#include "Applicazione.h"
#include "framework/Registro.h"

#include "services/Modulo1.h"
#include "ui/Tela.h"

#include <QMenuBar>

namespace {
QAction* voceDiMenu(Schermata& s, int i) { return s.comando(i); }
}  // namespace

struct RigaEsercizioIntero { int id; QList<double> copione; QString sbagliata; QStringList giuste; };
Q_DECLARE_METATYPE(RigaEsercizioIntero)

class TestCornice : public QObject {
    Q_OBJECT
private slots:
    // Each row: the draws that force one exercise (colour first where the screen draws one), a
    // wrong answer and the right ones.
    void esercizioIntero_data()
    {
        QTest::addColumn<RigaEsercizioIntero>("riga");
        const double c = 0.5, f3 = estrai(2, 28), f6 = estrai(5, 28);
        const QList<double> sei{estrai(5, 28), estrai(6, 28), estrai(7, 28), estrai(8, 28), estrai(9, 28), estrai(10, 28)};
        const QStringList l3{"Label3(0)"}, c1{"Command1"}, i0{"Image1(0)"};
        QTest::newRow("Form1") << RigaEsercizioIntero{int(Id::Form1), QList<double>{c, f3, .75, .75}, "Label3(1)", l3};
        QTest::newRow("Form2") << RigaEsercizioIntero{int(Id::Form2), QList<double>{c, f3, .75, .75}, "Label3(1)", l3};
        QTest::newRow("Form3") << RigaEsercizioIntero{int(Id::Form3), QList<double>{c, f3, .75, estrai(0, 10)}, "Command3", c1};
        QTest::newRow("Form4") << RigaEsercizioIntero{int(Id::Form4), QList<double>{c, f6, .75, .25}, "Command3", c1};
        QTest::newRow("Form5") << RigaEsercizioIntero{int(Id::Form5), QList<double>{c, f6, .75, .25}, "Command3", c1};
        QTest::newRow("Form6") << RigaEsercizioIntero{int(Id::Form6), QList<double>{c, estrai(5, 56), .75, .25}, "Command3", c1};
        QTest::newRow("Form7") << RigaEsercizioIntero{int(Id::Form7), QList<double>{c} + sei + QList<double>{estrai(0, 6)}, "Image1(1)", i0};
        QTest::newRow("Form8") << RigaEsercizioIntero{int(Id::Form8), QList<double>{c} + sei + QList<double>{estrai(0, 6)}, "Image1(5)", i0};
        QTest::newRow("Form9") << RigaEsercizioIntero{int(Id::Form9), QList<double>{c} + sei + QList<double>{.75, estrai(0, 6)}, "Image1(3)", i0};
        QTest::newRow("FormDentroFuori1") << RigaEsercizioIntero{int(Id::FormDentroFuori1), QList<double>{estrai(2, 30)}, "Command3", c1};
        QTest::newRow("Form10") << RigaEsercizioIntero{int(Id::Form10), QList<double>{estrai(2, 45)}, "Command3", QStringList{"Command1", "Command4"}};
    }
    void esercizioIntero()
    {
        QFETCH(RigaEsercizioIntero, riga);
        const auto& [id, copione, sbagliata, giuste] = riga;
        const Catalogo::Riga& r = Catalogo::riga(Id(id));
        const bool proprio = Id(id) == Id::Form10 || Id(id) == Id::FormDentroFuori1;
        const QString tutte(chiaviRisposta(Id(id)).size(), '1'), nessuna(tutte.size(), '0');
        const QString giusta = QStringLiteral(" %1").arg(giuste.size());
        Ambiente a;
        for (double r : QList<double>{0.5, 0.5} + copione + QList<double>(giuste.size(), 0.0) + copione + QList<double>{0.5} + copione)
            a.copione({r});
        Applicazione::Main();
        clicca(pulsante(schermo(Id::FormAvvio), "BottoneAvvio"));
        Schermata& menu = schermo(Id::FormMenu);
        QCOMPARE(pulsante(menu, r.pulsante)->text(), QString::fromUtf8(r.didascalia));
        clicca(pulsante(menu, r.pulsante));
        Schermata& s = schermo(Id(id));
        QVERIFY(s.caricata() && !menu.caricata());
        QCOMPARE(aperte(), 1);
        QCOMPARE(s.window()->windowTitle(), QString::fromUtf8(r.titolo));
        // The menu bar shows its items' texts as written, blanks included.
        QStringList barra, progettata;
        for (QAction* v : s.window()->menuBar()->actions())
            barra << v->text();
        for (const Layout::ComandoMenu& m : s.layout().menu)
            progettata << m.testo;
        QCOMPARE(barra, progettata);
        const uint32_t sfondo = Id(id) == Id::Form10 ? 0xFFC0FF : proprio ? 0xFFFFC0 : 0x00C000;
        QCOMPARE(s.sfondo(), sfondo);
        QCOMPARE(quadro(s), "both [0|0] avanti:0 risposte:" + tutte);

        // Wrong twice: the sad face, the errors counted, the exercise stays open.
        clicca(controllo(s, sbagliata));
        QCOMPARE(quadro(s), "no [0| 1] avanti:0 risposte:" + tutte);
        clicca(controllo(s, sbagliata));
        QCOMPARE(quadro(s), "no [0| 2] avanti:0 risposte:" + tutte);
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "no.wav"}));
        // Right: the laughing face, counted; the answers close and "avanti" opens.
        for (const QString& g : giuste)
            clicca(controllo(s, g));
        QCOMPARE(quadro(s), "si [" + giusta + "| 2] avanti:1 risposte:" + nessuna);
        QCOMPARE(a.lettore.nomi().mid(2), QStringList(giuste.size(), QString("si1.wav")));
        QTest::mouseClick(controllo(s, giuste[0]), Qt::LeftButton);
        QCOMPARE(a.lettore.suonati.size(), 2 + giuste.size());

        // "avanti": a new exercise; the counts and the face of the last answer stay.
        clicca(pulsante(s, "Command2"));
        QCOMPARE(quadro(s), "si [" + giusta + "| 2] avanti:0 risposte:" + tutte);
        QCOMPARE(s.sfondo(), sfondo);

        // The reset: counts only, and the next answer counts from 0.
        voceDiMenu(s, 0)->trigger();
        QCOMPARE(quadro(s), "si [0|0] avanti:0 risposte:" + tutte);
        clicca(controllo(s, sbagliata));
        QCOMPARE(quadro(s), "no [0| 1] avanti:0 risposte:" + tutte);

        auto info = rispondiAlProssimo(QMessageBox::Ok);
        voceDiMenu(s, 1)->trigger();
        QCOMPARE(info->testo.split("\r\n"), (QStringList{"Bussolino  ", " ----------------------- ",
                                                          Modulo1::IndirizzoWeb, QString("mail: ") + Modulo1::IndirizzoPosta}));
        QCOMPARE(info->titolo, QString("Bussolino"));
        QCOMPARE(info->icona, QMessageBox::Information);
        QCOMPARE(quadro(s), "no [0| 1] avanti:0 risposte:" + tutte);

        // "Esci": "No" keeps everything; "Sì" goes back to the menu.
        auto no = rispondiAlProssimo(QMessageBox::No);
        voceDiMenu(s, 2)->trigger();
        QCOMPARE(no->testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(no->bottoni, (QStringList{QString::fromUtf8("Sì"), "No"}));
        QCOMPARE(no->predefinito, QString("No"));
        QCOMPARE(no->icona, QMessageBox::Question);
        QCOMPARE(quadro(s), "no [0| 1] avanti:0 risposte:" + tutte);
        auto si = rispondiAlProssimo(QMessageBox::Yes);
        voceDiMenu(s, 2)->trigger();
        QVERIFY(si->vista && !s.caricata() && menu.caricata());
        QCOMPARE(aperte(), 1);
        // The menu zeroes the shared counts as it opens.
        QCOMPARE(Modulo1::conteggio.ContaEsatti + Modulo1::conteggio.ContaErrati, 0);

        // Opened again: as designed, counting from 0.
        clicca(pulsante(menu, r.pulsante));
        QCOMPARE(quadro(s), "both [0|0] avanti:0 risposte:" + tutte);
        clicca(controllo(s, sbagliata));
        QCOMPARE(quadro(s), "no [0| 1] avanti:0 risposte:" + tutte);
    }

    void titoloEMenu()
    {
        Ambiente a;
        a.copione({0.0, estrai(2, 18)});  // light pink, then red
        Applicazione::Main();
        Schermata& avvio = schermo(Id::FormAvvio);
        QCOMPARE(avvio.sfondo(), 0xC0C0FFu);
        QCOMPARE(avvio.tela()->size(), QSize(687, 600));
        QCOMPARE(etichetta(avvio, "Label2", 0)->testo(), QString("Bussolino"));
        QCOMPARE(pulsante(avvio, "BottoneAvvio")->text(), QString("Avvio"));
        clicca(pulsante(avvio, "BottoneAvvio"));
        Schermata& menu = schermo(Id::FormMenu);
        QVERIFY(!avvio.caricata() && menu.caricata());
        QCOMPARE(menu.sfondo(), 0x0000FFu);
        QCOMPARE(menu.tela()->size(), QSize(602, 518));

        auto no = rispondiAlProssimo(QMessageBox::No);
        clicca(pulsante(menu, "Command1"));
        QCOMPARE(no->testo, QString("Vuoi uscire dal programma?"));
        QCOMPARE(no->titolo, QString("Bussolino"));
        QCOMPARE(no->predefinito, QString("No"));
        QVERIFY(menu.caricata());
        QCOMPARE(menu.sfondo(), 0x0000FFu);
        rispondiAlProssimo(QMessageBox::Yes);
        clicca(pulsante(menu, "Command1"));
        QCOMPARE(aperte(), 0);
    }

    // Closing a window through its frame ends the program, wherever the child is.
    void chiusuraDallaCornice_data()
    {
        QTest::addColumn<int>("id");
        for (Id id : {Id::FormAvvio, Id::FormMenu, Id::Form7, Id::Form10})
            QTest::addRow("%d", int(id)) << int(id);
    }
    void chiusuraDallaCornice()
    {
        QFETCH(int, id);
        Ambiente a;
        apri(Id(id)).window()->close();
        QCOMPARE(aperte(), 0);
    }
};

BUSSOLINO_TEST_MAIN(TestCornice)
#include "test_cornice.moc"
