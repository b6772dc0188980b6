// A child at the mouse for a long time: random clicks anywhere on any control (enabled or
// not), double clicks, keys, menu items, both answers to both questions, closed windows and
// fresh starts, on every screen. After every action the program's rules are checked: one
// window open, the counts equal the answers heard since the screen opened or was reset, the
// faces, and the answer controls and "avanti" in a state of the screen's state table.
//
// BUSSOLINO_SOAK_AZIONI sets the number of actions (default: a few seconds' worth),
// BUSSOLINO_SOAK_SEME the seed of the choice of actions (printed, to replay a failure).
#include "support/Aiuto.h"
#include "Applicazione.h"
#include "framework/Registro.h"

#include "framework/FormEsercizio.h"
#include "services/Modulo1.h"
#include "framework/Schermata.h"
#include "ui/Controlli.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <map>
#include <random>
#include <set>

using Schermate::Id;

namespace {

constexpr int AzioniPredefinite = 2000;
constexpr uint64_t SemePredefinito = 20240611;

bool Esercizio(Id id) { return Schermate::esercizio(id); }
bool ContatoriPropri(Id id) { return Schermate::voce(id).cornice == Layout::Cornice::B; }

// The answer controls of each exercise: the ones its layout marks.
QStringList ChiaviRisposta(Id id)
{
    QStringList chiavi;
    for (const Layout::Controllo& c : Schermate::layout(id).controlli)
        if (c.risposta)
            chiavi << Layout::chiave(c.nome, c.indice);
    return chiavi;
}

const char* Nome(Id id) { return Schermate::voce(id).nome; }

// Answers every message box as soon as it shows, Yes or No by the harness's own draw, and
// keeps what was asked: a child answers whatever comes.
class Risponditore : public QObject {
public:
    explicit Risponditore(std::mt19937_64& g) : caso(g)
    {
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, this, [this] { Rispondi(); });
        timer.start();
    }
    struct Scatola {
        QString testo;
        bool si;
    };
    std::vector<Scatola> viste;
    std::map<std::pair<QString, bool>, int> risposte;
    int usciteConfermate = 0;

private:
    void Rispondi()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QAbstractButton* b = box->button(QMessageBox::Ok);
        bool si = false;
        if (!b) {
            si = std::uniform_int_distribution<int>(0, 1)(caso) == 1;
            b = box->button(si ? QMessageBox::Yes : QMessageBox::No);
        }
        viste.push_back({box->text(), si});
        ++risposte[{box->text(), si}];
        if (si && box->text() == QString::fromUtf8("Vuoi uscire dal programma?"))
            ++usciteConfermate;
        if (b)
            b->click();
        else
            box->reject();
    }
    std::mt19937_64& caso;
    QTimer timer;
};

// Clicks and keys are sent by QTest straight to a widget; one that does not take them is
// not a fault here (a disabled button, a label), nor is a window the headless platform cannot
// raise: thousands of such warnings would only bury a real one.
QtMessageHandler gestorePrecedente = nullptr;
void FiltraMessaggi(QtMsgType tipo, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.contains(QLatin1String("not accepted by receiving widget"))
        || msg.startsWith(QLatin1String("This plugin does not support")))
        return;
    gestorePrecedente(tipo, ctx, msg);
}

enum class Stato { Attesa, Risposto };

