#include "board/BoardAccess.h"

#include <QFile>
#include <QFileInfo>

bool BoardAccess::loadTokenFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("%1 is not a file").arg(path);
        return false;
    }
    // Anyone who can read the token can read the board: keep it private.
    if (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
        *error = QStringLiteral("%1 may be read by others; make it private (chmod 600)").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    m_token = file.readLine(4096).trimmed();
    if (m_token.isEmpty()) {
        *error = QStringLiteral("%1 holds no token").arg(path);
        return false;
    }
    // A short token is guessed before the slowed answers make any difference.
    if (m_token.size() < minimumTokenLength) {
        *error = QStringLiteral("the token in %1 has %2 characters; it needs at least %3 "
                                "(for example the output of: head -c 24 /dev/urandom | base64)")
                     .arg(path)
                     .arg(m_token.size())
                     .arg(minimumTokenLength);
        m_token.clear();
        return false;
    }
    return true;
}

bool BoardAccess::allows(const QByteArray &authorization) const
{
    if (m_token.isEmpty())
        return true;
    static const QByteArray scheme = "bearer ";
    if (authorization.size() <= scheme.size() || authorization.left(scheme.size()).toLower() != scheme)
        return false;
    const QByteArray given = authorization.mid(scheme.size()).trimmed();
    // Compared in a time that does not depend on where they differ.
    unsigned char difference = given.size() == m_token.size() ? 0 : 1;
    for (int i = 0; i < m_token.size(); ++i)
        difference |= static_cast<unsigned char>(m_token.at(i) ^ (i < given.size() ? given.at(i) : 0));
    return difference == 0;
}
