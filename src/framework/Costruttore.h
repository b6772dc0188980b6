#pragma once
// Makes a screen's controls from its designed layout: each of its kind, with its text, colours
// and picture, placed on the canvas, in its designed enabled and visible state.
#include <QVector>

#include "ui/Layout.h"

class QWidget;
class Tela;
class Finestra;

// Every control of `progetto` on `tela`, in the layout's order; picture boxes before what they hold.
QVector<QWidget*> costruisciControlli(const Layout::Schermo& progetto, Tela* tela);

// The window's icon and the hand over what can be clicked belong to the window manager and the
// pointer, not to the screen: made once the window has painted, they do not hold back its show.
void iconaEPuntatore(Finestra* finestra, const Layout::Schermo& progetto, const QVector<QWidget*>& controlli);
