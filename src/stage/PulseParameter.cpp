#include "stage/PulseParameter.hpp"

#include "pulse/PulseVariation.hpp"
#include "stage/Lowercase.hpp"

namespace
{
const char* const Names[PulseParameter::Count] = {"timefactor", "phaseoffset", "factor", "offset"};
} // namespace

const char* PulseParameter::NameOf(Which parameter)
{
    return Names[parameter];
}

std::optional<PulseParameter::Which> PulseParameter::Named(const std::string& name)
{
    for (int i = 0; i < Count; ++i)
    {
        if (Lowercase(name) == Names[i])
        {
            return static_cast<Which>(i);
        }
    }
    return std::nullopt;
}

bool PulseParameter::IsVariation(const PulseGenerator& pulse)
{
    return dynamic_cast<const PulseVariation*>(&pulse) != nullptr;
}

float PulseParameter::Get(const PulseGenerator& pulse, Which parameter)
{
    if (const auto* variation = dynamic_cast<const PulseVariation*>(&pulse))
    {
        switch (parameter)
        {
        case TimeFactor:
            return variation->GetTimeFactorVariation();
        case PhaseOffset:
            return variation->GetPhaseOffsetVariation();
        case Factor:
            return variation->GetFactorVariation();
        case Offset:
            return variation->GetOffsetVariation();
        }
    }
    switch (parameter)
    {
    case TimeFactor:
        return pulse.GetTimeFactor();
    case PhaseOffset:
        return pulse.GetPhaseOffset();
    case Factor:
        return pulse.GetFactor();
    case Offset:
        return pulse.GetOffset();
    }
    return 0.0f;
}

void PulseParameter::Set(PulseGenerator& pulse, Which parameter, float value)
{
    if (auto* variation = dynamic_cast<PulseVariation*>(&pulse))
    {
        switch (parameter)
        {
        case TimeFactor:
            return variation->SetTimeFactorVariation(value);
        case PhaseOffset:
            return variation->SetPhaseOffsetVariation(value);
        case Factor:
            return variation->SetFactorVariation(value);
        case Offset:
            return variation->SetOffsetVariation(value);
        }
    }
    switch (parameter)
    {
    case TimeFactor:
        return pulse.SetTimeFactor(value);
    case PhaseOffset:
        return pulse.SetPhaseOffset(value);
    case Factor:
        return pulse.SetFactor(value);
    case Offset:
        return pulse.SetOffset(value);
    }
}
