#include <gtest/gtest.h>

#include "platform/module_loader.h"

namespace {

TEST(ModuleLoaderTest, FindsTheBuiltModulesAndAnswersNullForAnythingElse) {
    EXPECT_NE(ResolveModuleSymbol("tablewise_audio", "tablewise_play_sound"), nullptr);
    EXPECT_NE(ResolveModuleSymbol("tablewise_audio", "tablewise_release_sound"), nullptr);
    EXPECT_EQ(ResolveModuleSymbol("tablewise_audio", "no_such_entry"), nullptr);
    EXPECT_EQ(ResolveModuleSymbol("tablewise_nothing", "tablewise_play_sound"), nullptr);
}

}  // namespace
