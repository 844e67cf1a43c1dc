#pragma once

#include <QByteArray>
#include <QString>

// Who may read the board: everyone, or only requests that carry the token
// (an "Authorization: Bearer" field) read from a file only its owner can read.
class BoardAccess
{
public:
    static constexpr int minimumTokenLength = 16;

    // The token is the file's first line. False, with the reason in
    // *error, for a missing or group- or world-readable file, or a token
    // shorter than minimumTokenLength.
    bool loadTokenFile(const QString &path, QString *error);
    bool requiresToken() const { return !m_token.isEmpty(); }

    // The value of the request's Authorization field.
    bool allows(const QByteArray &authorization) const;

private:
    QByteArray m_token;
};
