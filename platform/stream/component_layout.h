#pragma once

#include <QString>

class QObject;
class QWidget;

namespace platform {

// Creates the components of a window from its component layout, a text resource of blocks
//
//   object GradientCaption1: TGradientCaption
//     AppNameText.FontKind = fkSystemB
//     Left = 156
//   end
//
// Each block's class is made through the ComponentRegistry with the window as owner, named,
// and its properties are written in the order listed. A window calls this after its own
// layout is set up and before its creation handler. All or nothing: on any error the
// components made by this call are destroyed again (newest first) and ELayoutError is thrown
// with the resource name and line.
void LoadComponentLayout(QWidget& owner, const QString& resourcePath);

// The same from a text in hand; sourceName only serves the messages.
void LoadComponentLayoutText(QWidget& owner, const QString& text, const QString& sourceName);

// One component's block, properties by name in declaration order, sub-objects through dotted
// paths, each only when it is stored and writable. The designer position (Left, Top) of a
// non-visual component comes last when it has one. Throws ELayoutError for an unnamed or
// unregistered component.
QString WriteComponentLayout(const QObject& component);

} // namespace platform
