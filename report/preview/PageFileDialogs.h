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

// Both dialogs open in the user's documents folder the first time and in the folder of the
// last file chosen in either of them afterwards.

// The "Save report" dialog; empty when cancelled. A name ending in ".pdf" is saved as a
// PDF and one ending in ".tsr" as a page file, whatever filter is selected; any other name
// as the selected filter says (a name without an extension gets the filter's).
std::optional<TsSaveTarget> AskSaveTarget(QWidget* parent);
// The "Load report" dialog; empty when cancelled. The name may be of a file that does
// not exist: the caller says so.
std::optional<QString> AskLoadFileName(QWidget* parent);
