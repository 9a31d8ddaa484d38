#include "gui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "clone/hid_adaptor.h"
#include "gui/base/app_version.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/service_dialogs.h"
#include "gui/window/identity_hint.h"
#include "model/checksum.h"
#include "model/identity.h"

#include "reports/freq_table.h"

// The icon resource lives in a static library: make sure the linker keeps it.
// (Q_INIT_RESOURCE must be used outside any namespace.)
static void InitIconResource()
{
#ifdef QX_HAVE_ICON_RESOURCE
    Q_INIT_RESOURCE(app_icons);
#endif
}

namespace qx {

WindowDialogs WindowDialogs::Defaults()
{
    WindowDialogs d;
    d.run = [](QDialog& dialog) { return dialog.exec(); };
    d.about = RunAboutDialog;
    d.user = RunUserDialog;
    d.featureSetup = RunFeatureSetupDialog;
    d.epromTools = RunEpromToolsDialog;
    d.config = RunConfigDialog;
    return d;
}

namespace {

constexpr int kStatusTicks = 10;
constexpr int kTimerIntervalMs = 1000;

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

QCheckBox* NewCheck(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

QLabel* Hint(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(false);
    return label;
}

std::string ToStd(const QString& text) { return text.toLatin1().toStdString(); }

// The platform's keys for a standard command, or the common one where the platform has none.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const char* fallback)
{
    if (QKeySequence::keyBindings(key).isEmpty())
        action->setShortcut(QKeySequence(QString::fromLatin1(fallback)));
    else
        action->setShortcuts(key);
}

// Stores a valid 9-digit identity as the window always has: the first 10 bytes cleared,
// the digits and their NUL.
void StoreIdentity(char* field, const std::string& digits)
{
    std::memset(field, 0, 10);
    std::memcpy(field, digits.data(), 9);
    field[9] = '\0';
}

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QDialog(parent), app_(app), services_(app.services), dialogs_(WindowDialogs::Defaults())
{
    std::memset(&document_, 0, sizeof document_);
    std::memset(&config_, 0, sizeof config_);
    statusCountdown_ = 0;
    app_.busyEvent.Reset();
    app_.clone.stopEvent.Reset();
    startDirectory_ = app_.startDirectory.isEmpty() ? services_.CurrentDirectory() : app_.startDirectory;

    setObjectName("MainWindow");
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    BuildMenus();
    BuildControls();
    ConnectControls();

    ui_.atis->setMaxLength(9);
    ui_.mmsi->setMaxLength(9);

    if (!ReadStateFile(ToNativePath(app_.stateFilePath), config_)) ResetModelConfig(config_);
    config_.logoFlag = 0;
    config_.romMapFlag = 0;
    config_.bandIndex = 0;
    config_.uiReadOnly = 0;
    SetUntitled(1);
    app_.adjustMode = 0;
    ResetSettings(document_, config_.modelType);

    FillStepLists();
    ui_.wx->setEnabled(false);
    ui_.privateGroup->setEnabled(false);
    config_.modified = 0;
    ShowDocument();
    UpdateTitle();

    // The window keeps the size of its contents; it opens centred on its screen.
    adjustSize();
    setFixedSize(sizeHint());

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerIntervalMs);
    connect(timer_, &QTimer::timeout, this, &MainWindow::OnTimerTick);
    timer_->start();
}

MainWindow::~MainWindow()
{
    // Normally the close steps have already waited for the run; this covers a window
    // destroyed without being closed.
    if (IsCloneRunning()) app_.radioJobs.StopAndWait();
}

void MainWindow::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    ui_.menuBar = bar;

    // Mnemonics and shortcuts for the keyboard; the texts stay those of the classic menus.
    QMenu* file = bar->addMenu("&File");
    ui_.loadDefault = file->addAction("&Load Default", this, &MainWindow::OnLoadDefault);
    ui_.open = file->addAction("&Open", this, &MainWindow::OnOpen);
    ui_.save = file->addAction("&Save", this, &MainWindow::OnSave);
    ui_.saveAs = file->addAction("Save &as", this, &MainWindow::OnSaveAs);
    file->addSeparator();
    ui_.exit = file->addAction("E&xit", this, &MainWindow::reject);
    SetStandardShortcut(ui_.open, QKeySequence::Open, "Ctrl+O");
    SetStandardShortcut(ui_.save, QKeySequence::Save, "Ctrl+S");
    SetStandardShortcut(ui_.saveAs, QKeySequence::SaveAs, "Ctrl+Shift+S");
    SetStandardShortcut(ui_.exit, QKeySequence::Quit, "Ctrl+Q");

