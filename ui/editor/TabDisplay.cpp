#include "ui/editor/TabDisplay.h"

#include "model/ChoiceLists.h"
#include "ui/editor/EditorFields.h"
#include "ui_TabDisplay.h"

namespace {
constexpr int brightnessAuto = 10;
constexpr int syncModeMaster = 0;
} // namespace

TabDisplay::TabDisplay(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TabDisplay)
{
    ui->setupUi(this);
    ui->cbxFormatTimeFormat->addItems(ChoiceLists::texts(ChoiceLists::FormatTime));
    addDateFormats();
    ui->cbxBrightness->addItems(ChoiceLists::texts(ChoiceLists::Brightness));
    ui->cbxBrightnessProfile->addItems(ChoiceLists::texts(ChoiceLists::BrightnessProfile));
    ui->cbxTempUnit->addItems(ChoiceLists::texts(ChoiceLists::TemperatureUnit));
    ui->cbxSyncMode->addItems(ChoiceLists::texts(ChoiceLists::SynchronizationMode));
    ui->cbxTypeface->addItems(ChoiceLists::texts(ChoiceLists::Typeface));
    for (QCheckBox *box : {ui->cbxFormatTime, ui->cbxFormatTemp, ui->cbxFormatDate})
        connect(box, &QCheckBox::clicked, this, &TabDisplay::applyShowFormatRule);
    connect(ui->cbxBrightness, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TabDisplay::applyBrightnessRule);
    connect(ui->cbxTempOffset, &QCheckBox::clicked, this, &TabDisplay::showTemperatureOffset);
    connect(ui->cbxSync, &QCheckBox::clicked, this, &TabDisplay::showSynchronization);
    connect(ui->cbxSyncMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TabDisplay::applyMasterIpRule);
    connect(ui->cbxEcoMode, &QCheckBox::clicked, this, &TabDisplay::showEcoTimes);
    connect(ui->btnImportConfiguration, &QAbstractButton::clicked, this, &TabDisplay::importRequested);
    connect(ui->btnExportConfiguration, &QAbstractButton::clicked, this, &TabDisplay::exportRequested);
    applyRules();
}

TabDisplay::~TabDisplay()
{
    delete ui;
}

void TabDisplay::addDateFormats()
{
    // The clock's letters (D day, N month, Y year) tell a reader nothing:
    // each choice spells its order out, in the order of the list.
    const QStringList orders = {tr("day, month, year"), tr("month, day, year"), tr("year, month, day"),
                                tr("year, day, month"), tr("day, month"),       tr("month, day")};
    const QStringList formats = ChoiceLists::texts(ChoiceLists::FormatDate);
    for (int i = 0; i < formats.size(); ++i)
        ui->cbxFormatDateFormat->addItem(i < orders.size() ? tr("%1 (%2)").arg(formats.at(i), orders.at(i))
                                                           : formats.at(i));
    ui->cbxFormatDateFormat->setToolTip(tr("The order in which the clock shows the date: D day, N month, Y year"));
}

void TabDisplay::fillFrom(const ClockConfigFields &config)
{
    using namespace EditorFields;
    m_filled = config;
    ui->cbxFormatTime->setChecked(config.ShowTime);
    ui->cbxFormatTemp->setChecked(config.ShowTemp);
    ui->cbxFormatDate->setChecked(config.ShowDate);
    setNumber(ui->sbxDurationTimeDur, config.DurationTime);
    setNumber(ui->sbxDurationTempDur, config.DurationTemp);
    setNumber(ui->sbxDurationDateDur, config.DurationDate);
    setIndex(ui->cbxFormatTimeFormat, config.FormatTime);
    setIndex(ui->cbxFormatDateFormat, config.FormatDate);
    ui->cbxTimeLeadingZero->setChecked(config.TimeLeadingZeros);
    ui->cbxTimeBlinkingColon->setChecked(config.BlinkingTimeColon);
    setIndex(ui->cbxBrightness, config.Brightness);
    setIndex(ui->cbxBrightnessProfile, config.BrightnessProfile);
    setIndex(ui->cbxTempUnit, config.TemperatureUnit);
    ui->cbxTempOffset->setChecked(config.TemperatureOffset);
    setOffset(ui->dsbTempOffset, config.TemperatureOffsetValue);
    ui->cbxSync->setChecked(config.Synchronization);
    setIndex(ui->cbxSyncMode, config.SynchronizationMode);
    ui->ledSyncMasterIp->setText(config.MasterIP);
    ui->cbxEcoMode->setChecked(config.EcoMode);
    setTime(ui->tedEcoOn, config.EcoStart);
    setTime(ui->tedEcoOff, config.EcoEnd);
    setIndex(ui->cbxTypeface, config.typeface);
    // Check boxes set here fire no slot; the index slots fire only on a change.
    applyRules();
}

