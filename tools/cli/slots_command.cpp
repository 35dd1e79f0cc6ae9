// slots: what the adapter's five memory slots hold, as the catalogue knows it, one line a slot.

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "adapter_session.h"
#include "catalogue_access.h"
#include "cli.h"
#include "names.h"
#include "operations/shared_texts.h"
#include "operations/slot_overview.h"
#include "operations/slot_overview_texts.h"
#include "output.h"

namespace strikepad::cli {
namespace {

const char* holdsWord(SlotHolds holds) {
  switch (holds) {
    case SlotHolds::Empty: return "empty";
    case SlotHolds::Catalogued: return "catalogued";
    case SlotHolds::Uncatalogued: break;
  }
  return "uncatalogued";
}

// {"slots":[{"slot","holds","combos":[{"game","character","combo","tailDiffers"}]}]}, names
// escaped as list --json escapes them.
std::string overviewAsJson(const SlotOverview& overview) {
  nlohmann::ordered_json slots = nlohmann::ordered_json::array();
  for (std::size_t slot = 0; slot < overview.contents.size(); ++slot) {
    const SlotContent& content = overview.contents[slot];
    nlohmann::ordered_json combos = nlohmann::ordered_json::array();
    for (const SlotMatch& match : content.matches)
      combos.push_back({{"game", match.game},
                        {"character", match.character},
                        {"combo", match.combo},
                        {"tailDiffers", match.tailDiffers}});
    slots.push_back({{"slot", slot + 1}, {"holds", holdsWord(content.holds)}, {"combos", std::move(combos)}});
  }
  const nlohmann::ordered_json document = {{"slots", std::move(slots)}};
  return jsonWithControlsEscaped(document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

}  // namespace

int runSlots(Context& context) {
  // A catalogue that is not there is told before the adapter is touched.
  CatalogueFile file(context.catalogue);
  if (!openCatalogue(context, file)) return kRefused;
  AdapterLink adapter;
  if (!adapter.choose(context.err)) return kRefused;
  TerminalProgress progress(context);
  const SlotsRead read = readAllSlots(adapter.link(), lookupsOnStderr(context), progress.report());
  progress.end();
  if (read.transfer == TransferOutcome::Failed)
    context.err << shared_texts::transferFailed(shared_texts::kReadFailed, read.reason) << "\n";
  // Fewer than five slots are no overview to hand on.
  if (!read.done()) return kRefused;
  const SlotOverview overview = matchSlots(file, read.blocks);
  if (!overview.done()) return tell(context, overview);
  if (context.json) {
    context.out << overviewAsJson(overview) << "\n";
    return kDone;
  }
  for (std::size_t slot = 0; slot < overview.contents.size(); ++slot)
    context.out << printableName(std::to_string(slot + 1) + ": " + shared_texts::slotContentText(overview.contents[slot]))
                << "\n";
  return kDone;
}

}  // namespace strikepad::cli
