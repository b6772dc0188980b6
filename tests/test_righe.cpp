// "A destra di......" 1 and 2 played through real clicks: the animals' places against the
// lines, the answers, the restating label, "avanti" and the screens' own counts.
#include "support/Aiuto.h"
#include "framework/Registro.h"

#include "framework/FormEsercizio.h"
#include "services/Modulo1.h"
#include "framework/Schermata.h"

#include <QRegularExpression>

using Schermate::Id;

namespace {
int Animali(Id id) { return id == Id::Form10 ? 45 : 30; }

// The value r that makes Int(r * k) + 1 give n.
double Per(int n, int k) { return (n - 0.5) / k; }

QList<int> Visibili(Schermata& f)
{
    QList<int> v;
    for (int i = 0; i <= Animali(f.id()); ++i)
        if (f.controllo("PictureDentro", i)->isVisible())
            v << i;
    return v;
}

// What the child sees and can use besides the counts and faces.
QString Stato(Schermata& f)
{
    QString s = f.etichetta("Label3")->testo();
    for (const char* b : {"Command1", "Command2", "Command3", "Command4", "Command5"})
        if (QWidget* w = f.controllo(b))
            s += QString(" %1:%2").arg(b).arg(w->isEnabled());
    for (int i : Visibili(f))
        s += QString(" animal %1").arg(i);
    return s;
}

// "avanti" brings animal `dopo` and the screen as it opened, the face of the last answer kept.
void Avanti(Ambiente& a, Schermata& f, const QString& aperto, int dopo)
{
    a.casuale.aggiungi({Per(dopo, Animali(f.id()))});
    Clicca(f.pulsante("Command2"));
    QCOMPARE(Stato(f), QString(aperto).replace(QRegularExpression("animal \\d+"), QString("animal %1").arg(dopo)));
    QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
}
}  // namespace

