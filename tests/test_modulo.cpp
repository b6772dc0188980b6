// Shared state and services: the pose table, the counters, the colour and sound draws.
#include "support/Aiuto.h"

#include "services/Modulo1.h"

#include <QSet>

using namespace Modulo1;

class TestModulo : public QObject {
    Q_OBJECT
private slots:
    void tabellaRigheSpecchiate()
    {
        QCOMPARE(GambeUnite(1), false);
        QCOMPARE(BraccioDestro(1), 1);
        QCOMPARE(BraccioSinistro(1), 1);
        QCOMPARE(BraccioDestro(56), 3);
        QCOMPARE(BraccioSinistro(56), 4);
        for (int r = 1; r <= 28; ++r) {
            QCOMPARE(BraccioDestro(r + 28), BraccioSinistro(r));
            QCOMPARE(BraccioSinistro(r + 28), BraccioDestro(r));
            QCOMPARE(GambeUnite(r + 28), GambeUnite(r));
        }
        for (int r : {0, 57, 58, 59, 60}) {
            QCOMPARE(GambeUnite(r), false);
            QCOMPARE(BraccioDestro(r), 0);
            QCOMPARE(BraccioSinistro(r), 0);
        }
        // Only rows 1-5 and 29-33 hold both arms alike; 4 and 5 are one pose.
        for (int r = 1; r <= 56; ++r) {
            const bool uguali = (r <= 5) || (r >= 29 && r <= 33);
            QCOMPARE(BraccioDestro(r) == BraccioSinistro(r), uguali);
            QVERIFY(BraccioDestro(r) >= 1 && BraccioDestro(r) <= 4);
        }
        QCOMPARE(GambeUnite(4), GambeUnite(5));
        QCOMPARE(BraccioDestro(4), BraccioDestro(5));
    }

    void conteggiAzzeratiESaturati()
    {
        ContaEsatti = 7;
        ContaErrati = 3;
        AzzeraConteggio();
        AzzeraConteggio();
        QCOMPARE(ContaEsatti, 0);
        QCOMPARE(ContaErrati, 0);
        int16_t n = 32766;
        incrementa(n);
        QCOMPARE(n, 32767);
        incrementa(n);
        QCOMPARE(n, 32767);
    }

    void sorgenteScriptata()
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

    void coloriDallaListaQuasiUniformi()
    {
        Ambiente a;
        Casuale::impostaSorgente(nullptr);
        const QSet<uint32_t> lista = {0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
                                      0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
                                      0xFFC0C0, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};
        QHash<uint32_t, int> visti;
        const int n = 18000;
        for (int i = 0; i < n; ++i)
            ++visti[ModuloColoriSuoni::ColoreCasuale()];
        QCOMPARE(QSet<uint32_t>(visti.keyBegin(), visti.keyEnd()), lista);
        for (auto it = visti.cbegin(); it != visti.cend(); ++it) {
            const double atteso = n / 18.0 * (it.key() == 0xFFC0FF ? 2 : 1);
            QVERIFY2(qAbs(it.value() - atteso) < atteso * 0.15, qPrintable(QString::number(it.key(), 16)));
        }
        // The ends of the draw land on the first and last slot.
        a.casuale.aggiungi({0.0, 0.9999999});
        Casuale::impostaSorgente(&a.casuale);
        QCOMPARE(ModuloColoriSuoni::ColoreCasuale(), 0xC0C0FFu);
        QCOMPARE(ModuloColoriSuoni::ColoreCasuale(), 0xFF00FFu);
    }

    void suoniDallaListaQuasiUniformi()
    {
        Ambiente a;
        Casuale::impostaSorgente(nullptr);
        const int n = 8000;
        for (int i = 0; i < n; ++i)
            ModuloColoriSuoni::SuonoGiusto();
        ModuloColoriSuoni::SuonoSbagliato();
        QHash<QString, int> visti;
        for (const QString& s : a.lettore.suonati) {
            QVERIFY(s.startsWith(a.cartella.path() + "/suoni/"));
            ++visti[s.section('/', -1)];
        }
        QCOMPARE(visti.size(), 5);
        QCOMPARE(visti.value("no.wav"), 1);
        for (const char* f : {"si1.wav", "si2.wav", "si3.wav", "si4.wav"})
            QVERIFY2(qAbs(visti.value(f) - n / 4) < n / 4 * 0.1, f);
    }

    void informazioniEUscita()
    {
        Ambiente a;
        auto r = RispondiAlProssimo(QMessageBox::Ok);
        MostraInformazioni(nullptr);
        QVERIFY(r->vista);
        QCOMPARE(r->titolo, QString("Bussolino"));
        QCOMPARE(r->icona, QMessageBox::Information);
        const QStringList righe = r->testo.split("\r\n");
        QCOMPARE(righe.size(), 4);
        QCOMPARE(righe[0], QString("Bussolino  "));
        QCOMPARE(righe[1], QString(" ----------------------- "));
        QVERIFY(righe[3].startsWith("mail: "));
    }
};

BUSSOLINO_TEST_MAIN(TestModulo)
#include "test_modulo.moc"
