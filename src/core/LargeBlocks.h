#pragma once

// Blocks of memory of a megabyte and more (the vectors and buffers that hold a whole register's
// rows, keys or sort entries) each get a mapping of their own, given back to the system the
// moment they are freed. Without this the C library raises its threshold for such mappings as
// soon as one is freed and takes later blocks of up to 32 MB from its heap, where they stay
// resident after they are freed as long as anything lies above them: a program that opened and
// saved a register of a million records would stay tens of megabytes larger than it needs.
// Called once at the start of a program, before any other thread runs.
namespace svidary {

void ReturnLargeBlocksWhenFreed();

} // namespace svidary
