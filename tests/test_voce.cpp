// The voice: every sentence a screen can show or say has its file, made by the build with its
// length fitting its words, at one loudness, never clipped, with the same short pause at both
// ends; and each exercise speaks when it appears, again at the loudspeaker, after a right answer
// where it writes or completes one, never over an answer sound, and not at all when turned off.
#include "support/Aiuto.h"

#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"
#include "framework/FormEsercizio.h"
#include "services/Modulo1.h"
#include "framework/Registro.h"
#include "services/Percorsi.h"
#include "services/Sensori.h"
#include "services/Voce.h"

#include <sndfile.h>

#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <vector>

namespace {

// Reads a mono 16-bit file as it is stored; empty when it is not that.
std::vector<short> Leggi(const QString& percorso, SF_INFO& info)
{
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<short> pcm;
    if (info.channels == 1 && (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16) {
        pcm.resize(size_t(info.frames));
        pcm.resize(size_t(sf_read_short(f, pcm.data(), info.frames)));
    }
    sf_close(f);
    return pcm;
}

// Syllables, near enough: the groups of vowels in the spoken words.
int Sillabe(const QString& parlato)
{
    return int(parlato.toLower().count(QRegularExpression(QStringLiteral("[aeiouàèéìòù]+"))));
}

}  // namespace

class TestVoce : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    void init() { Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR")); }

