#include "resources/keys/key_faces.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vantrel {
namespace {

QSize ExpectedKeySize(int index) {
    switch (index) {
        case 15:
            return {38, 118};
        case 19:
            return {78, 38};
        case 23:
        case 24:
        case 25:
        case 28:
        case 29:
        case 30:
            return {38, 29};
        default:
            return {38, 38};
    }
}

QImage Render(const QString& path) {
    QSvgRenderer renderer(path);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

TEST(KeyFacesTest, EveryKeyFaceLoadsAtItsButtonSize) {
    for (int index = 0; index <= 30; ++index) {
        QSvgRenderer renderer(KeyFacePath(index));
        ASSERT_TRUE(renderer.isValid()) << index;
        EXPECT_EQ(renderer.defaultSize(), ExpectedKeySize(index)) << index;
    }
}

TEST(KeyFacesTest, UndoFacesHaveTheUndoKeySizeAndDiffer) {
    for (const bool enabled : {true, false}) {
        QSvgRenderer renderer(UndoFacePath(enabled));
        ASSERT_TRUE(renderer.isValid()) << enabled;
        EXPECT_EQ(renderer.defaultSize(), ExpectedKeySize(30));
    }
    EXPECT_NE(Render(UndoFacePath(true)), Render(UndoFacePath(false)));
}

// A face copied by mistake onto a second key would pass the size checks.
TEST(KeyFacesTest, NoTwoKeysShareAFace) {
    QList<QImage> faces;
    for (int index = 0; index <= 30; ++index) {
        faces.append(Render(KeyFacePath(index)));
    }
    for (int a = 0; a < faces.size(); ++a) {
        for (int b = a + 1; b < faces.size(); ++b) {
            EXPECT_NE(faces[a], faces[b]) << a << " and " << b;
        }
    }
}

TEST(KeyFacesTest, WindowIconLoads) {
    QSvgRenderer renderer(WindowIconPath());
    EXPECT_TRUE(renderer.isValid());
    EXPECT_FALSE(renderer.defaultSize().isEmpty());
}

}  // namespace
}  // namespace vantrel
