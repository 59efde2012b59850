#pragma once

// Hands the heap's free pages back to the system. The allocator keeps what a burst freed (a reply cut off at
// its cap leaves megabytes behind, in the arena of the network thread that allocated them) and would hold
// it for the life of the process. Costs a walk over the heap: call it after a rare large release, never on
// a routine path. Does nothing where the allocator offers no such call.
void returnFreedMemory();