    void ognuna_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("percorso");
        for (const Voce::Frase& f : Voce::frasi())
            QTest::newRow(f.file) << QString::fromUtf8(f.parlato) << Voce::percorso(f);
    }
    void ognuna()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, percorso);
        SF_INFO info{};
        const std::vector<short> pcm = Leggi(percorso, info);
        QVERIFY2(!pcm.empty(), qPrintable(percorso + " is not a mono 16-bit WAV"));
        QVERIFY(info.samplerate == 22050 || info.samplerate == 44100);
        // Switch play waits for a sentence by the length its header gives.
        QVERIFY(qAbs(Sensori::durata(percorso) - info.frames * 1000 / info.samplerate) <= 1);

        // Speech runs from the first to the last 10 ms window within 45 dB of the loudest (the
        // build cuts at 40 dB, and its fade may soften a first consonant a little).
        const size_t passo = size_t(info.samplerate / 100);
        std::vector<double> rms;
        for (size_t i = 0; i + passo <= pcm.size(); i += passo) {
            double s = 0;
            for (size_t k = i; k < i + passo; ++k)
                s += double(pcm[k]) * pcm[k];
            rms.push_back(std::sqrt(s / passo) / 32768.0);
        }
        const double massimo = *std::max_element(rms.begin(), rms.end());
        size_t primo = 0, ultimo = rms.size() - 1;
        while (rms[primo] < massimo / 178)
            ++primo;
        while (rms[ultimo] < massimo / 178)
            --ultimo;
        double energia = 0;
        int attive = 0;
        for (size_t w = primo; w <= ultimo; ++w)
            if (rms[w] >= massimo / 178)
                energia += rms[w] * rms[w], ++attive;

        // The same short pause at both ends: the next sentence follows evenly.
        QVERIFY2(primo >= 8 && primo <= 14, qPrintable(QString::number(primo * 10) + " ms before"));
        QVERIFY2(rms.size() - 1 - ultimo >= 8 && rms.size() - 1 - ultimo <= 14,
                 qPrintable(QString::number((rms.size() - 1 - ultimo) * 10) + " ms after"));
        // Slow enough for a child, not so slow that words fall apart, and never cut short.
        const double perSillaba = (ultimo - primo + 1) * 0.01 / Sillabe(parlato);
        QVERIFY2(perSillaba > 0.15 && perSillaba < 0.40, qPrintable(QString::number(perSillaba) + " s a syllable"));
        // One loudness for every sentence, loud enough, and no sample at full scale.
        const double volume = 20 * std::log10(std::sqrt(energia / attive));
        QVERIFY2(volume > -21 && volume < -15, qPrintable(QString::number(volume) + " dBFS"));
        const auto [basso, alto] = std::minmax_element(pcm.begin(), pcm.end());
        QVERIFY(*basso > -32000 && *alto < 32000);
    }

    // A sentence without its voice would leave a child who cannot read without the exercise:
    // every sentence the rules of every exercise can show or say has its file, and every file of
    // the voice is one of them.
    void ogniFraseHaLaSuaVoce()
    {
        QStringList frasi;
        for (Corpo::Tipo t : {Corpo::Tipo::SuDiMe, Corpo::Tipo::Micetto, Corpo::Tipo::Oggetto})
            for (int lato : {0, 1}) {
                Corpo c(t);
                c.destra = lato;
                c.RispostaGiusta = lato;
                frasi << c.domanda() << c.dopoGiusta() << c.bottoni();
            }
        VeroFalso v(56, 0);
        Detective d(Detective::Insieme::UnoDeiDue);
        for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
            d.NumeriFigure[0] = n;
            frasi << d.frasi();
            v.NumeroFigura = n;
            for (int lato : {0, 1})
                for (int falsa : {0, 1})
                    if (Modulo1::BraccioDestro(n) != Modulo1::BraccioSinistro(n)) {
                        v.Lato = lato, v.FraseFalsa = falsa;
                        frasi << v.domanda() << v.bottoni();
                    }
        }
        for (const Righe& r : {Righe::unaRiga(), Righe::dueRighe()}) {
            frasi << r.domanda() << r.bottoni();
            for (int i = 0; i < int(r.risposte().size()); ++i)
                frasi << r.dopoGiusta(i);
        }
        // The words of every stop of the switches' cursor that has a caption: the screens' buttons,
        // the menu bar's "Esci", the buttons of the message boxes.
        for (const Catalogo::Riga& v : Catalogo::righe()) {
            const Layout::Schermo l = Catalogo::layout(v.id);
            for (const Layout::Controllo& c : l.controlli)
                if ((c.tappa || c.risposta || c.dopoLeRisposte) && c.tipo == Layout::Tipo::Pulsante)
                    frasi << Voce::chiaveTappa(c.testo);
            for (const Layout::ComandoMenu& m : l.menu)
                if (m.ruolo == Layout::Ruolo::Esci)
                    frasi << Voce::chiaveTappa(m.testo);
        }
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        for (QAbstractButton* b : box.buttons())
            frasi << Voce::chiaveTappa(b->text().remove('&'));
        frasi.removeAll(QString());
        frasi.removeDuplicates();
        for (const QString& f : frasi) {
            const QString p = Voce::percorsoDi(f);
            QVERIFY2(!p.isEmpty() && QFileInfo(p).isFile(), qPrintable("no voice for " + f));
        }
        QCOMPARE(frasi.size(), int(Voce::frasi().size()));
    }

    // What each kind of exercise says when it opens, by the files' names: the answer buttons
    // first where they are written, then the sentence.
    void parlaQuandoAppare_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("Su di me") << int(Catalogo::Id::Form1) << QStringList{"su_di_me_"};
        QTest::newRow("Alla mia 2") << int(Catalogo::Id::Form3)
                                    << QStringList{"bottoni_destra_sinistra", "alla_mia_domanda"};
        QTest::newRow("Vero e falso") << int(Catalogo::Id::Form6)
                                      << QStringList{"bottoni_vero_falso", "vero_falso_", "vero_o_falso"};
        QTest::newRow("Il detective") << int(Catalogo::Id::Form9)
                                      << QStringList{"detective_destro_", "detective_sinistro_", "detective_gambe_"};
        QTest::newRow("A destra di 2") << int(Catalogo::Id::Form10)
                                       << QStringList{"bottoni_due_righe", "due_righe_domanda"};
    }
    void parlaQuandoAppare()
    {
        QFETCH(int, schermo);
        QFETCH(QStringList, attesi);
        Ambiente a;
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        Schermata& f = apri(Catalogo::Id(schermo));
        QTRY_COMPARE(a.lettore.accodati.size(), attesi.size());
        for (int i = 0; i < attesi.size(); ++i)
            QVERIFY2(a.lettore.accodati[i].section('/', -1).startsWith(attesi[i]), qPrintable(a.lettore.accodati[i]));
        // The loudspeaker cuts what is playing and says it all again.
        a.lettore.accodati.clear();
        clicca(immagine(f, "Altoparlante"));
        QCOMPARE(a.lettore.fermate, 1);
        QCOMPARE(a.lettore.accodati.size(), attesi.size());
        QVERIFY(a.lettore.suonati.isEmpty());
    }

    // An answer before the voice has begun: the answer sound only, and no sentence after it.
    // "avanti" brings the next sentence without the buttons; a right answer on a screen that
    // writes the answer out says that line after the sound.
    void rispostaPrimaDellaVoce()
    {
        Ambiente a;
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        // "A destra di 1" with animal 3, right of the line; then animal 20, left of it; then 5.
        a.casuale.aggiungi({2.5 / 30, 0.5, 19.5 / 30, 0.5, 4.5 / 30});
        Schermata& f = apri(Catalogo::Id::FormDentroFuori1);
        clicca(pulsante(f, "Command3"));  // wrong, before the voice began
        QTest::qWait(400);
        QVERIFY(a.lettore.accodati.isEmpty());
        clicca(pulsante(f, "Command1"));
        QCOMPARE(a.lettore.nomi().size(), 2);
        QCOMPARE(a.lettore.accodati.size(), 1);
        QVERIFY(a.lettore.accodati[0].endsWith("/voce/riga_verde_destra.wav"));
        clicca(pulsante(f, "Command2"));
        clicca(pulsante(f, "Command3"));  // right, before the voice began
        QTest::qWait(400);
        QCOMPARE(a.lettore.accodati.size(), 2);
        QVERIFY(a.lettore.accodati[1].endsWith("/voce/riga_verde_sinistra.wav"));
        clicca(pulsante(f, "Command2"));
        QTRY_COMPARE(a.lettore.accodati.size(), 3);
        QVERIFY(a.lettore.accodati[2].endsWith("/voce/riga_verde_domanda.wav"));
    }

    // Turned off on the menu, the voice says nothing until it is turned on again.
    void spentaDalMenu()
    {
        Ambiente a;
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        Schermata& menu = apri(Catalogo::Id::FormMenu);
        clicca(immagine(menu, "InterruttoreVoce"));
        QVERIFY(!Voce::attiva());
        QCOMPARE(immagine(menu, "InterruttoreVoce")->disegno(), QString("muto"));
        QCOMPARE(a.lettore.fermate, 1);
        clicca(pulsante(menu, "Command2"));
        QTest::qWait(400);
        QVERIFY(a.lettore.accodati.isEmpty());
        Voce::impostaAttiva(true);
        clicca(esercizio(schermo(Id::Form1)).Altoparlante);
        QCOMPARE(a.lettore.accodati.size(), 1);
    }
};

BUSSOLINO_TEST_MAIN(TestVoce)
#include "test_voce.moc"
