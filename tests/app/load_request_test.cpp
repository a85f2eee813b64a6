#include "app/load_request.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TEST(LoadRequestedFiles, LoadsWhatTheRequestNames) {
  TempDir dir;
  const std::string data = dir.Write("data.csv", "111,a,b\r\n222\r\n");
  const std::string tpl = dir.Write("t.bcf", "BarHeight=11\r\n");
  std::filesystem::create_directory(dir.path() / "other");
  const std::string default_tpl = dir.Write("other/Default.bct", "BarHeight=12\r\n");
  struct Case {
    ArgumentList arguments;
    bool loaded_template;
    int records;
    double bar_height;
    std::string file_name;
  };
  const Case cases[] = {
      {{}, false, 0, 8, ""},
      {{data}, false, 2, 8, ""},
      {{data, tpl}, false, 2, 8, ""},
      {{data, tpl, "-p"}, true, 2, 11, tpl},
      {{data, "-p", "-h"}, false, 2, 8, ""},
      {{"-p", data, tpl}, false, 0, 8, ""},
      {{data, default_tpl, "-p"}, true, 2, 12, ""},  // Default.bct keeps the file name
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    TLabelRecordList records;
    TBarcodeFile store;
    EXPECT_EQ(LoadRequestedFiles(RunRequestOf(cases[i].arguments), records, store), cases[i].loaded_template);
    EXPECT_EQ(records.RecordCount(), cases[i].records);
    EXPECT_DOUBLE_EQ(store.BarHeight(), cases[i].bar_height);
    EXPECT_EQ(store.FileName, cases[i].file_name);
  }
}

}  // namespace
}  // namespace tagpress
