#include "script/word_parse.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace tagpress {
namespace {

// A token stream written compactly: "kind:text@line:column" for tokens with
// text, "kind/code@line:column" for the others.
std::string Stream(std::string_view text, bool* ok = nullptr) {
  TkxScriptWordParse lexer;
  const bool parsed = lexer.Parse(text);
  if (ok) *ok = parsed;
  std::string out;
  for (int i = 0; i < lexer.TokenCount(); ++i) {
    const TWordNode token = lexer.GetToken(i);
    if (!out.empty()) out += ' ';
    out += std::to_string(token.Kind);
    out += token.Text.empty() ? "/" + std::to_string(token.Code) : ":" + token.Text;
    out += "@" + std::to_string(token.Line) + ":" + std::to_string(token.Column);
  }
  return out;
}

TEST(WordParse, TokenStreams) {
  struct Case {
    std::string text;
    std::string tokens;
  };
  const Case cases[] = {
      /* 0 */ {"a=1", "8:a@1:2 2/12@1:3 3:1@1:5"},
      /* 1 */ {"x = 10%", "8:x@1:2 2/12@1:4 3:10@1:9 2/4@1:9 3:100@1:9"},
      /* 2 */ {"1.5E-3", "3:1.5E-3@1:7"},
      /* 3 */ {"1E+5", "3:1E@1:3 2/1@1:4 3:5@1:6"},
      /* 4 */ {"1e5", "3:1e5@1:4"},
      /* 5 */ {"// note\r\nx", "11/0@1:11 8:x@2:2"},
      /* 6 */ {"'it\\'s' 'a\\b'", "1:it's@1:7 1:a\\b@1:13"},
      /* 7 */ {"\"say \\\"hi\\\" \\\\\"", "1:say \"hi\" \\@1:15"},
      /* 8 */ {"IF if If", "9:IF@1:3 9:if@1:7 9:If@1:11"},
      /* 9 */ {"a.If", "8:a@1:2 6/0@1:3 8:If@1:6"},
      /* 10 */ {"obj.End obj.mod", "8:obj@1:4 6/0@1:5 8:End@1:9 8:obj@1:14 6/0@1:15 2/5@1:19"},
      /* 11 */ {GBK("条码数字") + "=1", "8:" + GBK("条码数字") + "@1:9 2/12@1:10 3:1@1:12"},
      /* 12 */ {"a\r\n\nb", "8:a@1:2 11/0@1:6 8:b@2:2"},
      /* 13 */ {"{one\r\ntwo}x", "8:x@1:12"},
      /* 14 */
      {"a<>b<=c>=d<e>f",
       "8:a@1:2 2/15@1:4 8:b@1:6 2/14@1:8 8:c@1:10 2/13@1:12 8:d@1:14 2/11@1:16 8:e@1:18 "
       "2/10@1:20 8:f@1:22"},
      /* 15 */ {"a AND b Or not c", "8:a@1:2 2/7@1:7 8:b@1:10 2/8@1:14 2/9@1:19 8:c@1:22"},
      /* 16 */
      {"f(x)[1]&:,\\^",
       "8:f@1:2 4/0@1:3 8:x@1:5 5/0@1:6 13/0@1:7 3:1@1:9 14/0@1:10 12/0@1:11 10/0@1:12 "
       "7/0@1:13 2/20@1:14 2/6@1:15"},
      /* 17 */ {"1.2.3", "3:1.2@1:4 6/0@1:5 3:3@1:7"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    bool ok = false;
    EXPECT_EQ(Stream(cases[i].text, &ok), cases[i].tokens);
    EXPECT_TRUE(ok);
  }
}

TEST(WordParse, FullWidthPunctuationMatchesAscii) {
  auto without_positions = [](std::string stream) {
    std::string out;
    bool skip = false;
    for (char c : stream) {
      if (c == '@') skip = true;
      if (c == ' ') skip = false;
      if (!skip) out += c;
    }
    return out;
  };
  EXPECT_EQ(without_positions(Stream(GBK("（1＋2）×3"))), without_positions(Stream("(1+2)*3")));
  EXPECT_EQ(without_positions(Stream(GBK("a≠b≤c≥d÷e＝f＜g＞h－i〔j〕"))),
            without_positions(Stream("a<>b<=c>=d/e=f<g>h-i(j)")));
}

TEST(WordParse, ErrorsAndTheirPositions) {
  struct Case {
    std::string text;
    int error_pos;
  };
  const Case cases[] = {
      /* 0 */ {"a\tb", 2},
      /* 1 */ {"'abc", 7},  // one past the end of the text with its line break
      /* 2 */ {"{open", 8},
      /* 3 */ {"a # b", 3},
      /* 4 */ {"a\nb", 2},  // a lone line feed is no line break
      /* 5 */ {"x" + GBK("，") + "y", 3},
      /* 6 */ {"'a\\'b", 7},  // the escape is deleted before the position is taken
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    TkxScriptWordParse lexer;
    EXPECT_FALSE(lexer.Parse(cases[i].text));
    EXPECT_EQ(lexer.ErrorPos(), cases[i].error_pos);
  }
}

TEST(WordParse, TokensBeforeAFaultRemain) {
  TkxScriptWordParse lexer;
  EXPECT_FALSE(lexer.Parse("a + \tb"));
  ASSERT_EQ(lexer.TokenCount(), 2);
  EXPECT_EQ(lexer.GetToken(1).Code, opAdd);
}

}  // namespace
}  // namespace tagpress
