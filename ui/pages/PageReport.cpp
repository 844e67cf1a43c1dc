#include "ui/pages/PageReport.h"

#include "core/AppSettings.h"
#include "persistence/EventJournal.h"
#include "session/AvailabilityHistory.h"
#include "ui/dialogs/DialogAvailability.h"
#include "ui/dialogs/DialogHost.h"
#include "session/MonitoringSession.h"
#include "ui/services/PageServices.h"
#include "desktop/ThemeManager.h"
#include "ui_PageReport.h"

#include <QFileInfo>

PageReport::PageReport(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageReport)
    , m_services(services)
{
    ui->setupUi(this);
    ui->btnReportChangeFile->setIcon(ThemeManager::themedIcon(QStringLiteral(":/icons/resources/icons/folder.png")));
    connect(ui->btnReportSave, &QAbstractButton::clicked, this, &PageReport::saveSettings);
    connect(ui->btnReportChangeFile, &QAbstractButton::clicked, this, &PageReport::chooseFile);
    connect(ui->cbxReportEnable, &QCheckBox::stateChanged, this, &PageReport::enableReport);
    connect(ui->btnHideToTray2, &QAbstractButton::clicked, this, &PageReport::hideToTray);
    connect(ui->btnReportAvailability, &QAbstractButton::clicked, this, &PageReport::showAvailability);
    LoadReportWidgets();
}

PageReport::~PageReport()
{
    delete ui;
}

void PageReport::LoadReportWidgets()
{
    m_services.session().setReportEnabled(false);
    for (QWidget *control : {static_cast<QWidget *>(ui->btnReportChangeFile),
                             static_cast<QWidget *>(ui->cbxReportFileType),
                             static_cast<QWidget *>(ui->cbxReportInterval),
                             static_cast<QWidget *>(ui->cbxReportValueType)})
        control->setEnabled(false);
    const ReportSettings &settings = AppSettings::reportSettings();
    ui->cbxReportEnable->setChecked(settings.enabled);
    ui->lblReportPath->setText(settings.filepath);
    ui->cbxReportFileType->setCurrentIndex(settings.fileType);
    ui->cbxReportInterval->setCurrentIndex(settings.interval);
    ui->cbxReportValueType->setCurrentIndex(settings.valueType);
}

QString PageReport::folderOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

bool PageReport::SaveReportSettings()
{
    if (ui->cbxReportEnable->isChecked()) {
        const QString folder = folderOf(ui->lblReportPath->text());
        if (folder.isEmpty()) {
            m_services.dialogs().message(m_services.window(), tr("Filepath can't be empty."), QuestionIcon::Warning);
            return false;
        }
        if (!QFileInfo(folder).isDir()) {
            m_services.dialogs().message(m_services.window(), tr("Invalid report filepath."), QuestionIcon::Warning);
            return false;
        }
    }
    ReportSettings settings = AppSettings::reportSettings();
    settings.filepath = ui->lblReportPath->text();
    settings.fileType = ui->cbxReportFileType->currentIndex();
    settings.interval = ui->cbxReportInterval->currentIndex();
    settings.valueType = ui->cbxReportValueType->currentIndex();
    AppSettings::saveReportSettings(ui->cbxReportEnable->isChecked(), settings);
    return true;
}

void PageReport::saveSettings()
{
    if (SaveReportSettings())
        m_services.dialogs().message(m_services.window(), tr("Report configuration saved."), QuestionIcon::Info);
}

void PageReport::chooseFile()
{
    const QString stored = AppSettings::reportSettings().filepath;
    const QString path = m_services.dialogs().saveFileName({m_services.window(), tr("Save"),
                                                            stored.isEmpty() ? lastPath() : stored,
                                                            tr("Microsoft Excel files (*.xlsx)")});
    // Shown only: the settings change when they are saved.
    if (!path.isEmpty())
        ui->lblReportPath->setText(path);
}

void PageReport::enableReport(int checkState)
{
    const bool on = checkState != Qt::Unchecked;
    m_services.session().setReportEnabled(on);
    ui->btnReportChangeFile->setEnabled(on);
    ui->cbxReportFileType->setEnabled(on);
    ui->cbxReportInterval->setEnabled(on);
    ui->cbxReportValueType->setEnabled(on);
}

void PageReport::hideToTray()
{
    const QuestionResult answer = m_services.dialogs().ask(
        m_services.window(), tr("Save report configuration before minimize application?"), QuestionIcon::Question,
        tr("Save and minimize"), tr("Minimize only"), tr("Cancel"));
    if (answer == QuestionResult::Neutral)
        return;
    // Hidden after a save only when the settings were stored.
    if (answer == QuestionResult::Positive && !SaveReportSettings())
        return;
    emit hideToTrayRequested();
}

void PageReport::showAvailability()
{
    DialogAvailability dialog(AvailabilityHistory::clocksOf(m_services.registry()), EventJournal::defaultFolder(),
                              m_services.window());
    dialog.showPeriod(ReportPeriod::Kind::Month, QDate::currentDate());
    m_services.dialogs().runDialog(dialog);
}
