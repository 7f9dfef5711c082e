#pragma once

#include <QByteArray>
#include <QString>

class GridData;

// The grid as an XML list: a "Table" element holding one "Row" element per
// data row, whose children are named after the header texts of row 0.
namespace GridXml {

// The header text made XML-safe: "#" becomes "no", every character other than
// an ASCII letter, digit, "-", ".", ":" or "_" becomes "_", and runs of "_"
// collapse to one. "# of cases" becomes "no_of_cases".
QString XmlFieldName(const QString &header);

// The element name written for a header: XmlFieldName, then made a valid XML
// name where it is not one ("_" before a leading digit, "-" or "."; ":" turned
// into "_" so that namespace-aware readers accept it; "_" for an empty name).
QString elementName(const QString &header);

// Rows 1 .. end of every column that is neither hidden nor fixed, UTF-8.
QByteArray write(const GridData &grid);

} // namespace GridXml
