#include "data/ui/data_page.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "data/record_list.h"
#include "data/serial_generator.h"
#include "data/ui/data_edit_form.h"
#include "data/ui/record_grid.h"
#include "data/ui/record_grid_model.h"
#include "data/ui/serial_group.h"
#include "platform/qt/qt_text.h"

namespace tagpress {

namespace {

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString ChooseFileWithDialog(const FileDialogRequest& request, QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setObjectName(request.Name);
  dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(request.DefaultSuffix);
  dialog.setNameFilters(request.Filters);
  if (!request.Directory.isEmpty()) dialog.setDirectory(request.Directory);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

DataPage::DataPage(TLabelRecordList& records, TBarcodeFile& tpl, QWidget* parent)
    : QWidget(parent), records_(records), generator_(std::make_unique<TSerialGenerator>(tpl, records)) {
  setObjectName("DataPage");
  ChooseFile = [this](const FileDialogRequest& request) { return ChooseFileWithDialog(request, this); };
  model_ = new TRecordGridModel(records_, this);

  serial_ = new SerialGroup(*generator_, this);
  auto* note = new QLabel(
      QStringLiteral("提示：如果您打印的条码标签都相同，可以无需产生条码数据，直接进入“排版打印”！"), this);
  note->setObjectName("lblDataNote");

  auto* store = new QGroupBox(QStringLiteral("标签数据存储区"), this);
  store->setObjectName("gbData");
  grid_ = new TRecordGrid(*model_, store);
  auto* buttons = new QHBoxLayout;
  QPushButton* remove = NewButton(QStringLiteral("删除当前行"), "btnDeleteRow", store);
  QPushButton* clear = NewButton(QStringLiteral("清除存储区(&L)"), "btnClearData", store);
  QPushButton* import = NewButton(QStringLiteral("导入数据(&I)"), "btnImportData", store);
  QPushButton* output = NewButton(QStringLiteral("保存数据(&O)"), "btnOutputData", store);
  QPushButton* edit = NewButton(QStringLiteral("直接编辑数据(&E)"), "btnRealEdit", store);
  edit->setToolTip(QStringLiteral("以文本方式编辑数据区"));
  edit->setStatusTip(edit->toolTip());
  for (QPushButton* button : {remove, clear, import, output, edit}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* store_layout = new QVBoxLayout(store);
  store_layout->addWidget(grid_, 1);
  store_layout->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(serial_);
  layout->addWidget(note);
  layout->addWidget(store, 1);

  connect(remove, &QPushButton::clicked, this, &DataPage::btnDeleteRowClick);
  connect(clear, &QPushButton::clicked, this, &DataPage::btnClearDataClick);
  connect(import, &QPushButton::clicked, this, &DataPage::ActionImportDataExecute);
  connect(output, &QPushButton::clicked, this, &DataPage::ActionOutputDataExecute);
  connect(edit, &QPushButton::clicked, this, &DataPage::ActionRealEditExecute);
  connect(serial_, &SerialGroup::StatusTextChanged, this, &DataPage::StatusTextChanged);
  connect(model_, &TRecordGridModel::CellEdited, this, &DataPage::CellEdited);

  records_.OnRowsTrimmed = [this] { model_->Reload(); };
  records_.OnRecordsRebuilt = [this] { RecordsChanged(); };
  model_->Reload();
  grid_->ShowRebuiltRecords();
}

DataPage::~DataPage() {
  records_.OnRowsTrimmed = nullptr;
  records_.OnRecordsRebuilt = nullptr;
}

void DataPage::TemplateToControls() { generator_->LoadFromTemplate(); }

void DataPage::SetSerialStart(const QString& digits) { generator_->SetStart(GbkFromQString(digits)); }

void DataPage::ShowRecordCount() {
  emit RecordCountTextChanged(QStringLiteral("条码区数量：%1 条").arg(records_.RecordCount()));
}

void DataPage::RecordsChanged() {
  model_->Reload();
  grid_->ShowRebuiltRecords();
  ShowRecordCount();
}

void DataPage::CellEdited(int row, int /*column*/) {
  ShowRecordCount();
  // There is always an empty row below the last filled one.
  if (row == records_.RowCount() - 1 && !records_.IsBlankRow(row)) model_->AppendRecord("", "", "");
}

void DataPage::ActionImportDataExecute() {
  const QString path = AskForFile(
      false, "OpenDialogData",
      {QStringLiteral("文本文件(*.TXT)"), QStringLiteral("CSV文件(*.CSV)"), QStringLiteral("所有文件 (*)")});
  if (path.isEmpty()) return;
  try {
    records_.LoadDataFile(LocalPath(path));
  } catch (const std::exception& error) {
    ShowFileError(error);
  }
}

void DataPage::ActionOutputDataExecute() {
  const QString path =
      AskForFile(true, "SaveDialogData", {QStringLiteral("文本文件(*.TXT)"), QStringLiteral("所有文件 (*)")});
  if (path.isEmpty()) return;
  try {
    records_.SaveDataFile(LocalPath(path));
  } catch (const std::exception& error) {
    ShowFileError(error);
  }
}

void DataPage::ActionRealEditExecute() { TForm_DataEdit::EditRecords(records_, this); }

void DataPage::btnDeleteRowClick() {
  const int row = grid_->CurrentRow();
  if (row < 1) return;
  records_.DeleteRecordRow(row);
  model_->Reload();
  if (!grid_->SelectCell(1, std::min(row, records_.RowCount() - 1))) grid_->SelectCell(1, 1);
  ShowRecordCount();
}

void DataPage::btnClearDataClick() {
  QMessageBox question(QMessageBox::Question, QStringLiteral("清除提示"),
                       QStringLiteral("确实要清除以上所有数据吗？"), QMessageBox::Yes | QMessageBox::No,
                       this);
  question.setObjectName("ClearQuestion");
  question.setDefaultButton(QMessageBox::No);
  if (question.exec() != QMessageBox::Yes) return;
  records_.ClearRecords();
  RecordsChanged();
}

QString DataPage::AskForFile(bool save, const char* name, const QStringList& filters) {
  const QString path =
      ChooseFile({save, QString::fromLatin1(name), filters, QStringLiteral("txt"), last_directory_});
  if (!path.isEmpty()) last_directory_ = QFileInfo(path).absolutePath();
  return path;
}

void DataPage::ShowFileError(const std::exception& error) {
  QMessageBox::warning(this, QStringLiteral("提示"), QStringFromGbk(error.what()));
}

}  // namespace tagpress