    QMenu* clone = bar->addMenu("&Clone");
    ui_.writeToRadio = clone->addAction("&Write to Radio", this, &MainWindow::OnWriteToRadio);
    ui_.readFromRadio = clone->addAction("&Read from Radio", this, &MainWindow::OnReadFromRadio);
    ui_.verify = clone->addAction("&Verify", this, &MainWindow::OnVerify);
    ui_.handShake = clone->addAction("&HandShake", this, &MainWindow::OnHandShake);
    // Writing overwrites the radio: its key takes two modifiers, and never Ctrl+W (close).
    ui_.writeToRadio->setShortcut(QKeySequence("Ctrl+Shift+W"));
    ui_.readFromRadio->setShortcut(QKeySequence("Ctrl+R"));

    QMenu* tools = bar->addMenu("&Tools");
    ui_.exportFreqTable = tools->addAction("&Export Freq Table", this, &MainWindow::OnExportFreqTable);
    ui_.viewCheckSum = tools->addAction("View &CheckSum", this, &MainWindow::OnViewCheckSum);

    // The service commands have no place in the classic menus; they get their own.
    QMenu* service = bar->addMenu("&Service");
    ui_.featureSetup = service->addAction("&Feature Setup...", this, &MainWindow::OnFeatureSetup);
    ui_.configDialog = service->addAction("&Config...", this, &MainWindow::OnConfig);
    ui_.epromTools = service->addAction("&Eprom Tools...", this, &MainWindow::OnEpromTools);

    QMenu* help = bar->addMenu("&Help");
    ui_.about = help->addAction("&About", this, &MainWindow::OnAbout);

    ui_.writeToRadio->setObjectName("menuWriteToRadio");
    ui_.readFromRadio->setObjectName("menuReadFromRadio");
    ui_.verify->setObjectName("menuVerify");
    ui_.handShake->setObjectName("menuHandShake");
}

void MainWindow::BuildControls()
{
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(ui_.menuBar);
    root->setSpacing(8);

    root->addWidget(BuildIdentityBox());
    // How much room the box's caption takes, so that an empty caption can keep it.
    identityMargins_ = ui_.identityBox->layout()->contentsMargins();
    ui_.identityBox->setTitle("QX720");
    const int captionTop = ui_.identityBox->contentsMargins().top();
    ui_.identityBox->setTitle(QString());
    identityCaptionHeight_ = std::max(0, captionTop - ui_.identityBox->contentsMargins().top());

    // Channel list on the left, model, adaptor and groups on the right.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addWidget(BuildChannelListBox(), 1);
    middle->addLayout(BuildRightColumn());
    root->addLayout(middle, 1);

    // Status, progress and the two clone buttons.
    root->addWidget(BuildStatusBox());
    root->addLayout(BuildCloneButtons());
}

QGroupBox* MainWindow::BuildIdentityBox()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ui_.identityBox = new QGroupBox;
    ui_.identityBox->setObjectName("identityBox");
    auto* ident = new QGridLayout(ui_.identityBox);
    ident->setHorizontalSpacing(10);
    ui_.mmsiByUser = NewCheck("MMSI entry by user", "mmsiByUser");
    ui_.mmsi = new QLineEdit;
    ui_.mmsi->setObjectName("mmsi");
    ui_.atisByUser = NewCheck("ATIS entry by user", "atisByUser");
    ui_.atis = new QLineEdit;
    ui_.atis->setObjectName("atis");
    ui_.atis->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), ui_.atis));
    for (QLineEdit* field : {ui_.mmsi, ui_.atis}) {
        field->setFont(fixed);
        field->setFixedWidth(QFontMetrics(fixed).horizontalAdvance("0000000000") + 16);
        field->installEventFilter(this);
    }
    ident->addWidget(ui_.mmsiByUser, 0, 0);
    ident->addWidget(ui_.mmsi, 0, 1);
    ident->addWidget(Hint("Please enter the 9 digital MMSI number."), 0, 2);
    // Under each field, the administration its number belongs to, or why it looks wrong.
    ident->addWidget(new IdentityHint(ui_.mmsi, IdentityField::Mmsi), 1, 1, 1, 2);
    ident->addWidget(ui_.atisByUser, 2, 0);
    auto* atisRow = new QHBoxLayout;
    atisRow->addWidget(ui_.atis);
    auto* fromMmsi = new AtisFromMmsiButton(ui_.mmsi, ui_.atis);
    connect(fromMmsi, &AtisFromMmsiButton::filled, this, [this] { MarkModified(); });
    atisRow->addWidget(fromMmsi);
    atisRow->addStretch();
    ident->addLayout(atisRow, 2, 1);
    auto* atisHints = new QVBoxLayout;
    atisHints->setSpacing(0);
    atisHints->addWidget(Hint("Please enter the last 9 numbers of the 10 digit ATIS ID."));
    atisHints->addWidget(Hint("The initial \"9\" is entered automatically."));
    ident->addLayout(atisHints, 2, 2);
    ident->addWidget(new IdentityHint(ui_.atis, IdentityField::Atis), 3, 1, 1, 2);
    ident->setColumnStretch(2, 1);
    return ui_.identityBox;
}

