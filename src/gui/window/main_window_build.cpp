// Building the main window: its parts, its menus and its page.

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "gui/base/language.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/adaptor_status.h"
#include "gui/window/channel_panel.h"
#include "gui/window/feature_panel.h"
#include "gui/window/file_commands.h"
#include "gui/window/identity_box.h"
#include "gui/window/main_window.h"
#include "gui/window/print_commands.h"
#include "gui/window/status_box.h"
#include "gui/window/tool_commands.h"

// The icon resource lives in a static library: make sure the linker keeps it.
// (Q_INIT_RESOURCE must be used outside any namespace.)
static void InitIconResource()
{
#ifdef QX_HAVE_ICON_RESOURCE
    Q_INIT_RESOURCE(app_icons);
#endif
}
namespace qx {

namespace {

// The desktop icon built into the program; a handset drawn at run time where it is missing.
QIcon AppIcon()
{
    InitIconResource();
    QIcon icon;
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128"}) {
        const QString file = QString(":/icons/%1/qx720-clone.png").arg(size);
        if (QFile::exists(file)) icon.addFile(file);
    }
    if (!icon.isNull()) return icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const double s = size / 64.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 48));
        p.drawRoundedRect(QRectF(44 * s, 2 * s, 6 * s, 22 * s), 3 * s, 3 * s);  // antenna
        p.setBrush(QColor(20, 70, 140));
        p.drawRoundedRect(QRectF(18 * s, 14 * s, 32 * s, 48 * s), 7 * s, 7 * s);  // body
        p.setBrush(QColor(170, 215, 170));
        p.drawRoundedRect(QRectF(23 * s, 20 * s, 22 * s, 14 * s), 2 * s, 2 * s);  // display
        p.setBrush(QColor(230, 230, 235));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QRectF((24 + col * 7) * s, (39 + row * 7) * s, 5 * s, 5 * s));
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The platform's keys for a standard command, or the common one where the platform has none.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const char* fallback)
{
    if (QKeySequence::keyBindings(key).isEmpty())
        action->setShortcut(QKeySequence(QString::fromLatin1(fallback)));
    else
        action->setShortcuts(key);
}

}  // namespace

void MainWindow::BuildParts()
{
    setObjectName("MainWindow");
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    status_ = new StatusBox;
    identity_ = new IdentityBox(doc_);
    adaptor_ = new AdaptorStatus(app_.clone.adaptor, app_.virtualRadio);
    features_ = new FeaturePanel(doc_, adaptor_);
    channels_ = new ChannelPanel(doc_, app_.services, dialogs_,
                                 [this](int group) { return features_->GroupShown(group); });
    controller_ = new CloneController(app_.clone, app_.radioJobs, this);
    files_ = new FileCommands(app_, doc_, dialogs_, *controller_, this);
    print_ = new PrintCommands(app_, doc_, dialogs_, *status_, this);
    tools_ = new ToolCommands(app_.services, doc_, *controller_, *status_, *channels_, this);
    clone_ = new CloneCommands(
        app_, doc_, *controller_, *status_, *tools_, closing_,
        [this] {
            return BackupChoice{ui_.backupBeforeWrite->isChecked(), ui_.wholeBackup->isChecked()};
        },
        this);
}

