// Inputs that once crashed or hung a reader under the fuzzers stay here as tests.
#include <gtest/gtest.h>
