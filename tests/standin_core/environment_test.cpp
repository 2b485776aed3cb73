#include "standin/core/environment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using standin::ClearEnvironment;
using standin::ReadEnvironment;
using standin::ScopedEnvironment;
using standin::SetEnvironment;

constexpr char kName[] = "KW_ENVIRONMENT_TEST";

TEST(ScopedEnvironment, PutsBackWhatWasThereBefore) {
  struct Case {
    std::optional<std::string> before;
    std::optional<std::string> during;
  };
  const Case cases[] = {{std::nullopt, "set"},
                        {"old", "new"},
                        {"old", std::nullopt},
                        {std::nullopt, std::nullopt},
                        {"old", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before.value_or("<unset>") + " -> " + c.during.value_or("<unset>"));
    if (c.before) {
      ASSERT_TRUE(SetEnvironment(kName, *c.before));
    } else {
      ASSERT_TRUE(ClearEnvironment(kName));
    }
    {
      const ScopedEnvironment scoped(kName, c.during);
      EXPECT_EQ(ReadEnvironment(kName), c.during);
    }
    EXPECT_EQ(ReadEnvironment(kName), c.before);
  }
  ClearEnvironment(kName);
}

TEST(ScopedEnvironment, NestedScopesUnwindToTheOriginal) {
  ASSERT_TRUE(ClearEnvironment(kName));
  {
    const ScopedEnvironment outer(kName, "outer");
    {
      const ScopedEnvironment inner(kName, std::nullopt);
      EXPECT_EQ(ReadEnvironment(kName), std::nullopt);
    }
    EXPECT_EQ(ReadEnvironment(kName), "outer");
  }
  EXPECT_EQ(ReadEnvironment(kName), std::nullopt);
}

}  // namespace
