#include <gtest/gtest.h>

#include <string>

#include "collation_subject.h"

namespace {

int Sign(int n) { return n < 0 ? -1 : n > 0 ? 1 : 0; }

TEST(CollationContract, OrdersPathsAsTheUsersLocaleDoes) {
  const auto subject = contract::MakeCollationSubject();
  struct Case {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"a.wav", "A.WAV", 0},
      {"apple.mid", "Banana.mid", -1},
      {"banana.mid", "Apple.mid", 1},
      // An ordinal comparison of upper case puts '_' after the letters; the locale puts it first.
      {"_intro.wav", "alpha.wav", -1},
      {"10.mid", "9.mid", -1},
      {"9.mid", "a.mid", -1},
      {"C:\\Music Old\\b.mid", "C:\\Music\\a.mid", -1},
      {"C:\\Music\\a.mid", "C:\\Musical\\a.mid", -1},
      {"song.mid", "song.midi", -1},
      // Hyphens count only when all else is equal.
      {"coop.wav", "co-op.wav", -1},
      {"co-op.wav", "copy.wav", -1},
      {"", "a.wav", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(subject->CompareText(c.a, c.b)), c.order) << c.a << " against " << c.b;
    EXPECT_EQ(Sign(subject->CompareText(c.b, c.a)), -c.order) << c.b << " against " << c.a;
    // Sort keys, compared as bytes, order the same.
    EXPECT_EQ(Sign(subject->SortKey(c.a).compare(subject->SortKey(c.b))), c.order) << "keys of " << c.a << ", " << c.b;
  }
}

}  // namespace