QGroupBox* MainWindow::BuildChannelListBox()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* listBox = new QGroupBox("Channel List");
    auto* listLayout = new QVBoxLayout(listBox);
    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(new QLabel("Band"));
    ui_.band = new QComboBox;
    ui_.band->setObjectName("band");
    ui_.band->setMinimumContentsLength(12);
    bandRow->addWidget(ui_.band);
    bandRow->addStretch(1);
    listLayout->addLayout(bandRow);
    ui_.channels = new QListWidget;
    ui_.channels->setObjectName("channels");
    ui_.channels->setFont(fixed);
    ui_.channels->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.channels->setUniformItemSizes(true);
    ui_.channels->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    {
        // Room for a whole plan line (47 characters) beside the scroll bar.
        QFontMetrics fm(fixed);
        ui_.channels->setMinimumWidth(fm.horizontalAdvance(QString(48, QChar('0'))) + 40);
        ui_.channels->setMinimumHeight(fm.lineSpacing() * 16);
    }
    listLayout->addWidget(ui_.channels, 1);
    auto* listButtons = new QHBoxLayout;
    ui_.edit = new QPushButton("Edit");
    ui_.add = new QPushButton("Add");
    ui_.remove = new QPushButton("Remove");
    ui_.edit->setObjectName("edit");
    ui_.add->setObjectName("add");
    ui_.remove->setObjectName("remove");
    // Enter on a focused button presses that button, not the window's default "Write to Radio".
    for (QPushButton* b : {ui_.edit, ui_.add, ui_.remove}) {
        b->setAutoDefault(true);
        listButtons->addWidget(b);
    }
    listButtons->addStretch(1);
    listLayout->addLayout(listButtons);
    return listBox;
}

QLayout* MainWindow::BuildRightColumn()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    auto* modelBox = new QGroupBox("Model");
    auto* modelLayout = new QHBoxLayout(modelBox);
    ui_.modelUsa = new QRadioButton("USA");
    ui_.modelEurope = new QRadioButton("Europe");
    ui_.modelUsa->setObjectName("modelUsa");
    ui_.modelEurope->setObjectName("modelEurope");
    modelLayout->addWidget(ui_.modelUsa);
    modelLayout->addWidget(ui_.modelEurope);
    modelLayout->addStretch(1);
    right->addWidget(modelBox);

    auto* usbBox = new QGroupBox("USB Port Status");
    auto* usbLayout = new QHBoxLayout(usbBox);
    ui_.usbStatus = new QLabel("--------");
    ui_.usbStatus->setObjectName("usbStatus");
    ui_.usbStatus->setAlignment(Qt::AlignCenter);
    ui_.usbStatus->setFont(fixed);
    usbLayout->addWidget(ui_.usbStatus);
    right->addWidget(usbBox);

    auto* featureBox = new QGroupBox("Radio Feature");
    auto* featureLayout = new QGridLayout(featureBox);
    ui_.usa = NewCheck("USA", "usa");
    ui_.intl = NewCheck("INT", "int");
    ui_.can = NewCheck("CAN", "can");
    ui_.privateGroup = NewCheck("Private", "private");
    ui_.usaNarrow = NewCheck("USA_narrow", "usaNarrow");
    ui_.intNarrow = NewCheck("INT_narrow", "intNarrow");
    ui_.canNarrow = NewCheck("CAN_narrow", "canNarrow");
    ui_.wx = NewCheck("WX Channels", "wx");
    featureLayout->addWidget(ui_.usa, 0, 0);
    featureLayout->addWidget(ui_.usaNarrow, 0, 1);
    featureLayout->addWidget(ui_.intl, 1, 0);
    featureLayout->addWidget(ui_.intNarrow, 1, 1);
    featureLayout->addWidget(ui_.can, 2, 0);
    featureLayout->addWidget(ui_.canNarrow, 2, 1);
    featureLayout->addWidget(ui_.privateGroup, 3, 0);
    featureLayout->addWidget(ui_.wx, 3, 1);

    auto* steps = new QGridLayout;
    ui_.txStep = new QComboBox;
    ui_.rxStep = new QComboBox;
    ui_.txStep->setObjectName("txStep");
    ui_.rxStep->setObjectName("rxStep");
    steps->addWidget(new QLabel("TX PLL STEP:"), 0, 0);
    steps->addWidget(ui_.txStep, 0, 1);
    steps->addWidget(new QLabel("RX PLL STEP:"), 1, 0);
    steps->addWidget(ui_.rxStep, 1, 1);
    steps->setColumnStretch(1, 1);
    featureLayout->addLayout(steps, 4, 0, 1, 2);
    right->addWidget(featureBox);
    right->addStretch(1);
    return right;
}