void MainWindow::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    ui_.menuBar = bar;

    // Mnemonics and shortcuts for the keyboard; the texts stay those of the classic menus. Each
    // item has an object name, by which tests and the screenshot tool find it in any language.
    BuildFileMenu(bar);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    ui_.undo = edit->addAction(tr("&Undo"), files_, &FileCommands::OnUndo);
    ui_.redo = edit->addAction(tr("&Redo"), files_, &FileCommands::OnRedo);
    ui_.undo->setObjectName("undo");
    ui_.redo->setObjectName("redo");
    SetStandardShortcut(ui_.undo, QKeySequence::Undo, "Ctrl+Z");
    SetStandardShortcut(ui_.redo, QKeySequence::Redo, "Ctrl+Shift+Z");
    ui_.undo->setEnabled(false);
    ui_.redo->setEnabled(false);

    BuildCloneMenu(bar);

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->addAction(tr("&Export Freq Table"), tools_, &ToolCommands::OnExportFreqTable)
        ->setObjectName("exportFreqTable");
    tools->addAction(tr("View &CheckSum"), tools_, &ToolCommands::OnViewCheckSum)->setObjectName("viewCheckSum");
    tools->addSeparator();
    tools->addAction(tr("Export Cha&nnels (CSV)..."), tools_, &ToolCommands::OnExportChannels)
        ->setObjectName("exportChannels");
    ui_.importChannels = tools->addAction(tr("&Import Channels (CSV)..."), tools_, &ToolCommands::OnImportChannels);
    ui_.importChannels->setObjectName("importChannels");

    // The service commands have no place in the classic menus; they get their own.
    QMenu* service = bar->addMenu(tr("&Service"));
    ui_.featureSetup = service->addAction(tr("&Feature Setup..."), this, &MainWindow::OnFeatureSetup);
    ui_.configDialog = service->addAction(tr("&Config..."), this, &MainWindow::OnConfig);
    ui_.epromTools = service->addAction(tr("&Eprom Tools..."), this, &MainWindow::OnEpromTools);
    ui_.featureSetup->setObjectName("featureSetup");
    ui_.configDialog->setObjectName("configDialog");
    ui_.epromTools->setObjectName("epromTools");

    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(tr("&About"), this, &MainWindow::OnAbout)->setObjectName("about");
    BuildLanguageMenu(help);
}

void MainWindow::BuildCloneMenu(QMenuBar* bar)
{
    QMenu* clone = bar->addMenu(tr("&Clone"));
    ui_.writeToRadio = clone->addAction(tr("&Write to Radio"), clone_, &CloneCommands::OnWriteToRadio);
    ui_.readFromRadio = clone->addAction(tr("&Read from Radio"), clone_, &CloneCommands::OnReadFromRadio);
    ui_.verify = clone->addAction(tr("&Verify"), clone_, &CloneCommands::OnVerify);
    ui_.handShake = clone->addAction(tr("&HandShake"), clone_, &CloneCommands::OnHandShake);
    clone->addSeparator();
    clone->addAction(tr("&Adaptor..."), this, [this] { adaptor_->Choose(dialogs_.run, clone_->IsRunning()); })
        ->setObjectName("chooseAdaptor");
    // Writing overwrites the radio: its key takes two modifiers, and never Ctrl+W (close).
    ui_.writeToRadio->setShortcut(QKeySequence("Ctrl+Shift+W"));
    ui_.readFromRadio->setShortcut(QKeySequence("Ctrl+R"));
    ui_.writeToRadio->setObjectName("menuWriteToRadio");
    ui_.readFromRadio->setObjectName("menuReadFromRadio");
    ui_.verify->setObjectName("menuVerify");
    ui_.handShake->setObjectName("menuHandShake");
}

// Help / Language: each language named in itself; the choice is kept and takes effect at the
// next start, when every window and dialog is built in it.
void MainWindow::BuildLanguageMenu(QMenu* help)
{
    QMenu* menu = help->addMenu(tr("&Language (after a restart)"));
    menu->setObjectName("languageMenu");
    auto* choices = new QActionGroup(menu);
    const QString current = ChosenLanguage(app_.settings);
    for (const LanguageChoice& language : kLanguages) {
        QAction* action = menu->addAction("&" + QString::fromUtf8(language.name));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(language.code));
        action->setChecked(current == QLatin1String(language.code));
        choices->addAction(action);
    }
    connect(choices, &QActionGroup::triggered, this, [this](QAction* action) {
        if (app_.settings) app_.settings->setValue(kLanguageSetting, action->data());
        status_->SetStatus(tr("The language changes when the program is started again."));
    });
}

