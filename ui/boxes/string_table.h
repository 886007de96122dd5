#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace ui {

// The ids of the program's own texts in its string table.
enum StringId : int {
    sInformationCaption = 65381,
    sOkButton = 65385,
    sCancelButton = 65386,
    sInvalidInteger = 65520,
};

// The text with the given id from the embedded string table; empty when there is none.
QString LoadStr(int id);

// Reads a table of lines "id<TAB>text". Blank lines and lines starting with '#' are
// comments; a line without a tab, with an id that is not a whole number, or with an id
// seen before is skipped with a warning, so a damaged table costs only its bad lines.
QHash<int, QString> ParseStringTable(QStringView source);

} // namespace ui
