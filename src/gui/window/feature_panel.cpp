#include "gui/window/feature_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/document/clone_document.h"
#include "model/channel_plan.h"

namespace qx {

namespace {

QCheckBox* NewCheck(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

}  // namespace

FeaturePanel::FeaturePanel(CloneDocument& document, QWidget* between, QWidget* parent)
    : QWidget(parent), document_(document)
{
    auto* right = new QVBoxLayout(this);
    right->setContentsMargins(0, 0, 0, 0);
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
    right->addWidget(between);
    right->addWidget(BuildFeatureBox());
    right->addStretch(1);

    for (QCheckBox* box :
         {ui_.usa, ui_.intl, ui_.can, ui_.usaNarrow, ui_.intNarrow, ui_.canNarrow, ui_.wx, ui_.privateGroup})
        connect(box, &QCheckBox::clicked, this, &FeaturePanel::PushEdit);
    connect(ui_.modelUsa, &QRadioButton::clicked, this, &FeaturePanel::PushEdit);
    connect(ui_.modelEurope, &QRadioButton::clicked, this, &FeaturePanel::PushEdit);
    connect(ui_.txStep, &QComboBox::currentIndexChanged, this, &FeaturePanel::PushEdit);
    connect(ui_.rxStep, &QComboBox::currentIndexChanged, this, &FeaturePanel::PushEdit);
}

QWidget* FeaturePanel::BuildFeatureBox()
{
    auto* featureBox = new QGroupBox(tr("Radio Feature"));
    auto* grid = new QGridLayout(featureBox);
    ui_.usa = NewCheck(tr("USA"), "usa");
    ui_.intl = NewCheck(tr("INT"), "int");
    ui_.can = NewCheck(tr("CAN"), "can");
    ui_.privateGroup = NewCheck(tr("Private"), "private");
    ui_.usaNarrow = NewCheck(tr("USA_narrow"), "usaNarrow");
    ui_.intNarrow = NewCheck(tr("INT_narrow"), "intNarrow");
    ui_.canNarrow = NewCheck(tr("CAN_narrow"), "canNarrow");
    ui_.wx = NewCheck(tr("WX Channels"), "wx");
    // The model decides these two.
    ui_.wx->setEnabled(false);
    ui_.privateGroup->setEnabled(false);
    QCheckBox* const rows[4][2] = {
        {ui_.usa, ui_.usaNarrow}, {ui_.intl, ui_.intNarrow}, {ui_.can, ui_.canNarrow}, {ui_.privateGroup, ui_.wx}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 2; ++column) grid->addWidget(rows[row][column], row, column);

    // "TX PLL STEP:" and "RX PLL STEP:" with their lists.
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
    // Named before anything asks them for their accessible interface (their items do).
    ui_.txStep->setAccessibleName(tr("TX PLL step"));
    ui_.rxStep->setAccessibleName(tr("RX PLL step"));
    for (QComboBox* list : {ui_.txStep, ui_.rxStep}) list->addItems({"6.25KHz", "12.5KHz", "25KHz"});
    steps->setColumnStretch(1, 1);
    grid->addLayout(steps, 4, 0, 1, 2);
    return featureBox;
}

void FeaturePanel::Show(const RadioSettings& record)
{
    const DocumentControls v = ControlsOf(record);
    const ModelVariantInfo& model = VariantInfo(v.model);
    ui_.usa->setChecked(v.usa);
    ui_.intl->setChecked(v.intl);
    ui_.can->setChecked(v.can);
    ui_.usaNarrow->setChecked(v.usaNarrow);
    ui_.intNarrow->setChecked(v.intNarrow);
    ui_.canNarrow->setChecked(v.canNarrow);
    ui_.modelUsa->setChecked(!model.europe);
    ui_.modelEurope->setChecked(model.europe);
    ui_.wx->setChecked(model.weather);
    ui_.privateGroup->setChecked(model.privateChannels);
    QSignalBlocker blockTx(ui_.txStep);
    QSignalBlocker blockRx(ui_.rxStep);
    ui_.txStep->setCurrentIndex(v.txStep);
    ui_.rxStep->setCurrentIndex(v.rxStep);
}

void FeaturePanel::SetEditable(bool editable)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_.usa, ui_.intl, ui_.can, ui_.usaNarrow, ui_.intNarrow, ui_.canNarrow,
                                         ui_.modelUsa, ui_.modelEurope, ui_.txStep, ui_.rxStep})
        control->setEnabled(editable);
}

bool FeaturePanel::GroupShown(int group) const
{
    const std::pair<int, QCheckBox*> boxes[] = {
        {kGroupInt, ui_.intl},
        {kGroupUsa, ui_.usa},
        {kGroupCan, ui_.can},
        {kGroupIntNarrow, ui_.intNarrow},
        {kGroupUsaNarrow, ui_.usaNarrow},
        {kGroupCanNarrow, ui_.canNarrow},
        {kGroupWx, ui_.wx},
        {kGroupPrivate, ui_.privateGroup},
    };
    for (const auto& [key, box] : boxes)
        if (key == group) return box->isChecked();
    return false;
}

// What the controls now say, as one step of the document; the identities are the identity
// box's.
void FeaturePanel::PushEdit()
{
    DocumentControls v = ControlsOf(document_.Record());
    v.model = PanelVariant(ui_.modelEurope->isChecked());
    v.usa = ui_.usa->isChecked();
    v.intl = ui_.intl->isChecked();
    v.can = ui_.can->isChecked();
    v.usaNarrow = ui_.usaNarrow->isChecked();
    v.intNarrow = ui_.intNarrow->isChecked();
    v.canNarrow = ui_.canNarrow->isChecked();
    v.txStep = ui_.txStep->currentIndex();
    v.rxStep = ui_.rxStep->currentIndex();
    document_.Editor().Edit(v);
}

}  // namespace qx
