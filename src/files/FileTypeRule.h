#pragma once

#include <QString>

// The file type follows the name's last four characters, in any letter case: ".txt" is the text
// format (0), ".hex" Intel HEX (1), anything else binary (2). Indices are those of the file-type
// options.
int fileTypeIndexForName(const QString& fileName);
