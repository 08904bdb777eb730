#include "app/GameLogicError.h"
#include "app/ResourceException.h"
#include "app/StateId.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

static_assert(!std::is_base_of<std::exception, VrenkException>::value, "handled apart from std::exception");

TEST(Exceptions, PassThroughAStdExceptionHandler)
{
    bool caughtAsStd = false;
    try {
        try {
            throw ResourceException("Loading error at Gfx/Player.png", "Texture");
        } catch (const std::exception&) {
            caughtAsStd = true;
        }
    } catch (const VrenkException& e) {
        EXPECT_EQ(e.GetMessage(), "Loading error at Gfx/Player.png");
        EXPECT_EQ(e.GetSecondText(), "Texture");
        EXPECT_TRUE(e.IsRecoverable());
    }
    EXPECT_FALSE(caughtAsStd);

    GameLogicError logic("No level-end flag found.");
    EXPECT_EQ(logic.GetSecondText(), "");
    EXPECT_TRUE(logic.IsRecoverable());
}

TEST(StateTable, BackdropLevelsAndTheStatesThatKeepTheGame)
{
    const std::uint16_t levels[StateCount] = {2, 6, 4, 4, 5, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0};
    for (int id = 0; id < StateCount; ++id) {
        EXPECT_EQ(StateBackdropLevels[static_cast<std::size_t>(id)], levels[id]) << id;
        bool keeps = id == 3 || id == 9 || id == 10 || id == 11;
        EXPECT_EQ(KeepsScreens(id), keeps) << id;
    }
}
