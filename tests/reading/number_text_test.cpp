#include "reading/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "support/reference_text.h"

namespace quendal {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberText, TrimmedFormsFollowTheirRules) {
    const TextCase cases[] = {
        {0, "0"},
        {45, "45"},
        {12346.0 / 864, "14.2893518518519"},
        {1.0 / 3, ".333333333333333"},
        {0.05, ".05"},
        {0.00001, ".00001"},
        {1.0 / 30, "3.33333333333333E-02"},
        {0.5 / 864, "5.78703703703704E-04"},
        {1e15, "1E+15"},
        {-2, "-2"},
        // Around the edges of the fixed forms.
        {0.1, ".1"},
        {1e-15, ".000000000000001"},
        {1.5e-15, "1.5E-15"},
        {1e-16, "1E-16"},
        {0.099999999999999, ".099999999999999"},
        {0.0999999999999999, "9.99999999999999E-02"},
        {123456789012345.0, "123456789012345"},
        {99999999999999.94, "99999999999999.9"},
        {999999999999999.4, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {100, "100"},
        {100.13661202185793, "100.136612021858"},
        // Rounding up at the fifteenth digit carries into the whole number.
        {9.999999999999996, "10"},
        {0.031250000000000001, ".03125"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(trimmedNumberText(c.value).view(), c.text) << "value " << c.value;
    }
}

TEST(NumberText, UntrimmedFormHasABlankForTheSignOfNonNegativeValues) {
    const TextCase cases[] = {
        {14.5, " 14.5"}, {0, " 0"},  {-0.0, " 0"}, {1.0 / 30, " 3.33333333333333E-02"},
        {-2, "-2"},      {-4, "-4"}, {-15, "-15"}, {-14.5, "-14.5"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(numberText(c.value).view(), c.text) << "value " << c.value;
    }
}

TEST(NumberText, AgreesWithAnIndependentReferenceOverAMillionRandomValues) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> decade(-20.0, 16.0);
    int mismatches = 0;
    for (int i = 0; i < 1'000'000 && mismatches < 10; ++i) {
        const double value = std::pow(10.0, decade(random));
        const std::string expected = reference::trimmedNumberText(value);
        if (trimmedNumberText(value).view() != expected) {
            ++mismatches;
            ADD_FAILURE() << "value " << value << ": got " << trimmedNumberText(value).view()
                          << ", reference " << expected;
        }
    }
}

}  // namespace
}  // namespace quendal