QGroupBox* MainWindow::BuildStatusBox()
{
    auto* statusBox = new QGroupBox("Status");
    auto* statusLayout = new QVBoxLayout(statusBox);
    // The service options sit at the right of the status line: empty unless one is on.
    auto* statusRow = new QHBoxLayout;
    ui_.status = new QLabel("Ready");
    ui_.status->setObjectName("status");
    ui_.status->setWordWrap(true);  // long hints wrap instead of widening the window
    ui_.optionLine = new QLabel;
    ui_.optionLine->setObjectName("optionLine");
    ui_.optionLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusRow->addWidget(ui_.status, 1);
    statusRow->addWidget(ui_.optionLine);
    statusLayout->addLayout(statusRow);
    ui_.progress = new QProgressBar;
    ui_.progress->setObjectName("progress");
    ui_.progress->setRange(0, 100);
    ui_.progress->setValue(0);
    ui_.progress->setTextVisible(false);
    statusLayout->addWidget(ui_.progress);
    return statusBox;
}

QLayout* MainWindow::BuildCloneButtons()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ui_.writeButton = new QPushButton("Write to Radio");
    ui_.readButton = new QPushButton("Read From Radio");
    ui_.writeButton->setObjectName("writeButton");
    ui_.readButton->setObjectName("readButton");
    // The captions change to "Stop" and back; keep the button from resizing.
    int width = qMax(ui_.writeButton->sizeHint().width(), ui_.readButton->sizeHint().width()) + 16;
    ui_.writeButton->setMinimumWidth(width);
    ui_.readButton->setMinimumWidth(width);
    ui_.writeButton->setDefault(true);
    ui_.readButton->setAutoDefault(true);
    buttons->addWidget(ui_.writeButton);
    buttons->addWidget(ui_.readButton);
    return buttons;
}

void MainWindow::ConnectControls()
{
    for (QCheckBox* box :
         {ui_.usa, ui_.intl, ui_.can, ui_.usaNarrow, ui_.intNarrow, ui_.canNarrow, ui_.wx, ui_.privateGroup})
        connect(box, &QCheckBox::clicked, this, &MainWindow::OnGroupClicked);
    connect(ui_.modelUsa, &QRadioButton::clicked, this, &MainWindow::OnModelClicked);
    connect(ui_.modelEurope, &QRadioButton::clicked, this, &MainWindow::OnModelClicked);
    connect(ui_.band, &QComboBox::currentIndexChanged, this, [this] { FillChannelList(); });
    connect(ui_.channels, &QListWidget::itemDoubleClicked, this, [this] { OnChannelDoubleClicked(); });
    connect(ui_.edit, &QPushButton::clicked, this, &MainWindow::OnEdit);
    connect(ui_.add, &QPushButton::clicked, this, &MainWindow::OnAdd);
    connect(ui_.remove, &QPushButton::clicked, this, &MainWindow::OnRemove);
    connect(ui_.txStep, &QComboBox::currentIndexChanged, this, &MainWindow::OnStepChanged);
    connect(ui_.rxStep, &QComboBox::currentIndexChanged, this, &MainWindow::OnStepChanged);
    connect(ui_.mmsiByUser, &QCheckBox::clicked, this, &MainWindow::OnIdentityBoxClicked);
    connect(ui_.atisByUser, &QCheckBox::clicked, this, &MainWindow::OnIdentityBoxClicked);
    // Typing is an edit at once: Esc or a close with the cursor still in the field must not
    // pass for an unchanged document.
    connect(ui_.mmsi, &QLineEdit::textEdited, this, &MainWindow::MarkModified);
    connect(ui_.atis, &QLineEdit::textEdited, this, &MainWindow::MarkModified);
    // Enter on the channel list edits the channel, as a double click does (see eventFilter).
    ui_.channels->installEventFilter(this);
    connect(ui_.writeButton, &QPushButton::clicked, this, &MainWindow::OnWriteToRadio);
    connect(ui_.readButton, &QPushButton::clicked, this, &MainWindow::OnReadFromRadio);
}

