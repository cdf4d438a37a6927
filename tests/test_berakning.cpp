#include "app/tillstand.h"
#include "meal/berakning.h"
#include "results/omrakna.h"

#include <gtest/gtest.h>

namespace {
TEST(Placeholder, Tom) { SUCCEED(); }
} // namespace
