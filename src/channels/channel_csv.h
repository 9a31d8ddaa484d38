// The private channels of a record as CSV, for editing in a spreadsheet and exchange between
// records. Shared by the command line and the window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/radio_settings.h"

namespace qx {

inline constexpr std::string_view kChannelCsvHeader =
    "Name,Usage,TX MHz,RX MHz,1W,RxOnly,1WATIS,RxATIS,PTTHI,Usage text";
inline constexpr int kChannelCsvMaxRows = 100;
// Why a file with a header alone is refused unless an empty list is asked for.
inline constexpr std::string_view kNoChannelRows = "no channel rows";
// Why a USA-model record takes no part.
inline constexpr std::string_view kUsaModelHasNoPrivateChannels = "a USA-model record has no private channels";

// The frequency checks of private channels: TX as the channel setup dialog accepts it (136 to
// 174 MHz on the 6.25 kHz raster), RX within 136 to 178.6 MHz on the same raster. The dialog
// uses the TX check itself.
inline constexpr double kPrivateTxLowMHz = 136.0;
inline constexpr double kPrivateTxHighMHz = 174.0;
bool IsPrivateTxMHz(double mhz);
bool IsPrivateRxMHz(double mhz);

// The usage code (11..35) whose usage name matches `text` ignoring case and surrounding blanks;
// -1 for none.
int UsageCodeFromName(std::string_view text);

// The private channels as the channel list shows them: the run from entry 300 up to the
// first free entry or the first with a three-character name.
int PrivateListLength(const RadioSettings& record);

// The private channels in list order as CSV: the header, then one line per channel, CR LF. A
// usage text that a spreadsheet would take for a formula (=, +, -, @) gets an apostrophe first,
// as does one that starts with an apostrophe; the import takes one off.
std::string ExportChannelsCsv(const RadioSettings& record);

// Replaces the record's private channels by the rows of `csv`, in order. On any problem the
// record is unchanged and `problems` lists every one as "line N: ...". A field whose text is
// what the export writes for the channel already at that position keeps the record's bytes,
// so an export imported into the same record changes nothing. A header without rows is a
// problem ("no channel rows") unless `allowEmpty`: then every private channel is removed.
// Two channels of one name: the radio takes them, but the user may have meant two channels.
struct SharedName {
    int first = 0, second = 0;  // where they stand (the CSV's line numbers), first < second
    std::string name;
};
// Every pair of `named` (a place and a name each) that shares a name.
std::vector<SharedName> SharedChannelNames(const std::vector<std::pair<int, std::string>>& named);
// "lines 2 and 5 both have the name "M1"".
std::string SharedNameText(const SharedName& shared);

// `sharedNames` (if given) gets the rows that share a name, by their line numbers.
bool ImportChannelsCsv(std::string_view csv, RadioSettings& record, std::vector<std::string>& problems,
                       bool allowEmpty = false, std::vector<SharedName>* sharedNames = nullptr);

// Imports a CSV file as ImportChannelsCsv does, then checks the record as a whole: a clone file
// saved from it must open again. The record changes only when `imported` is true.
struct CsvFileImport {
    bool imported = false;
    bool unreadable = false;  // the file could not be read or is too large: no row was looked at
    bool noRows = false;      // the one problem is a header without rows
    std::vector<std::string> problems;
    std::vector<SharedName> sharedNames;  // imported all the same, with a warning
};
CsvFileImport ImportChannelsCsvFile(const std::string& path, RadioSettings& record, bool allowEmpty = false);
// The same for a file's bytes that came another way (the page's file chooser): every byte,
// a NUL or a Windows-1252 letter among them, is taken as the file would give it.
CsvFileImport ImportChannelsCsvBytes(std::string_view bytes, RadioSettings& record, bool allowEmpty = false);

}  // namespace qx
