#pragma once

#include "platform/stream/layout_value.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

// `AppNameText.FontKind = fkSystemB`: a property path and the value written to it.
struct LayoutAssignment {
    QStringList path;
    LayoutValue value;
    int line = 0;
};

// `object GradientCaption1: TGradientCaption` ... `end`.
struct LayoutObject {
    QString name;
    QString className;
    int line = 0;
    std::vector<LayoutAssignment> assignments;
};

// Reads every object block of a component layout, in order. Throws ELayoutError naming
// sourceName and the line on the first syntax error; nothing is created here.
std::vector<LayoutObject> ParseComponentLayout(const QString& text, const QString& sourceName);

} // namespace platform