// What the harness believes about the screen that is open.
struct Modello {
    QPointer<QMainWindow> finestra;
    Id id = Id::FormAvvio;
    int esatti = 0, errati = 0;  // since opening or reset
    QString ultima;              // "si" or "no": the last answer since opening; empty: none
    Stato stato = Stato::Attesa;
    bool giallo = false, verde = false;  // Form10: pairs answered right
};

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gestorePrecedente = qInstallMessageHandler(FiltraMessaggi); }
    void cleanupTestCase() { qInstallMessageHandler(gestorePrecedente); }

    void bambinoAlMouse()
    {
        const int quante = qEnvironmentVariableIsSet("BUSSOLINO_SOAK_AZIONI")
                               ? qEnvironmentVariableIntValue("BUSSOLINO_SOAK_AZIONI")
                               : AzioniPredefinite;
        const uint64_t seme = qEnvironmentVariableIsSet("BUSSOLINO_SOAK_SEME")
                                  ? qEnvironmentVariable("BUSSOLINO_SOAK_SEME").toULongLong()
                                  : SemePredefinito;
        std::printf("soak: %d actions, seed %llu (BUSSOLINO_SOAK_SEME to replay)\n", quante,
                    (unsigned long long)seme);
        std::fflush(stdout);

        Ambiente a;  // the program's own random source runs free from its fixed seed
        caso.seed(seme);
        Risponditore risponditore(caso);
        this->risponditore = &risponditore;
        QElapsedTimer orologio;
        orologio.start();

        Applicazione::Main();
        Assesta();
        Osserva(0, 0);

        const int passo = qMax(1000, quante / 10);
        for (numero = 1; numero <= quante; ++numero) {
            UnaAzione(a);
            if (numero % passo == 0 && numero < quante) {
                std::printf("soak: %d actions, %.0f s\n", numero, orologio.elapsed() / 1000.0);
                std::fflush(stdout);
            }
            if (QTest::currentTestFailed() || !rotto.isEmpty()) {
                Storia();
                QFAIL(qPrintable(QString("action %1: %2").arg(numero).arg(rotto.isEmpty() ? "a check failed" : rotto)));
            }
        }

        const double secondi = orologio.elapsed() / 1000.0;
        std::printf("soak: %d actions in %.1f s: %d right and %d wrong answers, %d screens opened, "
                    "%d program ends, %d message boxes\n",
                    quante, secondi, giuste, sbagliate, aperture, fini, int(risponditore.viste.size()));
        for (const auto& [chiave, n] : risponditore.risposte) {
            const bool domanda = chiave.first.endsWith('?');
            std::printf("soak:   %s %s: %d\n", domanda ? qPrintable('"' + chiave.first + '"') : "information box",
                        domanda ? (chiave.second ? "Yes" : "No") : "OK", n);
        }
        std::fflush(stdout);

        // A long enough run must have been everywhere, or it proved little.
        if (quante >= 2000) {
            for (int i = 0; i < Schermate::Numero; ++i)
                QVERIFY2(visitate.count(Id(i)), Nome(Id(i)));
            QVERIFY(giuste > 0 && sbagliate > 0);
            for (const char* d : {"Vuoi uscire dal programma?", "Vuoi tornare al menù?"})
                for (bool si : {true, false})
                    QVERIFY2(risponditore.risposte.count({QString::fromUtf8(d), si}),
                             qPrintable(QString::fromUtf8(d) + (si ? " Yes" : " No")));
        }
    }

