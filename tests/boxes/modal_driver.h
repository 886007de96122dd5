#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Helpers that drive the boxes, which run their own nested event loops.

// Calls act with the modal box as soon as it is open and active. A box that never opens,
// or is still open long after act, is reported as a test failure (and closed), so a broken
// box fails the run instead of hanging it.
void WhenBoxOpens(std::function<void(QWidget* box)> act);

// Runs call and counts the modal boxes that open meanwhile, closing each at once.
int BoxesShownDuring(const std::function<void()>& call);

// Processes events until pred holds or a generous limit passes; returns pred().
bool WaitFor(const std::function<bool()>& pred);

// The box's child of type T with the given object name (or any, when name is empty).
template <class T> T* Child(QWidget* box, const QString& name = QString()) {
    return box->findChild<T*>(name);
}
