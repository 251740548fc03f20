// Counts the calls of the global operator new in the program that links allocation_count.cpp
// (the benchmarks, and the test that the search allocates nothing).
#pragma once

namespace brenvolt::bench {

long 割り当て数();

}  // namespace brenvolt::bench
