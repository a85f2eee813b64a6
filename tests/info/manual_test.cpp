// The local manual: every function of the library is documented with an
// example that computes what the manual says, every link leads somewhere and
// every command-line option is described.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "print/label_text_context.h"
#include "script/custom_functions.h"

namespace tagpress {
namespace {

namespace fs = std::filesystem;

fs::path HelpFolder() { return fs::path(TAGPRESS_HELP_SOURCE_DIR); }

std::string ReadPage(const std::string& name) {
  std::ifstream in(HelpFolder() / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Unescape(std::string text) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#x27;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : kEntities)
    for (size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::strlen(entity), plain);
  return text;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

// The entry of one function: from its anchor to the next heading.
std::string EntryOf(const std::string& page, const std::string& name) {
  const size_t start = page.find("id=\"fn-" + name + "\"");
  if (start == std::string::npos) return {};
  const size_t end = page.find("<h", start + 1);
  return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(ManualTest, EveryLibraryFunctionHasAnEntryWithAnExample) {
  const std::string page = ReadPage("functions.htm");
  ASSERT_FALSE(page.empty());
  const std::vector<std::string>& names = StdFuncLib().FunctionNames();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string entry = EntryOf(page, name);
    ASSERT_FALSE(entry.empty()) << "no entry";
    const size_t example = entry.find("<code>[");
    ASSERT_NE(example, std::string::npos) << "no example";
    EXPECT_NE(entry.find(name, example), std::string::npos) << "the example does not call the function";
  }
}

// Every example whose result is stated (not described in parentheses)
// computes exactly that result for the digits 6901234567892.
TEST(ManualTest, ExamplesComputeWhatTheManualShows) {
  const std::string page = ReadPage("functions.htm");
  const std::regex example_line("示例：(.*?) → (.*?)</p>");
  const std::regex code("<code>(\\[.*?\\])</code>");
  LabelTextContext context;
  context.SetBarcodeDigits("6901234567892");
  int checked = 0;
  for (std::sregex_iterator line(page.begin(), page.end(), example_line), end; line != end; ++line) {
    const std::string results = Unescape((*line)[2]);
    if (results.rfind("（", 0) == 0) continue;  // a result that depends on the day or the machine
    std::vector<std::string> expressions;
    const std::string calls = (*line)[1];
    for (std::sregex_iterator match(calls.begin(), calls.end(), code); match != end; ++match)
      expressions.push_back(Unescape((*match)[1]));
    const std::vector<std::string> expected = Split(results, "、");
    ASSERT_EQ(expressions.size(), expected.size()) << calls;
    for (size_t i = 0; i < expressions.size(); ++i) {
      SCOPED_TRACE(expressions[i]);
      EXPECT_EQ(GbkToUtf8(context.ExpandExpressions(Utf8ToGbk(expressions[i]))), expected[i]);
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(ManualTest, LinksLeadToPagesAndAnchorsThatExist) {
  const std::regex link("href=\"([^\"#:]*)(#([^\"]*))?\"");
  std::set<std::string> pages;
  for (const auto& file : fs::directory_iterator(HelpFolder()))
    if (file.path().extension() == ".htm") pages.insert(file.path().filename().string());
  ASSERT_TRUE(pages.count("index.htm"));
  for (const std::string& name : pages) {
    const std::string page = ReadPage(name);
    for (std::sregex_iterator match(page.begin(), page.end(), link), end; match != end; ++match) {
      const std::string target = (*match)[1].str().empty() ? name : (*match)[1].str();
      SCOPED_TRACE(name + " -> " + (*match)[0].str());
      ASSERT_TRUE(pages.count(target));
      if ((*match)[3].matched) {
        const std::string anchor = (*match)[3];
        EXPECT_NE(ReadPage(target).find("name=\"" + anchor + "\""), std::string::npos);
      }
    }
  }
}

TEST(ManualTest, CommandLineOptionsAreDescribed) {
  const std::string page = ReadPage("cmdline.htm");
  static const char* const kOptions[] = {
      "-p",         "-d",        "-h",        "--printer=NAME", "--output=FILE.pdf", "--export=DIR",
      "--dpi=N",    "--dpi=NxM", "--no-text", "--numbered",     "--keep-existing",   "--eval=EXPR",
      "--digits=D", "--summary", "--help",    "--version"};
  for (const char* option : kOptions) {
    SCOPED_TRACE(option);
    EXPECT_NE(page.find(std::string("<code>") + option + "</code>"), std::string::npos);
  }
}

}  // namespace
}  // namespace tagpress