void MainWindow::FillStepLists()
{
    for (QComboBox* list : {ui_.txStep, ui_.rxStep}) {
        QSignalBlocker block(list);
        list->clear();
        list->addItems({"6.25KHz", "12.5KHz", "25KHz"});
    }
}

// ---------------------------------------------------------------------------------------
// Controls and document

void MainWindow::GatherControls()
{
    document_.usaEnabled = ui_.usa->isChecked() ? 1 : 0;
    document_.intEnabled = ui_.intl->isChecked() ? 1 : 0;
    document_.canEnabled = ui_.can->isChecked() ? 1 : 0;
    document_.usaNarrowEnabled = ui_.usaNarrow->isChecked() ? 1 : 0;
    document_.intNarrowEnabled = ui_.intNarrow->isChecked() ? 1 : 0;
    document_.canNarrowEnabled = ui_.canNarrow->isChecked() ? 1 : 0;
    if (ui_.modelUsa->isChecked()) {
        document_.modelType = 0;
        document_.wxEnabled = 1;
        document_.privateEnabled = 0;
    } else {
        document_.modelType = 1;
        document_.wxEnabled = 0;
        document_.privateEnabled = 1;
    }
    document_.txStep = ui_.txStep->currentIndex();
    document_.rxStep = ui_.rxStep->currentIndex();

    document_.atisByUser = ui_.atisByUser->isChecked() ? 1 : 0;
    std::string atis = ToStd(ui_.atis->text().left(31));
    if (IsValidId(atis)) StoreIdentity(document_.atisText, atis);
    document_.mmsiByUser = ui_.mmsiByUser->isChecked() ? 1 : 0;
    std::string mmsi = ToStd(ui_.mmsi->text().left(31));
    if (IsValidId(mmsi)) StoreIdentity(document_.mmsiText, mmsi);
}

void MainWindow::ShowDocument()
{
    ui_.atisByUser->setChecked(document_.atisByUser != 0);
    std::string atis = AtisText(document_);
    if (IsValidId(atis)) ui_.atis->setText(QString::fromLatin1(atis.c_str()));
    ui_.mmsiByUser->setChecked(document_.mmsiByUser != 0);
    std::string mmsi = MmsiText(document_);
    if (IsValidId(mmsi)) ui_.mmsi->setText(QString::fromLatin1(mmsi.c_str()));

    ui_.usa->setChecked(document_.usaEnabled != 0);
    ui_.intl->setChecked(document_.intEnabled != 0);
    ui_.can->setChecked(document_.canEnabled != 0);
    ui_.usaNarrow->setChecked(document_.usaNarrowEnabled != 0);
    ui_.intNarrow->setChecked(document_.intNarrowEnabled != 0);
    ui_.canNarrow->setChecked(document_.canNarrowEnabled != 0);

    const bool usaModel = document_.modelType == 0;
    ui_.modelUsa->setChecked(usaModel);
    ui_.modelEurope->setChecked(!usaModel);
    ui_.wx->setChecked(usaModel);
    ui_.privateGroup->setChecked(!usaModel);

    // Steps outside the three list positions act as 6.25 kHz; 25 kHz (2) is a real step.
    if (document_.txStep < 0 || document_.txStep > 2) document_.txStep = 0;
    if (document_.rxStep < 0 || document_.rxStep > 2) document_.rxStep = 0;
    {
        QSignalBlocker blockTx(ui_.txStep);
        QSignalBlocker blockRx(ui_.rxStep);
        ui_.txStep->setCurrentIndex(document_.txStep);
        ui_.rxStep->setCurrentIndex(document_.rxStep);
    }

    FillBandList();
    FillChannelList();
    UpdateEditControls();  // the identity fields follow the boxes just set
}

