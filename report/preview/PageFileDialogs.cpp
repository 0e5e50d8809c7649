#include "report/preview/PageFileDialogs.h"

#include <QFileDialog>

namespace {

QString ExportFilterEntry(const QString& description, const QString& extension) {
  return description + " (*." + extension + ")";
}

// Dialogs are Qt's own, never the desktop's, so they behave the same everywhere and tests
// can drive them.
void PrepareDialog(QFileDialog& dialog, const QString& objectName) {
  dialog.setObjectName(objectName);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
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
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const TsSaveKind kind =
      dialog.selectedNameFilter() == filters.first() ? TsSaveKind::PageFile : TsSaveKind::Pdf;
  return TsSaveTarget{dialog.selectedFiles().first(), kind};
}

std::optional<QString> AskLoadFileName(QWidget* parent) {
  QFileDialog dialog(parent, "Load report");
  PrepareDialog(dialog, "LoadDialog");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(LoadFilter());
  dialog.setDefaultSuffix(PageFileExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}
