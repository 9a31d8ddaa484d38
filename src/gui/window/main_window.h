// The program's one window: builds the widgets and binds them to the document (CloneDocument:
// the record, its file and history) and to the radio job runner; polls the clone adaptor once
// a second.
#pragma once

#include <QDialog>
#include <QMargins>
#include <QString>
#include <functional>
#include <memory>

#include "files/model_config.h"
#include "gui/base/app_context.h"
#include "gui/document/clone_document.h"
#include "gui/document/control_values.h"
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
class QScrollArea;
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
    // File / Backups...: Accepted with the path of a backup to open.
    std::function<int(QWidget*, AppContext&, const ModelConfig&, const QString& folder, QString& openPath)> backups;

    static WindowDialogs Defaults();
};

struct MainWindowControls {
    QMenuBar* menuBar = nullptr;
    QAction* loadDefault = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* backupBeforeWrite = nullptr;
    QAction* backups = nullptr;
    QAction* exit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* writeToRadio = nullptr;
    QAction* readFromRadio = nullptr;
    QAction* verify = nullptr;
    QAction* handShake = nullptr;
    QAction* chooseAdaptor = nullptr;
    QAction* exportFreqTable = nullptr;
    QAction* viewCheckSum = nullptr;
    QAction* exportChannels = nullptr;
    QAction* importChannels = nullptr;
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

    // What the controls hold becomes one undoable step of the document, named after what
    // changed; ShowDocument shows the record from the first band on.
    void GatherControls();
    void ShowDocument();

    // The channel list.
    void FillBandList();
    int CurrentGroup() const;
    void FillChannelList();
    // The channel list's selected line, -1 when none.
    int SelectedChannel() const;

    // The status line; also arms the ten-tick countdown back to "Ready.".
    void SetStatus(const QString& text);
    // The check of the two identity fields that guards Write to Radio (and Save): a typed
    // number becomes the document's first; shows the refusal of one the radio would not take.
    bool CheckIdentities();

    // The commands of the menus and buttons. A clone command starts its run when idle, or
    // asks the running one to stop.
    void OnLoadDefault();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnBackups();
    void OnUndo();
    void OnRedo();
    void OnWriteToRadio();
    void OnReadFromRadio();
    void OnVerify();
    void OnHandShake();
    // Clone / Adaptor...: which of several adaptors the window uses (adaptor_choice.cpp).
    void OnChooseAdaptor();
    void OnExportFreqTable();
    void OnViewCheckSum();
    void OnExportChannels();
    void OnImportChannels();
    void OnAbout();
    void OnSystemAbout();
    void OnFeatureSetup();
    void OnChannelDoubleClicked();
    void OnEdit();
    void OnAdd();
    void OnRemove();
    void OnIdentityFieldLeft();
    // The one-second tick: status countdown and adaptor indicator.
    void OnTimerTick();

    CloneDocument& Doc() { return doc_; }
    RadioSettings& Document() { return doc_.Record(); }
    ModelConfig& Config() { return doc_.Config(); }
    const MainWindowControls& Controls() const { return ui_; }
    WindowDialogs& Dialogs() { return dialogs_; }
    QTimer* Timer() const { return timer_; }
    // Fits the window to a screen's available area: its own size where that fits, otherwise as
    // much as fits with the controls in a scroll area.
    void FitTo(const QSize& available);
    bool IsCloneRunning() const { return cloneKind_ != CloneKind::None; }
    CloneKind RunningKind() const { return cloneKind_; }
    // A Write past its backup (or identity read): blocks may be reaching the radio.
    bool IsWritingRadio() const { return writingRadio_; }
    int StatusCountdown() const { return statusCountdown_; }
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
    CloneDocument doc_;
    int statusCountdown_ = 0;
    CloneKind cloneKind_ = CloneKind::None;
    bool writingRadio_ = false;
    MainWindowControls ui_;
    WindowDialogs dialogs_;
    QTimer* timer_ = nullptr;
    QWidget* content_ = nullptr;     // the controls' page
    QScrollArea* scroll_ = nullptr;  // around the page on a screen too small for it

    bool closing_ = false;
    bool askingToClose_ = false;  // the close steps' save question is open
    bool closed_ = false;

    QMargins identityMargins_;       // the identity box's layout margins under a caption
    int identityCaptionHeight_ = 0;  // the room a caption takes in the identity box

    // Building (main_window_build.cpp).
    void BuildWindow();
    void BuildMenus();
    void BuildFileMenu(QMenuBar* bar);
    void BuildLanguageMenu(QMenu* help);
    void BuildControls();
    QGroupBox* BuildIdentityBox();
    QGroupBox* BuildChannelListBox();
    QLayout* BuildRightColumn();
    QLayout* BuildStepLists();
    QGroupBox* BuildStatusBox();
    QLayout* BuildCloneButtons();
    void ConnectControls();
    void FillStepLists();

    // Binding to the document.
    void BindDocument();
    ControlValues ReadControls() const;
    // `keepView`: after an edit, undo or redo the band and the selected line stay.
    void ShowRecord(bool keepView);
    void ShowIdentity(QLineEdit* field, IdentityKind which);
    void UpdateTitle();
    void SetIdentityCaption(const QString& caption);
    void MarkModified();
    void StoreBandSelection();
    void SetStatusText(const QString& text);
    void UpdateUndoActions();
    // Open, Load Default, the channel commands and the identity and group controls are
    // unavailable while a Read runs (its end replaces the document); the identity fields also
    // follow their "entry by user" boxes.
    void UpdateEditControls();
    bool IsReading() const;
    // False when the window must stay open: the save question was cancelled or the save failed.
    bool RunCloseSteps();

    // Control events.
    void OnGroupClicked();
    void OnModelClicked();
    void OnStepChanged();
    void OnIdentityBoxClicked();
    // The checks every private channel command starts with; false when it must not go on.
    bool MayEditPrivateChannels();
    // After Add or Edit: a warning when the channel at list `position` shares its name.
    void WarnSharedNames(int position);
    void OpenPrivateChannel(bool fromEditButton);
    void OnBackupToggled(bool on);
    // Where the backups before writes go: the app context's folder, or the default one.
    QString BackupFolder() const;
    void OnConfig();
    void OnEpromTools();
    // Opens a report in the desktop's viewer; without one, the status line (after `outcome`)
    // and a box captioned `caption` name the report's full path.
    void ShowReport(const QString& path, const QString& outcome, const QString& caption);
    FileDialogRequest CsvFileRequest() const;

    // "USB Port Status" and its tooltip for what the last tick found (adaptor_choice.cpp).
    void ShowAdaptorState(bool present);

    // Clone runs (clone_workers.cpp).
    struct CloneRun;
    void StartOrStop(CloneKind kind);
    void UpdateCloneUi();
    static CloneResult RunClone(CloneRun& run, CloneEnvironment& shared, RadioJobContext& context);
    void StartCloneJob(const std::shared_ptr<CloneRun>& run);
    bool MayReplaceIdentities(const CloneRun& run);
    void FinishClone(const std::shared_ptr<CloneRun>& run, CloneResult result);
    void FinishRead(const CloneRun& run, CloneResult result);
    void FinishVerify(const CloneRun& run, CloneResult result);
    void FinishWrite(const CloneRun& run, CloneResult result);
    void ShowCloneFailure(CloneResult result, const QString& caption, const QString& informative = {});
};

}  // namespace qx
