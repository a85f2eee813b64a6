#pragma once
// The label data page: the serial generator group on top, the note, and the
// group "标签数据存储区" with the record grid and its commands. The page is a
// view of the record list and of the template's serial keys; the main window
// embeds it as its second page and routes its status texts to the status bar.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace tagpress {

class SerialGroup;
class TBarcodeFile;
class TLabelRecordList;
class TRecordGrid;
class TRecordGridModel;
class TSerialGenerator;

// What the import and export commands ask of a file dialog.
struct FileDialogRequest {
  bool Save = false;
  QString Name;  // object name of the dialog
  QStringList Filters;
  QString DefaultSuffix;
  QString Directory;  // where it opens; empty for the current folder
};

// Qt's file dialog for a request: the chosen path, or empty when cancelled.
QString ChooseFileWithDialog(const FileDialogRequest& request, QWidget* parent);

class DataPage : public QWidget {
  Q_OBJECT

 public:
  // The page takes over the list's OnRecordsRebuilt and OnRowsTrimmed
  // callbacks for its lifetime.
  DataPage(TLabelRecordList& records, TBarcodeFile& tpl, QWidget* parent = nullptr);
  ~DataPage() override;

  TRecordGrid* sgData() const { return grid_; }
  SerialGroup* Serial() const { return serial_; }
  TSerialGenerator& Generator() const { return *generator_; }

  // The template was loaded or reset: the serial fields take its keys.
  void TemplateToControls();
  // The sample digits BarTextStart were edited: they become the start code.
  void SetSerialStart(const QString& digits);

  // "条码区数量：%d 条" into the second status-bar panel.
  void ShowRecordCount();
  // Shows the file dialogs of import and export (ChooseFileWithDialog);
  // tests answer through it, since Qt's own dialog checks typed names against
  // a file model that fills in the background.
  std::function<QString(const FileDialogRequest&)> ChooseFile;

  // The list was rebuilt (EndRecordUpdate) or changed by other means than
  // the page: row 1, column 1 becomes current with its editor open, and the
  // record count is shown.
  void RecordsChanged();

 public slots:
  void ActionImportDataExecute();
  void ActionOutputDataExecute();
  void ActionRealEditExecute();
  void btnDeleteRowClick();
  void btnClearDataClick();

 signals:
  // Progress texts for the third status-bar panel (the receiver lets pending
  // window messages run, as SetStatusText does).
  void StatusTextChanged(const QString& text);
  // The record count text for the second status-bar panel.
  void RecordCountTextChanged(const QString& text);

 private:
  void CellEdited(int row, int column);
  void ShowFileError(const std::exception& error);
  QString AskForFile(bool save, const char* name, const QStringList& filters);

  TLabelRecordList& records_;
  std::unique_ptr<TSerialGenerator> generator_;
  TRecordGridModel* model_ = nullptr;
  TRecordGrid* grid_ = nullptr;
  SerialGroup* serial_ = nullptr;
  QString last_directory_;
};

}  // namespace tagpress
