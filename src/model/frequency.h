// PLL divider words: private channel words use the record's steps, plan table words fixed ones.
#pragma once

#include <cstdint>
#include <string>

namespace qx {

inline constexpr double kPrivateRxOffsetMHz = 19.65;
inline constexpr uint32_t kPlanRxOffsetSteps = 3108;  // 38.85 MHz in 12.5 kHz steps
inline constexpr double kRoundingGuard = 0.00001;

// Step in MHz and steps per MHz of a PLL step index; anything but 1 or 2 is 6.25 kHz.
double StepMHz(int32_t stepIndex);
int StepsPerMHz(int32_t stepIndex);

// Private channel words. Values that are not a finite number of steps within the range
// of a 32-bit integer (NaN, infinities, absurd frequencies) encode as word 0; anything
// else keeps the low 16 bits of the truncated step count, as the radio has always done.
uint16_t TxWord(double txMHz, int32_t txStep);
uint16_t RxWord(double rxMHz, int32_t rxStep);
double TxFromWord(uint16_t word, int32_t txStep);
double RxFromWord(uint16_t word, int32_t rxStep);

// Plan table words: Tx in 6.25 kHz steps, Rx in 12.5 kHz steps above 38.85 MHz.
double PlanTxMHz(uint16_t word);
double PlanRxMHz(uint16_t word);
// The same as four-decimal text, computed in integers (the fifth decimal is dropped).
std::string PlanTxText(uint16_t word);
std::string PlanRxText(uint16_t word);
// Integer parts used by the channel list format "%d.%04d".
void PlanTxParts(uint16_t word, uint32_t& whole, uint32_t& fraction);
void PlanRxParts(uint16_t word, uint32_t& whole, uint32_t& fraction);
// The doubles that the European private channel sets store.
double PlanSetTxMHz(uint16_t word);
double PlanSetRxMHz(uint16_t word);

}  // namespace qx
