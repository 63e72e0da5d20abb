#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tavrel::test {

// Names a parameterised case by its row's `name`, so a failure says which table row it was.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

}  // namespace tavrel::test
