// The table of fixed-function entry points, looked up by name.
#include "app/ResourceException.h"
#include "game/effects/FixedFunctionGl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void StandIn() {}

}  // namespace

TEST(FixedFunctionGl, AMissingEntryPointIsAResourceFailureThatNamesIt)
{
    std::string asked;
    const FixedFunctionGl all = FixedFunctionGl::Load([&](const char* name) {
        asked += std::string(name) + " ";
        return &StandIn;
    });
    EXPECT_EQ(reinterpret_cast<void (*)()>(all.Ortho), &StandIn);
    EXPECT_NE(asked.find("glVertex2f "), std::string::npos);

    // Start-up reports a ResourceException as its own failure and ends.
    try {
        FixedFunctionGl::Load([](const char* name) -> sf::GlFunctionPointer {
            return std::strcmp(name, "glOrtho") == 0 ? nullptr : &StandIn;
        });
        ADD_FAILURE() << "no exception";
    } catch (const ResourceException& e) {
        EXPECT_EQ(e.GetMessage(), "OpenGL entry point not available: glOrtho");
        EXPECT_EQ(e.GetSecondText(), "OpenGL");
    }
}
