// Counts the calls of the global operator new in a program that links the allocation counter
// library (the benchmarks, and the test that the search allocates nothing).
#pragma once

namespace brenvolt::testing {

long 割り当て数();

}  // namespace brenvolt::testing
