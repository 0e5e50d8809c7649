#pragma once
// The checksum a record keeps of the standards tables its results came from.

#include <QString>

#include <optional>

// SHA-256, in lower-case hex, over every table file of baseDir/TABLES in loading order:
// for each, its length in decimal and a line feed, then its bytes. Nothing when one of
// them cannot be read. Two installations with the same tables, byte for byte, give the
// same checksum; any changed byte gives another.
std::optional<QString> TablesChecksum(const QString& baseDir);
