#pragma once
// The spoken sentences: every sentence a screen can show or say, how it is spoken, and its file.
#include <QString>
#include <QStringList>
#include <span>

namespace Voce {

struct Frase {
    // The text exactly as the screen shows it, one line of a label; for what is only spoken
    // (questions of screens that have none written, the names of the answer buttons) a key
    // of its own, given below as a constant.
    const char* chiave;
    // What the voice says: natural Italian with its accents, in UTF-8.
    const char* parlato;
    // The file in voce/, a name a teacher can read and replace.
    const char* file;
};

// Sentences that are spoken but never written on a screen.
inline constexpr char DomandaAllaMia2[] = "voce:domanda alla mia 2";
inline constexpr char RispostaAllaMiaDestra[] = "voce:risposta alla mia destra";
inline constexpr char RispostaAllaMiaSinistra[] = "voce:risposta alla mia sinistra";
inline constexpr char VeroOFalso[] = "voce:vero o falso";
inline constexpr char DomandaRigaVerde[] = "voce:domanda riga verde";
inline constexpr char DomandaDueRighe[] = "voce:domanda due righe";
// The answer buttons named by colour and place, said once when a screen opens.
inline constexpr char BottoniDestraSinistra[] = "voce:bottoni destra sinistra";
inline constexpr char BottoniVeroFalso[] = "voce:bottoni vero falso";
inline constexpr char BottoniDueRighe[] = "voce:bottoni due righe";

// The words of a stop the switches' cursor stops on, by its caption as the screen shows it.
QString chiaveTappa(const QString& didascalia);

std::span<const Frase> frasi();

// <program folder>/voce/<file>
QString percorso(const Frase& frase);
// The file of a sentence by its key (the exact text on screen, blanks included, or one of the
// keys above); empty when the program has no voice for that text.
QString percorsoDi(const QString& chiave);
// Whether the voice speaks: on unless the teacher turned it off (the menu's loudspeaker, or
// --senza-voce at start); nothing is saved. Turning it off silences what it is saying.
bool attiva();
void impostaAttiva(bool attiva);
// Silences what the voice is saying and what it was going to say: the screen that said it is gone.
void taci();

// Says the sentences of `chiavi` in order, after what is playing; `subito`: cuts what is
// playing first (the loudspeaker button). A key without a sentence is left out; a file that
// is missing or unreadable gives one line on stderr naming it, and the exercise goes on.
void parla(const QStringList& chiavi, bool subito = false);
// Says a stop's words (by its caption): at once over the words of the stop before, after
// anything else that is playing, so that a question or an answer's sound is heard whole.
void diciTappa(const QString& didascalia);

}  // namespace Voce
