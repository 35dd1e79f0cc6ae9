#include <ostream>

#include "cli.h"

namespace strikepad::cli {

int runScript(Context& context) {
  context.err << context.args.front() << ": not built yet\n";
  return kBadUsage;
}

}  // namespace strikepad::cli