void MainWindow::BuildFileMenu(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(tr("&File"));
    ui_.loadDefault = file->addAction(tr("&Load Default"), files_, &FileCommands::OnLoadDefault);
    ui_.open = file->addAction(tr("&Open"), files_, &FileCommands::OnOpen);
    ui_.save = file->addAction(tr("&Save"), files_, &FileCommands::OnSave);
    QAction* saveAs = file->addAction(tr("Save &as"), files_, &FileCommands::OnSaveAs);
    ui_.loadDefault->setObjectName("loadDefault");
    ui_.open->setObjectName("open");
    ui_.save->setObjectName("save");
    saveAs->setObjectName("saveAs");
    SetStandardShortcut(ui_.open, QKeySequence::Open, "Ctrl+O");
    SetStandardShortcut(ui_.save, QKeySequence::Save, "Ctrl+S");
    SetStandardShortcut(saveAs, QKeySequence::SaveAs, "Ctrl+Shift+S");
    file->addSeparator();
    QAction* print = file->addAction(tr("&Print..."), print_, &PrintCommands::OnPrint);
    file->addAction(tr("Print Pre&view..."), print_, &PrintCommands::OnPrintPreview)->setObjectName("printPreview");
    file->addAction(tr("Export P&DF..."), print_, &PrintCommands::OnExportPdf)->setObjectName("exportPdf");
    print->setObjectName("print");
    SetStandardShortcut(print, QKeySequence::Print, "Ctrl+P");
    file->addSeparator();
    ui_.backupBeforeWrite = file->addAction(tr("Back up the radio before &writing"));
    ui_.backupBeforeWrite->setObjectName("backupBeforeWrite");
    ui_.backupBeforeWrite->setCheckable(true);
    ui_.backupBeforeWrite->setChecked(files_->BackupBeforeWriteSetting());
    connect(ui_.backupBeforeWrite, &QAction::toggled, files_, &FileCommands::OnBackupToggled);
    ui_.wholeBackup = file->addAction(tr("Back up the whole &EEPROM before a write"));
    ui_.wholeBackup->setObjectName("wholeBackup");
    ui_.wholeBackup->setCheckable(true);
    ui_.wholeBackup->setChecked(files_->WholeBackupSetting());
    // What a backup keeps means nothing while no backup is taken.
    ui_.wholeBackup->setEnabled(ui_.backupBeforeWrite->isChecked());
    connect(ui_.backupBeforeWrite, &QAction::toggled, ui_.wholeBackup, &QAction::setEnabled);
    connect(ui_.wholeBackup, &QAction::toggled, files_, &FileCommands::OnWholeBackupToggled);
    ui_.backups = file->addAction(tr("&Backups..."), files_, &FileCommands::OnBackups);
    ui_.backups->setObjectName("backups");
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"), this, &MainWindow::reject);
    exit->setObjectName("exit");
    SetStandardShortcut(exit, QKeySequence::Quit, "Ctrl+Q");
}

void MainWindow::BuildPage()
{
    // The controls live on a page of their own, so that a screen too small for the window can
    // show them in a scroll area (FitTo); the window's own layout holds the menus and the page.
    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(ui_.menuBar);
    const QMargins windowMargins = outer->contentsMargins();
    outer->setContentsMargins(0, 0, 0, 0);
    content_ = new QWidget;
    content_->setObjectName("content");
    auto* root = new QVBoxLayout(content_);
    root->setContentsMargins(windowMargins);
    root->setSpacing(8);
    outer->addWidget(content_);

    root->addWidget(identity_);

    // Channel list on the left, model, adaptor and groups on the right.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addWidget(channels_, 1);
    middle->addWidget(features_);
    root->addLayout(middle, 1);

    // Status, progress and the two clone buttons.
    root->addWidget(status_);
    root->addLayout(BuildCloneButtons());
}

QLayout* MainWindow::BuildCloneButtons()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ui_.writeButton = new QPushButton(tr("Write to Radio"));
    ui_.readButton = new QPushButton(tr("Read From Radio"));
    ui_.writeButton->setObjectName("writeButton");
    ui_.readButton->setObjectName("readButton");
    // The captions change to "Stop" and back; keep the button from resizing.
    int width = qMax(ui_.writeButton->sizeHint().width(), ui_.readButton->sizeHint().width()) + 16;
    ui_.writeButton->setMinimumWidth(width);
    ui_.readButton->setMinimumWidth(width);
    buttons->addWidget(ui_.writeButton);
    buttons->addWidget(ui_.readButton);
    return buttons;
}

// The buttons' Enter and the clone buttons.
void MainWindow::FillControls()
{
    // Enter on a button presses that button, never a default one (see eventFilter).
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
    }
    connect(ui_.writeButton, &QPushButton::clicked, clone_, &CloneCommands::OnWriteToRadio);
    connect(ui_.readButton, &QPushButton::clicked, clone_, &CloneCommands::OnReadFromRadio);
}

}  // namespace qx
