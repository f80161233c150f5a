#pragma once

#include "validation/validation.h"

#include <memory>
#include <optional>

namespace orva {

// The rules Check_All walks. The program uses the core's validation rules; a test may give others to
// exercise the check protocol on pages and controls of its own.
class CheckRules
{
public:
    virtual ~CheckRules() = default;
    virtual std::optional<RuleFailure> FirstFailure(const T_Command_DEVICE &model,
                                                    ChainPosition from) const = 0;
    // Where a single page's check starts in the chain.
    virtual ChainPosition CheckStart(CheckId check) const = 0;
    virtual bool ApplyDefault(T_Command_DEVICE &model, const RuleFailure &failure,
                              const DefaultOptions &options) const = 0;
};

// The validation rules of the core, in chain order.
std::unique_ptr<CheckRules> CoreCheckRules();

} // namespace orva
