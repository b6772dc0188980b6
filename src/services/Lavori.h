#pragma once
// The program's work off the main thread, and its one owner. Every thread the program starts
// itself is a named line of work here: tasks run one after another, the thread ends when it has
// nothing left to do, and fermaTutti() joins them all before the application ends. Nothing is
// detached, so quitting at any moment never leaves work running into the program's end.
#include <functional>

namespace Lavori {

// Runs `lavoro` on the thread named `nome`, after what is waiting there; the thread is started
// when it has work and ends when it has none. After fermaTutti() has begun, nothing is started.
void esegui(const char* nome, std::function<void()> lavoro);

// True while fermaTutti() is stopping the work: long work checks it between its steps and returns.
bool fermato();

// Waits until the thread `nome` has done everything given it (a task it depends on, tests).
void attendi(const char* nome);

// Drops what is waiting, waits for what is running (it sees fermato()) and joins every thread.
// Called by the program as its event loop returns, and between tests; work given afterwards
// starts threads afresh.
void fermaTutti();

}  // namespace Lavori
