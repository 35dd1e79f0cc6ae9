#include "combo/script_keywords.h"

#include <algorithm>
#include <vector>

namespace strikepad {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Edits from `word` to `keyword`: insertions, deletions, substitutions and swaps of neighbours.
std::size_t distance(std::string_view word, std::string_view keyword) {
  const std::size_t columns = keyword.size() + 1;
  std::vector<std::size_t> table((word.size() + 1) * columns);
  const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return table[i * columns + j]; };
  for (std::size_t i = 0; i <= word.size(); ++i) at(i, 0) = i;
  for (std::size_t j = 0; j <= keyword.size(); ++j) at(0, j) = j;
  for (std::size_t i = 1; i <= word.size(); ++i) {
    for (std::size_t j = 1; j <= keyword.size(); ++j) {
      const bool same = lower(word[i - 1]) == keyword[j - 1];
      at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + (same ? 0 : 1)});
      if (i > 1 && j > 1 && lower(word[i - 1]) == keyword[j - 2] && lower(word[i - 2]) == keyword[j - 1])
        at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
    }
  }
  return at(word.size(), keyword.size());
}

}  // namespace

std::optional<std::string_view> nearestKeyword(std::string_view word) {
  // The longest key word has 10 letters: a longer word is no typing slip of one.
  constexpr std::size_t kLongestLikely = 12;
  if (word.empty() || word.size() > kLongestLikely) return std::nullopt;
  std::vector<std::string_view> words;
  for (const ButtonKeyword& button : kButtonKeywords) words.push_back(button.word);
  for (const AxisKeyword& axis : kAxisKeywords) words.push_back(axis.word);
  const auto nearest = std::min_element(words.begin(), words.end(), [word](std::string_view a, std::string_view b) {
    return distance(word, a) < distance(word, b);
  });
  // One slip in a short word, two in a longer one; more is a guess.
  const std::size_t allowed = word.size() <= 3 ? 1 : 2;
  return distance(word, *nearest) <= allowed ? std::optional(*nearest) : std::nullopt;
}

}  // namespace strikepad
