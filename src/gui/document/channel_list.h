// The lines the channel list shows for a band: the plan's channels of a group, or the
// document's private channels. Kept apart from the widgets so that what the list says can be
// checked without a window.
#pragma once

#include <QStringList>

#include "model/radio_settings.h"

namespace qx {

// `group` is one of the channel plan's groups; `shown` is false when its box is unticked,
// which empties the list.
QStringList ChannelListLines(const RadioSettings& record, int group, bool shown);

}  // namespace qx
