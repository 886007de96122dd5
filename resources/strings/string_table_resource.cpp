#include "string_table_resource.h"

namespace resources {

QString StringTablePath()
{
    return QStringLiteral(":/strings/strings.tsv");
}

} // namespace resources
