#include "notify/NotificationSettings.h"

bool operator==(const NotificationSettings &a, const NotificationSettings &b)
{
    return a.server == b.server && a.port == b.port && a.username == b.username && a.password == b.password
        && a.from == b.from && a.ignoreSslErrors == b.ignoreSslErrors && a.resendMailTime == b.resendMailTime
        && a.recipients == b.recipients && a.key == b.key && a.cert == b.cert
        && a.errorConnection == b.errorConnection && a.errorAuth == b.errorAuth
        && a.errorNtpTimeout == b.errorNtpTimeout && a.authType == b.authType && a.smtpType == b.smtpType
        && a.collectionWindowSeconds == b.collectionWindowSeconds && a.recoveryMails == b.recoveryMails
        && a.availabilityMail == b.availabilityMail && a.availabilityMailDay == b.availabilityMailDay
        && a.availabilityRecipients == b.availabilityRecipients
        && a.availabilityLastMonth == b.availabilityLastMonth;
}

