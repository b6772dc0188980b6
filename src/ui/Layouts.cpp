// The designed layout of every screen. Positions are in twips from the top-left corner of
// the window's client area, or of the picture box that holds the control.
#include "ui/Layout.h"

#include <QHash>
#include <stdexcept>

namespace Layout {

QString Chiave(const QString& nome, int indice)
{
    return indice < 0 ? nome : nome + '(' + QString::number(indice) + ')';
}

namespace {

const Carattere Arial12B{Famiglia::Sans, 12, true};
const Carattere Arial18B{Famiglia::Sans, 18, true};
const Carattere SansSerif135{Famiglia::Sans, 13.5, false};
const Carattere SansSerif135B{Famiglia::Sans, 13.5, true};

// What every control has: its name, index, kind and rectangle.
Controllo Base(const QString& nome, int indice, Tipo tipo, int l, int t, int w, int h)
{
    Controllo k;
    k.nome = nome;
    k.indice = indice;
    k.tipo = tipo;
    k.left = l, k.top = t, k.width = w, k.height = h;
    return k;
}

Controllo Etichetta(const QString& nome, int indice, int l, int t, int w, int h, const QString& testo,
                    Carattere c, uint32_t sfondo = Nessuno, Allinea a = Allinea::Sinistra)
{
    Controllo k = Base(nome, indice, Tipo::Etichetta, l, t, w, h);
    k.testo = testo;
    k.carattere = c;
    k.sfondo = sfondo;
    k.allinea = a;
    return k;
}

Controllo Immagine(const QString& nome, int indice, int l, int t, int w, int h, const QString& figura = {})
{
    Controllo k = Base(nome, indice, Tipo::Immagine, l, t, w, h);
    k.figura = figura;
    return k;
}

Controllo Pulsante(const QString& nome, int l, int t, int w, int h, const QString& testo, Carattere c,
                   uint32_t sfondo = Nessuno, const QString& figura = {})
{
    Controllo k = Base(nome, -1, Tipo::Pulsante, l, t, w, h);
    k.testo = testo;
    k.carattere = c;
    k.sfondo = sfondo;
    k.figura = figura;
    return k;
}

Controllo Riquadro(const QString& nome, int indice, int l, int t, int w, int h, const QString& figura,
                   uint32_t sfondo = Nessuno, const QString& contenitore = {})
{
    Controllo k = Base(nome, indice, Tipo::Riquadro, l, t, w, h);
    k.figura = figura;
    k.sfondo = sfondo;
    k.contenitore = contenitore;
    return k;
}

// A line stands at x = left, from y1 to y2.
Controllo Linea(const QString& nome, int indice, int x, int y1, int y2, uint32_t colore,
                const QString& contenitore = {})
{
    Controllo k = Base(nome, indice, Tipo::Linea, x, y1, 0, y2 - y1);
    k.sfondo = colore;
    k.spessore = 9;
    k.contenitore = contenitore;
    return k;
}

Controllo Avanti(int l, int t, int w, bool abilitato)
{
    Controllo k = Pulsante("Command2", l, t, w, 975, "avanti", {Famiglia::Sans, 14.25, true}, Nessuno, "avanti");
    k.puntatore = true;
    k.abilitato = abilitato;
    return k;
}

// The frame every exercise screen shares: counts, faces, "avanti". The two geometries differ
// in where the counts and faces stand and in whether "avanti" starts disabled.
enum class Geometria { A, B };

void AggiungiCornice(Schermo& s, Geometria g, int avantiLeft, int avantiTop, int avantiWidth)
{
    const int dx = g == Geometria::A ? 0 : 720;
    const int dy = g == Geometria::A ? 0 : 1440;
    s.controlli << Etichetta("Label1", -1, 7095 + dx, 1680 + dy, 735, 375, "Esatti", Arial12B)
                << Etichetta("EtichettaEsatti", -1, 7800 + dx, 1560 + dy, 975, 615, "quantiesatti", Arial18B)
                << Etichetta("Label2", -1, 7080 + dx, 2520 + dy, 735, 495, "Errati", Arial12B)
                << Etichetta("EtichettaErrati", -1, 7800 + dx, 2400 + dy, 855, 615, "quantierrati", Arial18B);
    // The sad face first, so the laughing face stands in front of it.
    const int facciaLeft = g == Geometria::A ? 7320 : 8040;
    const int facciaTop = g == Geometria::A ? 600 : 480;
    s.controlli << Immagine("ComandoIconaNo", -1, facciaLeft, facciaTop, 975, 855, "faccia_no")
                << Immagine("ComandoIconaSi", -1, facciaLeft, facciaTop, 975, 855, "faccia_si");
    s.controlli << Avanti(avantiLeft, avantiTop, avantiWidth, g == Geometria::B);

    if (g == Geometria::A) {
        s.larghezza = 9600, s.altezza = 7395;
        s.menu = {{"mnuAzzera", "Azzera  conteggio        ", Ruolo::Azzera},
                  {"mnuInformazioni", "Informazioni          ", Ruolo::Informazioni},
                  {"mnuEsci", "Esci", Ruolo::Esci}};
    } else {
        s.larghezza = 9615, s.altezza = 7125;
        s.icona = "icona_faccina";
        s.menu = {{"MenuAzzera", "Azzera conteggio         ", Ruolo::Azzera},
                  {"MenuInformazioni", "Informazioni         ", Ruolo::Informazioni},
                  {"mnuEsci", "Esci", Ruolo::Esci}};
    }
}

Schermo Nuovo(const QString& nome, const QString& titolo)
{
    Schermo s;
    s.nome = nome;
    s.titolo = "Bussolino - " + titolo;
    return s;
}

Schermo CreaForm1()
{
    Schermo s = Nuovo("Form1", "Su di me");
    s.controlli << Immagine("Image1", -1, 1200, 120, 4455, 4455)
                << Linea("Line1", -1, 3360, 120, 4560, Rosso)
                << Etichetta("Label3", 0, 1200, 120, 2175, 4455, {}, {})
                << Etichetta("Label3", 1, 3360, 120, 2175, 4455, {}, {})
                << Etichetta("Label5", -1, 240, 4800, 6015, 735, "Label5", SansSerif135, Bianco);
    AggiungiCornice(s, Geometria::A, 7080, 4560, 1695);
    return s;
}

Schermo CreaForm2()
{
    Schermo s = Nuovo("Form2", "Alla mia 1");
    s.controlli << Immagine("Image1", -1, 1560, 240, 3615, 3975)
                << Etichetta("Label3", 0, 720, 3480, 735, 735, {}, {}, Bianco)
                << Etichetta("Label3", 1, 5280, 3480, 735, 735, {}, {}, Bianco)
                << Riquadro("PictureGatto", 0, 840, 3600, 495, 495, "gatto")
                << Riquadro("PictureGatto", 1, 5400, 3600, 495, 495, "gatto")
                << Etichetta("Label5", -1, 240, 4800, 6015, 735, "Label5", SansSerif135, Bianco, Allinea::Centro);
    AggiungiCornice(s, Geometria::A, 7080, 4560, 1695);
    return s;
}

Schermo CreaForm3()
{
    Schermo s = Nuovo("Form3", "Alla mia 2");
    s.controlli << Immagine("Image1", -1, 1560, 240, 3615, 3495);
    // Elements i and i + 5 hold the same animal at the same height, left and right of the figure.
    const int alto[5] = {3240, 2400, 1680, 240, 960};
    const char* figura[5] = {"gatto", "insetto", "tartaruga", "dinosauro", "farfalla"};
    for (int i = 0; i < 10; ++i) {
        Controllo k = Riquadro("Picture1", i, i < 5 ? 720 : 5400, alto[i % 5], 495, 495, figura[i % 5]);
        k.visibile = false;
        s.controlli << k;
    }
    s.controlli << Pulsante("Command1", 3960, 4320, 2775, 615, "DESTRA", SansSerif135B, Rosso)
                << Pulsante("Command3", 3960, 5040, 2775, 615, "SINISTRA", SansSerif135B, Blu)
                << Etichetta("Label5", -1, 360, 4680, 3135, 495, "E' ALLA MIA", SansSerif135, Bianco, Allinea::Centro);
    AggiungiCornice(s, Geometria::A, 7080, 4440, 1695);
    return s;
}

Schermo CreaVeroFalso(const QString& nome, const QString& titolo)
{
    Schermo s = Nuovo(nome, titolo);
    s.controlli << Immagine("Image1", -1, 1560, 0, 3375, 3375)
                << Etichetta("Label5", -1, 0, 3600, 8535, 495, "E' ALLA MIA", SansSerif135, Bianco, Allinea::Centro)
                << Pulsante("Command1", 720, 4440, 2055, 855, "VERO", SansSerif135B, VerdeChiaro)
                << Pulsante("Command3", 3120, 4440, 2055, 855, "FALSO", SansSerif135B, Rosso);
    AggiungiCornice(s, Geometria::A, 6480, 4440, 1695);
    return s;
}

Schermo CreaDetective(const QString& nome, const QString& titolo)
{
    Schermo s = Nuovo(nome, titolo);
    // Two columns of three; the indexes are not in reading order.
    const int posto[6][2] = {{240, 240}, {2040, 240}, {240, 3840}, {240, 2040}, {2040, 2040}, {2040, 3840}};
    for (int i = 0; i < 6; ++i)
        s.controlli << Immagine("Image1", i, posto[i][0], posto[i][1], 1695, 1695);
    s.controlli << Etichetta("Label5", -1, 3960, 240, 3015, 5175, "E' ALLA MIA", SansSerif135, Bianco);
    AggiungiCornice(s, Geometria::A, 7200, 4440, 1695);
    return s;
}

struct Animale {
    int left, top, width;
    const char* figura;
};

void AggiungiAnimali(Schermo& s, const QVector<Animale>& animali)
{
    for (int i = 0; i < animali.size(); ++i) {
        const Animale& a = animali[i];
        Controllo k = Riquadro("PictureDentro", i, a.left, a.top, a.width, 495, a.figura, Nessuno, "Picture1");
        k.visibile = false;
        s.controlli << k;
    }
}

Schermo CreaDentroFuori1()
{
    Schermo s = Nuovo("FormDentroFuori1", "A destra di 1");
    s.sfondo = CianoChiaro;
    s.controlli << Riquadro("Picture1", -1, 120, 120, 7455, 4575, {}, Bianco)
                << Linea("Line1", -1, 3720, 0, 5280, VerdeScuro, "Picture1");
    // 1 to 15 wholly right of the line, 16 to 30 wholly left of it; 0 is never shown.
    AggiungiAnimali(s, {{3960, 1320, 495, "farfalla"},       {6600, 720, 495, "insetto"},
                        {5400, 1080, 495, "pesce"},          {5640, 1680, 495, "gatto"},
                        {4440, 1920, 615, "pesci_pagliaccio"}, {5040, 3360, 615, "bruco"},
                        {6240, 3000, 495, "cane"},           {6600, 2640, 495, "ghiandaia"},
                        {4440, 3720, 495, "insetto"},        {4560, 840, 495, "panda"},
                        {6600, 1920, 495, "uccellino"},      {5760, 3480, 495, "tartaruga"},
                        {4200, 3000, 495, "cavallo"},        {5880, 360, 495, "dinosauro"},
                        {5160, 2280, 495, "farfalla"},       {5040, 120, 495, "cerbiatto"},
                        {1320, 1920, 495, "insetto"},        {1680, 1200, 495, "pesce"},
                        {480, 3000, 495, "cerbiatto"},       {720, 120, 495, "cavallo"},
                        {360, 1560, 495, "cammello"},        {2160, 2160, 615, "pesci_pagliaccio"},
                        {1680, 3000, 495, "farfalla"},       {1080, 720, 495, "ghiandaia"},
                        {2640, 720, 495, "dinosauro"},       {1920, 360, 495, "cane"},
                        {3000, 240, 495, "gatto"},           {2520, 3360, 495, "tartaruga"},
                        {120, 2280, 615, "bruco"},           {2760, 1800, 495, "panda"},
                        {120, 600, 495, "uccellino"}});
    s.controlli << Pulsante("Command1", 720, 4680, 2775, 615, "DESTRA", SansSerif135B, Rosso)
                << Pulsante("Command3", 720, 5400, 2775, 615, "SINISTRA", SansSerif135B, Blu)
                << Etichetta("Label3", -1, 3960, 4920, 2775, 735, {}, SansSerif135B, Bianco, Allinea::Centro);
    AggiungiCornice(s, Geometria::B, 7680, 5760, 1695);
    return s;
}

Schermo CreaForm10()
{
    Schermo s = Nuovo("Form10", "A destra di 2");
    s.sfondo = VioloChiaro;
    s.controlli << Riquadro("Picture1", -1, 120, 120, 7455, 4575, {}, Bianco)
                << Linea("Line1", 0, 5280, 0, 5280, VerdeScuro, "Picture1")
                << Linea("Line1", 1, 2280, 0, 5280, Giallo, "Picture1");
    // 1 to 15 right of the green line, 16 to 30 between the lines, 31 to 45 left of the yellow one.
    AggiungiAnimali(s, {{6000, 2280, 495, "farfalla"},       {6600, 720, 495, "insetto"},
                        {5400, 1080, 495, "pesce"},          {5640, 1680, 495, "gatto"},
                        {5760, 3840, 615, "pesci_pagliaccio"}, {6600, 1320, 615, "bruco"},
                        {6240, 3000, 495, "cane"},           {6600, 2640, 495, "ghiandaia"},
                        {5400, 2400, 495, "insetto"},        {6720, 120, 495, "panda"},
                        {6600, 1920, 495, "uccellino"},      {6240, 3840, 495, "tartaruga"},
                        {6000, 960, 495, "cavallo"},         {5880, 360, 495, "dinosauro"},
                        {6720, 3360, 495, "farfalla"},       {6840, 3960, 495, "cerbiatto"},
                        {3240, 1200, 495, "insetto"},        {4440, 2760, 495, "pesce"},
                        {3360, 3720, 495, "cerbiatto"},      {2760, 2040, 495, "cavallo"},
                        {2520, 3000, 495, "cammello"},       {4320, 960, 615, "pesci_pagliaccio"},
                        {3600, 3240, 495, "farfalla"},       {3600, 1920, 495, "ghiandaia"},
                        {4560, 1680, 495, "dinosauro"},      {3240, 360, 495, "cane"},
                        {4320, 360, 495, "gatto"},           {4440, 3600, 495, "tartaruga"},
                        {2640, 3720, 615, "bruco"},          {3120, 2640, 495, "panda"},
                        {2520, 840, 495, "uccellino"},       {720, 840, 495, "insetto"},
                        {1560, 3240, 495, "pesce"},          {840, 3360, 495, "cerbiatto"},
                        {240, 1680, 495, "cavallo"},         {240, 2760, 495, "cammello"},
                        {1320, 960, 615, "pesci_pagliaccio"}, {1080, 2880, 495, "farfalla"},
                        {960, 1560, 495, "ghiandaia"},       {1440, 3840, 495, "dinosauro"},
                        {720, 0, 495, "cane"},               {1680, 0, 495, "gatto"},
                        {1440, 2160, 495, "tartaruga"},      {120, 3600, 615, "bruco"},
                        {600, 2280, 495, "panda"},           {120, 480, 495, "uccellino"}});
    const Carattere c{Famiglia::Sans, 9.75, true};
    s.controlli << Pulsante("Command1", 120, 4800, 1815, 495, "A DESTRA DEL GIALLO", c, Rosso)
                << Pulsante("Command3", 120, 5520, 1815, 495, "A SINISTRA DEL GIALLO", c, Ciano)
                << Pulsante("Command4", 6120, 4800, 1815, 495, "A DESTRA DEL VERDE", c, Rosso)
                << Pulsante("Command5", 6120, 5520, 1815, 495, "A SINISTRA DEL VERDE", c, Ciano)
                << Etichetta("Label3", -1, 2040, 4800, 3975, 1335, {}, {Famiglia::Sans, 12, true}, Bianco);
    AggiungiCornice(s, Geometria::B, 8160, 5760, 1215);
    return s;
}

}  // namespace

const Schermo& Avvio()
{
    static const Schermo s = [] {
        Schermo s;
        s.nome = "FormAvvio";
        s.titolo = "Bussolino";
        s.larghezza = 10305, s.altezza = 9000;
        s.sfondo = 0xFF8080;
        s.icona = "icona_avvio";
        s.controlli << Etichetta("Label2", 0, 2160, 240, 5295, 3135, "Bussolino", {Famiglia::Comic, 48, true},
                                 Nessuno, Allinea::Centro);
        Controllo avvio = Pulsante("BottoneAvvio", 3120, 4920, 3255, 1215, "Avvio", {Famiglia::Comic, 20.25, true},
                                   Grigio, "avvio");
        avvio.puntatore = true;
        s.controlli << avvio;
        return s;
    }();
    return s;
}

const Schermo& Menu()
{
    static const Schermo s = [] {
        Schermo s;
        s.nome = "FormMenu";
        s.titolo = "Bussolino";
        s.larghezza = 9030, s.altezza = 7770;
        s.sfondo = 0xC000C0;
        const Carattere c{Famiglia::Sans, 13.5, true};
        // Listed in tab order, Command1 first.
        s.controlli << Pulsante("Command1", 4800, 5640, 3015, 975, "Esci", {Famiglia::Sans, 18, true}, Nessuno, "ciao")
                    << Pulsante("Command2", 720, 2400, 3015, 915, "Su di me ", c)
                    << Pulsante("Command3", 720, 3480, 3015, 915, "Alla mia......    1", c)
                    << Pulsante("Command4", 720, 4560, 3015, 915, "Alla mia......    2", c)
                    << Pulsante("Command5", 720, 5640, 3015, 915, "Vero e falso   1", c)
                    << Pulsante("Command6", 4800, 240, 3015, 915, "Vero e falso   2", c)
                    << Pulsante("Command7", 4800, 1320, 3015, 915, "Vero e falso   3", c)
                    << Pulsante("Command8", 4800, 2400, 3015, 915, "Il detective 1", c)
                    << Pulsante("Command9", 4800, 3480, 3015, 915, "Il detective 2", c)
                    << Pulsante("Command10", 4800, 4560, 3015, 915, "Il detective 3", c)
                    << Pulsante("Command11", 720, 240, 3015, 915, "A destra di......  1", c)
                    << Pulsante("Command12", 720, 1320, 3015, 915, "A destra di...... 2", c);
        return s;
    }();
    return s;
}

const Schermo& Esercizio(const QString& nome)
{
    static const QHash<QString, Schermo> tutti = [] {
        QHash<QString, Schermo> t;
        for (const Schermo& s : {CreaForm1(), CreaForm2(), CreaForm3(), CreaVeroFalso("Form4", "Vero e falso 1"),
                                 CreaVeroFalso("Form5", "Vero e falso 2"), CreaVeroFalso("Form6", "Vero e falso 3"),
                                 CreaDetective("Form7", "Il detective 1"), CreaDetective("Form8", "Il detective 2"),
                                 CreaDetective("Form9", "Il detective 3"), CreaDentroFuori1(), CreaForm10()})
            t.insert(s.nome, s);
        return t;
    }();
    const auto it = tutti.constFind(nome);
    if (it == tutti.constEnd())
        throw std::out_of_range("no layout for screen " + nome.toStdString());
    return *it;
}

}  // namespace Layout
