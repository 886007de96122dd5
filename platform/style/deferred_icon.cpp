#include "platform/style/deferred_icon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <utility>

namespace platform {

namespace {

// Holds the recipe until the icon is first needed, then answers every question with the icon
// the recipe made. Copies share what was made.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : state_(std::make_shared<State>(State{std::move(make), {}, false})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        // QIcon::paint has already fitted the rectangle to actualSize(); fill it as Qt's own
        // pixmap icons do.
        const QPaintDevice* device = painter->device();
        const qreal ratio = device != nullptr ? device->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, icon().pixmap(rect.size(), ratio, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // Asking must not make the icon: widgets ask while they are built.
    bool isNull() override { return state_->done && state_->made.isNull(); }
    QString key() const override { return QStringLiteral("platform::DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct State {
        std::function<QIcon()> make;
        QIcon made;
        bool done;
    };

    const QIcon& icon() {
        if (!state_->done) {
            state_->made = state_->make();
            state_->make = nullptr;
            state_->done = true;
        }
        return state_->made;
    }

    std::shared_ptr<State> state_;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::move(make)));
}

} // namespace platform