private:
    // --- the actions

    void UnaAzione(Ambiente& a)
    {
        Schermata* s = Registro::aperta();
        QMainWindow* f = s->window();
        const int suoniPrima = a.lettore.suonati.size();
        const int uscitePrima = risponditore->usciteConfermate;
        azzerato = -1;
        chiuso = false;

        // Note where the reset item was used, whichever way it was reached.
        QMetaObject::Connection azzera;
        for (const Layout::VoceMenu& v : s->layout().menu)
            if (v.ruolo == Layout::Ruolo::Azzera && s->voceMenu(v.nome))
                azzera = connect(s->voceMenu(v.nome), &QAction::triggered, this,
                                 [this, &a] { azzerato = a.lettore.suonati.size(); });

        const int tipo = std::discrete_distribution<int>({40, 14, 8, 10, 7, 8, 4, 1})(caso);
        switch (tipo) {
        case 0: ClickSuControllo(s, f, false); break;
        case 1: ClickSuRisposta(s, f); break;
        case 2: ClickSu(s, f, "Command2", false); break;
        case 3: ClickSuControllo(s, f, true); break;
        case 4: ClickOvunque(f); break;
        case 5: VoceDiMenu(s, f); break;
        case 6: Tasto(f); break;
        case 7: Chiudi(f); break;
        }
        disconnect(azzera);
        Assesta();

        for (int i = suoniPrima; i < a.lettore.suonati.size(); ++i)
            azione += (i == suoniPrima ? " -> " : " ") + a.lettore.suonati[i].section('/', -1);
        Annota(azione);

        const bool uscita = risponditore->usciteConfermate > uscitePrima;
        if (uscita && Registro::aperte() != 0)
            return Rompi("\"Esci\" answered Yes on the menu, yet the program goes on");
        if (Registro::aperte() == 0) {
            // The program ended: by "Esci" and Yes on the menu, or by closing its one window.
            if (!chiuso && !uscita)
                return Rompi("no window open, yet the program was not ended");
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    return Rompi(QString("the program ended with a %1 still showing").arg(w->metaObject()->className()));
            ++fini;
            if (std::uniform_int_distribution<int>(0, 1)(caso))
                Registro::distruggi();  // a new run of the program, not just its windows again
            Applicazione::Main();
            Assesta();
            Annota("program started again");
            modello = {};
            Osserva(a.lettore.suonati.size(), a.lettore.suonati.size());
            return;
        }
        Osserva(suoniPrima, a.lettore.suonati.size(), &a);
    }

    // Pumps what the event loop would between two actions of the child, and lets unloaded
    // windows go.
    void Assesta()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The control under a point of the window, as the window system would deliver the click.
    static QWidget* Bersaglio(QMainWindow* f, QPoint pf, QPoint* locale)
    {
        QWidget* t = f->childAt(pf);
        if (!t)
            t = f;
        *locale = t->mapFrom(f, pf);
        return t;
    }

    static QString Descrivi(QWidget* w)
    {
        QString n = w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
        return n + (w->isEnabled() ? "" : " (disabled)") + (w->isVisible() ? "" : " (hidden)");
    }

    void ClickNelPunto(QMainWindow* f, QPoint pf, bool doppio)
    {
        QPoint locale;
        QWidget* t = Bersaglio(f, pf, &locale);
        azione += QString(" at (%1,%2) on %3").arg(pf.x()).arg(pf.y()).arg(Descrivi(t));
        Clicca(t, locale);
        if (!doppio)
            return;
        // The second click of a double click goes to whatever window is now under the mouse.
        Assesta();
        Schermata* dopo = Registro::aperta();
        if (!dopo)
            return;
        QMainWindow* g = dopo->window();
        t = Bersaglio(g, pf, &locale);
        azione += QString(", double on %1").arg(Descrivi(t));
        QTest::mouseDClick(t, Qt::LeftButton, Qt::NoModifier, locale);
        QPointer<QWidget> ancora = t;
        if (ancora)
            QTest::mouseRelease(t, Qt::LeftButton, Qt::NoModifier, locale);
    }

    QPoint PuntoIn(QWidget* w, QMainWindow* f)
    {
        const QRect r = w->rect();
        const int x = std::uniform_int_distribution<int>(r.left(), qMax(r.left(), r.right()))(caso);
        const int y = std::uniform_int_distribution<int>(r.top(), qMax(r.top(), r.bottom()))(caso);
        return w->mapTo(f, QPoint(x, y));
    }

    void ClickSu(Schermata* s, QMainWindow* f, const QString& chiave, bool doppio)
    {
        QWidget* w = s->controllo(chiave.section('(', 0, 0),
                                  chiave.contains('(') ? chiave.section('(', 1).chopped(1).toInt() : -1);
        azione = QString("%1: %2 %3").arg(Nome(s->id()), doppio ? "double click" : "click", chiave);
        if (!w) {
            azione += " (no such control)";
            return;
        }
        ClickNelPunto(f, PuntoIn(w, f), doppio);
    }

    // Any designed control, shown or hidden, enabled or not; buttons and answers come more often,
    // as a child aims at them.
    void ClickSuControllo(Schermata* s, QMainWindow* f, bool doppio)
    {
        const auto& controlli = s->layout().controlli;
        const QStringList risposte = ChiaviRisposta(s->id());
        std::vector<double> pesi;
        for (const Layout::Controllo& c : controlli) {
            const bool mirato = c.tipo == Layout::Tipo::Pulsante || risposte.contains(Layout::chiave(c.nome, c.indice));
            pesi.push_back(mirato ? 8 : 1);
        }
        const Layout::Controllo& c = controlli[std::discrete_distribution<int>(pesi.begin(), pesi.end())(caso)];
        ClickSu(s, f, Layout::chiave(c.nome, c.indice), doppio);
    }

    void ClickSuRisposta(Schermata* s, QMainWindow* f)
    {
        const QStringList risposte = ChiaviRisposta(s->id());
        if (risposte.isEmpty())
            return ClickSuControllo(s, f, false);
        ClickSu(s, f, risposte[std::uniform_int_distribution<int>(0, risposte.size() - 1)(caso)], false);
    }

    // Anywhere in the window, the menu bar and the margins included.
    void ClickOvunque(QMainWindow* f)
    {
        const QPoint p(std::uniform_int_distribution<int>(0, f->width() - 1)(caso),
                       std::uniform_int_distribution<int>(0, f->height() - 1)(caso));
        azione = QString("%1: click anywhere").arg(Nome(Registro::aperta()->id()));
        ClickNelPunto(f, p, std::uniform_int_distribution<int>(0, 4)(caso) == 0);
    }

    void VoceDiMenu(Schermata* s, QMainWindow* f)
    {
        const auto& menu = s->layout().menu;
        if (menu.isEmpty()) {
            // The title screen and the menu have no menu bar: their own "Avvio" and "Esci".
            const char* chiave = s->id() == Id::FormAvvio ? "BottoneAvvio" : "Command1";
            return ClickSu(s, f, chiave, false);
        }
        const Layout::VoceMenu& v = menu[std::uniform_int_distribution<int>(0, menu.size() - 1)(caso)];
        azione = QString("%1: menu %2").arg(Nome(s->id()), v.testo.trimmed());
        if (QAction* voce = s->voceMenu(v.nome))
            voce->trigger();
    }

    void Tasto(QMainWindow* f)
    {
        static const Qt::Key tasti[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return, Qt::Key_F11,
                                        Qt::Key_Escape};
        const Qt::Key k = tasti[std::uniform_int_distribution<int>(0, std::size(tasti) - 1)(caso)];
        QWidget* fuoco = QApplication::focusWidget();
        if (!fuoco || fuoco->window() != f)
            fuoco = f;
        azione = QString("%1: key %2 on %3")
                     .arg(Nome(Registro::aperta()->id()), QKeySequence(k).toString(), Descrivi(fuoco));
        QTest::keyClick(fuoco, k);
    }

    void Chiudi(QMainWindow* f)
    {
        azione = QString("%1: window closed").arg(Nome(Registro::aperta()->id()));
        chiuso = true;
        f->close();
    }

    // --- the checks

    void Rompi(const QString& perche)
    {
        if (rotto.isEmpty())
            rotto = perche;
    }

    void Annota(const QString& riga)
    {
        storia.push_back(QString("#%1 %2").arg(numero).arg(riga));
        if (storia.size() > 40)
            storia.pop_front();
    }

    void Storia()
    {
        std::fprintf(stderr, "soak: the last actions, oldest first:\n");
        for (const QString& r : storia)
            std::fprintf(stderr, "  %s\n", qPrintable(r));
    }

    void Osserva(int suoniPrima, int suoniDopo, Ambiente* a = nullptr)
    {
        if (Registro::aperte() != 1)
            return Rompi(QString("%1 screen windows open").arg(Registro::aperte()));
        int visibili = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            visibili += w->isVisible();
        if (visibili != 1)
            return Rompi(QString("%1 top-level windows visible").arg(visibili));

        Schermata* s = Registro::aperta();
        QMainWindow* f = s->window();
        if (!f->isVisible())
            return Rompi("the open screen's window is not visible");
        visitate.insert(s->id());

        int giusteOra = 0, sbagliateOra = 0;
        QString ultimaOra;
        // Sounds heard before a reset in this action belong to the counts that were reset.
        const int daContare = azzerato >= 0 ? azzerato : suoniPrima;
        int giusteContate = 0, sbagliateContate = 0;
        if (a) {
            for (int i = suoniPrima; i < suoniDopo; ++i) {
                const QString nome = a->lettore.suonati[i].section('/', -1);
                const bool si = nome.startsWith("si") && nome.endsWith(".wav");
                if (!si && nome != "no.wav")
                    return Rompi("an unknown sound was played: " + nome);
                (si ? giusteOra : sbagliateOra)++;
                if (i >= daContare)
                    (si ? giusteContate : sbagliateContate)++;
                ultimaOra = si ? "si" : "no";
            }
        }
        giuste += giusteOra;
        sbagliate += sbagliateOra;

        const bool riaperta = modello.finestra.isNull() || modello.finestra != f;
        if (riaperta) {
            ++aperture;
            modello = {};
            modello.finestra = f;
            modello.id = s->id();
        }
        if (!Esercizio(s->id())) {
            if (giusteOra + sbagliateOra)
                return Rompi("a sound played while no exercise is open");
            if (s->id() == Id::FormMenu && (Modulo1::ContaEsatti || Modulo1::ContaErrati))
                return Rompi("the shared counts are not 0 on the menu");
            return;
        }
        auto* e = static_cast<FormEsercizio*>(s);

        // Counts: the answers heard since the screen opened or was reset.
        if (azzerato >= 0 && !riaperta)
            modello.esatti = modello.errati = 0;
        modello.esatti += riaperta ? giusteOra : giusteContate;
        modello.errati += riaperta ? sbagliateOra : sbagliateContate;
        if (e->esatti() != modello.esatti || e->errati() != modello.errati)
            return Rompi(QString("counts %1 right, %2 wrong; answers heard %3 right, %4 wrong")
                             .arg(e->esatti()).arg(e->errati()).arg(modello.esatti).arg(modello.errati));
        const auto testo = [](int n) { return n == 0 ? QString("0") : testoConteggio(int16_t(n)); };
        if (e->etichetta("EtichettaEsatti")->testo() != testo(modello.esatti)
            || e->etichetta("EtichettaErrati")->testo() != testo(modello.errati))
            return Rompi(QString("count labels read \"%1\" and \"%2\"")
                             .arg(e->etichetta("EtichettaEsatti")->testo(), e->etichetta("EtichettaErrati")->testo()));
        if (!ContatoriPropri(s->id()) && (Modulo1::ContaEsatti != modello.esatti || Modulo1::ContaErrati != modello.errati))
            return Rompi("the shared counts differ from the screen's");

        // Faces: both as designed until the first answer, then the one of the last answer.
        if (!ultimaOra.isEmpty())
            modello.ultima = ultimaOra;
        const bool si = !e->immagine("ComandoIconaSi")->isHidden();
        const bool no = !e->immagine("ComandoIconaNo")->isHidden();
        if (modello.ultima.isEmpty() && !(si && no))
            return Rompi("before any answer both faces must stand as designed");
        if (!modello.ultima.isEmpty() && si == no)
            return Rompi(QString("after an answer exactly one face must show (smiling %1, sad %2)").arg(si).arg(no));
        if (!modello.ultima.isEmpty() && si != (modello.ultima == "si"))
            return Rompi("the face shown is not the last answer's");

        if (s->id() == Id::Form10)
            return StatoDueRighe(e, giusteOra, sbagliateOra, riaperta);
        StatoSemplice(e, giusteOra, sbagliateOra, riaperta);
    }

    // Form1 to Form9 and FormDentroFuori1: waiting (answers enabled, "avanti" disabled) or
    // answered (the reverse); a right answer leads from the first to the second.
    void StatoSemplice(FormEsercizio* e, int giusteOra, int sbagliateOra, bool riaperta)
    {
        const QStringList chiavi = ChiaviRisposta(e->id());
        int abilitate = 0;
        for (const QString& k : chiavi) {
            QWidget* w = e->controllo(k.section('(', 0, 0), k.contains('(') ? k.section('(', 1).chopped(1).toInt() : -1);
            if (!w)
                return Rompi("no answer control " + k);
            abilitate += w->isEnabled();
        }
        const bool avanti = e->pulsante("Command2")->isEnabled();
        Stato ora;
        if (abilitate == chiavi.size() && !avanti)
            ora = Stato::Attesa;
        else if (abilitate == 0 && avanti)
            ora = Stato::Risposto;
        else
            return Rompi(QString("%1 of %2 answer controls enabled and \"avanti\" %3: no state of the table")
                             .arg(abilitate).arg(chiavi.size()).arg(avanti ? "enabled" : "disabled"));

        const Stato prima = riaperta ? Stato::Attesa : modello.stato;
        if (giusteOra > 1)
            return Rompi("two right answers to one exercise");
        if (prima == Stato::Risposto && (giusteOra || sbagliateOra))
            return Rompi("an answer was judged while the answers were disabled");
        if (giusteOra == 1 && ora != Stato::Risposto)
            return Rompi("a right answer did not close the exercise");
        if (giusteOra == 0 && prima == Stato::Attesa && ora != Stato::Attesa)
            return Rompi("the exercise closed without a right answer");
        modello.stato = ora;

        if (e->id() == Id::FormDentroFuori1) {
            const QString l3 = e->etichetta("Label3")->testo();
            const int animale = AnimaleVisibile(e, 30);
            if (animale < 0)
                return;
            if (ora == Stato::Attesa && !l3.isEmpty())
                return Rompi("Label3 is not empty while waiting: \"" + l3 + "\"");
            if (ora == Stato::Risposto && l3 != (animale <= 15 ? "DESTRA" : "SINISTRA"))
                return Rompi(QString("Label3 reads \"%1\" with animal %2").arg(l3).arg(animale));
        }
        if (e->id() == Id::Form3)
            AnimaleVisibile(e, 9, "Picture1", 0);
        if (e->id() == Id::Form2) {
            const int gatti = !e->controllo("PictureGatto", 0)->isHidden() + !e->controllo("PictureGatto", 1)->isHidden();
            if (gatti != (ora == Stato::Risposto ? 1 : 0))
                return Rompi(QString("%1 kittens show").arg(gatti));
        }
    }

    // Exactly one picture of the array shows; its index, or -1 after a break.
    int AnimaleVisibile(FormEsercizio* e, int ultimo, const char* nome = "PictureDentro", int primo = 1)
    {
        int trovato = -1, quanti = 0;
        for (int i = 0; i <= ultimo; ++i)
            if (QWidget* w = e->controllo(nome, i); w && !w->isHidden()) {
                trovato = i;
                ++quanti;
            }
        if (quanti != 1 || trovato < primo) {
            Rompi(QString("%1 pictures of %2 show (the last %3)").arg(quanti).arg(nome).arg(trovato));
            return -1;
        }
        return trovato;
    }

    // Form10: each pair closes on its own right answer; "avanti" opens with both, and Label3
    // holds one line per pair answered, the right one for where the animal stands.
    void StatoDueRighe(FormEsercizio* e, int giusteOra, int sbagliateOra, bool riaperta)
    {
        const auto abil = [e](const char* n) { return e->pulsante(n)->isEnabled(); };
        if (abil("Command1") != abil("Command3") || abil("Command4") != abil("Command5"))
            return Rompi("one button of a pair is enabled and the other not");
        const bool giallo = !abil("Command1"), verde = !abil("Command4");
        const bool avanti = abil("Command2");
        if (avanti != (giallo && verde))
            return Rompi(QString("\"avanti\" %1 with the yellow pair %2 and the green pair %3")
                             .arg(avanti ? "enabled" : "disabled", giallo ? "done" : "open", verde ? "done" : "open"));

        const bool gialloPrima = riaperta ? false : modello.giallo, verdePrima = riaperta ? false : modello.verde;
        if (gialloPrima && verdePrima && (giusteOra || sbagliateOra))
            return Rompi("an answer was judged with both pairs closed");
        if (gialloPrima && verdePrima && !(giallo && verde)) {
            if (giallo || verde)
                return Rompi("\"avanti\" reopened only one pair");
        } else {
            if ((gialloPrima && !giallo) || (verdePrima && !verde))
                return Rompi("a pair answered right opened again");
            if (int(giallo && !gialloPrima) + int(verde && !verdePrima) != giusteOra)
                return Rompi(QString("%1 right answers closed %2 pairs")
                                 .arg(giusteOra).arg(int(giallo && !gialloPrima) + int(verde && !verdePrima)));
        }
        modello.giallo = giallo;
        modello.verde = verde;

        const int animale = AnimaleVisibile(e, 45);
        if (animale < 0)
            return;
        const QString l3 = e->etichetta("Label3")->testo();
        QStringList righe = l3.split("\r\n");
        if (righe.takeLast() != "")
            return Rompi("Label3 does not end with a line break: \"" + l3 + "\"");
        if (righe.size() != int(giallo) + int(verde))
            return Rompi(QString("Label3 holds %1 lines with %2 pairs answered").arg(righe.size()).arg(int(giallo) + int(verde)));
        const QString rigaGialla = animale <= 30 ? "A DESTRA DELLA RIGA GIALLA." : "A SINISTRA DELLA RIGA GIALLA.";
        const QString rigaVerde = animale <= 15 ? "A DESTRA DELLA RIGA VERDE." : "A SINISTRA DELLA RIGA VERDE.";
        if (righe.contains(rigaGialla) != giallo || righe.contains(rigaVerde) != verde)
            return Rompi(QString("Label3 reads \"%1\" with animal %2").arg(righe.join(" | ")).arg(animale));
    }

    std::mt19937_64 caso;
    Risponditore* risponditore = nullptr;
    int numero = 0;
    QString azione;
    int azzerato = -1;  // sounds heard when the reset item was used in this action; -1: not used
    bool chiuso = false;
    QString rotto;
    std::deque<QString> storia;
    Modello modello;
    std::set<Id> visitate;
    int giuste = 0, sbagliate = 0, aperture = 0, fini = 0;
};

BUSSOLINO_TEST_MAIN(TestSoak)
#include "test_soak.moc"
