#include "line_breaks.h"

namespace ui {

QString WithLineFeeds(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r') {
            result.append(c);
            continue;
        }
        result.append(u'\n');
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
    }
    return result;
}

} // namespace ui
