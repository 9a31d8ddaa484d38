#include "gui/document/channel_list.h"

#include "model/channel_plan.h"

namespace qx {

QStringList ChannelListLines(const RadioSettings& record, int group, bool shown)
{
    QStringList lines;
    if (!shown) return lines;
    if (group == kGroupPrivate) {
        // The list ends at the first free entry or the first with a three-character name.
        for (int p = 0; p < kChannelsPerBlock; ++p) {
            const ChannelEntry& entry = record.channels[kPrivateBlock + p];
            if (entry.inUse == 0 || entry.name[2] != '\0') break;
            lines << QString::fromLatin1(FormatPrivateLine(entry).c_str());
        }
        return lines;
    }
    for (const ChannelPlanRow& row : PlanRows(group, kChannelListMaxRows))
        lines << QString::fromLatin1(FormatPlanLine(row).c_str());
    return lines;
}

}  // namespace qx
