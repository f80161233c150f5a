#include "frame/check_rules.h"

namespace orva {
namespace {

class CoreRules : public CheckRules
{
public:
    std::optional<RuleFailure> FirstFailure(const T_Command_DEVICE &model, ChainPosition from) const override
    {
        return orva::FirstFailure(model, from);
    }

    ChainPosition CheckStart(CheckId check) const override { return orva::CheckStart(check); }

    bool ApplyDefault(T_Command_DEVICE &model, const RuleFailure &failure,
                      const DefaultOptions &options) const override
    {
        return orva::ApplyDefault(model, failure, options);
    }
};

} // namespace

std::unique_ptr<CheckRules> CoreCheckRules()
{
    return std::make_unique<CoreRules>();
}

} // namespace orva
