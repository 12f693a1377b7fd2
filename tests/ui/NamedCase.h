// A parameter of a ui test: one way of doing something, with the name that
// ends the test's name and stands for the case in failure output.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

template <class How> struct NamedCase {
    const char* name;
    How how;
};

template <class How> void PrintTo(const NamedCase<How>& namedCase, std::ostream* out)
{
    *out << namedCase.name;
}

// The last argument of INSTANTIATE_TEST_SUITE_P.
struct CaseName {
    template <class How> std::string operator()(const ::testing::TestParamInfo<NamedCase<How>>& info) const
    {
        return info.param.name;
    }
};
