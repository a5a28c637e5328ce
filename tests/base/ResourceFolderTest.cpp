#include <gtest/gtest.h>

#include "base/ResourceFolder.h"

namespace res = pw::resources;

TEST(ResourceFolder, ChosenFolderThenTheSourceTreeFromTheBuildTree)
{
    res::setResourceFolder(std::nullopt);
    // The test binary runs from build/bin, which has no share/pagewind beside it.
    EXPECT_EQ(res::resourceFolder(), PAGEWIND_SOURCE_DIR "/resources");
    res::setResourceFolder("/opt/elsewhere/");
    EXPECT_EQ(res::resourceFolder(), "/opt/elsewhere");
    res::setResourceFolder(std::nullopt);
    EXPECT_EQ(res::resourceFolder(), PAGEWIND_SOURCE_DIR "/resources");
}