void TabDisplay::readInto(ClockConfigFields &config) const
{
    using namespace EditorFields;
    const ClockConfigFields &f = m_filled;
    config.ShowTime = ui->cbxFormatTime->isChecked();
    config.ShowTemp = ui->cbxFormatTemp->isChecked();
    config.ShowDate = ui->cbxFormatDate->isChecked();
    config.DurationTime = number(ui->sbxDurationTimeDur, f.DurationTime);
    config.DurationTemp = number(ui->sbxDurationTempDur, f.DurationTemp);
    config.DurationDate = number(ui->sbxDurationDateDur, f.DurationDate);
    config.FormatTime = index(ui->cbxFormatTimeFormat, f.FormatTime);
    config.FormatDate = index(ui->cbxFormatDateFormat, f.FormatDate);
    config.TimeLeadingZeros = ui->cbxTimeLeadingZero->isChecked();
    config.BlinkingTimeColon = ui->cbxTimeBlinkingColon->isChecked();
    config.Brightness = index(ui->cbxBrightness, f.Brightness);
    config.BrightnessProfile = index(ui->cbxBrightnessProfile, f.BrightnessProfile);
    config.TemperatureUnit = index(ui->cbxTempUnit, f.TemperatureUnit);
    config.TemperatureOffset = ui->cbxTempOffset->isChecked();
    config.TemperatureOffsetValue = offset(ui->dsbTempOffset, f.TemperatureOffsetValue);
    config.Synchronization = ui->cbxSync->isChecked();
    config.SynchronizationMode = index(ui->cbxSyncMode, f.SynchronizationMode);
    config.MasterIP = text(ui->ledSyncMasterIp, f.MasterIP);
    config.EcoMode = ui->cbxEcoMode->isChecked();
    config.EcoStart = time(ui->tedEcoOn, f.EcoStart);
    config.EcoEnd = time(ui->tedEcoOff, f.EcoEnd);
    config.typeface = index(ui->cbxTypeface, f.typeface);
}

void TabDisplay::applyRules()
{
    applyBrightnessRule(ui->cbxBrightness->currentIndex());
    showTemperatureOffset(ui->cbxTempOffset->isChecked());
    showSynchronization(ui->cbxSync->isChecked());
    showEcoTimes(ui->cbxEcoMode->isChecked());
    applyShowFormatRule();
}

void TabDisplay::applyShowFormatRule()
{
    const QList<QCheckBox *> boxes = {ui->cbxFormatTime, ui->cbxFormatTemp, ui->cbxFormatDate};
    int checked = 0;
    for (QCheckBox *box : boxes) {
        box->setEnabled(true);
        checked += box->isChecked() ? 1 : 0;
    }
    if (checked != 1)
        return;
    for (QCheckBox *box : boxes) {
        if (box->isChecked())
            box->setEnabled(false);
    }
}

void TabDisplay::applyBrightnessRule(int brightness)
{
    ui->cbxBrightnessProfile->setEnabled(brightness == brightnessAuto);
}

void TabDisplay::showTemperatureOffset(bool shown)
{
    ui->lblTempOffset->setVisible(shown);
    ui->dsbTempOffset->setVisible(shown);
}

void TabDisplay::showSynchronization(bool shown)
{
    ui->lblSyncMode->setVisible(shown);
    ui->cbxSyncMode->setVisible(shown);
    applyMasterIpRule();
}

void TabDisplay::applyMasterIpRule()
{
    // A master takes no master address; a slave needs one.
    const bool slave = ui->cbxSync->isChecked() && ui->cbxSyncMode->currentIndex() != syncModeMaster;
    ui->lblMasterIp->setVisible(slave);
    ui->ledSyncMasterIp->setVisible(slave);
}

void TabDisplay::showEcoTimes(bool shown)
{
    ui->wdtEco->setVisible(shown);
}
