#pragma once

// Hands the heap's free pages back to the system. The allocator keeps what a burst freed (a reply cut off at
// its cap leaves megabytes behind, in the arena of the network thread that allocated them) and would hold
// it for the life of the process. Costs a walk over the heap: call it after a rare large release, never on
// a routine path. Does nothing where the allocator offers no such call.
void returnFreedMemory();

// Has every block of a quarter megabyte or more allocated on pages of its own, handed back to the system as
// soon as it is freed. By default the allocator raises that bound after each large free, up to 32 MiB, and
// the heaps of other threads than the first keep what they freed at their end beneath it, out of reach of the
// call above: a few picture decodes on the decode threads left ten megabytes behind. Call once at startup.
void returnLargeBlocksWhenFreed();
