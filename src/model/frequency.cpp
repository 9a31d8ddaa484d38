#include "model/frequency.h"

#include <cmath>
#include <cstdio>

namespace qx {

double StepMHz(int32_t stepIndex)
{
    switch (stepIndex) {
    case 1: return 0.0125;
    case 2: return 0.025;
    default: return 0.00625;
    }
}

int StepsPerMHz(int32_t stepIndex)
{
    switch (stepIndex) {
    case 1: return 80;
    case 2: return 40;
    default: return 160;
    }
}

namespace {

uint16_t WordFromSteps(double steps)
{
    // Converting a NaN, an infinity or a value outside the integer range is undefined
    // behaviour; such frequencies only come from damaged files and give word 0.
    if (!(steps > -2147483648.0 && steps < 2147483648.0)) return 0;
    auto truncated = static_cast<int64_t>(steps);  // toward zero
    return static_cast<uint16_t>(static_cast<uint64_t>(truncated) & 0xFFFFu);
}

}  // namespace

uint16_t TxWord(double txMHz, int32_t txStep) { return WordFromSteps(txMHz * StepsPerMHz(txStep) + kRoundingGuard); }

uint16_t RxWord(double rxMHz, int32_t rxStep)
{
    return WordFromSteps((rxMHz - kPrivateRxOffsetMHz) * StepsPerMHz(rxStep) + kRoundingGuard);
}

double TxFromWord(uint16_t word, int32_t txStep) { return word * StepMHz(txStep); }

double RxFromWord(uint16_t word, int32_t rxStep) { return word * StepMHz(rxStep) + kPrivateRxOffsetMHz; }

double PlanTxMHz(uint16_t word) { return word / 160.0; }
double PlanRxMHz(uint16_t word) { return (word + kPlanRxOffsetSteps) / 80.0; }

void PlanTxParts(uint16_t word, uint32_t& whole, uint32_t& fraction)
{
    uint32_t t = (uint32_t{word} * 125u) / 2u;
    whole = t / 10000u;
    fraction = t % 10000u;
}

void PlanRxParts(uint16_t word, uint32_t& whole, uint32_t& fraction)
{
    uint32_t r = (uint32_t{word} + kPlanRxOffsetSteps) * 125u;
    whole = r / 10000u;
    fraction = r % 10000u;
}

namespace {
std::string PartsText(uint32_t whole, uint32_t fraction)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%04u", whole, fraction);
    return text;
}
}  // namespace

std::string PlanTxText(uint16_t word)
{
    uint32_t w, f;
    PlanTxParts(word, w, f);
    return PartsText(w, f);
}

std::string PlanRxText(uint16_t word)
{
    uint32_t w, f;
    PlanRxParts(word, w, f);
    return PartsText(w, f);
}

// The half step is dropped on purpose: the tables' Tx words are read rounded down.
double PlanSetTxMHz(uint16_t word)
{
    return ((uint32_t{word} * 125u) / 2u) * 0.0001;
}  // NOLINT(bugprone-integer-division)
double PlanSetRxMHz(uint16_t word) { return (uint32_t{word} + kPlanRxOffsetSteps) * 125u * 0.0001; }

}  // namespace qx
