// vaneko-cli keys [--state] KEY...: presses calculator keys on a freshly started window.
#include "cli/cli.h"

namespace vaneko::cli {

int RunKeys(const Args&, Streams) {
  throw UsageError{"keys is not available yet"};
}

}  // namespace vaneko::cli
