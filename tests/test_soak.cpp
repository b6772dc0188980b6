// A child at the mouse: random clicks on any control (enabled or not), double clicks, keys, menu
// items, both answers to every question, closed windows and fresh starts. After every action:
// one window open; on an exercise the counts equal the answers heard since it opened or was
// reset, the face is the last answer's, and the answers and "avanti" are open or closed together.
// BUSSOLINO_SOAK_AZIONI sets the number of actions, BUSSOLINO_SOAK_SEME the seed (to replay).
#include "support/Aiuto.h"
#include "Applicazione.h"
#include "framework/Registro.h"

#include "framework/FormEsercizio.h"
#include "services/Modulo1.h"

#include <QSet>
#include <QTimer>
#include <random>

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void bambinoAlMouse()
    {
        const int quante = qEnvironmentVariable("BUSSOLINO_SOAK_AZIONI", "2000").toInt();
        const auto seme = qEnvironmentVariable("BUSSOLINO_SOAK_SEME", "20240611").toULongLong();
        std::printf("soak: %d actions, seed %llu\n", quante, seme);
        caso.seed(seme);
        // Clicks sent straight to a widget that does not take them are no fault here.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        Ambiente a;  // the program's own draws run free from the scripted source's fixed seed
        QTimer risponditore;  // answers every message box as it shows, Yes or No at random
        connect(&risponditore, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                QAbstractButton* b = box->button(QMessageBox::Ok);
                if (!b)
                    b = box->button(uno(2) ? QMessageBox::Yes : QMessageBox::No);
                fine |= box->text().startsWith("Vuoi uscire") && box->buttonRole(b) == QMessageBox::YesRole;
                b->click();
            }
        });
        risponditore.start(0);
        Applicazione::Main();
        QSet<int> visitate;
        for (int n = 1; n <= quante; ++n) {
            Schermata* s = aperta();
            const QWidgetList finestre = QApplication::topLevelWidgets();
            const auto visibili = std::count_if(finestre.begin(), finestre.end(), [](QWidget* w) { return w->isVisible(); });
            QVERIFY2(s && aperte() == 1 && visibili == 1, qPrintable(QString("action %1: %2 screens open").arg(n).arg(aperte())));
            visitate << int(s->id());
            if (s->window() != finestra)  // a screen opened: the model starts afresh
                finestra = s->window(), esatti = errati = 0, ultimo.clear(), chiusa = false;
            const int prima = a.lettore.suonati.size();
            int azzerato = -1;  // the sounds heard when the reset item was used in this action
            QMetaObject::Connection c;
            if (!s->layout().menu.isEmpty())
                c = connect(s->comando(0), &QAction::triggered, this, [&] { azzerato = a.lettore.suonati.size(); });
            agisci(*s);
            disconnect(c);
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!fine || aperte() == 0, qPrintable(QString("action %1: asked to end, the program goes on").arg(n)));
            if (aperte() == 0) {  // the program ended: start it again, sometimes afresh
                QVERIFY2(fine, qPrintable(QString("action %1: the program ended unasked").arg(n)));
                fine = false;
                if (uno(2))
                    Registro::distruggi();
                Applicazione::Main();
                continue;
            }
            if (aperta()->window() != finestra || !esercizi().contains(id(*s))) {
                QVERIFY2(a.lettore.suonati.size() == prima || esercizi().contains(id(*s)), "a sound with no exercise open");
                continue;
            }
            // The answers heard since the screen opened or was reset.
            const QStringList ora = a.lettore.suonati.mid(prima).replaceInStrings(QRegularExpression(".*/"), "");
            if (azzerato >= 0)
                esatti = errati = 0;
            for (qsizetype i = azzerato >= 0 ? azzerato - prima : 0; i < ora.size(); ++i)
                (ora[i] == "no.wav" ? errati : esatti)++;
            controlla(static_cast<FormEsercizio&>(*s), ora, n);
        }
        std::printf("soak: %d screens visited\n", int(visitate.size()));
        QVERIFY(quante < 2000 || visitate.size() == Catalogo::Numero);
    }

