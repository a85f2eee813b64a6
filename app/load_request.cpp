#include "app/load_request.h"

#include <filesystem>

namespace tagpress {

bool LoadRequestedFiles(const RunRequest& request, TLabelRecordList& records, TBarcodeFile& store) {
  if (!request.DataFile) return false;
  records.LoadDataFile(*request.DataFile);
  if (!request.TemplateFile) return false;
  store.LoadFromFile(*request.TemplateFile);
  if (std::filesystem::path(*request.TemplateFile).filename() != "Default.bct")
    store.FileName = *request.TemplateFile;
  return true;
}

}  // namespace tagpress
