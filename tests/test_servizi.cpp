// The shared services: the pose table, the counters, the random source, and the draws of the
// background colour and of the right-answer sound; when start-up may skip the session bus.
#include "support/Aiuto.h"

#include "Applicazione.h"
#include "services/Lavori.h"
#include "services/Modulo1.h"

#include <QFile>
#include <QOperatingSystemVersion>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>

using namespace Modulo1;

class TestServizi : public QObject {
    Q_OBJECT
private slots:
    void tabellaDellePose()
    {
        for (int r = 1; r <= 28; ++r) {
            // Rows 29 to 56 are the same figures from behind: the arms swap sides.
            QCOMPARE(BraccioDestro(r + 28), BraccioSinistro(r));
            QCOMPARE(BraccioSinistro(r + 28), BraccioDestro(r));
            QCOMPARE(GambeUnite(r + 28), GambeUnite(r));
            // Only rows 1 to 5 hold both arms alike.
            QCOMPARE(BraccioDestro(r) == BraccioSinistro(r), r <= 5);
        }
        QSet<int> pose;
        for (int r = 1; r <= 28; ++r) {
            QVERIFY(BraccioDestro(r) >= 1 && BraccioDestro(r) <= 4 && BraccioSinistro(r) >= 1 && BraccioSinistro(r) <= 4);
            pose << GambeUnite(r) * 100 + BraccioDestro(r) * 10 + BraccioSinistro(r);
        }
        QCOMPARE(pose.size(), 27);  // 4 and 5 are the one twin pose
        QCOMPARE(BraccioDestro(56) * 10 + BraccioSinistro(56), 34);
        for (int r : {0, 57, 60})
            QCOMPARE(GambeUnite(r) + BraccioDestro(r) + BraccioSinistro(r), 0);
    }

    void conteggioFermoAlMassimo()
    {
        Conteggio c{.ContaEsatti = 32766, .ContaErrati = 32766};
        for (int i = 0; i < 2; ++i)
            c.esatto(), c.errato();
        QCOMPARE(c.ContaEsatti, int16_t(32767));
        QCOMPARE(c.ContaErrati, int16_t(32767));
        conteggio = c;
        AzzeraConteggio();
        QCOMPARE(conteggio.ContaEsatti + conteggio.ContaErrati, 0);
    }

    void sorgenteCasuale()
    {
        Casuale::Copione c({0.15, 0.999999, 0.0});
        Casuale::impostaSorgente(&c);
        QCOMPARE(Casuale::Int(28) + 1, 5);
        QCOMPARE(Casuale::Int(28) + 1, 28);
        QCOMPARE(Casuale::Int(2), 0);
        QCOMPARE(c.consumati(), 3);
        Casuale::impostaSorgente(nullptr);
        Casuale::Generatore g(42);
        for (int i = 0; i < 100000; ++i) {
            const double r = g.r();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    // Every colour of the list comes, near uniformly (light violet stands there twice); the
    // ends of the draw land on the first and last colour.
    void coloriESuoni()
    {
        Ambiente a;
        Casuale::impostaSorgente(nullptr);
        const std::span<const uint32_t> lista = std::span(ModuloColoriSuoni::Colori).subspan(1);  // slot 0 is never drawn
        QHash<uint32_t, int> colori;
        QHash<QString, int> suoni;
        const int n = 18000;
        for (int i = 0; i < n; ++i) {
            ++colori[ModuloColoriSuoni::ColoreCasuale()];
            ModuloColoriSuoni::SuonoGiusto();
        }
        ModuloColoriSuoni::SuonoSbagliato();
        // Every slot as likely as the others: a colour standing in two comes twice as often.
        QCOMPARE(colori.size(), QSet<uint32_t>(lista.begin(), lista.end()).size());
        for (uint32_t c : colori.keys()) {
            const double atteso = n / 18.0 * std::ranges::count(lista, c);
            QVERIFY2(qAbs(colori.value(c) - atteso) < atteso * 0.15, qPrintable(QString::number(c, 16)));
        }
        for (const QString& s : a.lettore.suonati) {
            QVERIFY(s.startsWith(a.cartella.path() + "/suoni/"));
            ++suoni[s.section('/', -1)];
        }
        QCOMPARE(suoni.value("no.wav"), 1);
        for (const char* s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav"})
            QVERIFY2(qAbs(suoni.value(s) - n / 4) < n / 40, s);
        a.copione({0.0, 0.9999999});
        Casuale::impostaSorgente(&a.casuale);
        QCOMPARE(ModuloColoriSuoni::ColoreCasuale(), lista.front());
        QCOMPARE(ModuloColoriSuoni::ColoreCasuale(), lista.back());
    }

    // Work off the main thread: one thread a name, tasks in order; stopping drops what waits,
    // lets what runs see it is stopped, and leaves no thread behind.
    void lavoriConUnPadrone()
    {
        std::atomic<int> fatti = 0;
        std::atomic<bool> vistoFermo = false;
        QList<int> ordine;
        for (int i = 0; i < 3; ++i)
            Lavori::esegui("prova", [&, i] { ordine << i; });
        Lavori::attendi("prova");
        QCOMPARE(ordine, (QList<int>{0, 1, 2}));
        std::atomic<bool> partito = false;
        Lavori::esegui("prova", [&] {
            partito = true;
            while (!Lavori::fermato())
                QThread::msleep(1);
            vistoFermo = true;
        });
        Lavori::esegui("prova", [&] { ++fatti; });
        while (!partito)
            QThread::msleep(1);
        Lavori::fermaTutti();
        QVERIFY(vistoFermo);
        QCOMPARE(fatti.load(), 0);
        Lavori::esegui("prova", [&] { ++fatti; });  // after a stop, work starts afresh
        Lavori::attendi("prova");
        QCOMPARE(fatti.load(), 1);
    }

    // Screen readers need the session bus: it is skipped only when it can neither be found
    // nor started.
    void busDiSessione()
    {
        using Applicazione::busIrraggiungibile;
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
            QSKIP("Windows has no permission to run a file, and its Qt has no session bus to find");
        QTemporaryDir runtime;
        const QByteArray cartella = QFile::encodeName(runtime.path());
        const QByteArray avviatore = cartella + "/avvia-bus";
        QVERIFY(busIrraggiungibile(nullptr, cartella, avviatore));
        QVERIFY(busIrraggiungibile(nullptr, nullptr, avviatore));
        QVERIFY(!busIrraggiungibile("unix:path=/run/user/1000/bus", cartella, avviatore));
        QVERIFY(!busIrraggiungibile("", cartella, avviatore));
        QFile f(runtime.filePath("avvia-bus"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(busIrraggiungibile(nullptr, cartella, avviatore));  // there, but cannot be run
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        QVERIFY(!busIrraggiungibile(nullptr, cartella, avviatore));
        f.remove();
        QFile bus(runtime.filePath("bus"));
        QVERIFY(bus.open(QIODevice::WriteOnly));
        QVERIFY(!busIrraggiungibile(nullptr, cartella, avviatore));
    }
};

BUSSOLINO_TEST_MAIN(TestServizi)
#include "test_servizi.moc"
