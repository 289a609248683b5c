#include <gtest/gtest.h>

#include "objfile/object_file_name.h"

namespace tv {
namespace {

TEST(ObjectFileName, ExtensionIsAddedUnlessTheNameEndsInItInAnyCase) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/a/model", "/home/a/model.tvl"},
        {"a.TVL", "a.TVL"},
        {"b.Tvl", "b.Tvl"},
        {"x.tv", "x.tv.tvl"},
        {"tvl", "tvl.tvl"},
        {"x.tvl.bak", "x.tvl.bak.tvl"},
        {"", ".tvl"},
        {"tükör.tvĺ", "tükör.tvĺ.tvl"},  // a letter like l is not an l
        {"Ő.TVL", "Ő.TVL"},
    };
    for (const auto& [name, saved] : cases) {
        EXPECT_EQ(withObjectExtension(name), saved) << name;
    }
}

}  // namespace
}  // namespace tv
