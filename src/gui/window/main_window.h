// The program's one window: shows and edits the document, runs the File, Clone, Tools, Help
// and Service commands, and polls the clone adaptor once a second.
#pragma once

#include <QDialog>
#include <QMargins>
#include <QString>
#include <functional>
#include <memory>

#include "document/model_config.h"
#include "gui/base/app_context.h"
#include "model/radio_settings.h"
#include "result/clone_result.h"

class QAction;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace qx {
class RadioJobContext;
}

namespace qx {

// The running clone operation.
enum class CloneKind : int { None = 0, Write = 1, Read = 2, Verify = 3, HandShake = 4 };

// How the window runs the dialogs it opens. The program uses the defaults; tests answer the
// dialogs without entering a modal loop.
struct WindowDialogs {
    std::function<int(QDialog&)> run;
    std::function<int(QWidget*, AppContext&)> about;
    std::function<int(QWidget*, AppContext&, ModelConfig&)> user;
    std::function<int(QWidget*, AppContext&, ModelConfig&, RadioSettings&)> featureSetup;
    std::function<int(QWidget*, AppContext&, ModelConfig&)> epromTools;
    std::function<int(QWidget*, AppContext&, ModelConfig&, RadioSettings&)> config;

    static WindowDialogs Defaults();
};

struct MainWindowControls {
    QMenuBar* menuBar = nullptr;
    QAction* loadDefault = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* exit = nullptr;
    QAction* writeToRadio = nullptr;
    QAction* readFromRadio = nullptr;
    QAction* verify = nullptr;
    QAction* handShake = nullptr;
    QAction* exportFreqTable = nullptr;
    QAction* viewCheckSum = nullptr;
    QAction* about = nullptr;
    QAction* featureSetup = nullptr;
    QAction* configDialog = nullptr;
    QAction* epromTools = nullptr;

    QLabel* optionLine = nullptr;
    QGroupBox* identityBox = nullptr;
    QCheckBox* mmsiByUser = nullptr;
    QLineEdit* mmsi = nullptr;
    QCheckBox* atisByUser = nullptr;
    QLineEdit* atis = nullptr;

    QComboBox* band = nullptr;
    QListWidget* channels = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;

    QRadioButton* modelUsa = nullptr;
    QRadioButton* modelEurope = nullptr;
    QLabel* usbStatus = nullptr;

    QCheckBox* usa = nullptr;
    QCheckBox* intl = nullptr;
    QCheckBox* can = nullptr;
    QCheckBox* privateGroup = nullptr;
    QCheckBox* usaNarrow = nullptr;
    QCheckBox* intNarrow = nullptr;
    QCheckBox* canNarrow = nullptr;
    QCheckBox* wx = nullptr;
    QComboBox* txStep = nullptr;
    QComboBox* rxStep = nullptr;

    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* writeButton = nullptr;
    QPushButton* readButton = nullptr;
};

class MainWindow : public QDialog {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Moving data between the controls and the document.
    void GatherControls();
    void ShowDocument();
    void UpdateTitle();
    void MarkModified();
    void SetUntitled(int flag);
    void StoreBandSelection();

    // The channel list.
    void FillBandList();
    int CurrentGroup() const;
    void FillChannelList();

    // The status line; SetStatus also arms the ten-tick countdown back to "Ready.".
    void SetStatus(const QString& text);
    void SetStatusText(const QString& text);

    // The check of the two identity fields that guards Write to Radio; shows its refusal.
    bool CheckIdentities();

    // File commands.
    enum class SaveAsOutcome { Written, Cancelled, WriteFailed };
    void OnLoadDefault();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    SaveAsOutcome SaveAsFlow();
    // After a Yes to a save question: saves in place, or through Save as for a read-only file or
    // an untitled document. False when nothing was saved (a failure has been shown, or the
    // chooser was cancelled): the command that asked must not go on and discard the edits.
    bool SaveOffer();
    // The save question before work not yet in a file is replaced or dropped: Yes/No/Cancel.
    // True when the command may go on (nothing unsaved, No, or Yes and saved).
    bool AskToSave(const char* titledQuestion);
    // False when the window must stay open: the save question was cancelled or the save failed.
    bool RunCloseSteps();

