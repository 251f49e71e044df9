#pragma once

#include "pulse/PulseGenerator.hpp"

// The sum of two pulse sources. It has no clock: its sources are advanced by their owners.
// Neither source is owned; both must outlive the combinator.
class PulseCombinator final : public AbstractPulseGenerator
{
public:
    PulseCombinator(const AbstractPulseGenerator* origin1, const AbstractPulseGenerator* origin2);

    float GetPulse() const override;

protected:
    const AbstractPulseGenerator* myOrigin1;
    const AbstractPulseGenerator* myOrigin2;
};
