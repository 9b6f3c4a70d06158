#include "tests/plugins/support/ContractExpectations.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace trovane::test {

namespace {

std::string lowerCase(const char* text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Releases obj when there is one; reports whether there was.
bool releaseIfCreated(void* obj) {
    if (obj == nullptr) {
        return false;
    }
    static_cast<plugin::Object*>(obj)->Release();
    return true;
}

bool inTable(const ExpectedContract& expected, const std::string& name) {
    for (const InterfaceAnswer& answer : expected.interfaces) {
        if (name == answer.name) {
            return true;
        }
    }
    return false;
}

void expectEnumeration(const ContractProbe& probe, const ExpectedContract& expected) {
    const unsigned count = static_cast<unsigned>(expected.interfaces.size());
    for (unsigned i = 0; i < count; ++i) {
        const char* name = probe.enumerateInterfaces(i);
        ASSERT_NE(name, nullptr) << "index " << i;
        EXPECT_STREQ(name, expected.interfaces[i].name);
    }
    EXPECT_EQ(probe.enumerateInterfaces(count), nullptr);
    EXPECT_EQ(probe.enumerateInterfaces(UINT_MAX), nullptr);
}

void expectIdentifiers(const ContractProbe& probe, const ExpectedContract& expected) {
    for (std::size_t i = 0; i < expected.interfaces.size(); ++i) {
        const char* name = expected.interfaces[i].name;
        EXPECT_EQ(probe.getInterfaceId(name), static_cast<int>(i)) << name;
        const std::string lower = lowerCase(name);
        if (!inTable(expected, lower)) {
            EXPECT_EQ(probe.getInterfaceId(lower.c_str()), -1) << lower;
        }
    }
    EXPECT_EQ(probe.getInterfaceId(nullptr), -1);
    EXPECT_EQ(probe.getInterfaceId(""), -1);
    EXPECT_EQ(probe.getInterfaceId("NoSuchInterface"), -1);
}

void expectCreation(const ContractProbe& probe, const ExpectedContract& expected) {
    const int count = static_cast<int>(expected.interfaces.size());
    for (int id = 0; id < count; ++id) {
        const InterfaceAnswer& answer = expected.interfaces[static_cast<std::size_t>(id)];
        EXPECT_EQ(releaseIfCreated(probe.createInstanceById(id)), answer.createsObject) << id;
        EXPECT_EQ(releaseIfCreated(probe.createInstance(answer.name)), answer.createsObject)
            << answer.name;
    }
    EXPECT_FALSE(releaseIfCreated(probe.createInstanceById(-1)));
    EXPECT_FALSE(releaseIfCreated(probe.createInstanceById(count)));
    EXPECT_FALSE(releaseIfCreated(probe.createInstance(nullptr)));
    EXPECT_FALSE(releaseIfCreated(probe.createInstance("NoSuchInterface")));
    if (!inTable(expected, "Default")) {
        EXPECT_FALSE(releaseIfCreated(probe.createInstance("Default")));
    }
}

} // namespace

void expectContract(const ContractProbe& probe, const ExpectedContract& expected) {
    ASSERT_TRUE(probe.complete()) << probe.library.error();
    EXPECT_EQ(probe.apiVersion(), 1);
    EXPECT_STREQ(probe.componentType(), expected.componentType);
    // Only the decorated name of EnumerateInterfaces is exported.
    EXPECT_EQ(probe.library.symbol("EnumerateInterfaces"), nullptr);
    expectEnumeration(probe, expected);
    expectIdentifiers(probe, expected);
    expectCreation(probe, expected);
}

} // namespace trovane::test
