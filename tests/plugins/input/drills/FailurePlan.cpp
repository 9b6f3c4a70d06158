#include "FailurePlan.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace tactrel::test {
namespace {

constexpr const char* kVariable = "TROVANE_INPUT_FAIL";

std::optional<Step> stepNamed(std::string_view name) {
    constexpr std::pair<std::string_view, Step> kSteps[] = {
        {"create", Step::Create},   {"device", Step::Device}, {"format", Step::Format},
        {"acquire", Step::Acquire}, {"read", Step::Read},
    };
    for (const auto& [stepName, step] : kSteps) {
        if (name == stepName) {
            return step;
        }
    }
    return std::nullopt;
}

std::uint32_t bit(Step step) {
    return 1u << static_cast<unsigned>(step);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

FailurePlan FailurePlan::parse(std::string_view text, std::vector<std::string>* unknown) {
    FailurePlan plan;
    while (!text.empty()) {
        const auto comma = text.find(',');
        std::string_view token = trimmed(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        if (token.empty()) {
            continue;
        }
        const std::string_view original = token;
        bool forMouse = true;
        bool forKeyboard = true;
        if (token.starts_with("mouse.")) {
            forKeyboard = false;
            token.remove_prefix(6);
        } else if (token.starts_with("keyboard.")) {
            forMouse = false;
            token.remove_prefix(9);
        }
        const std::optional<Step> step = stepNamed(token);
        // The input system is made before any device, so its step has no prefix.
        const bool prefixedCreate = step == Step::Create && !(forMouse && forKeyboard);
        if (!step || prefixedCreate) {
            if (unknown != nullptr) {
                unknown->emplace_back(original);
            }
            continue;
        }
        plan.mouseSteps_ |= forMouse ? bit(*step) : 0;
        plan.keyboardSteps_ |= forKeyboard ? bit(*step) : 0;
    }
    return plan;
}

FailurePlan FailurePlan::fromEnvironment() {
    const char* value = std::getenv(kVariable);
    if (value == nullptr) {
        return {};
    }
    std::vector<std::string> unknown;
    FailurePlan plan = parse(value, &unknown);
    for (const std::string& token : unknown) {
        std::fprintf(stderr, "%s: unknown step \"%s\" ignored\n", kVariable, token.c_str());
    }
    return plan;
}

bool FailurePlan::fails(Step step, DeviceKind kind) const {
    const std::uint32_t steps = kind == DeviceKind::SystemMouse ? mouseSteps_ : keyboardSteps_;
    return (steps & bit(step)) != 0;
}

} // namespace tactrel::test