private:
    int uno(int k) { return std::uniform_int_distribution<int>(0, k - 1)(caso); }

    void agisci(Schermata& s)
    {
        QWidget* w = nullptr;
        switch (std::discrete_distribution<int>({36, 16, 10, 14, 8, 6, 1})(caso)) {
        case 0: {  // any designed control, shown or hidden; buttons and answers more often
            std::vector<double> pesi;
            for (const Layout::Controllo& c : s.layout().controlli)
                pesi.push_back(c.tipo == Layout::Tipo::Pulsante ? 8 : 1);
            w = s.costruito(std::discrete_distribution<int>(pesi.begin(), pesi.end())(caso));
            break;
        }
        case 1: w = risposte(s).isEmpty() ? nullptr : risposte(s)[uno(risposte(s).size())]; break;
        case 2: w = controllo(s, "Command2"); break;
        case 3:
            if (!s.layout().menu.isEmpty())
                s.comando(uno(3))->trigger();
            return;
        case 4: QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : s.window(),
                                std::vector{Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_F11, Qt::Key_Escape}[uno(5)]);
            return;
        case 5: w = s.window()->childAt(uno(s.window()->width()), uno(s.window()->height())); break;
        case 6:
            fine = true;
            s.window()->close();
            return;
        }
        if (!w || w->isHidden() || !w->isVisible())
            return;
        const QPoint p(uno(w->width()), uno(w->height()));
        QPointer<QWidget> ancora = w;
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
        if (ancora && uno(6) == 0)
            QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    }

    void controlla(FormEsercizio& e, const QStringList& ora, int n)
    {
        const QString dove = QString("action %1 on screen %2: ").arg(n).arg(int(e.id()));
        QVERIFY2(ora.filter(QRegularExpression("^(si[1-4]|no)\\.wav$")).size() == ora.size(), qPrintable(dove + ora.join(' ')));
        const auto testo = [](int k) { return k ? testoConteggio(int16_t(k)) : QString("0"); };
        QCOMPARE(e.EtichettaEsatti->testo() + "|" + e.EtichettaErrati->testo(), testo(esatti) + "|" + testo(errati));
        if (!ora.isEmpty())
            ultimo = ora.last();
        const QString faccia = quadro(e).section(' ', 0, 0);
        QVERIFY2(faccia == (ultimo.isEmpty() ? "both" : ultimo == "no.wav" ? "no" : "si"), qPrintable(dove + quadro(e)));
        // Answers and "avanti": open together or closed together ("A destra di 2": pair by pair).
        const QString stato = quadro(e).section("risposte:", 1);
        const bool avanti = e.Command2->isEnabled(), aperta = !stato.contains('0');
        const bool coppie = id(e) == Id::Form10 && stato[0] == stato[1] && stato[2] == stato[3] && stato != "1111" && stato != "0000";
        QVERIFY2(coppie ? !avanti : avanti == !stato.contains('1') && (aperta || !stato.contains('1')), qPrintable(dove + quadro(e)));
        QVERIFY2(!chiusa || ora.isEmpty() || !avanti, qPrintable(dove + "an answer judged after the exercise closed"));
        QVERIFY2(ora.filter("si").isEmpty() || stato.contains('0'), qPrintable(dove + "a right answer left the answers open"));
        chiusa = avanti;
    }

    std::mt19937_64 caso;
    QPointer<QMainWindow> finestra;
    int esatti = 0, errati = 0;  // the answers heard since the screen opened or was reset
    QString ultimo;         // the last sound heard on this screen
    bool chiusa = false;    // the exercise was answered right and waits for "avanti"
    bool fine = false;      // the child asked the program to end
};

BUSSOLINO_TEST_MAIN(TestSoak)
#include "test_soak.moc"
