#pragma once

#include <QString>
#include <QStringView>

// The image keeps bytes as two-character hexadecimal texts; these are the checks every area uses.

// True for exactly one hexadecimal digit, either case.
bool funHexCheck(const QString& text);
// True when a cell text is two hexadecimal digits.
bool isHexCell(QStringView cell);