void MainWindow::UpdateTitle()
{
    const QString version = QString::fromLatin1(kVersionText);
    if (config_.untitled == 1) {
        QString model = QString::fromLatin1(FieldText(document_.modelName).c_str());
        setWindowTitle(model + " " + version);
        SetIdentityCaption(model);
    } else {
        SetIdentityCaption(QString());
        QString title = ShownPath();
        if (config_.readOnlyFile == 1) title += "(Read only)";
        if (config_.modified == 1) title += "*";
        title += " - ";
        title += config_.modelType == 0 ? "QX720USA" : "QX720EUR";
        title += " " + version;
        setWindowTitle(title);
    }
    QString options;
    if (config_.logoFlag == 1) options += "Logo;";
    if (config_.romMapFlag == 1) options += "Save RomMap;";
    ui_.optionLine->setText(options);
}

QString MainWindow::ShownPath() const
{
    const QString path = FromNativePath(ClonePath(config_));
    if (startDirectory_.isEmpty()) return path;
    int at = path.lastIndexOf(startDirectory_, -1, Qt::CaseSensitive);
    if (at < 0) return path;
    return path.mid(at + startDirectory_.size());
}

void MainWindow::SetIdentityCaption(const QString& caption)
{
    ui_.identityBox->setTitle(caption);
    // The window has a fixed size: a box that gave up its caption's line would move the fields.
    QMargins margins = identityMargins_;
    if (caption.isEmpty()) margins.setTop(margins.top() + identityCaptionHeight_);
    ui_.identityBox->layout()->setContentsMargins(margins);
}

void MainWindow::MarkModified()
{
    const int was = config_.modified;
    config_.modified = 1;
    if (was == 0) UpdateTitle();
}

void MainWindow::SetUntitled(int flag)
{
    config_.untitled = flag;
    ui_.save->setEnabled(flag != 1);
}

void MainWindow::StoreBandSelection() { config_.bandIndex = ui_.band->currentIndex(); }

void MainWindow::SetStatusText(const QString& text) { ui_.status->setText(text); }

void MainWindow::SetStatus(const QString& text)
{
    SetStatusText(text);
    statusCountdown_ = kStatusTicks;
}

// ---------------------------------------------------------------------------------------
// Identities

bool MainWindow::CheckIdentities()
{
    if (!ui_.mmsiByUser->isChecked()) {
        QString text = ui_.mmsi->text().left(31);
        if (!text.isEmpty() && !IsValidId(ToStd(text))) {
            services_.MessageBox(this, QString("Invalid MMIS ID:%1\nMake sure 9 digitals.").arg(text), "Error",
                                 MsgButtons::Ok, MsgIcon::Stop);
            return false;
        }
    }
    if (!ui_.atisByUser->isChecked()) {
        QString text = ui_.atis->text().left(31);
        if (!text.isEmpty() && !IsValidId(ToStd(text))) {
            services_.MessageBox(this, QString("Invalid ATIS ID:%1\nMake sure 9 digitals.").arg(text), "Error",
                                 MsgButtons::Ok, MsgIcon::Stop);
            return false;
        }
    }
    return true;
}

void MainWindow::OnIdentityBoxClicked()
{
    MarkModified();
    UpdateEditControls();
}

bool MainWindow::IsReading() const { return app_.busyEvent.IsSet() && cloneKind_ == CloneKind::Read; }

void MainWindow::UpdateEditControls()
{
    const bool editable = !IsReading();
    for (QAction* action : {ui_.open, ui_.loadDefault, ui_.featureSetup}) action->setEnabled(editable);
    const std::initializer_list<QWidget*> editors = {
        ui_.edit,      ui_.add,       ui_.remove,    ui_.mmsiByUser, ui_.atisByUser,  ui_.usa,    ui_.intl,  ui_.can,
        ui_.usaNarrow, ui_.intNarrow, ui_.canNarrow, ui_.modelUsa,   ui_.modelEurope, ui_.txStep, ui_.rxStep};
    for (QWidget* control : editors) control->setEnabled(editable);
    ui_.mmsi->setEnabled(editable && !ui_.mmsiByUser->isChecked());
    ui_.atis->setEnabled(editable && !ui_.atisByUser->isChecked());
}

