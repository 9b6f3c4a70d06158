// What a library must answer through its six exports.
#pragma once

#include "tests/plugins/support/ContractProbe.h"

#include <vector>

namespace trovane::test {

struct InterfaceAnswer {
    const char* name;
    bool createsObject; // whether its identifier gives an object
};

struct ExpectedContract {
    const char* componentType;
    std::vector<InterfaceAnswer> interfaces; // in identifier order
};

// Checks every export against expected with EXPECT_*: version, component type,
// the enumeration and its end, identifiers (case-sensitive, null and unknown
// names), and which identifiers and names create objects (released again).
void expectContract(const ContractProbe& probe, const ExpectedContract& expected);

} // namespace trovane::test
