#pragma once
// Giving back to the system the memory the program has freed, once its screens have gone.
namespace Memoria {

// Once no call has come for a fifth of a second, the pages the allocator holds free, inside its
// heaps as well as at their ends, go back to the system. On the user-interface thread.
void restituisciPresto();

}  // namespace Memoria
