// Building the main window: its menus, its controls and their connections.

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/base/language.h"
#include "gui/window/identity_hint.h"
#include "gui/window/main_window.h"

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

// The platform's keys for a standard command, or the common one where the platform has none.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const char* fallback)
{
    if (QKeySequence::keyBindings(key).isEmpty())
        action->setShortcut(QKeySequence(QString::fromLatin1(fallback)));
    else
        action->setShortcuts(key);
}

}  // namespace

void MainWindow::BuildWindow()
{
    setObjectName("MainWindow");
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    BuildMenus();
    BuildControls();
    ConnectControls();
    ui_.atis->setMaxLength(9);
    ui_.mmsi->setMaxLength(9);
    FillStepLists();
    ui_.wx->setEnabled(false);
    ui_.privateGroup->setEnabled(false);
}

void MainWindow::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    ui_.menuBar = bar;

    // Mnemonics and shortcuts for the keyboard; the texts stay those of the classic menus.
    BuildFileMenu(bar);
    SetStandardShortcut(ui_.open, QKeySequence::Open, "Ctrl+O");
    SetStandardShortcut(ui_.save, QKeySequence::Save, "Ctrl+S");
    SetStandardShortcut(ui_.saveAs, QKeySequence::SaveAs, "Ctrl+Shift+S");
    SetStandardShortcut(ui_.exit, QKeySequence::Quit, "Ctrl+Q");

    QMenu* edit = bar->addMenu(tr("&Edit"));
    ui_.undo = edit->addAction(tr("&Undo"), this, &MainWindow::OnUndo);
    ui_.redo = edit->addAction(tr("&Redo"), this, &MainWindow::OnRedo);
    ui_.undo->setObjectName("undo");
    ui_.redo->setObjectName("redo");
    SetStandardShortcut(ui_.undo, QKeySequence::Undo, "Ctrl+Z");
    SetStandardShortcut(ui_.redo, QKeySequence::Redo, "Ctrl+Shift+Z");
    ui_.undo->setEnabled(false);
    ui_.redo->setEnabled(false);

    QMenu* clone = bar->addMenu(tr("&Clone"));
    ui_.writeToRadio = clone->addAction(tr("&Write to Radio"), this, &MainWindow::OnWriteToRadio);
    ui_.readFromRadio = clone->addAction(tr("&Read from Radio"), this, &MainWindow::OnReadFromRadio);
    ui_.verify = clone->addAction(tr("&Verify"), this, &MainWindow::OnVerify);
    ui_.handShake = clone->addAction(tr("&HandShake"), this, &MainWindow::OnHandShake);
    clone->addSeparator();
    ui_.chooseAdaptor = clone->addAction(tr("&Adaptor..."), this, &MainWindow::OnChooseAdaptor);
    ui_.chooseAdaptor->setObjectName("chooseAdaptor");
    // Writing overwrites the radio: its key takes two modifiers, and never Ctrl+W (close).
    ui_.writeToRadio->setShortcut(QKeySequence("Ctrl+Shift+W"));
    ui_.readFromRadio->setShortcut(QKeySequence("Ctrl+R"));

    QMenu* tools = bar->addMenu(tr("&Tools"));
    ui_.exportFreqTable = tools->addAction(tr("&Export Freq Table"), this, &MainWindow::OnExportFreqTable);
    ui_.viewCheckSum = tools->addAction(tr("View &CheckSum"), this, &MainWindow::OnViewCheckSum);
    tools->addSeparator();
    ui_.exportChannels = tools->addAction(tr("Export Cha&nnels (CSV)..."), this, &MainWindow::OnExportChannels);
    ui_.importChannels = tools->addAction(tr("&Import Channels (CSV)..."), this, &MainWindow::OnImportChannels);
    ui_.exportChannels->setObjectName("exportChannels");
    ui_.importChannels->setObjectName("importChannels");

    // The service commands have no place in the classic menus; they get their own.
    QMenu* service = bar->addMenu(tr("&Service"));
    ui_.featureSetup = service->addAction(tr("&Feature Setup..."), this, &MainWindow::OnFeatureSetup);
    ui_.configDialog = service->addAction(tr("&Config..."), this, &MainWindow::OnConfig);
    ui_.epromTools = service->addAction(tr("&Eprom Tools..."), this, &MainWindow::OnEpromTools);

    QMenu* help = bar->addMenu(tr("&Help"));
    ui_.about = help->addAction(tr("&About"), this, &MainWindow::OnAbout);
    BuildLanguageMenu(help);

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
        SetStatus(tr("The language changes when the program is started again."));
    });
}

