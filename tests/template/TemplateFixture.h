#pragma once

#include <gtest/gtest.h>

#include "base/FileUtil.h"
#include "base/ResourceFolder.h"
#include "support/ScratchFolder.h"

namespace pw::test {

// A private copy of the fixture resource folder (tests/data/TemplateLibrary) as R, so tests may
// change templates and styles freely.
class TemplateLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file::copyTree(PAGEWIND_TEST_DATA "/TemplateLibrary", resources_ / "R"));
        resources::setResourceFolder(resources_ / "R");
    }
    void TearDown() override { resources::setResourceFolder(std::nullopt); }

    std::string r(const std::string& relative) const { return resources_ / ("R/" + relative); }

    ScratchFolder resources_;
};

} // namespace pw::test
