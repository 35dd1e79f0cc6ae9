#include "selecting_session.h"

#include <ostream>

#include "text/name_fold.h"

namespace strikepad::cli {

bool SelectingSession::select(PickList& list, const std::string& name, std::string_view what) {
  for (int i = 0; i < list.count(); ++i) {
    if (sameName(list.text(i), name)) {
      list.select(i);
      return true;
    }
  }
  context_.err << "no " << what << " named " << name << "\n";
  return false;
}

}  // namespace strikepad::cli
