#pragma once
// A set of worksheets: the items drawn from the seed, laid out on A4 pages (each exercise from a
// page of its own, the name line and the way to answer on top), the key on the last pages when
// asked for, drawn onto a PDF file or a printer.
#include <QList>
#include <QString>

#include "Opzioni.h"
#include "sheets/Forme.h"
#include "sheets/Quesiti.h"

class QPagedPaintDevice;

namespace Schede {

// A new sheet's number, for sheets nobody asked to make again.
quint64 semeNuovo();

// What kept the sheets from being made: a figure that cannot be read, or the file that cannot be
// written, and why.
struct Problema {
    enum class Tipo { Nessuno, Figura, File };
    Tipo tipo = Tipo::Nessuno;
    QString percorso, motivo;
    explicit operator bool() const { return tipo != Tipo::Nessuno; }
};

class Documento {
public:
    // Draws the items from the number `seme` and lays out the pages.
    Documento(const Opzioni::Schede& richiesta, quint64 seme);

    int pagine() const { return int(fogli.size()); }

    // Reads the figures the items show, before anything is written, so that no sheet goes out
    // with one missing.
    Problema leggiFigure();
    // Every page onto a PDF writer or a printer, once the figures are read; false when the
    // device would not take them.
    bool disegna(QPagedPaintDevice& dispositivo) const;

private:
    // The items of one page, or one exercise's run of answers on a page of the key.
    struct Blocco {
        Catalogo::Id id;
        QList<int> quesiti;  // places in `tutti`
        bool segue = false;  // the key: the run goes on from the page before
    };
    struct Foglio {
        bool chiave = false;
        QList<Blocco> blocchi;  // an exercise's page: one
    };
    void impagina();
    void disegnaFoglio(Carta::Pagina& carta, int n) const;
    void disegnaChiave(Carta::Pagina& carta, const Foglio& foglio) const;
    void piede(Carta::Pagina& carta, int n) const;

    Opzioni::Schede richiesta;
    quint64 seme;
    QList<Quesiti::Quesito> tutti;
    Forme::Immagini figure;
    QList<Foglio> fogli;
};

// Writes the sheets to `file` beside it first and puts them in its place only once all is
// written, so that a failure leaves no part of a file and an older file whole.
Problema scriviPdf(const QString& file, const Opzioni::Schede& richiesta, quint64 seme);

}  // namespace Schede