void MainWindow::OnIdentityFieldLeft() { MarkModified(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == ui_.mmsi || watched == ui_.atis)) {
        // Leaving the field counts; the window losing activation (a box, another program) does not.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) OnIdentityFieldLeft();
    }
    if (event->type() == QEvent::KeyPress && watched == ui_.channels) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Left to the list, Enter would reach the default button and write the radio.
            OnChannelDoubleClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Timer

void MainWindow::OnTimerTick()
{
    if (statusCountdown_ > 0) {
        --statusCountdown_;
        if (statusCountdown_ == 0) SetStatusText("Ready.");
    }
    CHidAdaptor& adaptor = app_.clone.adaptor;
    if (!adaptor.IsPresent()) adaptor.Discover();
    const bool present = adaptor.IsPresent();
    // A virtual radio says so: nothing done here reaches a real handset.
    ui_.usbStatus->setText(!present ? "--------" : app_.virtualRadio ? "Virtual" : "Detected");
    // An adaptor this user may not open looks absent; say why, for as long as it lasts.
    if (!present && !IsCloneRunning() && adaptor.PermissionDenied()) SetStatus(kPermissionDeniedHint);
}

// ---------------------------------------------------------------------------------------
// Tools, Help and Service

void MainWindow::OnExportFreqTable()
{
    const QString path = QDir(services_.CurrentDirectory()).filePath(kFreqTableFileName);
    if (!WriteFreqTable(ToNativePath(path), document_, services_.Now())) {
        services_.MessageBox(this, QString("Can't Create file:\n%1").arg(path), "Error", MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    ShowReport(path, QString(), "Export Freq Table");
}

void MainWindow::ShowReport(const QString& path, const QString& outcome, const char* caption)
{
    if (services_.OpenTextFile(path)) return;
    // Without a viewer the report would go unseen: say where it is.
    QString status = "Report: " + path;
    if (!outcome.isEmpty()) status = outcome + " " + status;
    SetStatus(status);
    services_.MessageBoxWithInfo(this, QString("The report is saved as:\n%1").arg(path),
                                 "No program opened it; open the file with any text editor.", caption, MsgButtons::Ok,
                                 MsgIcon::Information);
}

void MainWindow::OnViewCheckSum()
{
    std::string text = ChecksumText(SettingsChecksum(document_));
    services_.MessageBox(this, QString::fromLatin1(text.c_str()), "CheckSum", MsgButtons::Ok, MsgIcon::None);
}

void MainWindow::OnAbout()
{
    if (services_.CtrlHeld()) {
        if (dialogs_.user(this, app_, config_) == QDialog::Accepted) UpdateTitle();
    } else {
        dialogs_.about(this, app_);
    }
}

void MainWindow::OnSystemAbout() { dialogs_.about(this, app_); }

void MainWindow::OnFeatureSetup()
{
    if (IsReading()) return;  // the read's end would drop the change
    if (dialogs_.featureSetup(this, app_, config_, document_) == QDialog::Accepted) MarkModified();
}

void MainWindow::OnConfig() { dialogs_.config(this, app_, config_, document_); }

void MainWindow::OnEpromTools() { dialogs_.epromTools(this, app_, config_); }

// ---------------------------------------------------------------------------------------
// Closing

void MainWindow::reject()
{
    if (closing_ || closed_ || askingToClose_) return;
    const bool ticking = timer_->isActive();
    timer_->stop();
    // The question comes before a running clone run is stopped: a Cancel leaves it alone.
    askingToClose_ = true;
    const bool mayClose = RunCloseSteps();
    askingToClose_ = false;
    if (!mayClose) {
        // Cancelled, or the offered save failed: stay open so the work can still be saved.
        if (ticking) timer_->start();
        return;
    }
    closing_ = true;
    // A running clone run is asked to stop; its outcome arrives before the window ends.
    if (IsCloneRunning()) app_.radioJobs.StopAndWait();
    closed_ = true;
    QDialog::reject();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc would close the window and so stop the run: a write would be left half done.
    // Stop and the close box stay for that.
    if (event->key() == Qt::Key_Escape && IsCloneRunning()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qx