class TestRighe : public QObject {
    Q_OBJECT
private slots:
    // Every animal wholly on its side of each line, inside the white field.
    void animaliAlLoroPosto_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("rigaASinistra");  // the line the animals are right of
        QTest::addColumn<QString>("rigaADestra");    // the line the animals are left of
        QTest::newRow("one line, 1-15 right") << int(Id::FormDentroFuori1) << 1 << 15 << "Line1" << "";
        QTest::newRow("one line, 16-30 left") << int(Id::FormDentroFuori1) << 16 << 30 << "" << "Line1";
        QTest::newRow("two lines, 1-15 right of green") << int(Id::Form10) << 1 << 15 << "Line1(0)" << "";
        QTest::newRow("two lines, 16-30 between") << int(Id::Form10) << 16 << 30 << "Line1(1)" << "Line1(0)";
        QTest::newRow("two lines, 31-45 left of yellow") << int(Id::Form10) << 31 << 45 << "" << "Line1(1)";
    }
    void animaliAlLoroPosto()
    {
        QFETCH(int, schermo);
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(QString, rigaASinistra);
        QFETCH(QString, rigaADestra);
        Ambiente amb;
        Schermata& f = Apri(Id(schermo));
        QWidget* campo = f.controllo("Picture1");
        for (const QString& nome : {rigaASinistra, rigaADestra})
            if (!nome.isEmpty())
                QCOMPARE(campo->findChild<Controlli::Linea*>(nome)->colore(),
                         nome == "Line1(1)" ? QColor(0xFF, 0xFF, 0) : QColor(0, 0xC0, 0));
        for (int i = da; i <= a; ++i) {
            const QRect r = f.controllo("PictureDentro", i)->geometry();
            const QByteArray quale = QByteArray::number(i);
            QVERIFY2(f.controllo("PictureDentro", i)->parentWidget() == campo && campo->rect().contains(r), quale);
            if (!rigaASinistra.isEmpty())
                QVERIFY2(r.left() > campo->findChild<QWidget*>(rigaASinistra)->geometry().right(), quale);
            if (!rigaADestra.isEmpty())
                QVERIFY2(r.right() < campo->findChild<QWidget*>(rigaADestra)->geometry().left(), quale);
        }
    }

    void unaRiga_data()
    {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("giusto");
        QTest::addColumn<int>("dopo");
        QTest::newRow("1 DESTRA, then 1 again") << 1 << "Command1" << 1;
        QTest::newRow("15 DESTRA") << 15 << "Command1" << 16;
        QTest::newRow("16 SINISTRA") << 16 << "Command3" << 15;
        QTest::newRow("30 SINISTRA, then 30 again") << 30 << "Command3" << 30;
    }
    void unaRiga()
    {
        QFETCH(int, posizione);
        QFETCH(QString, giusto);
        QFETCH(int, dopo);
        Ambiente a;
        a.casuale.aggiungi({Per(posizione, 30), 0.5});
        Schermata& f = Apri(Id::FormDentroFuori1);
        const QString aperto = Stato(f);
        QCOMPARE(aperto, QString(" Command1:1 Command2:0 Command3:1 animal %1").arg(posizione));
        Clicca(f.pulsante(giusto == "Command1" ? "Command3" : "Command1"));
        QCOMPARE(Stato(f), aperto);
        Clicca(f.pulsante(giusto));
        QCOMPARE(Stato(f), f.pulsante(giusto)->text() + " Command1:0 Command2:1 Command3:0 animal " + QString::number(posizione));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(Modulo1::ContaEsatti, 0);
        Avanti(a, f, aperto, dopo);
        QCOMPARE(a.casuale.consumati(), 3);  // no colour is drawn: the background stays light cyan
        QCOMPARE(f.sfondo(), 0xFFFFC0u);
    }

    // Wrong on both lines, right on one, wrong on the other, right on it, then "avanti".
    void dueRighe_data()
    {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QStringList>("giusti");  // in the order answered
        QTest::addColumn<QStringList>("sbagliati");
        QTest::addColumn<int>("dopo");
        QTest::newRow("1 yellow first") << 1 << QStringList{"Command1", "Command4"} << QStringList{"Command3", "Command5"} << 1;
        QTest::newRow("15 green first") << 15 << QStringList{"Command4", "Command1"} << QStringList{"Command5", "Command3"} << 16;
        QTest::newRow("16 green first") << 16 << QStringList{"Command5", "Command1"} << QStringList{"Command4", "Command3"} << 30;
        QTest::newRow("30 yellow first") << 30 << QStringList{"Command1", "Command5"} << QStringList{"Command3", "Command4"} << 31;
        QTest::newRow("31 green first") << 31 << QStringList{"Command5", "Command3"} << QStringList{"Command4", "Command1"} << 31;
        QTest::newRow("45 yellow first") << 45 << QStringList{"Command3", "Command5"} << QStringList{"Command1", "Command4"} << 2;
    }
    void dueRighe()
    {
        QFETCH(int, posizione);
        QFETCH(QStringList, giusti);
        QFETCH(QStringList, sbagliati);
        QFETCH(int, dopo);
        const QHash<QString, QString> riga = {
            {"Command1", "A DESTRA DELLA RIGA GIALLA.\r\n"}, {"Command3", "A SINISTRA DELLA RIGA GIALLA.\r\n"},
            {"Command4", "A DESTRA DELLA RIGA VERDE.\r\n"}, {"Command5", "A SINISTRA DELLA RIGA VERDE.\r\n"}};
        Ambiente a;
        a.casuale.aggiungi({Per(posizione, 45), 0.5, 0.5});
        Schermata& f = Apri(Id::Form10);
        const QString aperto = Stato(f);
        QCOMPARE(aperto, QString(" Command1:1 Command2:0 Command3:1 Command4:1 Command5:1 animal %1").arg(posizione));
        for (const QString& b : sbagliati)
            Clicca(f.pulsante(b));
        QCOMPARE(Stato(f), aperto);

        Clicca(f.pulsante(giusti[0]));
        Clicca(f.pulsante(sbagliati[1]));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 3"));
        QCOMPARE(f.etichetta("Label3")->testo(), riga[giusti[0]]);
        QVERIFY(!f.pulsante(giusti[0])->isEnabled() && !f.pulsante(sbagliati[0])->isEnabled());
        QVERIFY(f.pulsante(giusti[1])->isEnabled() && f.pulsante(sbagliati[1])->isEnabled());
        QVERIFY(!f.pulsante("Command2")->isEnabled());

        Clicca(f.pulsante(giusti[1]));
        QCOMPARE(Stato(f), riga[giusti[0]] + riga[giusti[1]] +
                               " Command1:0 Command2:1 Command3:0 Command4:0 Command5:0 animal " + QString::number(posizione));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 2"));
        Avanti(a, f, aperto, dopo);
        QCOMPARE(f.sfondo(), 0xFFC0FFu);
    }

    // Each opening starts the screen's own counts at 0; the reset item changes only the counts.
    void contiPropri_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<QString>("voce");
        QTest::newRow("one line") << int(Id::FormDentroFuori1) << "Command11";
        QTest::newRow("two lines") << int(Id::Form10) << "Command12";
    }
    void contiPropri()
    {
        QFETCH(int, schermo);
        QFETCH(QString, voce);
        const Id id = Id(schermo);
        Ambiente a;
        // Animal 3 is right of every line; the menu draws its colour between the two visits.
        a.casuale.aggiungi({Per(3, Animali(id)), 0.5, 0.5, Per(3, Animali(id)), 0.5});
        auto& f = static_cast<FormEsercizio&>(Apri(id));
        for (int volta = 0; volta < 2; ++volta) {
            QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
            QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString("0"));
            Clicca(f.pulsante("Command3"));
            Clicca(f.pulsante("Command1"));
            QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
            QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
            if (volta == 0) {
                RispondiAlProssimo(QMessageBox::Yes);
                f.voceMenu("mnuEsci")->trigger();
                Clicca(Registro::oggetto(Id::FormMenu).pulsante(voce));
            }
        }
        QCOMPARE(a.casuale.consumati(), 5);

        const QString prima = Stato(f);
        f.voceMenu("MenuAzzera")->trigger();
        QCOMPARE(Stato(f), prima);
        QCOMPARE(f.ContaEsatti + f.ContaErrati, 0);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo() + f.etichetta("EtichettaErrati")->testo(), QString("00"));
    }
};

BUSSOLINO_TEST_MAIN(TestRighe)
#include "test_righe.moc"
