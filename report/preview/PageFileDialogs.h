#pragma once
// The save and open dialogs of the preview window for page files, with the PDF export
// offered as a second file type when saving.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

inline const QString PageFileExtension = QStringLiteral("tsr");
inline const QString PdfExtension = QStringLiteral("pdf");

enum class TsSaveKind { PageFile, Pdf };

struct TsSaveTarget {
  QString fileName;
  TsSaveKind kind;
};

// "Tessary file(*.tsr)" followed by the export entry "PDF document (*.pdf)".
QStringList SaveFilters();
// "Tessary file (*.tsr)".
QString LoadFilter();

// The "Save report" dialog; empty when cancelled.
std::optional<TsSaveTarget> AskSaveTarget(QWidget* parent);
// The "Load report" dialog; empty when cancelled. The name may be of a file that does
// not exist: the caller says so.
std::optional<QString> AskLoadFileName(QWidget* parent);
