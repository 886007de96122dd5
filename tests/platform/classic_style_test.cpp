#include "platform/style/classic_style.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage drawn(const QIcon& icon, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

// The menu bar's overflow arrows, made only when drawn, look exactly like the base style's,
// in the direction the application ran when the menu bar asked for them.
TEST(ClassicStyle, OverflowArrowsMatchTheBaseStyleWhenFinallyDrawn) {
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(base, nullptr);
    platform::ClassicStyle style;
    for (const QStyle::StandardPixmap arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QGuiApplication::setLayoutDirection(direction);
            const QIcon expected = base->standardIcon(arrow);
            const QIcon deferred = style.standardIcon(arrow);
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            EXPECT_FALSE(deferred.isNull());
            EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
            for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(10, 20)}) {
                SCOPED_TRACE(testing::Message() << arrow << " " << direction << " " << size.width()
                                                << "x" << size.height());
                EXPECT_EQ(deferred.actualSize(size), expected.actualSize(size));
                EXPECT_EQ(deferred.pixmap(size).toImage(), expected.pixmap(size).toImage());
                EXPECT_EQ(drawn(deferred, size), drawn(expected, size));
                EXPECT_EQ(drawn(QIcon(deferred), size), drawn(expected, size));
            }
        }
    }
}

} // namespace
