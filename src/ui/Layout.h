#pragma once
// A screen's designed layout as data: every control with its kind, rectangle in twips,
// caption, font, colours, picture and designed state. Loading a screen builds its controls
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

struct Controllo {
    QString nome;
    int indice = -1;  // -1: not part of a control array
    Tipo tipo = Tipo::Etichetta;
    int left = 0, top = 0, width = 0, height = 0;  // twips; a line stands at x = left
    QString testo;
    Carattere carattere;
    uint32_t sfondo = Nessuno;
    QString figura;                // carried picture
    Allinea allinea = Allinea::Sinistra;
    bool abilitato = true;
    bool visibile = true;
    QString contenitore;           // picture box that holds it; empty: the window
    bool puntatore = false;        // the custom arrow pointer
    int spessore = 0;              // lines: width in pixels
};

enum class Ruolo { Azzera, Informazioni, Esci };

struct VoceMenu {
    QString nome;
    QString testo;
    Ruolo ruolo;
};

struct Schermo {
    QString nome;
    QString titolo;                // window title
    int larghezza = 0, altezza = 0;  // client area in twips
    uint32_t sfondo = Nessuno;
    QString icona;                 // carried picture for the window icon; empty: none
    QVector<VoceMenu> menu;
    QVector<Controllo> controlli;  // creation order: later ones stand in front
};

// The designed layouts.
const Schermo& Avvio();
const Schermo& Menu();
const Schermo& Esercizio(const QString& nome);  // "Form1" .. "Form10", "FormDentroFuori1"

// A control's key in a screen: "Nome" or "Nome(3)".
QString Chiave(const QString& nome, int indice = -1);

}  // namespace Layout
