#pragma once
// Binds a screen's typed members to the controls its layout built, by their designed names, in
// the one place each screen lists them (its `lega`). A name the layout lacks, or a control of
// another kind, stops the program there with the screen's and the control's name, as soon as the
// window is built, never later at a click. At unload the same list sets every member back to null.
#include <QVector>
#include <array>
#include <stdexcept>
#include <string>

#include "ui/Layout.h"

class QWidget;

class Legame {
public:
    // `controlli` in the layout's order; null when the screen is unloading.
    Legame(const Layout::Schermo& progetto, const QVector<QWidget*>* controlli)
        : progetto(progetto), controlli(controlli) {}

    template <class T>
    void operator()(T*& membro, const char* nome)
    {
        membro = controlli ? trova<T>(nome, -1) : nullptr;
    }
    // A control array: every element of the layout's, from 0, and no more.
    template <class T, size_t N>
    void operator()(std::array<T*, N>& membri, const char* nome)
    {
        for (size_t i = 0; i < N; ++i)
            membri[i] = controlli ? trova<T>(nome, int(i)) : nullptr;
        if (controlli && posto(nome, int(N)) >= 0)
            fallisci(nome, int(N), "has more elements than the screen binds");
    }

    // A control array as long as the layout's: every element from 0 to the first missing.
    template <class T>
    void operator()(QVector<T*>& membri, const char* nome)
    {
        membri.clear();
        for (int i = 0; controlli && posto(nome, i) >= 0; ++i)
            membri << trova<T>(nome, i);
        if (controlli && membri.isEmpty())
            fallisci(nome, 0, "is not in the layout");
    }

private:
    template <class T>
    T* trova(const char* nome, int indice) const
    {
        const int i = posto(nome, indice);
        if (i < 0)
            fallisci(nome, indice, "is not in the layout");
        T* t = qobject_cast<T*>((*controlli)[i]);
        if (!t)
            fallisci(nome, indice, "is not a " + std::string(T::staticMetaObject.className()));
        return t;
    }
    int posto(const char* nome, int indice) const;
    [[noreturn]] void fallisci(const char* nome, int indice, const std::string& perche) const;

    const Layout::Schermo& progetto;
    const QVector<QWidget*>* controlli;
};
