#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "characteroptions.h"

namespace tavrel::test {

// Names a parameterised case by its row's `name`, so a failure says which table row it was.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A race's caption as a test name: gtest names take letters, digits and underscores only.
inline std::string raceName(int race) {
    std::string name(kRaceCaptions[static_cast<std::size_t>(race)]);
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

}  // namespace tavrel::test
