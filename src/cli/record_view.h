// The record as people and machines see it: show's text and JSON, and diff's field list.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/radio_settings.h"

namespace qx::cli {

std::string RecordText(const RadioSettings& record);
// The keys in the order people read them.
using Json = nlohmann::ordered_json;
Json RecordJson(const RadioSettings& record);

struct FieldDifference {
    std::string field;  // "mmsiText", "groups.WX", "private[3].txMHz", "private[3]"
    Json a;             // null for a channel that one side lacks (the other side gives its name)
    Json b;
};

std::vector<FieldDifference> DiffRecords(const RadioSettings& a, const RadioSettings& b);
// "field: A -> B": texts quoted, frequencies exact, "-" for a missing channel
std::string DifferenceLine(const FieldDifference& difference);

}  // namespace qx::cli
