// Every picture a window names is built into the program from its window's own
// resource file.
#include <gtest/gtest.h>

#include "runtime/qt/icons.h"

namespace {

TEST(Icons, ThePicturesOfTheTrainerAreBuiltIn) {
    for (const char* name : {"window", "moon", "rocket", "frame", "ball"}) {
        SCOPED_TRACE(name);
        const QPixmap picture = rtqt::iconPixmap(name, 1.0);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(32, 32));
        EXPECT_FALSE(rtqt::windowIcon(name).isNull());
    }
    EXPECT_TRUE(rtqt::iconPixmap("no-such-picture", 1.0).isNull());
}

}  // namespace
