// The designed layout of every screen. Positions are in twips from the top-left corner of
// the window's client area, or of the picture box that holds the control.
#include "ui/Layout.h"

namespace Layout {

QString chiave(const QString& nome, int indice)
{
    return indice < 0 ? nome : nome + '(' + QString::number(indice) + ')';
}

namespace {

const Carattere Arial12B{Famiglia::Sans, 12, true};
const Carattere Arial18B{Famiglia::Sans, 18, true};
const Carattere SansSerif135{Famiglia::Sans, 13.5, false};
const Carattere SansSerif135B{Famiglia::Sans, 13.5, true};

Controllo base(const QString& nome, int indice, Tipo tipo, Rettangolo posto)
{
    Controllo k;
    k.nome = nome;
    k.indice = indice;
    k.tipo = tipo;
    k.posto = posto;
    return k;
}

Controllo etichetta(const QString& nome, int indice, Rettangolo posto, const QString& testo = {}, Carattere c = {},
                    uint32_t sfondo = Nessuno, Allinea a = Allinea::Sinistra)
{
    Controllo k = base(nome, indice, Tipo::Etichetta, posto);
    k.testo = testo;
    k.carattere = c;
    k.sfondo = sfondo;
    k.allinea = a;
    return k;
}

Controllo immagine(const QString& nome, int indice, Rettangolo posto, const QString& disegno = {})
{
    Controllo k = base(nome, indice, Tipo::Immagine, posto);
    k.disegno = disegno;
    return k;
}

Controllo pulsante(const QString& nome, Rettangolo posto, const QString& testo, Carattere c, uint32_t sfondo = Nessuno,
                   const QString& disegno = {})
{
    Controllo k = base(nome, -1, Tipo::Pulsante, posto);
    k.testo = testo;
    k.carattere = c;
    k.sfondo = sfondo;
    k.disegno = disegno;
    return k;
}

Controllo riquadro(const QString& nome, int indice, Rettangolo posto, const QString& disegno, uint32_t sfondo = Nessuno,
                   const QString& contenitore = {})
{
    Controllo k = base(nome, indice, Tipo::Riquadro, posto);
    k.disegno = disegno;
    k.sfondo = sfondo;
    k.contenitore = contenitore;
    return k;
}

// A vertical line 9 pixels wide at x, from y = 0 down to 5280, inside a picture box.
Controllo linea(const QString& nome, int indice, int x, uint32_t colore, const QString& contenitore)
{
    Controllo k = base(nome, indice, Tipo::Linea, {.sinistra = x, .alto = 0, .larghezza = 0, .altezza = 5280});
    k.sfondo = colore;
    k.spessore = 9;
    k.contenitore = contenitore;
    return k;
}

Controllo risposta(Controllo k)
{
    k.risposta = true;
    return k;
}

// An answer pressed straight by its keys.
Controllo risposta(Controllo k, QVector<int> tasti)
{
    k.tasti = std::move(tasti);
    return risposta(k);
}

// A control the keyboard cursor stops on.
Controllo tappa(Controllo k)
{
    k.tappa = true;
    return k;
}

// The white field of the line exercises and its animals, hidden until one is drawn.
struct Animale {
    int sinistra;
    int alto;
    const char* disegno;
    int larghezza = 495;
};

void aggiungiCampo(Schermo& s)
{
    s.controlli << riquadro("Picture1", -1, {.sinistra = 120, .alto = 120, .larghezza = 7455, .altezza = 4575}, {},
                            Bianco);
}

void aggiungiAnimali(Schermo& s, const QVector<Animale>& animali)
{
    for (int i = 0; i < animali.size(); ++i) {
        const Animale& a = animali[i];
        Controllo k = riquadro("PictureDentro", i,
                               {.sinistra = a.sinistra, .alto = a.alto, .larghezza = a.larghezza, .altezza = 495},
                               a.disegno, Nessuno, "Picture1");
        k.visibile = false;
        s.controlli << k;
    }
}

}  // namespace

Schermo avvio()
{
    Schermo s;
    s.larghezza = 10305, s.altezza = 9000;
    s.sfondo = 0xFF8080;
    s.icona = "icona_avvio";
    s.controlli << etichetta("Label2", 0, {.sinistra = 2160, .alto = 240, .larghezza = 5295, .altezza = 3135},
                             "Bussolino", {Famiglia::Comic, 48, true}, Nessuno, Allinea::Centro);
    Controllo bottone = pulsante("BottoneAvvio", {.sinistra = 3120, .alto = 4920, .larghezza = 3255, .altezza = 1215},
                                 "Avvio", {Famiglia::Comic, 20.25, true}, Grigio, "avvio");
    bottone.puntatore = true;
    s.controlli << tappa(bottone);
    return s;
}

Schermo menu(const QVector<PulsanteMenu>& esercizi)
{
    Schermo s;
    s.larghezza = 9030, s.altezza = 7770;
    s.sfondo = 0xC000C0;
    // Created in tab order: "Esci" (Command1) first, then the exercises as given.
    // The arrow keys move between all twelve as they stand; the cursor starts top left.
    s.controlli << tappa(pulsante("Command1", {.sinistra = 4800, .alto = 5640, .larghezza = 3015, .altezza = 975},
                                  "Esci", {Famiglia::Sans, 18, true}, Nessuno, "ciao"));
    for (const PulsanteMenu& p : esercizi) {
        Controllo k = tappa(pulsante(p.nome,
                                     {.sinistra = p.colonna == 0 ? 720 : 4800, .alto = 240 + 1080 * p.riga,
                                      .larghezza = 3015, .altezza = 915},
                                     p.didascalia, SansSerif135B));
        k.apre = p.apre;
        s.controlli << k;
    }
    // The voice on and off, in the free corner right of the buttons.
    Controllo voce = immagine("InterruttoreVoce", -1, {.sinistra = 8040, .alto = 240, .larghezza = 840, .altezza = 840}, "altoparlante");
    voce.puntatore = true;
    voce.dopoLeRisposte = true;
    s.controlli << voce;
    return s;
}

Schermo form1()
{
    Schermo s;
    s.avanti = {.sinistra = 7080, .alto = 4560, .larghezza = 1695};
    s.controlli << immagine("Image1", -1, {.sinistra = 1200, .alto = 120, .larghezza = 4455, .altezza = 4455});
    Controllo mezzo = base("Line1", -1, Tipo::Linea, {.sinistra = 3360, .alto = 120, .larghezza = 0, .altezza = 4440});
    mezzo.sfondo = Rosso;
    mezzo.spessore = 9;
    s.controlli << mezzo
                // The arrow is the side of the screen, never the figure's own: that is the child's to work out.
                << risposta(etichetta("Label3", 0, {.sinistra = 1200, .alto = 120, .larghezza = 2175, .altezza = 4455}),
                            {Qt::Key_Left})
                << risposta(etichetta("Label3", 1, {.sinistra = 3360, .alto = 120, .larghezza = 2175, .altezza = 4455}),
                            {Qt::Key_Right})
                << etichetta("Label5", -1, {.sinistra = 240, .alto = 4800, .larghezza = 6015, .altezza = 735}, "Label5",
                             SansSerif135, Bianco);
    return s;
}

Schermo form2()
{
    Schermo s;
    s.avanti = {.sinistra = 7080, .alto = 4560, .larghezza = 1695};
    s.controlli
        << immagine("Image1", -1, {.sinistra = 1560, .alto = 240, .larghezza = 3615, .altezza = 3975})
        << risposta(etichetta("Label3", 0, {.sinistra = 720, .alto = 3480, .larghezza = 735, .altezza = 735}, {}, {}, Bianco),
                    {Qt::Key_Left})
        << risposta(etichetta("Label3", 1, {.sinistra = 5280, .alto = 3480, .larghezza = 735, .altezza = 735}, {}, {}, Bianco),
                    {Qt::Key_Right})
        << riquadro("PictureGatto", 0, {.sinistra = 840, .alto = 3600, .larghezza = 495, .altezza = 495}, "gatto")
        << riquadro("PictureGatto", 1, {.sinistra = 5400, .alto = 3600, .larghezza = 495, .altezza = 495}, "gatto")
        << etichetta("Label5", -1, {.sinistra = 240, .alto = 4800, .larghezza = 6015, .altezza = 735}, "Label5",
                     SansSerif135, Bianco, Allinea::Centro);
    return s;
}

Schermo form3()
{
    Schermo s;
    s.avanti = {.sinistra = 7080, .alto = 4440, .larghezza = 1695};
    s.controlli << immagine("Image1", -1, {.sinistra = 1560, .alto = 240, .larghezza = 3615, .altezza = 3495});
    // Elements i and i + 5 hold the same animal at the same height, left and right of the figure.
    const int alto[5] = {3240, 2400, 1680, 240, 960};
    const char* disegno[5] = {"gatto", "insetto", "tartaruga", "dinosauro", "farfalla"};
    for (int i = 0; i < 10; ++i) {
        Controllo k = riquadro(
            "Picture1", i, {.sinistra = i < 5 ? 720 : 5400, .alto = alto[i % 5], .larghezza = 495, .altezza = 495},
            disegno[i % 5]);
        k.visibile = false;
        s.controlli << k;
    }
    s.controlli << risposta(pulsante("Command1", {.sinistra = 3960, .alto = 4320, .larghezza = 2775, .altezza = 615},
                                     "DESTRA", SansSerif135B, Rosso),
                                     {Qt::Key_Right})
                << risposta(pulsante("Command3", {.sinistra = 3960, .alto = 5040, .larghezza = 2775, .altezza = 615},
                                     "SINISTRA", SansSerif135B, Blu),
                                     {Qt::Key_Left})
                << etichetta("Label5", -1, {.sinistra = 360, .alto = 4680, .larghezza = 3135, .altezza = 495},
                             "E' ALLA MIA", SansSerif135, Bianco, Allinea::Centro);
    return s;
}

Schermo veroFalso()
{
    Schermo s;
    s.avanti = {.sinistra = 6480, .alto = 4440, .larghezza = 1695};
    s.controlli << immagine("Image1", -1, {.sinistra = 1560, .alto = 0, .larghezza = 3375, .altezza = 3375})
                << etichetta("Label5", -1, {.sinistra = 0, .alto = 3600, .larghezza = 8535, .altezza = 495},
                             "E' ALLA MIA", SansSerif135, Bianco, Allinea::Centro)
                << risposta(pulsante("Command1", {.sinistra = 720, .alto = 4440, .larghezza = 2055, .altezza = 855},
                                     "VERO", SansSerif135B, VerdeChiaro),
                                     {Qt::Key_V, Qt::Key_Left})
                << risposta(pulsante("Command3", {.sinistra = 3120, .alto = 4440, .larghezza = 2055, .altezza = 855},
                                     "FALSO", SansSerif135B, Rosso),
                                     {Qt::Key_F, Qt::Key_Right});
    return s;
}

Schermo detective()
{
    Schermo s;
    s.avanti = {.sinistra = 7200, .alto = 4440, .larghezza = 1695};
    // Two columns of three; the indexes are not in reading order.
    const int posto[6][2] = {{240, 240}, {2040, 240}, {240, 3840}, {240, 2040}, {2040, 2040}, {2040, 3840}};
    for (int i = 0; i < 6; ++i)
        s.controlli << tappa(risposta(immagine(
            "Image1", i, {.sinistra = posto[i][0], .alto = posto[i][1], .larghezza = 1695, .altezza = 1695})));
    s.controlli << etichetta("Label5", -1, {.sinistra = 3960, .alto = 240, .larghezza = 3015, .altezza = 5175},
                             "E' ALLA MIA", SansSerif135, Bianco);
    return s;
}

Schermo dentroFuori1()
{
    Schermo s;
    s.sfondo = CianoChiaro;
    s.avanti = {.sinistra = 7680, .alto = 5760, .larghezza = 1695};
    aggiungiCampo(s);
    s.controlli << linea("Line1", -1, 3720, VerdeScuro, "Picture1");
    // 1 to 15 wholly right of the line, 16 to 30 wholly left of it; 0 is never shown.
    aggiungiAnimali(s, {
        {.sinistra = 3960, .alto = 1320, .disegno = "farfalla"},
        {.sinistra = 6600, .alto = 720, .disegno = "insetto"},
        {.sinistra = 5400, .alto = 1080, .disegno = "pesce"},
        {.sinistra = 5640, .alto = 1680, .disegno = "gatto"},
        {.sinistra = 4440, .alto = 1920, .disegno = "pesci_pagliaccio", .larghezza = 615},
        {.sinistra = 5040, .alto = 3360, .disegno = "bruco", .larghezza = 615},
        {.sinistra = 6240, .alto = 3000, .disegno = "cane"},
        {.sinistra = 6600, .alto = 2640, .disegno = "ghiandaia"},
        {.sinistra = 4440, .alto = 3720, .disegno = "insetto"},
        {.sinistra = 4560, .alto = 840, .disegno = "panda"},
        {.sinistra = 6600, .alto = 1920, .disegno = "uccellino"},
        {.sinistra = 5760, .alto = 3480, .disegno = "tartaruga"},
        {.sinistra = 4200, .alto = 3000, .disegno = "cavallo"},
        {.sinistra = 5880, .alto = 360, .disegno = "dinosauro"},
        {.sinistra = 5160, .alto = 2280, .disegno = "farfalla"},
        {.sinistra = 5040, .alto = 120, .disegno = "cerbiatto"},
        {.sinistra = 1320, .alto = 1920, .disegno = "insetto"},
        {.sinistra = 1680, .alto = 1200, .disegno = "pesce"},
        {.sinistra = 480, .alto = 3000, .disegno = "cerbiatto"},
        {.sinistra = 720, .alto = 120, .disegno = "cavallo"},
        {.sinistra = 360, .alto = 1560, .disegno = "cammello"},
        {.sinistra = 2160, .alto = 2160, .disegno = "pesci_pagliaccio", .larghezza = 615},
        {.sinistra = 1680, .alto = 3000, .disegno = "farfalla"},
        {.sinistra = 1080, .alto = 720, .disegno = "ghiandaia"},
        {.sinistra = 2640, .alto = 720, .disegno = "dinosauro"},
        {.sinistra = 1920, .alto = 360, .disegno = "cane"},
        {.sinistra = 3000, .alto = 240, .disegno = "gatto"},
        {.sinistra = 2520, .alto = 3360, .disegno = "tartaruga"},
        {.sinistra = 120, .alto = 2280, .disegno = "bruco", .larghezza = 615},
        {.sinistra = 2760, .alto = 1800, .disegno = "panda"},
        {.sinistra = 120, .alto = 600, .disegno = "uccellino"},
    });
    s.controlli << risposta(pulsante("Command1", {.sinistra = 720, .alto = 4680, .larghezza = 2775, .altezza = 615},
                                     "DESTRA", SansSerif135B, Rosso),
                                     {Qt::Key_Right})
                << risposta(pulsante("Command3", {.sinistra = 720, .alto = 5400, .larghezza = 2775, .altezza = 615},
                                     "SINISTRA", SansSerif135B, Blu),
                                     {Qt::Key_Left})
                << etichetta("Label3", -1, {.sinistra = 3960, .alto = 4920, .larghezza = 2775, .altezza = 735}, {},
                             SansSerif135B, Bianco, Allinea::Centro);
    return s;
}

Schermo form10()
{
    Schermo s;
    s.sfondo = VioloChiaro;
    s.avanti = {.sinistra = 8160, .alto = 5760, .larghezza = 1215};
    aggiungiCampo(s);
    s.controlli << linea("Line1", 0, 5280, VerdeScuro, "Picture1") << linea("Line1", 1, 2280, Giallo, "Picture1");
    // 1 to 15 right of the green line, 16 to 30 between the lines, 31 to 45 left of the yellow one.
    aggiungiAnimali(s, {
        {.sinistra = 6000, .alto = 2280, .disegno = "farfalla"},
        {.sinistra = 6600, .alto = 720, .disegno = "insetto"},
        {.sinistra = 5400, .alto = 1080, .disegno = "pesce"},
        {.sinistra = 5640, .alto = 1680, .disegno = "gatto"},
        {.sinistra = 5760, .alto = 3840, .disegno = "pesci_pagliaccio", .larghezza = 615},
        {.sinistra = 6600, .alto = 1320, .disegno = "bruco", .larghezza = 615},
        {.sinistra = 6240, .alto = 3000, .disegno = "cane"},
        {.sinistra = 6600, .alto = 2640, .disegno = "ghiandaia"},
        {.sinistra = 5400, .alto = 2400, .disegno = "insetto"},
        {.sinistra = 6720, .alto = 120, .disegno = "panda"},
        {.sinistra = 6600, .alto = 1920, .disegno = "uccellino"},
        {.sinistra = 6240, .alto = 3840, .disegno = "tartaruga"},
        {.sinistra = 6000, .alto = 960, .disegno = "cavallo"},
        {.sinistra = 5880, .alto = 360, .disegno = "dinosauro"},
        {.sinistra = 6720, .alto = 3360, .disegno = "farfalla"},
        {.sinistra = 6840, .alto = 3960, .disegno = "cerbiatto"},
        {.sinistra = 3240, .alto = 1200, .disegno = "insetto"},
        {.sinistra = 4440, .alto = 2760, .disegno = "pesce"},
        {.sinistra = 3360, .alto = 3720, .disegno = "cerbiatto"},
        {.sinistra = 2760, .alto = 2040, .disegno = "cavallo"},
        {.sinistra = 2520, .alto = 3000, .disegno = "cammello"},
        {.sinistra = 4320, .alto = 960, .disegno = "pesci_pagliaccio", .larghezza = 615},
        {.sinistra = 3600, .alto = 3240, .disegno = "farfalla"},
        {.sinistra = 3600, .alto = 1920, .disegno = "ghiandaia"},
        {.sinistra = 4560, .alto = 1680, .disegno = "dinosauro"},
        {.sinistra = 3240, .alto = 360, .disegno = "cane"},
        {.sinistra = 4320, .alto = 360, .disegno = "gatto"},
        {.sinistra = 4440, .alto = 3600, .disegno = "tartaruga"},
        {.sinistra = 2640, .alto = 3720, .disegno = "bruco", .larghezza = 615},
        {.sinistra = 3120, .alto = 2640, .disegno = "panda"},
        {.sinistra = 2520, .alto = 840, .disegno = "uccellino"},
        {.sinistra = 720, .alto = 840, .disegno = "insetto"},
        {.sinistra = 1560, .alto = 3240, .disegno = "pesce"},
        {.sinistra = 840, .alto = 3360, .disegno = "cerbiatto"},
        {.sinistra = 240, .alto = 1680, .disegno = "cavallo"},
        {.sinistra = 240, .alto = 2760, .disegno = "cammello"},
        {.sinistra = 1320, .alto = 960, .disegno = "pesci_pagliaccio", .larghezza = 615},
        {.sinistra = 1080, .alto = 2880, .disegno = "farfalla"},
        {.sinistra = 960, .alto = 1560, .disegno = "ghiandaia"},
        {.sinistra = 1440, .alto = 3840, .disegno = "dinosauro"},
        {.sinistra = 720, .alto = 0, .disegno = "cane"},
        {.sinistra = 1680, .alto = 0, .disegno = "gatto"},
        {.sinistra = 1440, .alto = 2160, .disegno = "tartaruga"},
        {.sinistra = 120, .alto = 3600, .disegno = "bruco", .larghezza = 615},
        {.sinistra = 600, .alto = 2280, .disegno = "panda"},
        {.sinistra = 120, .alto = 480, .disegno = "uccellino"},
    });
    const Carattere c{Famiglia::Sans, 9.75, true};
    // Four answers in two pairs: Tab goes round them in reading order, Enter presses one.
    s.cursore = Cursore::Tab;
    s.controlli
        << tappa(risposta(pulsante("Command1", {.sinistra = 120, .alto = 4800, .larghezza = 1815, .altezza = 495},
                                   "A DESTRA DEL GIALLO", c, Rosso)))
        << tappa(risposta(pulsante("Command3", {.sinistra = 120, .alto = 5520, .larghezza = 1815, .altezza = 495},
                                   "A SINISTRA DEL GIALLO", c, Ciano)))
        << tappa(risposta(pulsante("Command4", {.sinistra = 6120, .alto = 4800, .larghezza = 1815, .altezza = 495},
                                   "A DESTRA DEL VERDE", c, Rosso)))
        << tappa(risposta(pulsante("Command5", {.sinistra = 6120, .alto = 5520, .larghezza = 1815, .altezza = 495},
                                   "A SINISTRA DEL VERDE", c, Ciano)))
        << etichetta("Label3", -1, {.sinistra = 2040, .alto = 4800, .larghezza = 3975, .altezza = 1335}, {},
                     {Famiglia::Sans, 12, true}, Bianco);
    return s;
}

Schermo conCornice(Schermo s, Cornice cornice)
{
    if (cornice == Cornice::Nessuna)
        return s;
    const bool a = cornice == Cornice::A;
    s.cornice = cornice;
    // Geometry B stands the counts and faces further right and lower.
    const int dx = a ? 0 : 720;
    const int dy = a ? 0 : 1440;
    s.controlli
        << etichetta("Label1", -1, {.sinistra = 7095 + dx, .alto = 1680 + dy, .larghezza = 735, .altezza = 375}, "Esatti",
                     Arial12B)
        << etichetta("EtichettaEsatti", -1, {.sinistra = 7800 + dx, .alto = 1560 + dy, .larghezza = 975, .altezza = 615},
                     "quantiesatti", Arial18B)
        << etichetta("Label2", -1, {.sinistra = 7080 + dx, .alto = 2520 + dy, .larghezza = 735, .altezza = 495}, "Errati",
                     Arial12B)
        << etichetta("EtichettaErrati", -1, {.sinistra = 7800 + dx, .alto = 2400 + dy, .larghezza = 855, .altezza = 615},
                     "quantierrati", Arial18B);
    // The sad face first, so the laughing face stands in front of it.
    const Rettangolo faccia{.sinistra = a ? 7320 : 8040, .alto = a ? 600 : 480, .larghezza = 975, .altezza = 855};
    s.controlli << immagine("ComandoIconaNo", -1, faccia, "faccia_no") << immagine("ComandoIconaSi", -1, faccia, "faccia_si");
    Controllo avanti = pulsante("Command2", {.sinistra = s.avanti.sinistra, .alto = s.avanti.alto,
                                             .larghezza = s.avanti.larghezza, .altezza = 975},
                                "avanti", {Famiglia::Sans, 14.25, true}, Nessuno, "avanti");
    avanti.puntatore = true;
    // The line exercises disable it themselves at every new exercise.
    avanti.abilitato = !a;
    // Enter and Space: a switch's two keys; "avanti" takes them whenever it is enabled.
    avanti.tasti = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    avanti.dopoLeRisposte = true;
    s.controlli << avanti;
    // The loudspeaker that says the exercise's sentence again: in free space under the counts.
    Controllo altoparlante = immagine("Altoparlante", -1,
                                      a ? Rettangolo{.sinistra = 8640, .alto = 3240, .larghezza = 840, .altezza = 840}
                                        : Rettangolo{.sinistra = 8160, .alto = 1560, .larghezza = 900, .altezza = 900},
                                      "altoparlante");
    altoparlante.puntatore = true;
    s.controlli << altoparlante;

    if (a) {
        s.larghezza = 9600, s.altezza = 7395;
        s.menu = {{"mnuAzzera", "Azzera  conteggio        ", Ruolo::Azzera},
                  {"mnuInformazioni", "Informazioni          ", Ruolo::Informazioni},
                  {"mnuEsci", "Esci", Ruolo::Esci, Qt::Key_Escape}};
    } else {
        s.larghezza = 9615, s.altezza = 7125;
        s.icona = "icona_faccina";
        s.menu = {{"MenuAzzera", "Azzera conteggio         ", Ruolo::Azzera},
                  {"MenuInformazioni", "Informazioni         ", Ruolo::Informazioni},
                  {"mnuEsci", "Esci", Ruolo::Esci, Qt::Key_Escape}};
    }
    return s;
}

}  // namespace Layout
