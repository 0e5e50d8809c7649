#pragma once
// Reading a saved page file into a new page store. The file is checked completely before
// it is accepted: header, page count against the file size, every record link and every
// picture's drawing commands. A folder, a file without pages or one that fails any check is
// refused with a TsPrintError naming the reason.

#include <QString>

#include <memory>

class TTsPageList;

std::unique_ptr<TTsPageList> LoadPageFile(const QString& fileName);
