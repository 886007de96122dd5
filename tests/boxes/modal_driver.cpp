#include "modal_driver.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Hang guards, not speed goals: they only end a test that would never end by itself.
constexpr int PollMs = 5;
constexpr int OpenLimitMs = 5000;
constexpr int CloseLimitMs = 5000;

void closeIfStillOpen(const QPointer<QWidget>& box) {
    QTimer::singleShot(CloseLimitMs, qApp, [box] {
        if (box && box->isVisible()) {
            ADD_FAILURE() << "the box was still open after the test acted on it";
            box->close();
        }
    });
}

} // namespace

void WhenBoxOpens(std::function<void(QWidget* box)> act) {
    auto* poll = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, waited, act = std::move(act)] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && box->isVisible() && QApplication::activeWindow() == box) {
            poll->stop();
            poll->deleteLater();
            const QPointer<QWidget> guard(box);
            act(box);
            closeIfStillOpen(guard);
            return;
        }
        *waited += PollMs;
        if (*waited > OpenLimitMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no box opened";
        }
    });
    poll->start(PollMs);
}

int BoxesShownDuring(const std::function<void()>& call) {
    int seen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box->isVisible()) {
            ++seen;
            box->close();
        }
    });
    poll.start(PollMs);
    call();
    poll.stop();
    return seen;
}

bool WaitFor(const std::function<bool()>& pred) {
    return QTest::qWaitFor(pred, OpenLimitMs);
}
