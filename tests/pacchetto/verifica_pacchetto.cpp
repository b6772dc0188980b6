// The program folder unpacked from the .deb (BUSSOLINO_PACCHETTO) holds every figure and
// every sound the program asks for, and the program plays from it: title, menu, one exercise.
#include "support/Aiuto.h"
#include "Applicazione.h"
#include "framework/Registro.h"

#include "services/Figure.h"
#include "services/LettoreAudio.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"
#include "framework/Schermata.h"

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
        Percorsi::impostaCartellaProgramma(cartella);
        Figure::svuotaCache();
        for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
            const QImage i = Figure::carica(n);
            QVERIFY2(!i.isNull(), qPrintable(Percorsi::figura(n)));
            QVERIFY(i.width() > 50 && i.height() > 50);
        }
    }

    void ogniSuono()
    {
        Percorsi::impostaCartellaProgramma(cartella);
        for (const char* s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
            QString problema;
            const QByteArray pcm = LettoreAudio::decodifica(Percorsi::suono(s), &problema);
            // At least a tenth of a second of 16-bit mono at 44.1 kHz.
            QVERIFY2(pcm.size() > LettoreAudio::Frequenza / 10 * 2, qPrintable(QString(s) + ": " + problema));
        }
    }

    void titoloMenuEUnEsercizio()
    {
        Ambiente a(false);
        Percorsi::impostaCartellaProgramma(cartella);
        Figure::svuotaCache();
        Applicazione::Main();
        Clicca(Registro::oggetto(Id::FormAvvio).pulsante("BottoneAvvio"));
        Schermata& menu = Registro::oggetto(Id::FormMenu);
        QVERIFY(menu.caricata());
        Clicca(menu.pulsante("Command2"));  // "Su di me "
        Schermata& su = Registro::oggetto(Id::Form1);
        QVERIFY(su.caricata());
        QCOMPARE(Registro::aperte(), 1);
        // The figure on show is one of the unpacked pictures.
        const QImage figura = su.immagine("Image1")->immagine();
        QVERIFY(!figura.isNull());
        bool trovata = false;
        for (int n = 1; n <= Modulo1::NumeroPose && !trovata; ++n)
            trovata = Figure::sulSchermo(n, figura.size()) == figura;
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
