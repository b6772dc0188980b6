// The exercise screens show what their rules drew and pass clicks on their real controls to them:
// figures, sentences, the kitten, the object, and the animals and coloured lines of "A destra di......".
#include "support/Aiuto.h"

#include "screens/body/Form1.h"
#include "screens/body/Form2.h"
#include "screens/body/Form3.h"
#include "screens/lines/FormRighe.h"
#include "screens/detective/FormDetective.h"
#include "screens/truefalse/FormVeroFalso.h"

namespace {
// An exercise as its rules drew it, with two answer controls the rules judge wrong and right.
struct Disegno { QList<int> pose; QString testo; QList<int> oggetto, gatto; QWidget *sbagliata, *giusta; };

// The body screens' answers 0 and 1: the left and right half or square; "DESTRA", "SINISTRA".
Disegno corpo(const Corpo& c, QWidget* zero, QWidget* uno, QList<int> oggetto = {}, QList<int> gatto = {})
{
    return {{c.figura()}, c.frase(), oggetto, gatto, c.giusta(1) ? zero : uno, c.giusta(1) ? uno : zero};
}

Disegno disegno(Schermata& s)
{
    if (auto* f = qobject_cast<Form1*>(&s))
        return corpo(f->regole(), f->Label3[0], f->Label3[1]);
    if (auto* f = qobject_cast<Form2*>(&s))
        return corpo(f->regole(), f->Label3[0], f->Label3[1], {}, {f->regole().LatoGiusto});
    if (auto* f = qobject_cast<Form3*>(&s))
        return corpo(f->regole(), f->Command1, f->Command3, {f->regole().Posizione});
    if (auto* f = qobject_cast<FormVeroFalso*>(&s)) {
        const bool falsa = f->regole().giusta(VeroFalso::Falso);
        return {{f->regole().NumeroFigura}, f->regole().frase(), {}, {}, falsa ? f->Command1 : f->Command3, falsa ? f->Command3 : f->Command1};
    }
    // A picture that does not fit, and the last that does: the twin, when there is one.
    auto& f = static_cast<FormDetective&>(s);
    const Detective& d = f.regole();
    size_t sbagliata = 0;
    while (d.giusta(int(sbagliata)))
        ++sbagliata;
    return {{d.NumeriFigure.begin(), d.NumeriFigure.end()}, d.descrizione(), {}, {}, f.Image1[sbagliata], f.Image1[size_t(d.giuste().last())]};
}

// The poses the screen's pictures show.
QList<int> pose(Schermata& s)
{
    QList<int> p;
    for (int i = -1; i < 6; ++i)
        if (auto* immagine = qobject_cast<Controlli::Immagine*>(controllo(s, "Image1", i)))
            p << posaMostrata(immagine->immagine());
    return p;
}
}  // namespace

// A line of the field, its colour, and the answer that places an animal right of it; pulsanti:
// the buttons of the rules' answers, in their order.
struct RigaColorata { QString nome; QColor colore; int aDestra; };
struct RigaCampo { int id; QStringList pulsanti; QList<RigaColorata> righe; };

class TestSchermate : public QObject {
    Q_OBJECT
private slots:
    void figure_data()
    {
        QTest::addColumn<int>("id");
        for (Id id : {Id::Form1, Id::Form2, Id::Form3, Id::Form4, Id::Form5, Id::Form6, Id::Form7, Id::Form8, Id::Form9})
            QTest::newRow(Catalogo::riga(id).nome) << int(id);
    }
    // A few exercises in a row, each a wrong answer, then a right one, then "avanti".
    void figure()
    {
        QFETCH(int, id);
        Ambiente a;
        Schermata& s = apri(Id(id));
        for (int e = 0; e < 4; ++e) {
            const Disegno d = disegno(s);
            QCOMPARE(pose(s), d.pose);
            QCOMPARE(etichetta(s, "Label5")->testo(), d.testo);
            QCOMPARE(mostrati(s, "Picture1"), d.oggetto);
            a.lettore.suonati.clear();
            clicca(d.sbagliata);
            clicca(d.giusta);
            QVERIFY(a.lettore.nomi().size() == 2 && a.lettore.nomi()[0] == "no.wav" && a.lettore.nomi()[1].startsWith("si"));
            // The kitten, the reward of a right answer, shows in the square clicked until "avanti".
            QCOMPARE(mostrati(s, "PictureGatto"), d.gatto);
            clicca(esercizio(s).Command2);
            QCOMPARE(mostrati(s, "PictureGatto"), QList<int>{});
        }
    }

    void campo_data()
    {
        QTest::addColumn<RigaCampo>("riga");
        const QColor verde(0, 0xC0, 0), giallo(255, 255, 0);
        QTest::newRow("1") << RigaCampo{int(Id::FormDentroFuori1), {"Command1", "Command3"}, {{"Line1", verde, 0}}};
        QTest::newRow("2") << RigaCampo{int(Id::Form10), {"Command1", "Command3", "Command4", "Command5"}, {{"Line1(1)", giallo, 0}, {"Line1(0)", verde, 2}}};
    }
    // Every animal wholly inside the field, on the side of each line its answers say; then a few exercises.
    void campo()
    {
        QFETCH(RigaCampo, riga);
        Ambiente a;
        auto& f = static_cast<FormRighe&>(apri(Id(riga.id)));
        QWidget* campo = controllo(f, "Picture1");
        Righe regole = f.regole();
        QCOMPARE(f.PictureDentro.size(), regole.numeroAnimali() + 1);
        for (regole.Posizione = 1; regole.Posizione <= regole.numeroAnimali(); ++regole.Posizione) {
            const QRect r = f.PictureDentro[regole.Posizione]->geometry();
            QVERIFY(f.PictureDentro[regole.Posizione]->parentWidget() == campo && campo->rect().contains(r));
            for (const auto& [nome, colore, aDestra] : riga.righe) {
                const auto* linea = campo->findChild<Controlli::Linea*>(nome);
                QCOMPARE(linea->colore(), colore);
                QVERIFY2(regole.giusta(aDestra) ? r.left() > linea->geometry().right() : r.right() < linea->geometry().left(), qPrintable(QString::number(regole.Posizione)));
            }
        }
        for (int e = 0; e < 4; ++e) {
            const Righe& r = f.regole();
            QCOMPARE(mostrati(f, "PictureDentro"), QList<int>{r.Posizione});
            // Every wrong answer, then the right ones, the last pair first; "avanti" opens with the last pair.
            for (bool giusta : {false, true})
                for (int i = int(riga.pulsanti.size()) - 1; i >= 0; --i)
                    if (r.giusta(i) == giusta) {
                        clicca(pulsante(f, riga.pulsanti[i]));
                        QCOMPARE(a.lettore.nomi().last().startsWith("si"), giusta);
                        QCOMPARE(f.Label3->testo(), r.scritto());
                        QCOMPARE(f.Command2->isEnabled(), r.finito());
                    }
            clicca(f.Command2);
        }
    }
};

BUSSOLINO_TEST_MAIN(TestSchermate)
#include "test_schermate.moc"
