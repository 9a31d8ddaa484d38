// The program's one window: builds the widgets and binds them to the document (CloneDocument:
// the record, its file and history), to the clone controller and to the command objects; polls
// the clone adaptor once a second.
#pragma once

#include <QDialog>
#include <memory>

#include "gui/base/app_context.h"
#include "gui/base/clone_controller.h"
#include "gui/document/clone_document.h"
#include "gui/window/clone_commands.h"
#include "gui/window/window_dialogs.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QTimer;

namespace qx {

class AdaptorStatus;
class ChannelPanel;
class FeaturePanel;
class FileCommands;
class PrintCommands;
class IdentityBox;
class StatusBox;
class ToolCommands;

class MainWindow : public QDialog {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    CloneDocument& Doc() { return doc_; }
    WindowDialogs& Dialogs() { return dialogs_; }
    QTimer* Timer() const { return timer_; }
    // The command objects behind the menus and buttons.
    FileCommands& Files() { return *files_; }
    ToolCommands& Tools() { return *tools_; }
    CloneCommands& Clone() { return *clone_; }
    PrintCommands& Printing() { return *print_; }
    // The parts of the page.
    IdentityBox& Identity() { return *identity_; }
    ChannelPanel& Channels() { return *channels_; }
    FeaturePanel& Features() { return *features_; }
    AdaptorStatus& Adaptor() { return *adaptor_; }
    StatusBox& Status() { return *status_; }

    // Fits the window to a screen's available area: its own size where that fits, otherwise as
    // much as fits with the controls in a scroll area.
    void FitTo(const QSize& available);
    bool HasClosed() const { return closing_.closed; }

    // Help / About (with Ctrl: the User dialog) and the Service commands.
    void OnAbout();
    // The About of the window's system menu: never the User dialog.
    void OnSystemAbout();
    void OnFeatureSetup();
    void OnConfig();
    void OnEpromTools();
    // The one-second tick: status countdown and adaptor indicator.
    void OnTimerTick();

public slots:
    // Close box, Esc and File "Exit": close steps, then a running clone run is stopped and the
    // window ends. Esc does nothing while a clone run goes.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& app_;
    CloneDocument doc_;
    WindowDialogs dialogs_;
    WindowClosing closing_;
    // The menu items and buttons whose state follows the document and the clone runs.
    struct Controls {
        QMenuBar* menuBar = nullptr;
        QAction* loadDefault = nullptr;
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* backupBeforeWrite = nullptr;
        QAction* wholeBackup = nullptr;
        QAction* backups = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* writeToRadio = nullptr;
        QAction* readFromRadio = nullptr;
        QAction* verify = nullptr;
        QAction* handShake = nullptr;
        QAction* importChannels = nullptr;
        QAction* featureSetup = nullptr;
        QAction* configDialog = nullptr;
        QAction* epromTools = nullptr;
        QPushButton* writeButton = nullptr;
        QPushButton* readButton = nullptr;
    } ui_;
    QTimer* timer_ = nullptr;
    QWidget* content_ = nullptr;     // the controls' page
    QScrollArea* scroll_ = nullptr;  // around the page on a screen too small for it

    // The parts, owned by the window as Qt children.
    IdentityBox* identity_ = nullptr;
    ChannelPanel* channels_ = nullptr;
    FeaturePanel* features_ = nullptr;
    AdaptorStatus* adaptor_ = nullptr;
    StatusBox* status_ = nullptr;
    CloneController* controller_ = nullptr;
    FileCommands* files_ = nullptr;
    ToolCommands* tools_ = nullptr;
    CloneCommands* clone_ = nullptr;
    PrintCommands* print_ = nullptr;

    // Building (main_window_build.cpp).
    void BuildParts();
    void BuildMenus();
    void BuildFileMenu(QMenuBar* bar);
    void BuildCloneMenu(QMenuBar* bar);
    void BuildLanguageMenu(QMenu* help);
    void BuildPage();
    QLayout* BuildCloneButtons();
    void FillControls();

    // Binding to the document and the clone runs.
    void BindDocument();
    void BindClone();
    void ShowRecord(bool resetView);
    void UpdateTitle();
    void UpdateUndoActions();
    // Open, Load Default, the channel commands and the identity and group controls are
    // unavailable while a Read runs (its end replaces the document).
    void UpdateEditControls();
    // The clone commands' captions ("Stop ...") and which of them may be used now.
    void UpdateCloneUi();
    // False when the window must stay open: the save question was cancelled or the save failed.
    bool RunCloseSteps();
};

}  // namespace qx
