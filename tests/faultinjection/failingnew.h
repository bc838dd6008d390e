#pragma once
#include <set>

// This test program replaces the global operator new: armed, it fails the K-th allocation from then on by
// throwing std::bad_alloc, as a system out of memory would, and lets every other one through.
//
// The toolkit's own compiled code cannot pass an exception on (an allocation failing inside it ends the
// process, whatever the caller does), so an allocation made while a toolkit function is on the stack is not
// failed: the next one outside it is. The plug-in keeps its failure paths out of the toolkit for that reason.
namespace failingnew {

// Fails the allocation numbered failAt (1 = the next one), or the first after it made outside the toolkit
// (or that very one, also inside the toolkit, with evenInToolkit); 0 only counts. With staysOut every later one
// outside the toolkit fails too, as memory that does not come back.
void Arm(long failAt, bool evenInToolkit = false, bool staysOut = false);
// Allocations made since Arm.
long Counted();
// Stops counting and failing; returns how many allocations were made while armed.
long Disarm();
// Whether the armed allocation failure happened.
bool Failed();
// The number of the allocation that failed; 0 while none has.
long FailedAt();

// Adds to chosen about samples allocation numbers spread evenly over the count allocations from first on.
void AddSpread(std::set<long>& chosen, long first, long count, long samples);

}  // namespace failingnew
