#pragma once
// A screen's designed layout as data: every control with its kind, rectangle in twips,
// caption, font, colours, drawing and designed state. Loading a screen builds its controls
// from this table, so every opening starts from the designed state.
#include <QString>
#include <QVector>
#include <cstdint>

namespace Layout {

// 15 twips are one logical pixel at the designed size.
constexpr int TwipPerPixel = 15;

// Colours as written in the design: 0xBBGGRR, blue in the high byte.
constexpr uint32_t Nessuno = 0xFFFFFFFFu;  // no colour of its own: transparent or the system's
constexpr uint32_t Bianco = 0xFFFFFF;
constexpr uint32_t Ciano = 0xFFFF00;
constexpr uint32_t Rosso = 0x0000FF;
constexpr uint32_t Blu = 0xFF0000;
constexpr uint32_t VerdeChiaro = 0x00FF00;
constexpr uint32_t Giallo = 0x00FFFF;
constexpr uint32_t VerdeScuro = 0x00C000;
constexpr uint32_t Grigio = 0xC0C0C0;
constexpr uint32_t CianoChiaro = 0xFFFFC0;
constexpr uint32_t VioloChiaro = 0xFFC0FF;

enum class Tipo { Etichetta, Immagine, Pulsante, Riquadro, Linea };
enum class Allinea { Sinistra, Centro };
// Arial and MS Sans Serif are drawn with the carried Liberation Sans, Comic Sans MS with Comic Neue.
enum class Famiglia { Sans, Comic };

struct Carattere {
    Famiglia famiglia = Famiglia::Sans;
    double punti = 8.25;
    bool grassetto = false;
};

// A rectangle in twips from the top-left corner of the window's client area, or of the
// picture box that holds the control.
struct Rettangolo {
    int sinistra = 0;
    int alto = 0;
    int larghezza = 0;
    int altezza = 0;
};

struct Controllo {
    QString nome;
    int indice = -1;  // -1: not part of a control array
    Tipo tipo = Tipo::Etichetta;
    Rettangolo posto;  // a line stands at x = posto.sinistra, from posto.alto down posto.altezza
    QString testo;
    Carattere carattere;
    uint32_t sfondo = Nessuno;     // lines: their colour
    QString disegno;               // carried drawing
    Allinea allinea = Allinea::Sinistra;
    bool abilitato = true;
    bool visibile = true;
    QString contenitore;           // picture box that holds it; empty: the window
    bool puntatore = false;        // the custom arrow pointer
    int spessore = 0;              // lines: width in pixels
    bool risposta = false;         // an answer: the exercise frame connects, enables and disables it
    QVector<int> tasti;            // keys (Qt::Key) that press it as a click would
    bool tappa = false;            // the keyboard cursor stops on it
    bool dopoLeRisposte = false;   // switches' cursor stops on it after the answers ("avanti")
    int apre = -1;                 // a menu button: the screen it opens, by its number

    // A picture box showing a figure, not a carried drawing.
    bool figura() const { return tipo == Tipo::Immagine && disegno.isEmpty(); }
};

enum class Ruolo { Azzera, Informazioni, Esci };

struct ComandoMenu {
    QString nome;
    QString testo;
    Ruolo ruolo;
    int tasto = 0;  // a key (Qt::Key) that chooses it; 0: none
};

// How the keyboard cursor moves between a screen's stops: the arrow keys as the stops stand
// on screen, or Tab and Shift+Tab in reading order. Enter and Space press the stop it is on.
enum class Cursore { Frecce, Tab };

// The frame's geometry an exercise screen stands in: where the counts, the faces and the
// loudspeaker stand, the menu bar's captions, the window icon, and whether "avanti" is designed
// enabled (B, whose screens disable it themselves). How a screen counts and who opens its
// "avanti" are said by its row in the catalogue, not by this.
enum class Cornice { Nessuna, A, B };

struct Schermo {
    QString nome;                    // the design's name of the screen
    QString titolo;                  // window title
    int larghezza = 0, altezza = 0;  // client area in twips
    uint32_t sfondo = Nessuno;
    QString icona;                   // carried drawing for the window icon; empty: none
    Cornice cornice = Cornice::Nessuna;
    Rettangolo avanti;               // where an exercise puts its "avanti"
    Cursore cursore = Cursore::Frecce;
    QVector<ComandoMenu> menu;
    QVector<Controllo> controlli;    // creation order: later ones stand in front
};

// A button of the main menu that opens a screen: its place in the two columns of six.
struct PulsanteMenu {
    QString nome;
    QString didascalia;
    int colonna = 0;
    int riga = 0;
    int apre = -1;  // the screen it opens, by its number
};

// The designed layouts: the title, the menu with the buttons given, and each exercise's own
// controls; conCornice adds the frame the exercises share.
Schermo avvio();
Schermo menu(const QVector<PulsanteMenu>& esercizi);
Schermo form1();
Schermo form2();
Schermo form3();
Schermo veroFalso();
Schermo detective();
Schermo dentroFuori1();
Schermo form10();
Schermo conCornice(Schermo proprio, Cornice cornice);

// A control's key in a screen: "Nome" or "Nome(3)".
QString chiave(const QString& nome, int indice = -1);

}  // namespace Layout
