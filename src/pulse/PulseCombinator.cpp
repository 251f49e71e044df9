#include "pulse/PulseCombinator.hpp"

PulseCombinator::PulseCombinator(const AbstractPulseGenerator* origin1,
                                 const AbstractPulseGenerator* origin2)
    : myOrigin1(origin1), myOrigin2(origin2)
{
}

float PulseCombinator::GetPulse() const
{
    // The operands of + are unsequenced; the first source is asked first.
    const float first = myOrigin1->GetPulse();
    return first + myOrigin2->GetPulse();
}