void MainWindow::BuildControls()
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
    ui_.mmsiByUser = NewCheck(tr("MMSI entry by user"), "mmsiByUser");
    ui_.mmsi = new QLineEdit;
    ui_.mmsi->setObjectName("mmsi");
    ui_.atisByUser = NewCheck(tr("ATIS entry by user"), "atisByUser");
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
    ident->addWidget(Hint(tr("Please enter the 9 digital MMSI number.")), 0, 2);
    // Under each field, the administration its number belongs to, or why it looks wrong.
    ident->addWidget(new IdentityHint(ui_.mmsi, IdentityField::Mmsi), 1, 1, 1, 2);
    ident->addWidget(ui_.atisByUser, 2, 0);
    auto* atisRow = new QHBoxLayout;
    atisRow->addWidget(ui_.atis);
    auto* fromMmsi = new AtisFromMmsiButton(ui_.mmsi, ui_.atis);
    connect(fromMmsi, &AtisFromMmsiButton::filled, this, [this] {
        doc_.TypeIdentity(IdentityKind::Atis, ui_.atis->text());
        doc_.CommitIdentities();
    });
    atisRow->addWidget(fromMmsi);
    atisRow->addStretch();
    ident->addLayout(atisRow, 2, 1);
    auto* atisHints = new QVBoxLayout;
    atisHints->setSpacing(0);
    atisHints->addWidget(Hint(tr("Please enter the last 9 numbers of the 10 digit ATIS ID.")));
    atisHints->addWidget(Hint(tr("The initial \"9\" is entered automatically.")));
    ident->addLayout(atisHints, 2, 2);
    ident->addWidget(new IdentityHint(ui_.atis, IdentityField::Atis), 3, 1, 1, 2);
    ident->setColumnStretch(2, 1);
    // Screen readers announce the fields by what they hold, not by the box's caption.
    ui_.mmsi->setAccessibleName(tr("MMSI"));
    ui_.atis->setAccessibleName(tr("ATIS ID"));
    return ui_.identityBox;
}

QGroupBox* MainWindow::BuildChannelListBox()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* listBox = new QGroupBox(tr("Channel List"));
    auto* listLayout = new QVBoxLayout(listBox);
    auto* bandRow = new QHBoxLayout;
    auto* bandLabel = new QLabel(tr("Band"));
    bandRow->addWidget(bandLabel);
    ui_.band = new QComboBox;
    ui_.band->setObjectName("band");
    bandLabel->setBuddy(ui_.band);
    ui_.band->setAccessibleName(tr("Band"));
    ui_.band->setMinimumContentsLength(12);
    bandRow->addWidget(ui_.band);
    bandRow->addStretch(1);
    listLayout->addLayout(bandRow);
    ui_.channels = new QListWidget;
    ui_.channels->setObjectName("channels");
    ui_.channels->setAccessibleName(tr("Channel list"));
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
    ui_.edit = new QPushButton(tr("Edit"));
    ui_.add = new QPushButton(tr("Add"));
    ui_.remove = new QPushButton(tr("Remove"));
    ui_.edit->setObjectName("edit");
    ui_.add->setObjectName("add");
    ui_.remove->setObjectName("remove");
    for (QPushButton* b : {ui_.edit, ui_.add, ui_.remove}) listButtons->addWidget(b);
    listButtons->addStretch(1);
    listLayout->addLayout(listButtons);
    return listBox;
}