    // Clone commands: each starts its worker when idle, or asks the running one to stop.
    void OnWriteToRadio();
    void OnReadFromRadio();
    void OnVerify();
    void OnHandShake();
    void UpdateCloneUi();
    // Open, Load Default, the channel commands and the identity and group controls are
    // unavailable while a Read runs (its end replaces the document); the identity fields also
    // follow their "entry by user" boxes.
    void UpdateEditControls();
    bool IsReading() const;
    bool IsCloneRunning() const { return cloneKind_ != CloneKind::None; }

    // Tools, Help and Service.
    void OnExportFreqTable();
    // Opens a report in the desktop's viewer; without one, the status line (after `outcome`)
    // and a box captioned `caption` name the report's full path.
    void ShowReport(const QString& path, const QString& outcome, const char* caption);
    void OnViewCheckSum();
    void OnAbout();
    void OnSystemAbout();
    void OnFeatureSetup();
    void OnConfig();
    void OnEpromTools();

    // Channel list events.
    void OnGroupClicked();
    void OnModelClicked();
    void OnChannelDoubleClicked();
    void OnEdit();
    void OnAdd();
    void OnRemove();
    void OnStepChanged();
    void OnIdentityBoxClicked();
    void OnIdentityFieldLeft();

    // The one-second tick: status countdown and adaptor indicator.
    void OnTimerTick();

    RadioSettings& Document() { return document_; }
    ModelConfig& Config() { return config_; }
    const MainWindowControls& Controls() const { return ui_; }
    WindowDialogs& Dialogs() { return dialogs_; }
    QTimer* Timer() const { return timer_; }
    CloneKind RunningKind() const { return cloneKind_; }
    int StatusCountdown() const { return statusCountdown_; }
    const QString& StartDirectory() const { return startDirectory_; }
    // The channel list's selected line, -1 when none.
    int SelectedChannel() const;
    bool HasClosed() const { return closed_; }

public slots:
    // Close box, Esc and File "Exit": close steps, then a running clone run is stopped and the
    // window ends. Esc does nothing while a clone run goes.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& app_;
    WindowServices& services_;
    RadioSettings document_;
    ModelConfig config_;
    QString startDirectory_;
    int statusCountdown_ = 0;
    CloneKind cloneKind_ = CloneKind::None;
    MainWindowControls ui_;
    WindowDialogs dialogs_;
    QTimer* timer_ = nullptr;

    bool closing_ = false;
    bool askingToClose_ = false;  // the close steps' save question is open
    bool closed_ = false;

    QMargins identityMargins_;       // the identity box's layout margins under a caption
    int identityCaptionHeight_ = 0;  // the room a caption takes in the identity box

    void BuildMenus();
    void SetIdentityCaption(const QString& caption);
    void BuildControls();
    QGroupBox* BuildIdentityBox();
    QGroupBox* BuildChannelListBox();
    QLayout* BuildRightColumn();
    QGroupBox* BuildStatusBox();
    QLayout* BuildCloneButtons();
    void ConnectControls();
    void FillStepLists();
    void OpenPrivateChannel(bool fromEditButton);
    bool SaveDocumentTo(const QString& path);
    QString ShownPath() const;
    FileDialogRequest CloneFileRequest() const;

    struct CloneRun;
    void StartOrStop(CloneKind kind);
    static CloneResult RunClone(CloneRun& run, CloneEnvironment& shared, RadioJobContext& context);
    void FinishClone(const CloneRun& run, CloneResult result);
    void FinishRead(const CloneRun& run, CloneResult result);
    void FinishVerify(const CloneRun& run, CloneResult result);
    void ShowCloneFailure(CloneResult result, const char* caption, const char* informative = "");
};

}  // namespace qx
