#pragma once
// Giving back to the system the memory the program has freed, once a screen has gone.
namespace Memoria {

// When the event loop is next free, the pages the allocator holds free, inside its heaps as well
// as at their ends, go back to the system. Calls before then are one. On the user-interface thread.
void restituisciPresto();

}  // namespace Memoria
