#pragma once

#include <QException>
#include <QString>

// Thrown inside a worker's transfer and caught in the same transfer: only its
// message leaves the worker, through the debug log. Nothing throws across
// threads.
class GeneralException : public QException
{
public:
    explicit GeneralException(const QString &message);
    ~GeneralException() override;

    void raise() const override;
    GeneralException *clone() const override;

    QString message() const;

private:
    QString m_message;
};
