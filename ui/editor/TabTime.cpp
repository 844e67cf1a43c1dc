#include "ui/editor/TabTime.h"

#include "model/ChoiceLists.h"
#include "ui/editor/EditorFields.h"
#include "model/ParameterText.h"
#include "ui_TabTime.h"

#include <QRegularExpressionValidator>

namespace {
constexpr int timeSourceNtp = 2;
// Characters of room in each box of the summer-time rule, beside its arrow.
constexpr int shortestRuleBox = 6;
} // namespace

TabTime::TabTime(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TabTime)
{
    ui->setupUi(this);
    ui->cbxLocalization->addItems(ChoiceLists::texts(ChoiceLists::Localization));
    ui->cbxTimezone->addItems(ChoiceLists::texts(ChoiceLists::TimeZone));
    for (QComboBox *box : {ui->cbxSummerTimeStartDate, ui->cbxSummerTimeEndDate})
        box->addItems(ChoiceLists::texts(ChoiceLists::WeekOfMonth));
    for (QComboBox *box : {ui->cbxSummerTimeStartDay, ui->cbxSummerTimeEndDay})
        box->addItems(ChoiceLists::texts(ChoiceLists::Weekday));
    for (QComboBox *box : {ui->cbxSummerTimeStartMonth, ui->cbxSummerTimeEndMonth})
        box->addItems(ChoiceLists::texts(ChoiceLists::Month));
    // The rule reads as a sentence; no part of it may be cut short.
    for (QComboBox *box : ui->wdtSummerTime->findChildren<QComboBox *>()) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setMinimumContentsLength(shortestRuleBox);
    }
    ui->cbxSynchronizationMode->addItems(ChoiceLists::texts(ChoiceLists::TimeSource));
    ui->cbxQueryInterval->addItems(ChoiceLists::texts(ChoiceLists::QueryInterval));

    // Server names go into the request body as they are: refuse, while
    // typing, what would break it, and say why.
    ui->lblServerRefused->hide();
    for (QLineEdit *server : servers()) {
        server->setValidator(new QRegularExpressionValidator(ParameterText::safePattern(), server));
        connect(server, &QLineEdit::inputRejected, ui->lblServerRefused, &QWidget::show);
    }
    connect(ui->cbxDaylightSaving, &QCheckBox::clicked, this, &TabTime::UpdateSummerTimeVisibility);
    connect(ui->cbxLocalization, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TabTime::UpdateSummerTimeVisibility);
    connect(ui->cbxTimeZone, &QCheckBox::clicked, this, &TabTime::showTimeZone);
    connect(ui->cbxSynchronizationMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TabTime::applyTimeSourceRule);
    applyRules();
}

TabTime::~TabTime()
{
    delete ui;
}

QList<QLineEdit *> TabTime::servers() const
{
    return {ui->ledRemoteServer1, ui->ledRemoteServer2, ui->ledRemoteServer3, ui->ledRemoteServer4,
            ui->ledRemoteServer5};
}

void TabTime::fillFrom(const ClockConfigFields &config)
{
    using namespace EditorFields;
    m_filled = config;
    setIndex(ui->cbxLocalization, config.Localization);
    ui->cbxTimeZone->setChecked(config.TimeZoneActive);
    setIndex(ui->cbxTimezone, config.TimeZone);
    ui->cbxDaylightSaving->setChecked(config.DaylightSaving);
    setTime(ui->tedSummerTimeStart, config.SummerTimeStartTime);
    setTime(ui->tedSummerTimeEnd, config.SummerTimeEndTime);
    setIndex(ui->cbxSummerTimeStartDate, config.SummerTimeStartDate);
    setIndex(ui->cbxSummerTimeEndDate, config.SummerTimeEndDate);
    setIndex(ui->cbxSummerTimeStartDay, config.SummerTimeStartDay);
    setIndex(ui->cbxSummerTimeEndDay, config.SummerTimeEndDay);
    setIndex(ui->cbxSummerTimeStartMonth, config.SummerTimeStartMonth);
    setIndex(ui->cbxSummerTimeEndMonth, config.SummerTimeEndMonth);
    setIndex(ui->cbxSynchronizationMode, config.Mode);
    ui->ledRemoteServer1->setText(config.Server1);
    ui->ledRemoteServer2->setText(config.Server2);
    ui->ledRemoteServer3->setText(config.Server3);
    ui->ledRemoteServer4->setText(config.Server4);
    ui->ledRemoteServer5->setText(config.Server5);
    ui->lblServerRefused->hide();
    setIndex(ui->cbxQueryInterval, config.QueryInterval);
    ui->cbxMasterMode->setChecked(config.MasterMode);
    // Check boxes set here fire no slot; the index slots fire only on a change.
    applyRules();
}

void TabTime::readInto(ClockConfigFields &config) const
{
    using namespace EditorFields;
    const ClockConfigFields &f = m_filled;
    config.Localization = index(ui->cbxLocalization, f.Localization);
    config.TimeZoneActive = ui->cbxTimeZone->isChecked();
    config.TimeZone = index(ui->cbxTimezone, f.TimeZone);
    config.DaylightSaving = ui->cbxDaylightSaving->isChecked();
    config.SummerTimeStartTime = time(ui->tedSummerTimeStart, f.SummerTimeStartTime);
    config.SummerTimeEndTime = time(ui->tedSummerTimeEnd, f.SummerTimeEndTime);
    config.SummerTimeStartDate = index(ui->cbxSummerTimeStartDate, f.SummerTimeStartDate);
    config.SummerTimeEndDate = index(ui->cbxSummerTimeEndDate, f.SummerTimeEndDate);
    config.SummerTimeStartDay = index(ui->cbxSummerTimeStartDay, f.SummerTimeStartDay);
    config.SummerTimeEndDay = index(ui->cbxSummerTimeEndDay, f.SummerTimeEndDay);
    config.SummerTimeStartMonth = index(ui->cbxSummerTimeStartMonth, f.SummerTimeStartMonth);
    config.SummerTimeEndMonth = index(ui->cbxSummerTimeEndMonth, f.SummerTimeEndMonth);
    config.Mode = index(ui->cbxSynchronizationMode, f.Mode);
    config.Server1 = text(ui->ledRemoteServer1, f.Server1);
    config.Server2 = text(ui->ledRemoteServer2, f.Server2);
    config.Server3 = text(ui->ledRemoteServer3, f.Server3);
    config.Server4 = text(ui->ledRemoteServer4, f.Server4);
    config.Server5 = text(ui->ledRemoteServer5, f.Server5);
    config.QueryInterval = index(ui->cbxQueryInterval, f.QueryInterval);
    config.MasterMode = ui->cbxMasterMode->isChecked();
}

void TabTime::applyRules()
{
    showTimeZone(ui->cbxTimeZone->isChecked());
    UpdateSummerTimeVisibility();
    applyTimeSourceRule(ui->cbxSynchronizationMode->currentIndex());
}

void TabTime::UpdateSummerTimeVisibility()
{
    ui->wdtSummerTime->setVisible(ui->cbxLocalization->currentIndex() == ChoiceLists::localizationOther
                                  && ui->cbxDaylightSaving->isChecked());
}

void TabTime::showTimeZone(bool shown)
{
    ui->lblTimezone->setVisible(shown);
    ui->cbxTimezone->setVisible(shown);
}

void TabTime::applyTimeSourceRule(int timeSource)
{
    ui->wdtNtpServers->setVisible(timeSource == timeSourceNtp);
}
