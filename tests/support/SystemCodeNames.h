#pragma once

#include "store/SystemCode.h"

#include <gtest/gtest.h>

#include <string>

namespace qb::test {

inline std::string nameOf(SystemCode code) {
    return "Code" + std::to_string(toByte(code));
}

// Names parameterised tests after the system code they run under ("Code0", "Code1", "Code2").
struct SystemCodeName {
    std::string operator()(const ::testing::TestParamInfo<SystemCode>& info) const {
        return nameOf(info.param);
    }
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return nameOf(info.param.code);
    }
};

inline auto allSystemCodes() {
    return ::testing::Values(SystemCode::TwoLoopSo12, SystemCode::OneLoop, SystemCode::TwoLoopSo3);
}

} // namespace qb::test
