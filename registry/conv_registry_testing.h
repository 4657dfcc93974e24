// A hook for tests of the 16-bit handle limit: reaching it by registering 65,535 records would
// take far too long, so a test moves the counters close to it instead (in a child process, since
// handles are never given out again).
#pragma once

#include "registry/conv_registry.h"

namespace vaneko::registry {

// Moves LastConvFamily and LastConvType forward to the given values, as if every handle up to
// them had been given out; a counter already at or beyond its value is left alone.
void AdvanceHandleCountersForTesting(TConvFamily lastFamily, TConvType lastType);

}  // namespace vaneko::registry
