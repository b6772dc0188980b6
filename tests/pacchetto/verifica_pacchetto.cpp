// The program folder unpacked from the .deb (BUSSOLINO_PACCHETTO) holds every figure and
// every sound the program asks for, and the program plays from it: title, menu, one exercise.
#include "support/Aiuto.h"

#include "app/Figure.h"
#include "app/PluginSuono.h"
#include "app/Modulo1.h"
#include "app/Percorsi.h"
#include "app/Schermata.h"

#include <QFileInfo>

using Schermate::Id;

class VerificaPacchetto : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        cartella = qEnvironmentVariable("BUSSOLINO_PACCHETTO");
        QVERIFY2(QFileInfo(cartella + "/bussolino").isExecutable(), qPrintable(cartella + " holds no program"));
    }

    void ogniFigura()
    {
        Percorsi::ImpostaCartellaProgramma(cartella);
        Figure::SvuotaCache();
        for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
            const QImage i = Figure::Carica(n);
            QVERIFY2(!i.isNull(), qPrintable(Percorsi::Figura(n)));
            QVERIFY(i.width() > 50 && i.height() > 50);
        }
    }

    void ogniSuono()
    {
        Percorsi::ImpostaCartellaProgramma(cartella);
        for (const char* s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
            QString problema;
            const QByteArray pcm = PluginSuono::decodifica(Percorsi::Suono(s), &problema);
            // At least a tenth of a second of 16-bit mono at 44.1 kHz.
            QVERIFY2(pcm.size() > PluginSuono::Frequenza / 10 * 2, qPrintable(QString(s) + ": " + problema));
        }
    }

    void titoloMenuEUnEsercizio()
    {
        Ambiente a(false);
        Percorsi::ImpostaCartellaProgramma(cartella);
        Figure::SvuotaCache();
        Modulo1::Main();
        Clicca(Schermate::Oggetto(Id::FormAvvio).pulsante("BottoneAvvio"));
        Schermata& menu = Schermate::Oggetto(Id::FormMenu);
        QVERIFY(menu.caricata());
        Clicca(menu.pulsante("Command2"));  // "Su di me "
        Schermata& su = Schermate::Oggetto(Id::Form1);
        QVERIFY(su.caricata());
        QCOMPARE(Schermate::Aperte(), 1);
        // The figure on show is one of the unpacked pictures.
        const QImage figura = su.immagine("Image1")->immagine();
        QVERIFY(!figura.isNull());
        bool trovata = false;
        for (int n = 1; n <= Modulo1::NumeroPose && !trovata; ++n)
            trovata = Figure::Carica(n) == figura;
        QVERIFY(trovata);
        // An answer, right or wrong, plays a sound from the unpacked folder.
        Clicca(su.etichetta("Label3", 0));
        QCOMPARE(a.lettore.suonati.size(), 1);
        QVERIFY2(a.lettore.suonati[0].startsWith(cartella + "/suoni/"), qPrintable(a.lettore.suonati[0]));
        QVERIFY(QFileInfo::exists(a.lettore.suonati[0]));
        QCOMPARE(su.etichetta("EtichettaEsatti")->testo() + su.etichetta("EtichettaErrati")->testo(),
                 a.lettore.nomi()[0] == "no.wav" ? QString("0 1") : QString(" 10"));
    }

private:
    QString cartella;
};

BUSSOLINO_TEST_MAIN(VerificaPacchetto)
#include "verifica_pacchetto.moc"
