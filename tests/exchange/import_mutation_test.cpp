// Valid exchange files, cut, flipped and stretched with fixed seeds: every import either
// lands whole or reports the damaged file and changes nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "exchange/spk_format.h"
#include "exchange_fixture.h"
#include "spk_bytes.h"

namespace strikepad {
namespace {

using testing::arenaFile;
using testing::SpkBytes;

std::vector<std::vector<std::uint8_t>> validFiles() {
  return {
      SpkBytes().name("Arena").count(0).bytes(),
      arenaFile({1, 2, 3, 4, 5, 6, 7, 8}),
      SpkBytes().name("Dojo").count(1).name("Ken").count(1).combo("Empty", {}).bytes(),
  };
}

using Mutation = std::vector<std::uint8_t> (*)(std::vector<std::uint8_t>, std::mt19937&);

std::size_t anyPosition(std::size_t size, std::mt19937& random) {
  return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> file, std::mt19937& random) {
  file.resize(anyPosition(file.size(), random));
  return file;
}

std::vector<std::uint8_t> flip(std::vector<std::uint8_t> file, std::mt19937& random) {
  const int flips = std::uniform_int_distribution<int>(1, 3)(random);
  for (int i = 0; i < flips; ++i)
    file[anyPosition(file.size(), random)] ^= static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(random));
  return file;
}

std::vector<std::uint8_t> stretch(std::vector<std::uint8_t> file, std::mt19937& random) {
  std::vector<std::uint8_t> extra(std::uniform_int_distribution<std::size_t>(1, 64)(random));
  for (auto& byte : extra) byte = static_cast<std::uint8_t>(random());
  file.insert(file.begin() + static_cast<std::ptrdiff_t>(anyPosition(file.size() + 1, random)), extra.begin(),
              extra.end());
  return file;
}

std::string folded(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name;
}

class ImportMutationTest : public ExchangeTest {
 protected:
  // What a catalogue without the game holds after the import of `game`: characters and
  // combos whose names are taken (without regard to ASCII case) are merged or skipped, and
  // `told` says so.
  static std::vector<std::string> expectedDump(const SpkGame& game, bool& told) {
    told = false;
    struct Character {
      std::string name;
      std::vector<std::pair<std::string, std::string>> combos;
    };
    std::vector<Character> characters;
    for (const SpkCharacter& file : game.characters) {
      auto match = std::find_if(characters.begin(), characters.end(),
                                [&](const Character& c) { return folded(c.name) == folded(file.name); });
      told |= match != characters.end();
      Character& character = match != characters.end() ? *match : characters.emplace_back(Character{file.name, {}});
      for (const SpkCombo& combo : file.combos) {
        const bool taken = std::any_of(character.combos.begin(), character.combos.end(),
                                       [&](const auto& c) { return folded(c.first) == folded(combo.name); });
        const ComboBlock block = blockFromBytes(combo.data.data(), combo.data.size());
        told |= taken;
        if (!taken) character.combos.emplace_back(combo.name, hex({block.begin(), block.end()}));
      }
    }
    std::vector<std::string> lines{"game " + game.name};
    for (const Character& character : characters) {
      lines.push_back("  role " + character.name);
      for (const auto& [name, data] : character.combos) lines.push_back("    moves " + name + " " + data);
    }
    return lines;
  }

  void importMutated(const std::vector<std::uint8_t>& file, const std::string& label) {
    SCOPED_TRACE(label);
    const auto before = dump();
    const auto model = parseSpk(file);
    prompts_.clearEvents();
    const ImportProblem outcome = importFile(writeFile("mutated.SPK", file)).problem;
    if (outcome == ImportProblem::Damaged) {
      EXPECT_EQ(prompts_.messages(), std::vector<std::string>{"mutated.SPK is damaged or not a Strikepad 2.0 file."});
      EXPECT_EQ(dump(), before);
      return;
    }
    ASSERT_TRUE(model) << "imported a file the reader calls damaged";
    if (outcome == ImportProblem::NoGame) {
      EXPECT_TRUE(prompts_.messages().empty());
      EXPECT_TRUE(model->name.empty());
      EXPECT_EQ(dump(), before);
      return;
    }
    ASSERT_EQ(outcome, ImportProblem::None);
    const RecordId game = gameId(model->name);
    bool told = false;
    EXPECT_EQ(dumpGame(game), expectedDump(*model, told));
    EXPECT_EQ(prompts_.messages().size(), told ? 1u : 0u) << "what was merged or left out, in one notice";
    EXPECT_EQ(prompts_.notices().size(), prompts_.messages().size());
    deleteGame(file_, game);
    EXPECT_EQ(dump(), before) << "nothing else was touched";
  }
};

TEST_F(ImportMutationTest, EveryMutatedFileLandsWholeOrIsReportedDamaged) {
  addGame("Keep", {{"Stay", {"Put"}}});
  const std::pair<const char*, Mutation> mutations[] = {{"cut", cut}, {"flip", flip}, {"stretch", stretch}};
  int damaged = 0, imported = 0;
  const auto files = validFiles();
  for (std::size_t f = 0; f < files.size(); ++f) {
    for (const auto& [kind, mutate] : mutations) {
      for (unsigned seed = 1; seed <= 25; ++seed) {
        std::mt19937 random(seed);
        const auto mutated = mutate(files[f], random);
        importMutated(mutated, "file " + std::to_string(f) + ", " + kind + ", seed " + std::to_string(seed));
        (parseSpk(mutated) ? imported : damaged)++;
        if (HasFatalFailure()) return;
      }
    }
  }
  // The seeds reach both ends, or this test proves little.
  EXPECT_GT(damaged, 50);
  EXPECT_GT(imported, 20);
}

}  // namespace
}  // namespace strikepad
