#include "string_table.h"

#include "resources/strings/string_table_resource.h"

#include <QFile>
#include <QtDebug>

namespace ui {

QHash<int, QString> ParseStringTable(QStringView source)
{
    QHash<int, QString> table;
    int lineNumber = 0;
    for (QStringView line : source.split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        bool isNumber = false;
        const int id = tab < 0 ? 0 : line.left(tab).toInt(&isNumber);
        if (!isNumber) {
            qWarning("string table line %d: expected a number, a tab and the text", lineNumber);
            continue;
        }
        if (table.contains(id)) {
            qWarning("string table line %d: id %d given twice, the first one stays", lineNumber,
                     id);
            continue;
        }
        table.insert(id, line.mid(tab + 1).toString());
    }
    return table;
}

namespace {

const QHash<int, QString>& embeddedTable()
{
    static const QHash<int, QString> table = [] {
        QFile file(resources::StringTablePath());
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("the string table is missing from the program");
            return QHash<int, QString>();
        }
        return ParseStringTable(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

} // namespace

QString LoadStr(int id)
{
    return embeddedTable().value(id);
}

} // namespace ui
