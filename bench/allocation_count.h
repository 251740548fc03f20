// Counts the calls of the global operator new in the benchmark program.
#pragma once

namespace brenvolt::bench {

long 割り当て数();

}  // namespace brenvolt::bench