QLayout* MainWindow::BuildRightColumn()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    auto* modelBox = new QGroupBox(tr("Model"));
    auto* modelLayout = new QHBoxLayout(modelBox);
    ui_.modelUsa = new QRadioButton(tr("USA"));
    ui_.modelEurope = new QRadioButton(tr("Europe"));
    ui_.modelUsa->setObjectName("modelUsa");
    ui_.modelEurope->setObjectName("modelEurope");
    modelLayout->addWidget(ui_.modelUsa);
    modelLayout->addWidget(ui_.modelEurope);
    modelLayout->addStretch(1);
    right->addWidget(modelBox);

    auto* usbBox = new QGroupBox(tr("USB Port Status"));
    auto* usbLayout = new QHBoxLayout(usbBox);
    ui_.usbStatus = new QLabel("--------");
    ui_.usbStatus->setObjectName("usbStatus");
    ui_.usbStatus->setAlignment(Qt::AlignCenter);
    ui_.usbStatus->setFont(fixed);
    usbLayout->addWidget(ui_.usbStatus);
    right->addWidget(usbBox);

    auto* featureBox = new QGroupBox(tr("Radio Feature"));
    auto* featureLayout = new QGridLayout(featureBox);
    ui_.usa = NewCheck(tr("USA"), "usa");
    ui_.intl = NewCheck(tr("INT"), "int");
    ui_.can = NewCheck(tr("CAN"), "can");
    ui_.privateGroup = NewCheck(tr("Private"), "private");
    ui_.usaNarrow = NewCheck(tr("USA_narrow"), "usaNarrow");
    ui_.intNarrow = NewCheck(tr("INT_narrow"), "intNarrow");
    ui_.canNarrow = NewCheck(tr("CAN_narrow"), "canNarrow");
    ui_.wx = NewCheck(tr("WX Channels"), "wx");
    featureLayout->addWidget(ui_.usa, 0, 0);
    featureLayout->addWidget(ui_.usaNarrow, 0, 1);
    featureLayout->addWidget(ui_.intl, 1, 0);
    featureLayout->addWidget(ui_.intNarrow, 1, 1);
    featureLayout->addWidget(ui_.can, 2, 0);
    featureLayout->addWidget(ui_.canNarrow, 2, 1);
    featureLayout->addWidget(ui_.privateGroup, 3, 0);
    featureLayout->addWidget(ui_.wx, 3, 1);
    featureLayout->addLayout(BuildStepLists(), 4, 0, 1, 2);
    right->addWidget(featureBox);
    right->addStretch(1);
    return right;
}

// "TX PLL STEP:" and "RX PLL STEP:" with their lists.
QLayout* MainWindow::BuildStepLists()
{
    auto* steps = new QGridLayout;
    ui_.txStep = new QComboBox;
    ui_.rxStep = new QComboBox;
    ui_.txStep->setObjectName("txStep");
    ui_.rxStep->setObjectName("rxStep");
    const std::pair<const char*, QComboBox*> stepRows[] = {{QT_TR_NOOP("TX PLL STEP:"), ui_.txStep},
                                                           {QT_TR_NOOP("RX PLL STEP:"), ui_.rxStep}};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(tr(stepRows[row].first));
        label->setBuddy(stepRows[row].second);
        steps->addWidget(label, row, 0);
        steps->addWidget(stepRows[row].second, row, 1);
    }
    ui_.txStep->setAccessibleName(tr("TX PLL step"));
    ui_.rxStep->setAccessibleName(tr("RX PLL step"));
    steps->setColumnStretch(1, 1);
    return steps;
}

QGroupBox* MainWindow::BuildStatusBox()
{
    auto* statusBox = new QGroupBox(tr("Status"));
    auto* statusLayout = new QVBoxLayout(statusBox);
    // The service options sit at the right of the status line: empty unless one is on.
    auto* statusRow = new QHBoxLayout;
    ui_.status = new QLabel(tr("Ready"));
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
    connect(ui_.mmsi, &QLineEdit::textEdited, this,
            [this](const QString& text) { doc_.TypeIdentity(IdentityKind::Mmsi, text); });
    connect(ui_.atis, &QLineEdit::textEdited, this,
            [this](const QString& text) { doc_.TypeIdentity(IdentityKind::Atis, text); });
    // Enter in an identity field writes the radio (the write checks the radio's identity
    // first); it never stops a running one, which a second Enter would leave half written.
    for (QLineEdit* field : {ui_.mmsi, ui_.atis})
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (!IsCloneRunning()) OnWriteToRadio();
        });
    // Enter on the channel list edits the channel, as a double click does; Enter on a button
    // presses that button, never a default one (see eventFilter).
    ui_.channels->installEventFilter(this);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
    }
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

}  // namespace qx
