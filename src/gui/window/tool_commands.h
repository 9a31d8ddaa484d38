// The Tools commands: the frequency table, the checksum, and the private channels as CSV
// through the same code as `qx720 channels`.
#pragma once

#include <QObject>
#include <QString>

#include "gui/base/window_services.h"

namespace qx {

class ChannelPanel;
class CloneController;
class CloneDocument;
class StatusBox;

class ToolCommands : public QObject {
    Q_OBJECT

public:
    ToolCommands(WindowServices& services, CloneDocument& document, const CloneController& clone, StatusBox& status,
                 ChannelPanel& channels, QWidget* window);

    void OnExportFreqTable();
    void OnViewCheckSum();
    void OnExportChannels();
    void OnImportChannels();
    // Opens a report in the desktop's viewer; without one, the status line (after `outcome`)
    // and a box captioned `caption` name the report's full path.
    void ShowReport(const QString& path, const QString& outcome, const QString& caption);

private:
    WindowServices& services_;
    CloneDocument& document_;
    const CloneController& clone_;
    StatusBox& status_;
    ChannelPanel& channels_;
    QWidget* window_;

    FileDialogRequest CsvFileRequest() const;
    // A USA-model record has no private channels to export or to take an import: says so.
    bool HasPrivateChannels(const QString& caption);
};

}  // namespace qx
