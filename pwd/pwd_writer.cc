#include "pwd/pwd_writer.h"

namespace lemmatizer {
namespace {

// Lines joined by line ends, with none after the last.
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

}  // namespace

bool PwdWritable(const std::string& text) {
  return !text.empty() && text.find_first_of("; \t\r\n") == std::string::npos;
}

std::string PwdWholeFormsText(const std::vector<PwdWholeForm>& forms) {
  std::vector<std::string> lines;
  for (const PwdWholeForm& form : forms) lines.push_back(form.form + ";" + form.lemma + ";");
  // Six capital А: no Russian word.
  if (lines.empty()) lines.push_back("\xC0\xC0\xC0\xC0\xC0\xC0;\xC0\xC0\xC0\xC0\xC0\xC0;");
  return Joined(lines);
}

std::string PwdEndingsText(const std::vector<PwdEnding>& endings) {
  std::vector<std::string> lines;
  for (const PwdEnding& e : endings) {
    lines.push_back(std::to_string(e.table) + ";" + e.ending + ";" + e.replacement + ";");
  }
  if (lines.empty()) lines.push_back("2;\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0;\xC0;");
  return Joined(lines);
}

}  // namespace lemmatizer
