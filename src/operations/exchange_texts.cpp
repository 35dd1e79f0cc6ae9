#include "operations/exchange_texts.h"

#include "exchange/exchange_messages.h"

namespace strikepad {

namespace {

// The pattern with the file's name, then the whole path and the system's reason in brackets.
std::string withReason(std::string_view pattern, const std::filesystem::path& file, const std::string& reason) {
  std::string text = messages::withFileName(pattern, file);
  if (!reason.empty()) text += " (" + reason + ")";
  return text;
}

}  // namespace

std::vector<std::string> exportNotices(const ExportResult& result, const std::filesystem::path& file) {
  switch (result.problem) {
    case ExportProblem::None:
    case ExportProblem::NamesClash: return result.notices;
    case ExportProblem::TargetIsCatalogue: return {messages::withFileName(messages::kTargetIsCatalogue, file)};
    case ExportProblem::TargetNotAFile: return {messages::withFileName(messages::kTargetNotAFile, file)};
    case ExportProblem::CannotOpen: return {withReason(messages::kCanNotOpen, file, result.reason)};
    case ExportProblem::CannotWrite: return {withReason(messages::kCanNotWrite, file, result.reason)};
    // After a store failure its report has been shown; this says what it meant for the export.
    case ExportProblem::NoGameData:
    case ExportProblem::StoreFailed: return {std::string(messages::kCanNotFindGameData)};
  }
  return {};
}

std::vector<std::string> importNotices(const ImportResult& result, const std::filesystem::path& file) {
  switch (result.problem) {
    case ImportProblem::None: {
      if (result.report.empty()) return {};
      return {result.report.notice(file)};
    }
    case ImportProblem::CannotOpen: return {withReason(messages::kCanNotOpen, file, result.reason)};
    case ImportProblem::NotAFile: return {messages::withFileName(messages::kNotAFile, file)};
    case ImportProblem::TooLarge: return {messages::withFileName(messages::kFileTooLarge, file)};
    case ImportProblem::Damaged: return {messages::withFileName(messages::kDamagedFile, file)};
    case ImportProblem::NoGame:
    case ImportProblem::GameExists:
    case ImportProblem::StoreFailed: break;
  }
  return {};
}

}  // namespace strikepad
