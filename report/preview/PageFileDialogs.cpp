#include "report/preview/PageFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString ExportFilterEntry(const QString& description, const QString& extension) {
  return description + " (*." + extension + ")";
}

// The folder of the last file chosen in either dialog during this run; empty before the
// first. The one piece of state the dialogs keep: nothing is kept between runs.
QString& LastFolder() {
  static QString folder;
  return folder;
}

// The user's documents folder the first time, the last folder used afterwards.
QString StartFolder() {
  if (!LastFolder().isEmpty() && QDir(LastFolder()).exists()) return LastFolder();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// Dialogs are Qt's own, never the desktop's, so they behave the same everywhere and tests
// can drive them.
void PrepareDialog(QFileDialog& dialog, const QString& objectName) {
  dialog.setObjectName(objectName);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDirectory(StartFolder());
}

// The file the dialog was confirmed with; empty when cancelled.
std::optional<QString> ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString file = dialog.selectedFiles().first();
  LastFolder() = QFileInfo(file).absolutePath();
  return file;
}

// A typed extension decides what is written; without one, the selected filter does.
TsSaveKind SaveKindOf(const QString& fileName, TsSaveKind selectedFilter) {
  const QString extension = QFileInfo(fileName).suffix();
  if (extension.compare(PdfExtension, Qt::CaseInsensitive) == 0) return TsSaveKind::Pdf;
  if (extension.compare(PageFileExtension, Qt::CaseInsensitive) == 0) return TsSaveKind::PageFile;
  return selectedFilter;
}

}  // namespace

QStringList SaveFilters() {
  return {"Tessary file(*." + PageFileExtension + ")",
          ExportFilterEntry("PDF document", PdfExtension)};
}

QString LoadFilter() { return "Tessary file (*." + PageFileExtension + ")"; }

std::optional<TsSaveTarget> AskSaveTarget(QWidget* parent) {
  QFileDialog dialog(parent, "Save report");
  PrepareDialog(dialog, "SaveDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = SaveFilters();
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(PageFileExtension);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    dialog.setDefaultSuffix(filter == filters.first() ? PageFileExtension : PdfExtension);
  });
  const std::optional<QString> file = ChosenFile(dialog);
  if (!file) return {};
  const TsSaveKind filter =
      dialog.selectedNameFilter() == filters.first() ? TsSaveKind::PageFile : TsSaveKind::Pdf;
  return TsSaveTarget{*file, SaveKindOf(*file, filter)};
}

std::optional<QString> AskLoadFileName(QWidget* parent) {
  QFileDialog dialog(parent, "Load report");
  PrepareDialog(dialog, "LoadDialog");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(LoadFilter());
  dialog.setDefaultSuffix(PageFileExtension);
  return ChosenFile(dialog);
}
