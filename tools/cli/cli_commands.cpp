// Every command of strikepad-cli. Adding one: its run function, and its declaration here.

#include <algorithm>

#include "command_declaration.h"

namespace strikepad::cli {
namespace {


constexpr std::string_view kScriptForms[] = {"parse [FILE]", "print [HEX]"};
constexpr std::string_view kInitForms[] = {"[FILE]"};
constexpr std::string_view kNoArguments[] = {""};
constexpr std::string_view kAddForms[] = {"game NAME", "character GAME NAME", "combo GAME CHARACTER NAME [SCRIPTFILE]"};
constexpr std::string_view kDeleteForms[] = {"game GAME", "character GAME CHARACTER", "combo GAME CHARACTER COMBO"};
constexpr std::string_view kRenameForms[] = {"game GAME NEW", "character GAME CHARACTER NEW",
                                             "combo GAME CHARACTER COMBO NEW"};
constexpr std::string_view kShowForms[] = {"GAME CHARACTER COMBO"};
constexpr std::string_view kExportForms[] = {"GAME FILE"};
constexpr std::string_view kImportForms[] = {"FILE"};
constexpr std::string_view kSlotForms[] = {"read SLOT", "write SLOT [HEX]"};
constexpr std::string_view kDownloadForms[] = {"GAME CHARACTER COMBO SLOT"};
constexpr std::string_view kCaptureForms[] = {"SLOT GAME CHARACTER NAME"};
constexpr std::string_view kReloadForms[] = {"SLOT GAME CHARACTER COMBO"};
constexpr std::string_view kHelpForms[] = {"[COMMAND]"};
constexpr std::string_view kFindForms[] = {"TEXT"};

constexpr CommandOption kJson[] = {{"--json", "the catalogue as one JSON document"}};
constexpr CommandOption kHex[] = {{"--hex", "the block's 720 hex digits instead of its script"}};
constexpr CommandOption kFindJson[] = {{"--json", "the matches as one JSON document"}};
constexpr CommandOption kSlotsJson[] = {{"--json", "the five slots as one JSON document"}};
constexpr CommandOption kYes[] = {{"--yes", "reuse a game of the file's name (without it the import is refused)"}};

constexpr Declaration kDeclarations[] = {
    {"script", kScriptForms, {}, "script text to a block (720 hex digits), or a block to script text",
     "parse reads script text from FILE or standard input and prints its block as 720 hex digits;\n"
     "values stored other than written are named on standard error. print reads 720 hex digits\n"
     "(HEX or standard input) and prints the script text, with CR LF line ends.\n",
     runScript},
    {"init", kInitForms, {}, "a new, empty catalogue",
     "Makes FILE (the catalogue, sp.dat without --catalogue; a folder: its sp.dat) a new, empty\n"
     "catalogue; an existing file is never overwritten.\n",
     runInit},
    {"list", kNoArguments, kJson, "the catalogue, one record a line",
     "Prints the catalogue in store order, one record a line (SIZE: the bytes of stored combo data):\n"
     "  game ID NAME\n"
     "    character ID NAME\n"
     "      combo ID NAME SIZE\n"
     "With --json: {\"games\":[{\"id\",\"name\",\"characters\":[{\"id\",\"name\",\"combos\":[{\"id\",\"name\",\"size\"}]}]}]}\n",
     runList},
    {"find", kFindForms, kFindJson, "the games, characters and combos whose names hold TEXT",
     "Prints each game, character and combo whose name holds TEXT, letter case aside, one a line in\n"
     "the order of the lists: \"GAME\", \"GAME / CHARACTER\" or \"GAME / CHARACTER / COMBO\". Exits 0\n"
     "when something matched, 1 when nothing did.\n"
     "With --json: {\"matches\":[{\"game\":{\"id\",\"name\"},\"character\":{...},\"combo\":{...}}]}\n",
     runFind},
    {"add", kAddForms, {}, "a new game, character or combo",
     "Stores a new record under its parent. A combo's script comes from SCRIPTFILE or standard\n"
     "input. A name the parent holds already is refused.\n",
     runAdd},
    {"delete", kDeleteForms, {}, "a game, character or combo with everything under it",
     "Deletes the record with everything under it; undo brings it back.\n", runDelete},
    {"rename", kRenameForms, {}, "a game, character or combo",
     "Gives the record the name NEW, unless its parent holds a record of that name already.\n", runRename},
    {"show", kShowForms, kHex, "a stored combo as script text",
     "Prints the stored combo as `script print` prints its block.\n", runShow},
    {"export", kExportForms, {}, "a game to an .SPK file",
     "Writes the game to FILE; - writes it to standard output. The file is replaced only once the\n"
     "new one is written whole.\n",
     runExport},
    {"import", kImportForms, kYes, "an .SPK file into the catalogue",
     "Imports the game of FILE (- reads standard input), all of it or nothing.\n", runImport},
    {"slot", kSlotForms, {}, "the adapter's memory slots 1 to 5, as 720 hex digits",
     "read prints the block in SLOT; write writes HEX (or standard input) into SLOT.\n", runSlot},
    {"slots", kNoArguments, kSlotsJson, "what the adapter's five memory slots hold, by the catalogue's names",
     "Reads the five slots and prints one line a slot: the combos that play as it does, compared up\n"
     "to and including the end marker (\"GAME / CHARACTER / COMBO\", with a note when the bytes after\n"
     "the marker differ; several separated by \"; \"), \"empty\", or \"not in the catalogue\". Exits 1,\n"
     "printing nothing, unless all five were read.\n"
     "With --json: {\"slots\":[{\"slot\",\"holds\":\"catalogued\"|\"empty\"|\"uncatalogued\",\n"
     "  \"combos\":[{\"game\",\"character\",\"combo\",\"tailDiffers\"}]}]}\n",
     runSlots},
    {"download", kDownloadForms, {}, "a stored combo into a memory slot",
     "Writes the combo into SLOT, as the window's \"DownLoad\" does, without its question. While it\n"
     "runs and standard error is a terminal it shows its progress.\n",
     runDownload},
    {"capture", kCaptureForms, {}, "a memory slot into a new combo",
     "Reads SLOT into a new combo NAME of the character, as the combo list's Add does.\n", runCapture},
    {"reload", kReloadForms, {}, "a memory slot into a stored combo",
     "Reads SLOT into the stored combo, as Reload does; the block it replaces goes into the history.\n", runReload},
    {"history", kNoArguments, {}, "the recent deletes and replaced blocks, newest first",
     "Lists the kept changes, newest first, one a line, with their local time.\n", runHistory},
    {"undo", kNoArguments, {}, "takes back the newest change of the history",
     "What the newest change removed comes back as it was. Refused, with the reason, when a record\n"
     "of the same name now stands in its place or its parent is gone; the change then stays.\n",
     runUndo},
    {"help", kHelpForms, {}, "a command's help", "Prints what COMMAND --help prints; without COMMAND, the usage.\n",
     runHelp},
};

}  // namespace

std::span<const Declaration> declarations() { return kDeclarations; }

const Declaration* findDeclaration(std::string_view name) {
  const auto* found = std::ranges::find(kDeclarations, name, &Declaration::name);
  return found == std::end(kDeclarations) ? nullptr : found;
}

}  // namespace strikepad::cli
