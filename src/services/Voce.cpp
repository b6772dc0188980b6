#include "services/Voce.h"

#include "services/Percorsi.h"

#include "services/ModuloColoriSuoni.h"
#include "services/Sensori.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cstdio>

namespace Voce {

namespace {

// Spoken slowly and warmly by the build's synthesiser; the screens' texts stay as designed.
// A button is named by what a child sees, its colour and place, and never by the answer.
constexpr Frase Tabella[] = {
    // "Su di me"
    {"CLICCA SUL MIO LATO DESTRO", "Clicca sul mio lato destro.", "su_di_me_destro.wav"},
    {"CLICCA SUL MIO LATO SINISTRO", "Clicca sul mio lato sinistro.", "su_di_me_sinistro.wav"},
    // "Alla mia 1"
    {"IL MICETTO E' ALLA MIA DESTRA", "Il micetto è alla mia destra.", "micetto_destra.wav"},
    {"IL MICETTO E' ALLA MIA SINISTRA", "Il micetto è alla mia sinistra.", "micetto_sinistra.wav"},
    // "Alla mia 2": the screen writes only "E' ALLA MIA"; the voice asks the whole question.
    {DomandaAllaMia2, "È alla mia destra o alla mia sinistra?", "alla_mia_domanda.wav"},
    {RispostaAllaMiaDestra, "È alla mia destra.", "alla_mia_destra.wav"},
    {RispostaAllaMiaSinistra, "È alla mia sinistra.", "alla_mia_sinistra.wav"},
    {BottoniDestraSinistra, "Il bottone rosso, in alto, dice destra. Quello blu, in basso, dice sinistra.",
     "bottoni_destra_sinistra.wav"},
    // "Vero e falso": either arm with each of the four arm positions.
    {"HO IL BRACCIO DESTRO APERTO VERSO L'ALTO", "Ho il braccio destro aperto verso l'alto.",
     "vero_falso_destro_aperto_verso_alto.wav"},
    {"HO IL BRACCIO DESTRO VERSO L'ESTERNO", "Ho il braccio destro verso l'esterno.",
     "vero_falso_destro_verso_esterno.wav"},
    {"HO IL BRACCIO DESTRO IN ALTO", "Ho il braccio destro in alto.", "vero_falso_destro_in_alto.wav"},
    {"HO IL BRACCIO DESTRO IN BASSO", "Ho il braccio destro in basso.", "vero_falso_destro_in_basso.wav"},
    {"HO IL BRACCIO SINISTRO APERTO VERSO L'ALTO", "Ho il braccio sinistro aperto verso l'alto.",
     "vero_falso_sinistro_aperto_verso_alto.wav"},
    {"HO IL BRACCIO SINISTRO VERSO L'ESTERNO", "Ho il braccio sinistro verso l'esterno.",
     "vero_falso_sinistro_verso_esterno.wav"},
    {"HO IL BRACCIO SINISTRO IN ALTO", "Ho il braccio sinistro in alto.", "vero_falso_sinistro_in_alto.wav"},
    {"HO IL BRACCIO SINISTRO IN BASSO", "Ho il braccio sinistro in basso.", "vero_falso_sinistro_in_basso.wav"},
    {VeroOFalso, "Vero o falso?", "vero_o_falso.wav"},
    {BottoniVeroFalso, "Il bottone verde, a sinistra, dice vero. Quello rosso, a destra, dice falso.",
     "bottoni_vero_falso.wav"},
    // "Il detective": the three sentences of a description, each on its own line.
    {"HA IL BRACCIO DESTRO APERTO VERSO L'ALTO.", "Ha il braccio destro aperto verso l'alto.",
     "detective_destro_aperto_verso_alto.wav"},
    {"HA IL BRACCIO DESTRO VERSO L'ESTERNO.", "Ha il braccio destro verso l'esterno.",
     "detective_destro_verso_esterno.wav"},
    {"HA IL BRACCIO DESTRO IN ALTO.", "Ha il braccio destro in alto.", "detective_destro_in_alto.wav"},
    {"HA IL BRACCIO DESTRO IN BASSO.", "Ha il braccio destro in basso.", "detective_destro_in_basso.wav"},
    {"HA IL BRACCIO SINISTRO APERTO VERSO L'ALTO.", "Ha il braccio sinistro aperto verso l'alto.",
     "detective_sinistro_aperto_verso_alto.wav"},
    {"HA IL BRACCIO SINISTRO VERSO L'ESTERNO.", "Ha il braccio sinistro verso l'esterno.",
     "detective_sinistro_verso_esterno.wav"},
    {"HA IL BRACCIO SINISTRO IN ALTO.", "Ha il braccio sinistro in alto.", "detective_sinistro_in_alto.wav"},
    {"HA IL BRACCIO SINISTRO IN BASSO.", "Ha il braccio sinistro in basso.", "detective_sinistro_in_basso.wav"},
    {"HA LE GAMBE UNITE.", "Ha le gambe unite.", "detective_gambe_unite.wav"},
    {"HA LE GAMBE DIVARICATE.", "Ha le gambe divaricate.", "detective_gambe_divaricate.wav"},
    // "A destra di 1": no question on screen; the answer written under the field is one word.
    {DomandaRigaVerde, "L'animale è a destra o a sinistra della riga verde?", "riga_verde_domanda.wav"},
    {"DESTRA", "A destra della riga verde.", "riga_verde_destra.wav"},
    {"SINISTRA", "A sinistra della riga verde.", "riga_verde_sinistra.wav"},
    // "A destra di 2"
    {DomandaDueRighe, "L'animale è a destra o a sinistra della riga gialla? E della riga verde?",
     "due_righe_domanda.wav"},
    {"A DESTRA DELLA RIGA GIALLA.", "A destra della riga gialla.", "due_righe_destra_gialla.wav"},
    {"A SINISTRA DELLA RIGA GIALLA.", "A sinistra della riga gialla.", "due_righe_sinistra_gialla.wav"},
    {"A DESTRA DELLA RIGA VERDE.", "A destra della riga verde.", "due_righe_destra_verde.wav"},
    {"A SINISTRA DELLA RIGA VERDE.", "A sinistra della riga verde.", "due_righe_sinistra_verde.wav"},
    {BottoniDueRighe,
     "I bottoni a sinistra sono per la riga gialla, quelli a destra per la verde. "
     "I rossi, in alto, dicono a destra. Gli azzurri, in basso, dicono a sinistra.",
     "bottoni_due_righe.wav"},
    // The words of what the switches' cursor stops on, by caption: the title, the menu, the
    // answer buttons, "avanti", "Esci" and the buttons of the message boxes.
    {"tappa:Avvio", "Av-vì-o.", "tappa_avvio.wav"},
    {"tappa:Su di me ", "Su di me.", "tappa_su_di_me.wav"},
    {"tappa:Alla mia......    1", "Alla mia, uno.", "tappa_alla_mia_1.wav"},
    {"tappa:Alla mia......    2", "Alla mia, due.", "tappa_alla_mia_2.wav"},
    {"tappa:Vero e falso   1", "Vero e falso, uno.", "tappa_vero_e_falso_1.wav"},
    {"tappa:Vero e falso   2", "Vero e falso, due.", "tappa_vero_e_falso_2.wav"},
    {"tappa:Vero e falso   3", "Vero e falso, tre.", "tappa_vero_e_falso_3.wav"},
    {"tappa:Il detective 1", "Il detective, uno.", "tappa_detective_1.wav"},
    {"tappa:Il detective 2", "Il detective, due.", "tappa_detective_2.wav"},
    {"tappa:Il detective 3", "Il detective, tre.", "tappa_detective_3.wav"},
    {"tappa:A destra di......  1", "A destra di, uno.", "tappa_a_destra_di_1.wav"},
    {"tappa:A destra di...... 2", "A destra di, due.", "tappa_a_destra_di_2.wav"},
    {"tappa:Esci", "Esci.", "tappa_esci.wav"},
    {"tappa:VERO", "Vero.", "tappa_vero.wav"},
    {"tappa:FALSO", "Falso.", "tappa_falso.wav"},
    {"tappa:DESTRA", "Destra.", "tappa_destra.wav"},
    {"tappa:SINISTRA", "Sinistra.", "tappa_sinistra.wav"},
    {"tappa:A DESTRA DEL GIALLO", "A destra del giallo.", "tappa_destra_del_giallo.wav"},
    {"tappa:A SINISTRA DEL GIALLO", "A sinistra del giallo.", "tappa_sinistra_del_giallo.wav"},
    {"tappa:A DESTRA DEL VERDE", "A destra del verde.", "tappa_destra_del_verde.wav"},
    {"tappa:A SINISTRA DEL VERDE", "A sinistra del verde.", "tappa_sinistra_del_verde.wav"},
    {"tappa:avanti", "Avanti.", "tappa_avanti.wav"},
    {"tappa:Sì", "Sì.", "tappa_si.wav"},
    {"tappa:No", "No.", "tappa_no.wav"},
    {"tappa:OK", "Va bene.", "tappa_ok.wav"},
};

}  // namespace

QString chiaveTappa(const QString& didascalia)
{
    return QStringLiteral("tappa:") + didascalia;
}

std::span<const Frase> frasi()
{
    return Tabella;
}

QString percorso(const Frase& frase)
{
    return Percorsi::cartellaProgramma() + QStringLiteral("/voce/") + QString::fromLatin1(frase.file);
}

QString percorsoDi(const QString& chiave)
{
    static const QHash<QString, const Frase*> indice = [] {
        QHash<QString, const Frase*> h;
        for (const Frase& f : Tabella)
            h.insert(QString::fromUtf8(f.chiave), &f);
        return h;
    }();
    const Frase* f = indice.value(chiave);
    return f ? percorso(*f) : QString();
}

namespace {
bool accesa = true;
}  // namespace

bool attiva()
{
    return accesa;
}

void impostaAttiva(bool a)
{
    accesa = a;
    if (!a)
        taci();
}

void taci()
{
    ModuloColoriSuoni::lettoreAttuale().ferma();
    Sensori::zitto();
}

namespace {

// The file of a sentence that can be played; a missing or unreadable one is said once on stderr.
QString leggibile(const QString& chiave)
{
    static QSet<QString> mancanti;
    const QString p = percorsoDi(chiave);
    if (p.isEmpty())
        return {};
    const QFileInfo file(p);
    if (!file.isFile() || !file.isReadable()) {
        if (!mancanti.contains(p)) {
            mancanti.insert(p);
            std::fprintf(stderr, "bussolino: cannot say \"%s\": %s is %s\n", qPrintable(chiave), qPrintable(p),
                         file.isDir() ? "a folder, not a sound file" : file.exists() ? "not readable" : "missing");
        }
        return {};
    }
    return p;
}

}  // namespace

void parla(const QStringList& chiavi, bool subito)
{
    if (!accesa)
        return;
    bool primo = true;
    for (const QString& chiave : chiavi) {
        const QString p = leggibile(chiave);
        if (p.isEmpty())
            continue;
        if (subito && primo) {
            ModuloColoriSuoni::lettoreAttuale().ferma();
            Sensori::zitto();
        }
        primo = false;
        ModuloColoriSuoni::lettoreAttuale().accoda(p);
        Sensori::suonato(p, Sensori::Suono::Frase, false);
    }
}

void diciTappa(const QString& didascalia)
{
    if (!accesa)
        return;
    const QString p = leggibile(chiaveTappa(didascalia));
    if (p.isEmpty())
        return;
    const bool sopra = Sensori::frasiPerAncora() == 0;
    if (sopra)
        ModuloColoriSuoni::lettoreAttuale().ferma();
    ModuloColoriSuoni::lettoreAttuale().accoda(p);
    Sensori::suonato(p, Sensori::Suono::Parole, sopra);
}

}  // namespace Voce
