#include "model/ControlNames.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlNamesTest, NamesTurnBackIntoTheirSlotsAndLines) {
    struct Row {
        const char* name;
        int picture, image, dropSlot;
    };
    const Row rows[] = {
        {"Picture1", 1, 0, 1},   {"Picture20", 20, 0, 20},
        {"Picture21", 0, 0, 0},  {"Picture0", 0, 0, 0},
        {"Picture01", 0, 0, 0},  {"Picture", 0, 0, 0},
        {"Image1", 0, 1, 0},     {"Image20", 0, 20, 0},
        {"Image21", 0, 0, 0},    {"Label3", 0, 0, 1},
        {"Label17", 0, 0, 15},   {"Label2", 0, 0, 0},
        {"Label18", 0, 0, 0},    {"Label23_0", 0, 0, 16},
        {"Label27_1", 0, 0, 20}, {"Label23_2", 0, 0, 0},
        {"Label22_0", 0, 0, 0},  {"Label28_1", 0, 0, 0},
        {"Label23", 0, 0, 0},    {"", 0, 0, 0},
        {"Command1", 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pictureSlot(row.name), row.picture);
        EXPECT_EQ(imageNumber(row.name), row.image);
        EXPECT_EQ(dropTargetSlot(row.name), row.dropSlot);
    }
    EXPECT_EQ(pictureName(7), "Picture7");
}

}  // namespace
